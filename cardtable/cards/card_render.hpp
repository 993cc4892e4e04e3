// Drawing resources shared by every program and the drawing of cards, pips and icons.
#pragma once

#include "platform/canvas.hpp"
#include "platform/fonts.hpp"

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ct {

// A card back already stretched to a card's pixel size, made on first use.
struct ScaledBack {
    int back = -1;
    int width = 0;
    int height = 0;
    Image picture;
    bool opaque = false;
};

// A card face drawn once, kept as its border and fill colours and only the pixels that differ
// from them (labels and pips): most of a face is plain, so this is a fraction of a whole picture.
struct PreparedFace {
    struct Span {
        std::uint16_t x = 0;
        std::uint16_t length = 0;
        std::uint32_t offset = 0;   // into pixels
    };
    int width = 0;   // 0: the face is drawn directly (see preparedFace)
    int height = 0;
    std::uint32_t edge = 0;   // pixel values as a canvas stores them
    std::uint32_t fill = 0;
    std::vector<std::uint32_t> rowSpans;   // height + 1 entries: row r owns spans [rowSpans[r], rowSpans[r + 1])
    std::vector<Span> spans;
    std::vector<std::uint32_t> pixels;
};

struct DrawingResources {
    std::array<Icon, 5> suitIcons;     // index = suit 1..4, at scaleX(9) pixels
    std::array<Image, 5> backs;        // index = back 0..4, as stored; decoded on first use (storedBack)
    std::array<Image, 5> trumpIndicators;   // index = suit 1..4: the pip in its white box
    // Every back and card size drawn since the density was set; a few at most (hands and
    // stock share one size), so a short list searched in order.
    std::vector<ScaledBack> scaledBacks;
    // Card faces drawn once and copied after, by suit, rank, selection and pixel size; valid
    // for the label font and card style they were drawn with (see preparedFace).
    std::unordered_map<std::uint64_t, PreparedFace> faces;
    std::uint64_t facesFont = 0;
    unsigned facesStyle = 0;
    Color black{0, 0, 0};
    Color white{255, 255, 255};
    Color grey{200, 200, 200};
};

DrawingResources& drawingResources();
// Creates the fonts, suit icons and trump indicators for the current screen density and
// forgets every picture prepared for the one before.
void createDrawingResources();
void releaseDrawingResources();

// Card backs and table colours, in the order the Options dialog lists them.
inline constexpr std::array<std::string_view, 5> backNames{"Plaiting", "Fish", "Joconda", "Gradient", "Pattern"};
inline constexpr std::array<int, 5> backResources{116, 127, 128, 129, 135};
inline constexpr std::array<std::string_view, 5> tableColorNames{"Green", "Black", "DarkRed", "Blue", "Gray"};
inline constexpr std::array<Color, 5> tableColors{Color{0, 150, 0}, Color{0, 0, 0}, Color{128, 0, 0},
                                                  Color{0, 0, 153}, Color{128, 128, 128}};
// An index out of range (a damaged stored value) falls back to the first entry.
Color tableColor(int index);

// Suit pip in a small white box; keeps the trump suit visible once the trump card is gone.
void drawTrumpIndicator(Canvas& canvas, int suit, int x, int y);

// Icons at any pixel size from the sizes stored (64/32/16; pips 18/9), padded, never stretched.
Icon loadIcon(int resource, int size);
Icon loadSmallIcon(int resource, int size);

// Back `back` (0..4; out of range the first) as stored, decoded once: a program shows one back.
const Image& storedBack(int back);
// Back `back` (0..4; out of range the first) stretched to width x height, prepared once.
const ScaledBack& scaledBack(int back, int width, int height);

} // namespace ct
