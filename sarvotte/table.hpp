// Where the Sarvotte table shows its row, stock and numbers, and how it paints them.
#pragma once

#include "sarvotte/game_state.hpp"

#include "cards/table_elements.hpp"
#include "platform/canvas.hpp"
#include "platform/geometry.hpp"

namespace sarvotte {

// Design units (96 dpi), edges included.
namespace area {
inline constexpr ct::TapArea stock{{204, 2, 240, 52}};
inline constexpr ct::TextBox stockCount{{222, 2, 240, 52}};
inline constexpr ct::TextBox computerScore{{204, 67, 240, 87}};
inline constexpr ct::TextBox humanScore{{204, 87, 240, 107}};
inline constexpr ct::Rect statusLine{2, 195, 240, 237};
// One design unit wide; it runs over the whole height of the table.
inline constexpr int separatorX = 199;
// Where the row can lie: six lines of nine cards left of the separator.
inline constexpr ct::Rect rowArea{2, 2, 198, 194};
} // namespace area

void drawTable(const SarvotteState& s, ct::Canvas& canvas);

} // namespace sarvotte
