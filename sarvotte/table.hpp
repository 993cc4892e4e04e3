// Where the Sarvotte table shows its row, stock and numbers, and how it paints them.
#pragma once

#include "sarvotte/game_state.hpp"

#include "platform/canvas.hpp"
#include "platform/geometry.hpp"

namespace sarvotte {

// Design units (96 dpi), edges included.
namespace area {
inline constexpr ct::Rect stockArea{204, 2, 240, 52};
inline constexpr ct::Rect stockCount{222, 2, 240, 52};
inline constexpr ct::Rect computerScore{204, 67, 240, 87};
inline constexpr ct::Rect humanScore{204, 87, 240, 107};
inline constexpr ct::Rect statusLine{2, 195, 240, 237};
inline constexpr int separatorX = 199;
// Where the row can lie: six lines of nine cards left of the separator.
inline constexpr ct::Rect rowArea{2, 2, 198, 194};
} // namespace area

void invalidateArea(const SarvotteState& s, const ct::Rect& design);
void drawTable(const SarvotteState& s, ct::Canvas& canvas);

} // namespace sarvotte
