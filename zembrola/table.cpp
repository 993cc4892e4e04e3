// Where the Zembrola table shows its desks, buttons, score panel and stock, and how it paints them.
#include "zembrola/table.hpp"

#include "zembrola/game_state.hpp"

#include "cards/card_render.hpp"
#include "cards/card_style.hpp"
#include "platform/density.hpp"
#include "platform/fonts.hpp"
#include "cards/status_line.hpp"

#include <string>

namespace zembrola {

namespace {

void setUp(CDesk& desk, ct::Invalidator* window, int x, int y, int sortMode, int perRow, int faceDown)
{
    desk.clear();
    desk.window = window;
    desk.originX = ct::scaleX(x);
    desk.originY = ct::scaleY(y);
    desk.sortMode = sortMode;
    desk.perRow = perRow;
    desk.spread = 2;
    desk.faceDown = faceDown;
}

// Score panel texts: centred, on the table colour rather than transparent.
void drawText(ct::Canvas& canvas, std::string_view text, const ct::Rect& design, ct::Color background)
{
    ct::TextBox{design}.draw(canvas, text, ct::drawingResources().white, &background);
}

} // namespace

void setUpDesks(ZembrolaState& s, int back)
{
    setUp(s.computerHand, s.window, place::computerHandX, place::computerHandY, 1, 18, 1);
    setUp(s.humanHand, s.window, place::humanHandX, place::humanHandY, 1, 7, 0);
    setUp(s.humanRow, s.window, place::humanRowX, place::humanRowY, -1, 7, 0);
    setUp(s.computerRow, s.window, place::computerRowX, place::computerRowY, -1, 7, 0);
    s.computerHand.back = back;
    s.humanHand.back = back;
}

void placeStandAloneCards(ZembrolaState& s, int back)
{
    // The two cards live as long as the program, built before the screen density was known.
    for (ct::Card* card : {&s.stockCard, &s.trumpCard}) {
        card->width = ct::scaleX(ct::cardStyle().designWidth);
        card->height = ct::scaleY(ct::cardStyle().designHeight);
    }
    // Any real card: a card without a value is not drawn, even face down.
    s.stockCard.suit = 1;
    s.stockCard.rank = 1;
    s.stockCard.setWindow(s.window);
    s.stockCard.faceDown = 1;
    s.stockCard.back = back;
    s.stockCard.moveTo(ct::scaleX(place::stockX), ct::scaleY(place::stockY));
    s.trumpCard.setWindow(s.window);
    s.trumpCard.faceDown = 0;
    s.trumpCard.moveTo(ct::scaleX(place::trumpX), ct::scaleY(place::trumpY));
    s.stockCard.invalidate();
    s.trumpCard.invalidate();
}

void invalidateArea(const ZembrolaState& s, const ct::Rect& design)
{
    if (s.window != nullptr)
        s.window->invalidate(ct::scaleRect(design));
}

std::string pointsText(int points)
{
    return points == -1 ? std::string("x") : std::to_string(points);
}

void drawTable(const ZembrolaState& s, ct::Canvas& canvas, const PaintResources& paint)
{
    const auto& resources = ct::drawingResources();
    // The lines that divide the table; those starting above the window are clipped there.
    for (const ct::WhiteLine line : {ct::WhiteLine{{120, -23, 122, 297}}, ct::WhiteLine{{162, -23, 164, 297}},
                                     ct::WhiteLine{{240, -23, 242, 297}}, ct::WhiteLine{{200, -23, 202, 117}},
                                     ct::WhiteLine{{166, 44, 238, 46}}, ct::WhiteLine{{166, 82, 238, 84}},
                                     ct::WhiteLine{{166, 119, 238, 121}}})
        line.draw(canvas);

    drawText(canvas, "You", ct::Rect{166, 3, 199, 27}, paint.tableColor);
    drawText(canvas, "PDA", ct::Rect{204, 3, 238, 27}, paint.tableColor);
    drawText(canvas, "current", ct::Rect{166, 29, 238, 45}, paint.tableColor);
    drawText(canvas, "penalty", ct::Rect{166, 67, 238, 83}, paint.tableColor);
    drawText(canvas, pointsText(s.humanPoints), ct::Rect{166, 47, 199, 67}, paint.tableColor);
    drawText(canvas, pointsText(s.computerPoints), ct::Rect{204, 47, 238, 67}, paint.tableColor);
    drawText(canvas, std::to_string(s.humanPenalty), ct::Rect{166, 83, 199, 115}, paint.tableColor);
    drawText(canvas, std::to_string(s.computerPenalty), ct::Rect{204, 83, 238, 115}, paint.tableColor);

    element::okButton.draw(canvas, paint.ok, s.buttonPressed == 1);
    element::sortButton.draw(canvas, paint.sort, s.buttonPressed == 2);

    if (!s.trumpCard.hidden)
        s.trumpCard.drawCard(canvas);
    if (!s.stockCard.hidden)
        s.stockCard.drawCard(canvas);

    s.humanHand.drawAll(canvas);
    s.computerRow.drawAll(canvas);
    s.humanRow.drawAll(canvas);
    s.computerHand.drawAll(canvas);

    if (s.trumpCard.hidden && s.trumpSuit() >= 1 && s.trumpSuit() <= 4)
        ct::drawTrumpIndicator(canvas, s.trumpSuit(), ct::scaleX(place::stockX), ct::scaleY(place::stockY));

    ct::statusLine().draw(canvas);

    if (s.showStockCount != 0 && !s.trumpCard.hidden)
        element::stockCounter.drawNumber(canvas, s.stockLeft(), resources.white, &paint.tableColor);
}

} // namespace zembrola
