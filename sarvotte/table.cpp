// Where the Sarvotte table shows its row, stock and numbers, and how it paints them.
#include "sarvotte/table.hpp"

#include "cards/card_render.hpp"
#include "platform/density.hpp"
#include "platform/fonts.hpp"
#include "cards/status_line.hpp"

#include <algorithm>
#include <string>

namespace sarvotte {

namespace {

// Centred, white, over the table colour the background fill left there.
void drawNumber(ct::Canvas& canvas, int number, const ct::Rect& design)
{
    const auto& resources = ct::drawingResources();
    const ct::Rect box = ct::scaleRect(design);
    canvas.drawTextInRect(ct::textFont(), std::to_string(number), box,
                          ct::textCenter | ct::textVCenter | ct::textSingleLine, resources.white);
}

} // namespace

void invalidateArea(const SarvotteState& s, const ct::Rect& design)
{
    if (s.window != nullptr)
        s.window->invalidate(ct::scaleRect(design));
}

void drawTable(const SarvotteState& s, ct::Canvas& canvas)
{
    const auto& resources = ct::drawingResources();
    // The separator: one design unit wide at x 199, the whole height.
    const int lineLeft = ct::scaleX(area::separatorX);
    const int lineWidth = std::max(ct::scaleX(area::separatorX + 1) - lineLeft, 1);
    canvas.fillRect(ct::Rect{lineLeft, 0, lineLeft + lineWidth, canvas.height()}, resources.white);

    if (s.twoPlayer()) {
        drawNumber(canvas, s.computerScore, area::computerScore);
        drawNumber(canvas, s.humanScore, area::humanScore);
    } else {
        drawNumber(canvas, s.cardRow.count(), area::humanScore);
    }
    // Two pixels high along the top of the human score, one pixel in from either end.
    const ct::Rect human = ct::scaleRect(area::humanScore);
    canvas.fillRect(ct::Rect{human.left + 1, human.top, human.right - 1, human.top + 2}, resources.white);

    s.stock.drawAll(canvas);
    s.cardRow.drawAll(canvas);
    ct::statusLine().draw(canvas);
    if (!s.stock.empty())
        drawNumber(canvas, s.stock.count(), area::stockCount);
}

} // namespace sarvotte
