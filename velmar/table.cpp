// Where the Velmar table shows its cards, buttons and counters, and how it paints them.
#include "velmar/table.hpp"

#include "velmar/game_state.hpp"

#include "cards/card_render.hpp"
#include "cards/status_line.hpp"
#include "platform/canvas.hpp"
#include "platform/density.hpp"

#include <algorithm>
#include <string>

namespace velmar {

namespace {

void setUp(ct::CardSet& set, ct::Invalidator* window, int x, int y, int sortMode, int perRow, int spread,
           int faceDown)
{
    set.window = window;
    for (ct::Card& card : set.cards)
        card.window = window;
    set.originX = ct::scaleX(x);
    set.originY = ct::scaleY(y);
    set.sortMode = sortMode;
    set.perRow = perRow;
    set.spread = spread;
    set.faceDown = faceDown;
    for (ct::Card& card : set.cards)
        card.faceDown = faceDown;
}

} // namespace

void setUpSets(VelmarState& s, int back)
{
    setUp(s.computerHand, s.window, place::computerHandX, place::computerHandY, -1, 18, s.computerHandSpread,
          s.computerHandFaceDown);
    setUp(s.humanHand, s.window, place::humanHandX, place::humanHandY, 1, 7, 2, 0);
    setUp(s.computerRow, s.window, place::computerRowX, place::computerRowY, -1, 7, 2, 0);
    setUp(s.humanRow, s.window, place::humanRowX, place::humanRowY, -1, 7, 2, 0);
    s.computerHand.back = back;
    s.humanHand.back = back;
}

void placeStandAloneCards(VelmarState& s, int back)
{
    s.trumpCard.setWindow(s.window);
    s.trumpCard.faceDown = 0;
    s.trumpCard.moveTo(ct::scaleX(place::trumpX), ct::scaleY(place::trumpY));
    s.stockCard.setWindow(s.window);
    s.stockCard.faceDown = 1;
    s.stockCard.back = back;
    s.stockCard.moveTo(ct::scaleX(place::stockX), ct::scaleY(place::stockY));
    s.trumpCard.invalidate();
    s.stockCard.invalidate();
}

void layoutHumanHand(VelmarState& s)
{
    const int n = s.humanHand.count();
    if (n <= 6) {
        s.humanHand.spread = 2;
        s.humanHand.perRow = 7;
    } else if (n <= 24) {
        s.humanHand.spread = 1;
        s.humanHand.perRow = 12;
    } else {
        s.humanHand.spread = 3;
        s.humanHand.perRow = 18;
    }
    s.humanHand.relayout();
}

void invalidateActionButton(const VelmarState& s) { element::actionButton.invalidate(s.window); }
void invalidateSortButton(const VelmarState& s) { element::sortButton.invalidate(s.window); }
void invalidateStockCount(const VelmarState& s) { element::stockCount.invalidate(s.window); }

int stockCountShown(const VelmarState& s)
{
    if (s.japanese())
        return s.stock();
    if (!s.trumpCard.hidden)
        return s.stock() + 1;   // the turned-up card is still to be drawn
    return -1;
}

void drawTable(const VelmarState& s, ct::Canvas& canvas, const PaintResources& icons)
{
    element::separator.draw(canvas);
    element::actionButton.draw(canvas, s.computerAttacks == 1 ? icons.take : icons.endBout, s.buttonPressed == 1);
    element::sortButton.draw(canvas, icons.sort, s.buttonPressed == 2);

    if (!s.trumpCard.hidden)
        s.trumpCard.drawCard(canvas);
    if (!s.stockCard.hidden)
        s.stockCard.drawCard(canvas);

    s.computerHand.drawAll(canvas);
    // The attacker's row first: the defender's cards lie over it.
    if (s.computerAttacks == 0) {
        s.humanRow.drawAll(canvas);
        s.computerRow.drawAll(canvas);
    } else {
        s.computerRow.drawAll(canvas);
        s.humanRow.drawAll(canvas);
    }
    s.humanHand.drawAll(canvas);

    if (s.trumpCard.hidden)
        ct::drawTrumpIndicator(canvas, s.trumpSuit(), ct::scaleX(place::indicatorX), ct::scaleY(place::indicatorY));

    ct::statusLine().draw(canvas);

    if (s.showStockCount != 0) {
        const int shown = stockCountShown(s);
        if (shown >= 0) {
            // Table text is drawn on the table colour, not transparently. The indicator lies
            // inside the count's rectangle, and a count centred in all of it would cut the
            // indicator in half ("Japanese" shows both): the count then takes the part below.
            ct::Rect box = ct::scaleRect(area::stockCount);
            if (s.trumpCard.hidden)
                box.top = std::min(box.bottom, ct::scaleY(place::indicatorY) + ct::scaleX(place::indicatorPip) + 2);
            element::stockCount.drawIn(canvas, box, std::to_string(shown), ct::drawingResources().white,
                                       &icons.tableColor);
        }
    }
}

} // namespace velmar
