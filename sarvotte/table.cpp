// Where the Sarvotte table shows its row, stock and numbers, and how it paints them.
#include "sarvotte/table.hpp"

#include "cards/card_render.hpp"
#include "cards/status_line.hpp"
#include "platform/density.hpp"

#include <algorithm>

namespace sarvotte {

void drawTable(const SarvotteState& s, ct::Canvas& canvas)
{
    const ct::Color white = ct::drawingResources().white;
    const int lineLeft = ct::scaleX(area::separatorX);
    const int lineWidth = std::max(ct::scaleX(area::separatorX + 1) - lineLeft, 1);
    canvas.fillRect(ct::Rect{lineLeft, 0, lineLeft + lineWidth, canvas.height()}, white);

    // Numbers are centred, white, over the table colour the background fill left there.
    if (s.twoPlayer()) {
        area::computerScore.drawNumber(canvas, s.computerScore, white);
        area::humanScore.drawNumber(canvas, s.humanScore, white);
    } else {
        area::humanScore.drawNumber(canvas, s.cardRow.count(), white);
    }
    // Two pixels high along the top of the human score, one pixel in from either end.
    const ct::Rect human = ct::scaleRect(area::humanScore.area);
    canvas.fillRect(ct::Rect{human.left + 1, human.top, human.right - 1, human.top + 2}, white);

    s.stock.drawAll(canvas);
    s.cardRow.drawAll(canvas);
    ct::statusLine().draw(canvas);
    if (!s.stock.empty())
        area::stockCount.drawNumber(canvas, s.stock.count(), white);
}

} // namespace sarvotte
