// Where the Zembrola table shows its desks, buttons, score panel and stock, and how it paints them.
#pragma once

#include "cards/table_elements.hpp"
#include "platform/canvas.hpp"
#include "platform/geometry.hpp"

#include <string>

namespace zembrola {

struct ZembrolaState;

// Design-unit rectangles (edges included for taps).
namespace area {
inline constexpr ct::Rect stockCounter{126, 67, 158, 95};
inline constexpr ct::Rect sortButton{126, 117, 158, 149};
inline constexpr ct::Rect okButton{126, 153, 158, 185};
inline constexpr ct::Rect playArea{2, 97, 118, 135};
inline constexpr ct::Rect points{166, 29, 240, 71};       // repainted by a scored trick
inline constexpr ct::Rect scores{166, 29, 238, 115};      // repainted at the end of a round
inline constexpr ct::Rect status{166, 122, 238, 377};
} // namespace area

// The table's elements over those rectangles.
namespace element {
inline constexpr ct::IconButton okButton{{area::okButton}};
inline constexpr ct::IconButton sortButton{{area::sortButton}};
inline constexpr ct::TapArea playArea{area::playArea};
inline constexpr ct::TextBox stockCounter{area::stockCounter};
} // namespace element

namespace place {
inline constexpr int stockX = 128, stockY = 2;
inline constexpr int trumpX = 128, trumpY = 27;
inline constexpr int computerHandX = 2, computerHandY = 2;
inline constexpr int computerRowX = 2, computerRowY = 49;
inline constexpr int humanRowX = 2, humanRowY = 97;
inline constexpr int humanHandX = 2, humanHandY = 145;
} // namespace place

namespace icon {
inline constexpr int ok = 119;
inline constexpr int sort = 124;
} // namespace icon

// Window, origin, order, row length, spread and face of the four desks, and the backs of the
// hands; the desks are emptied. `back` is the card back chosen in the options.
void setUpDesks(ZembrolaState& s, int back);
// Places the stock card and the turned-up trump card and gives the stock card its back.
void placeStandAloneCards(ZembrolaState& s, int back);

// Invalidation of the table's own elements (no-ops without a window).
void invalidateArea(const ZembrolaState& s, const ct::Rect& design);

struct PaintResources {
    const ct::Icon* ok = nullptr;
    const ct::Icon* sort = nullptr;
    ct::Color tableColor{0, 150, 0};
};

// The text of one score cell: "x" for a player who has taken no trick, else the number.
std::string pointsText(int points);

// Paints the whole table over the background fill.
void drawTable(const ZembrolaState& s, ct::Canvas& canvas, const PaintResources& paint);

} // namespace zembrola
