// Where the Trevallo table shows its cards, buttons and counters, and how it paints them.
#pragma once

#include "cards/table_elements.hpp"
#include "platform/geometry.hpp"

#include <array>

namespace ct {
class Canvas;
class Image;
} // namespace ct

namespace trevallo {

struct TrevalloState;

// Design-unit rectangles (edges included for taps).
namespace area {
inline constexpr ct::Rect drawButton{204, 167, 236, 199};
inline constexpr ct::Rect sortButton{204, 134, 236, 166};
inline constexpr std::array<ct::Rect, 4> suitButtons{ct::Rect{204, 2, 236, 34}, ct::Rect{204, 35, 236, 67},
                                                     ct::Rect{204, 68, 236, 100}, ct::Rect{204, 101, 236, 133}};
inline constexpr ct::Rect suitBox{180, 71, 190, 111};
inline constexpr ct::Rect talonCount{148, 97, 180, 117};
inline constexpr ct::Rect discardArea{2, 57, 199, 117};
inline constexpr ct::Rect scores{180, 57, 199, 117};
inline constexpr ct::Rect buttonColumn{204, 2, 236, 217};
inline constexpr ct::Rect separator{199, 0, 200, 400};
inline constexpr ct::Rect wholeTable{0, 0, 240, 320};
} // namespace area

// The table's buttons, counters and tap areas.
namespace element {
inline constexpr ct::IconButton drawButton{{area::drawButton}};
inline constexpr ct::IconButton sortButton{{area::sortButton}};
inline constexpr ct::SuitButtons suitButtons{area::suitButtons[0]};
inline constexpr ct::TapArea discardArea{area::discardArea};
inline constexpr ct::TextBox talonCount{area::talonCount};
inline constexpr ct::WhiteLine separator{area::separator};
} // namespace element

namespace place {
inline constexpr int computerHandX = 2, computerHandY = 2;
inline constexpr int humanHandX = 2, humanHandY = 118;
inline constexpr int talonX = 148, talonY = 57;
inline constexpr int discardX = 2, discardY = 57;
inline constexpr int discardShown = 8;     // only the newest cards of the pile are drawn
inline constexpr int suitBoxWidth = 11, suitBoxHeight = 12;
} // namespace place

// Button picture resources.
namespace icon {
inline constexpr int take = 117;     // white downward triangle
inline constexpr int pass = 119;     // the letters OK
inline constexpr int sort = 124;
} // namespace icon

// Origins, orders, spreads and flags of the four sets as a deal lays them out.
void setUpSets(TrevalloState& s, int back);
// Spread and row length of the human's hand by its size, then relayout.
void layoutHumanHand(TrevalloState& s);

void invalidateArea(const TrevalloState& s, const ct::Rect& design);
inline void invalidateTable(const TrevalloState& s) { invalidateArea(s, area::wholeTable); }

struct PaintResources {
    const ct::Image* take = nullptr;
    const ct::Image* pass = nullptr;
    const ct::Image* sort = nullptr;
};

// Paints the whole table over the background fill.
void drawTable(const TrevalloState& s, ct::Canvas& canvas, const PaintResources& paint);

} // namespace trevallo
