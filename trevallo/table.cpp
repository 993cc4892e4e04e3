// Where the Trevallo table shows its cards, buttons and counters, and how it paints them.
#include "trevallo/table.hpp"

#include "trevallo/game_state.hpp"

#include "cards/card_render.hpp"
#include "platform/density.hpp"
#include "platform/fonts.hpp"
#include "cards/status_line.hpp"
#include "platform/canvas.hpp"

#include <cstdio>
#include <string>

namespace trevallo {

namespace {

void setUp(ct::CardSet& set, ct::Invalidator* window, int x, int y, int sortMode, int perRow, int spread,
           int faceDown, int back)
{
    set.window = window;
    set.originX = ct::scaleX(x);
    set.originY = ct::scaleY(y);
    set.sortMode = sortMode;
    set.perRow = perRow;
    set.spread = spread;
    set.faceDown = faceDown;
    set.trumpSuit = 0;
    set.back = back;
    for (ct::Card& card : set.cards) {
        card.window = window;
        card.faceDown = faceDown;
        card.back = back;
    }
}

// A small suit picture centred in a device rectangle.
void drawSuitCentred(ct::Canvas& canvas, int suit, const ct::Rect& box)
{
    if (suit < 1 || suit > 4)
        return;
    const ct::Icon& pip = ct::drawingResources().suitIcons[static_cast<std::size_t>(suit)];
    if (pip.empty())
        return;
    canvas.drawIcon(pip, box.left + (box.width() - pip.width()) / 2, box.top + (box.height() - pip.height()) / 2);
}

void drawSuitBox(const TrevalloState& s, ct::Canvas& canvas)
{
    const int left = ct::scaleX(area::suitBox.left);
    const int top = ct::scaleY(area::suitBox.top);
    const ct::Rect box{left, top, left + ct::scaleX(place::suitBoxWidth), top + ct::scaleY(place::suitBoxHeight)};
    canvas.fillRect(box, ct::drawingResources().white);
    drawSuitCentred(canvas, s.currentSuit, box);
}

} // namespace

void setUpSets(TrevalloState& s, int back)
{
    setUp(s.computerHand, s.window, place::computerHandX, place::computerHandY, -1, 24, s.computerHandSpread,
          s.computerHandFaceDown, back);
    setUp(s.humanHand, s.window, place::humanHandX, place::humanHandY, 1, 7, 2, 0, back);
    setUp(s.talon, s.window, place::talonX, place::talonY, -1, 100, 5, 1, back);
    setUp(s.discardPile, s.window, place::discardX, place::discardY, -1, 100, 1, 0, back);
}

void layoutHumanHand(TrevalloState& s)
{
    const int n = s.humanHand.count();
    if (n < 7) {
        s.humanHand.spread = 2;
        s.humanHand.perRow = 7;
    } else if (n < 25) {
        s.humanHand.spread = 1;
        s.humanHand.perRow = 12;
    } else {
        s.humanHand.spread = 3;
        s.humanHand.perRow = 18;
    }
    s.humanHand.relayout();
}

void invalidateArea(const TrevalloState& s, const ct::Rect& design)
{
    if (s.window != nullptr)
        s.window->invalidate(ct::scaleRect(design));
}

void drawTable(const TrevalloState& s, ct::Canvas& canvas, const PaintResources& icons)
{
    const auto& resources = ct::drawingResources();

    // The button column.
    element::separator.draw(canvas);
    element::drawButton.draw(canvas, s.mayPass != 0 ? icons.pass : icons.take, s.buttonPressed != 0);
    element::sortButton.draw(canvas, icons.sort, false);
    if (s.suitChoicePending != 0)
        element::suitButtons.draw(canvas);

    // The cards: of the discard pile only the newest, half a card apart, the top card rightmost.
    s.computerHand.drawAll(canvas);
    s.humanHand.drawAll(canvas);
    s.talon.drawAll(canvas);
    const int first = s.discardPile.count() > place::discardShown ? s.discardPile.count() - place::discardShown : 0;
    int x = ct::scaleX(place::discardX);
    for (int i = first; i < s.discardPile.count(); ++i) {
        ct::Card card = s.discardPile.cards[static_cast<std::size_t>(i)];
        card.window = nullptr;
        card.faceDown = 0;
        card.moveTo(x, ct::scaleY(place::discardY));
        card.drawCard(canvas);
        x += card.width / 2;
    }

    drawSuitBox(s, canvas);
    ct::statusLine().draw(canvas);

    element::talonCount.drawNumber(canvas, s.talon.count(), resources.white);
    // Three lines, computer first. The table font is shorter than the suit box, so the lines
    // are spaced to the box: the middle one lies under it, the human's score starts below it.
    char scores[48];
    std::snprintf(scores, sizeof scores, "%d\r\n-\r\n%d", s.computerScore, s.humanScore);
    const std::string text(scores);
    const std::size_t firstBreak = text.find("\r\n");
    const std::size_t secondBreak = text.find("\r\n", firstBreak + 2);
    const ct::Rect column = ct::scaleRect(area::scores);
    const int boxTop = ct::scaleY(area::suitBox.top);
    const int boxBottom = boxTop + ct::scaleY(place::suitBoxHeight);
    canvas.drawTextInRect(ct::textFont(), text.substr(0, firstBreak),
                          ct::Rect{column.left, column.top, column.right, boxTop}, 0, resources.white);
    canvas.drawTextInRect(ct::textFont(), text.substr(firstBreak + 2, secondBreak - firstBreak - 2),
                          ct::Rect{column.left, boxTop, column.right, boxBottom}, 0, resources.white);
    canvas.drawTextInRect(ct::textFont(), text.substr(secondBreak + 2),
                          ct::Rect{column.left, boxBottom + 1, column.right, column.bottom}, 0, resources.white);
    // Over the scores' middle line.
    drawSuitBox(s, canvas);
}

} // namespace trevallo
