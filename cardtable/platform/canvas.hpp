// Canvas: the off-screen picture the table is painted into, and the pictures drawn on it.
// One implementation (a software surface) serves the real window and the headless backend,
// so tests see the very pixels a user sees.
#pragma once

#include "platform/geometry.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

struct SDL_Surface;

namespace ct {

// Text formats, with the values of the classic text-drawing call.
enum TextFormat : unsigned {
    textLeft = 0x0000,        // left/top; lines break only at "\r\n" (or "\n")
    textCenter = 0x0001,
    textVCenter = 0x0004,     // with textSingleLine semantics: one line centred vertically
    textWordBreak = 0x0010,
    textSingleLine = 0x0020,
};

// An RGBA picture (a card back, a button picture, a suit pip). Empty when loading failed:
// drawing an empty image draws nothing.
class Image {
public:
    Image() = default;
    explicit Image(SDL_Surface* owned);
    ~Image();
    Image(Image&&) noexcept;
    Image& operator=(Image&&) noexcept;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    static Image fromPng(std::span<const unsigned char> data);
    static Image blank(int width, int height);   // fully transparent
    // The picture averaged down (or spread up) to width x height, as stretchImage draws it:
    // drawIcon of the result over any background gives the very pixels stretchImage gives.
    Image scaled(int width, int height) const;
    // Every pixel fully opaque (an empty image is not).
    bool opaque() const;
    bool empty() const { return surface_ == nullptr; }
    int width() const;
    int height() const;
    SDL_Surface* surface() const { return surface_; }

private:
    SDL_Surface* surface_ = nullptr;
};

// An icon is an Image whose alpha is its mask.
using Icon = Image;

enum class IconDraw {
    normal,      // the picture over the table
    maskOnly,    // the dark silhouette of a pressed button
    imageOnly,   // the colour picture without its mask
};

class Font {
public:
    Font() = default;
    ~Font();
    Font(Font&&) noexcept;
    Font& operator=(Font&&) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    // A sans-serif face at `points` for a screen of `dpi`; empty when no font file is found.
    static Font open(int points, int dpi, bool bold);
    bool empty() const { return font_ == nullptr; }
    void* handle() const { return font_; }
    // Unique to each opened font (0 when empty): the key its rendered texts are cached under.
    std::uint64_t id() const { return id_; }

private:
    void* font_ = nullptr;
    std::uint64_t id_ = 0;
};

// Rendered text lines are kept, by font, colour and text, up to this many (and measured widths,
// by font and text, up to four times as many).
inline constexpr std::size_t textCacheLimit = 256;
std::size_t cachedTextCount();
void clearTextCache();

class Canvas {
public:
    Canvas(int width, int height);
    // A canvas drawing straight into `area` of another surface (a window's own picture), sharing
    // its pixels: null unless that surface holds 32-bit xRGB pixels as a canvas does and the area
    // lies on it. The surface must outlive the canvas.
    static std::unique_ptr<Canvas> over(SDL_Surface* target, const Rect& area);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const;
    int height() const;
    SDL_Surface* surface() const { return surface_; }

    // Right and bottom edges excluded, as a rectangle fill does.
    void fillRect(const Rect& area, Color color);
    // The whole image stretched onto dst.
    void stretchImage(const Image& image, const Rect& dst);
    // XORs the area with white: a selected face-down card shows its back inverted.
    void invertRect(const Rect& area);
    void drawIcon(const Icon& icon, int x, int y, IconDraw mode = IconDraw::normal);
    // An opaque picture (one from Canvas::picture, or any whose every pixel has full alpha)
    // copied as it stands, clipped to the canvas: what drawIcon would give, without the per-pixel work.
    void copyPicture(const Image& picture, int x, int y);
    // Icon scaled to size x size (for padded icons drawn at design sizes).
    void drawIconSized(const Icon& icon, int x, int y, int size, IconDraw mode = IconDraw::normal);

    Size textExtent(const Font& font, std::string_view text) const;
    // Transparent background.
    void drawText(const Font& font, std::string_view text, int x, int y, Color color);
    // Text in a rectangle with a TextFormat combination; clipped to the rectangle.
    void drawTextInRect(const Font& font, std::string_view text, const Rect& area, unsigned format, Color color);
    // Height that drawTextInRect needs for the text in a rectangle `width` pixels wide.
    int textHeightInRect(const Font& font, std::string_view text, int width, unsigned format) const;

    // A copy of the pixels in `area` (clipped to the canvas), opaque, for drawing again 1:1.
    Image picture(const Rect& area) const;
    Color pixel(int x, int y) const;
    bool savePng(const std::string& path) const;
    // Copies a rectangle of another canvas (same position) into this one.
    void blit(const Canvas& from, const Rect& area);

private:
    explicit Canvas(SDL_Surface* surface) : surface_(surface) {}
    SDL_Surface* surface_ = nullptr;
};

} // namespace ct
