// The pieces a card table is built of besides cards: picture buttons, texts and numbers in a box,
// tap areas, a row of suit buttons and white lines. Positions are design units, scaled when used.
#pragma once

#include "platform/canvas.hpp"
#include "platform/geometry.hpp"

#include <string_view>

namespace ct {

// A rectangle of the table that answers taps; the edges count as inside.
struct TapArea {
    Rect area;   // design units

    bool hit(int x, int y) const;
    // Marks the area for repainting (nothing without a window).
    void invalidate(Invalidator* window) const;
};

// A picture button: its face at the top-left corner of its area, or only the face's mask (a dark
// silhouette) while the stylus holds it down. The game keeps which button is down in its state and
// invalidates the button on stylus down and again on stylus up.
struct IconButton : TapArea {
    // No face (a picture that did not load) draws nothing.
    void draw(Canvas& canvas, const Icon* face, bool pressed) const;
};

// A text in a rectangle, drawn with a text format (textCenter | textVCenter | textSingleLine, or
// textLeft). With a background, the text's own extent is filled first so that a changed number
// never shows through the old one.
struct TextBox {
    Rect area;   // design units
    unsigned format = textCenter | textVCenter | textSingleLine;

    void draw(Canvas& canvas, std::string_view text, Color ink, const Color* background = nullptr) const;
    // The same in a device-pixel rectangle (part of the area, say, when something shares it).
    void drawIn(Canvas& canvas, const Rect& pixels, std::string_view text, Color ink,
                const Color* background = nullptr) const;
    // A number through a printf format with one int ("%d" unless given).
    void drawNumber(Canvas& canvas, int n, Color ink, const Color* background = nullptr,
                    const char* numberFormat = "%d") const;
    void invalidate(Invalidator* window) const;
};

// Four buttons in a column, one per suit (1..4 from the top): each a white square `square` units
// wide, `inset` units inside its rectangle, with the small suit picture centred on it.
struct SuitButtons {
    Rect first;        // suit 1's rectangle in design units
    int pitch = 33;    // design units from one button's top to the next
    int square = 26;
    int inset = 3;

    Rect area(int suit) const;
    // The suit whose button holds the point, or 0.
    int suitAt(int x, int y) const;
    void draw(Canvas& canvas) const;
    void invalidate(Invalidator* window, int suit) const;
};

// A white line: a filled rectangle in design units (a top above the screen is scaled like any other).
struct WhiteLine {
    Rect area;

    void draw(Canvas& canvas) const;
};

} // namespace ct
