// Where the Velmar table shows its cards, buttons and counters, and how it paints them.
#pragma once

#include "cards/table_elements.hpp"
#include "platform/geometry.hpp"

namespace ct {
class Canvas;
class Image;
} // namespace ct

namespace velmar {

struct VelmarState;

// Design-unit rectangles (edges included for taps).
namespace area {
inline constexpr ct::Rect playArea{2, 71, 199, 117};
inline constexpr ct::Rect actionButton{204, 170, 236, 202};
inline constexpr ct::Rect sortButton{204, 120, 236, 152};
inline constexpr ct::Rect stockCount{202, 67, 236, 95};
inline constexpr ct::Rect separator{199, 0, 200, 400};
} // namespace area

// The table's elements over those rectangles.
namespace element {
inline constexpr ct::TapArea playArea{area::playArea};
inline constexpr ct::IconButton actionButton{{area::actionButton}};
inline constexpr ct::IconButton sortButton{{area::sortButton}};
inline constexpr ct::TextBox stockCount{area::stockCount};
inline constexpr ct::WhiteLine separator{area::separator};
} // namespace element

namespace place {
inline constexpr int stockX = 205, stockY = 2;
inline constexpr int trumpX = 205, trumpY = 27;
inline constexpr int indicatorX = 214, indicatorY = 72;
inline constexpr int indicatorPip = 9;   // the indicator's box is the pip plus a pixel each side
inline constexpr int computerHandX = 2, computerHandY = 2;
inline constexpr int humanHandX = 2, humanHandY = 116;
inline constexpr int computerRowX = 2, computerRowY = 48;
inline constexpr int humanRowX = 2, humanRowY = 69;
} // namespace place

// Button picture resources.
namespace icon {
inline constexpr int take = 117;      // white downward triangle: the human defends
inline constexpr int endBout = 119;   // the letters OK: the human attacks
inline constexpr int sort = 124;
} // namespace icon

// Origins, orders, spreads and flags of the four sets as a deal lays them out; the sets
// keep their cards. `back` is the card back chosen in the options.
void setUpSets(VelmarState& s, int back);
// Places the turned-up card and the stock card and gives the stock card its back.
void placeStandAloneCards(VelmarState& s, int back);
// Spread and row length of the human's hand by its size, then relayout.
void layoutHumanHand(VelmarState& s);

// Invalidation of the table's own elements (no-ops without a window).
void invalidateActionButton(const VelmarState& s);
void invalidateSortButton(const VelmarState& s);
void invalidateStockCount(const VelmarState& s);

// The number the stock counter shows, or -1 when it shows nothing (the option aside).
int stockCountShown(const VelmarState& s);

// What the painter needs from the shell: the button pictures (any may be missing) and the
// table colour chosen in the options.
struct PaintResources {
    const ct::Image* take = nullptr;
    const ct::Image* endBout = nullptr;
    const ct::Image* sort = nullptr;
    ct::Color tableColor{0, 150, 0};
};

// Paints the whole table over the background fill, in the order that makes the stock cover
// the turned-up card and the defender's cards lie over the attacker's.
void drawTable(const VelmarState& s, ct::Canvas& canvas, const PaintResources& paint);

} // namespace velmar
