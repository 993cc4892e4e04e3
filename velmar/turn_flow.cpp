// The Velmar turn flow: taps become moves, the computer answers inside the same tap through the
// game's own message, bouts end, the winner is found and the tally kept.
#include "velmar/turn_flow.hpp"

#include "velmar/computer_player.hpp"
#include "velmar/rules.hpp"
#include "velmar/strings.hpp"
#include "velmar/table.hpp"

#include "cards/status_line.hpp"
#include "platform/density.hpp"
#include "shell/shell.hpp"

#include <algorithm>

namespace velmar {

void TurnFlow::status(int id)
{
    ct::statusLine().set("%s", programString(id).c_str());
}

void TurnFlow::statusNumber(int id, int n)
{
    ct::statusLine().set(programString(id).c_str(), n);
}

// The human's answers are one card each: only the first selected card moves, even if a
// selection made for beating several cards at once is still standing.
void TurnFlow::moveSelectedOne(ct::CardSet& to)
{
    moveOne(s.humanHand, s.humanHand.firstSelected(), to);
    s.humanHand.sortCards();
}

// ---------------------------------------------------------------- taps

void TurnFlow::tapDown(int x, int y)
{
    const auto deal = s.deals.current();
    if (ct::statusLine().isShown())
        ct::statusLine().clear();

    if (element::playArea.hit(x, y)) {
        if (s.extraCardsLeft != -1)
            humanAddsExtra();
        else
            humanPlay();
        if (dealEnded(deal))
            return;
    }
    if (element::actionButton.hit(x, y)) {
        s.buttonPressed = 1;
        invalidateActionButton(s);
        if (s.computerAttacks == 0)
            endBout(false);
        else
            humanTakes();
        if (dealEnded(deal))
            return;
    }
    if (element::sortButton.hit(x, y)) {
        s.buttonPressed = 2;
        invalidateSortButton(s);
        toggleHandOrder();
    }
    // Several cards to beat at once: any number may be selected; otherwise one at most.
    if (s.computerRow.count() > 1 && s.humanRow.empty())
        s.humanHand.toggleAt(x, y);
    else
        s.humanHand.pickAt(x, y);
}

void TurnFlow::tapUp()
{
    if (s.buttonPressed == 0)
        return;
    if (s.buttonPressed == 1)
        invalidateActionButton(s);
    else
        invalidateSortButton(s);
    s.buttonPressed = 0;
}

void TurnFlow::doubleTap(int x, int y)
{
    if (s.doubleTapPlay == 0)
        return;
    if (ct::statusLine().isShown())
        ct::statusLine().clear();
    if (s.humanHand.selectOnlyAt(x, y) == 0)
        return;
    if (s.extraCardsLeft != -1)
        humanAddsExtra();
    else
        humanPlay();
}

// ---------------------------------------------------------------- the game's own message

void TurnFlow::gameStep(int code)
{
    const auto deal = s.deals.current();
    switch (code) {
    case step::newDeal:
        newDeal();
        break;
    case step::computerAttacks: {
        invalidateActionButton(s);
        const int laid = computerAttack(s);
        if (laid < 0)
            ct::errorBox(&shell.window(), "ERROR: strange , activ not lost!");
        if (laid != 1) {
            status(text::okYourMove);
            endBout(false);
            if (dealEnded(deal))
                return;
        }
        checkGameEnd();
        if (dealEnded(deal))
            return;
        invalidateActionButton(s);
        break;
    }
    case step::computerDefends:
        if (checkGameEnd())
            return;
        invalidateActionButton(s);
        // Nothing to answer (a table the rules cannot produce): leave it as it is.
        if (s.humanRow.empty())
            return;
        switch (computerDefend(s)) {
        case Defence::takes:
            computerGivesUp();
            break;
        case Defence::transfers:
            status(text::transferDone);
            break;
        case Defence::beats:
            break;
        }
        invalidateActionButton(s);
        checkGameEnd();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- deal and start

void TurnFlow::newDeal()
{
    s.deals.begin();
    dealCards();
    chooseStarter();
}

void TurnFlow::dealCards()
{
    const int back = shell.cardBackIndex();
    ct::statusLine().clear();
    // The old stand-alone cards leave their places to be repainted before new records replace them.
    s.trumpCard.invalidate();
    s.stockCard.invalidate();
    startDeal(s);
    setUpSets(s, back);
    placeStandAloneCards(s, back);
    refill(s.humanHand);
    refill(s.computerHand);
    s.humanHand.setBack(back);
    s.computerHand.setBack(back);
    s.stockCard.back = back;
    layoutHumanHand(s);
    invalidateActionButton(s);
}

void TurnFlow::refill(ct::CardSet& hand)
{
    refillHand(s, hand);
    hand.relayout();
    invalidateStockCount(s);
}

void TurnFlow::chooseStarter()
{
    if (firstMover(s) == 0) {
        status(text::yourMove);
        s.computerAttacks = 0;
    } else {
        s.computerAttacks = 1;
        shell.sendGameMessage(step::computerAttacks);
    }
}

// ---------------------------------------------------------------- the human's moves

void TurnFlow::humanPlay()
{
    if (checkGameEnd())
        return;
    const int selected = s.humanHand.firstSelected();
    if (selected == 0) {
        status(text::selectACard);
        return;
    }
    const ct::Card card = s.humanHand.at(selected);

    if (s.computerAttacks == 1) {
        if (s.computerRow.empty()) {
            ct::errorBox(&shell.window(), "ERROR: computer will go!");
            return;
        }
        // Transfer: a card of the attack card's rank passes the whole attack back.
        if (s.transferVariant == 1 && s.transferOpen == 1 && card.rank == s.computerRow.last().rank
            && s.computerHand.count() >= s.computerRow.count() + 1) {
            bool transfer = true;
            if (s.isTrump(card))
                transfer = shell.window().messageBox(programString(text::transferQuestion), "",
                                                     ct::MsgBoxButtons::yesNo, ct::MsgBoxIcon::question)
                    != ct::MsgBoxAnswer::no;
            if (transfer) {
                moveAll(s.computerRow, s.humanRow);
                moveSelectedOne(s.humanRow);
                shell.sendGameMessage(step::computerDefends);
                return;
            }
        }
        s.transferOpen = 0;

        // Several cards at once: exactly as many cards as the row holds, matched greedily.
        if (s.computerRow.count() > 1 && s.humanRow.empty()) {
            if (s.humanHand.countSelected() != s.computerRow.count()) {
                statusNumber(text::selectCards, s.computerRow.count());
                return;
            }
            ct::CardSet scratch;
            scratch.trumpSuit = s.trumpSuit();
            s.humanHand.copySelectedTo(scratch);
            if (beatAll(s, s.computerRow, scratch) != 0) {
                status(text::badCards);
                return;
            }
            s.humanHand.moveSelectedTo(s.humanRow);
            s.humanHand.sortCards();
            if (s.humanRow.count() >= maxRowCards)
                endBout(false);
            else
                shell.sendGameMessage(step::computerAttacks);
            return;
        }

        // One card: it must beat the last attack card; otherwise nothing happens.
        if (beats(s, card, s.computerRow.last()) <= 0)
            return;
        moveSelectedOne(s.humanRow);
        if (s.humanRow.count() < maxRowCards)
            shell.sendGameMessage(step::computerAttacks);
        else
            endBout(false);
        return;
    }

    // The human attacks.
    if (s.humanRow.empty() && s.computerRow.empty()) {
        s.transferOpen = 1;
        s.computerCountAtOpening = s.computerHand.count();
        s.computerOpened = 0;
        moveSelectedOne(s.humanRow);
        shell.sendGameMessage(step::computerDefends);
        return;
    }
    s.transferOpen = 0;
    if (s.humanRow.count() >= maxRowCards) {
        status(text::sixCards);
        checkGameEnd();
        return;
    }
    if (s.computerHand.empty()) {
        status(text::zeroCards);
        checkGameEnd();
        return;
    }
    if (!rankOnTable(s, card.rank))
        return;
    moveSelectedOne(s.humanRow);
    shell.sendGameMessage(step::computerDefends);
}

void TurnFlow::humanAddsExtra()
{
    const auto deal = s.deals.current();
    if (checkGameEnd())
        return;
    const int selected = s.humanHand.firstSelected();
    if (selected == 0) {
        statusNumber(text::giveExtra, s.extraCardsLeft);
        return;
    }
    if (s.extraCardsLeft <= 0) {
        computerTakes();
        return;
    }
    if (!rankOnTable(s, s.humanHand.at(selected).rank))
        return;
    moveSelectedOne(s.humanRow);
    checkGameEnd();
    if (dealEnded(deal))
        return;
    --s.extraCardsLeft;
    if (s.extraCardsLeft > 0)
        statusNumber(text::giveExtra, s.extraCardsLeft);
    else
        computerTakes();
}

void TurnFlow::humanTakes()
{
    const auto deal = s.deals.current();
    s.transferOpen = 1;
    if (s.humanRow.empty() && s.computerRow.empty())
        return;
    const int extra = std::min(s.humanCountAtOpening, maxRowCards) - s.computerRow.count();
    const int added = extra > 0 ? throwInExtras(s, extra) : 0;
    if (added > 0)
        ct::statusLine().set(programString(text::takenWithExtra).c_str(), s.computerRow.count(), added);
    else
        statusNumber(text::taken, s.computerRow.count());

    moveAll(s.computerRow, s.humanHand);
    moveAll(s.humanRow, s.humanHand);
    s.humanHand.sortCards();
    layoutHumanHand(s);

    endBout(true);
    if (dealEnded(deal))
        return;
    if (checkGameEnd())
        return;
    shell.sendGameMessage(step::computerAttacks);
    if (dealEnded(deal))
        return;
    checkGameEnd();
}

// ---------------------------------------------------------------- ends of bouts and games

void TurnFlow::endBout(bool fromHumanTakes)
{
    s.transferOpen = 1;
    if (s.extraCardsLeft > 0) {
        computerTakes();
        return;
    }
    if (s.humanRow.empty() && s.computerRow.empty() && !fromHumanTakes)
        return;
    discardRows(s);
    // A selection left from beating several cards must not carry into the next bout.
    s.humanHand.clearSelection();
    if (s.computerOpened == 0) {
        refill(s.humanHand);
        refill(s.computerHand);
    } else {
        refill(s.computerHand);
        refill(s.humanHand);
    }
    layoutHumanHand(s);
    s.computerAttacks = s.computerAttacks == 1 ? 0 : 1;
    if (checkGameEnd())
        return;
    if (s.computerAttacks == 1)
        shell.sendGameMessage(step::computerAttacks);
}

void TurnFlow::computerGivesUp()
{
    const int extra = std::min(s.computerCountAtOpening, maxRowCards) - s.humanRow.count();
    if (extra > 0) {
        s.extraCardsLeft = extra;
        statusNumber(text::giveExtra, extra);
        return;
    }
    moveAll(s.computerRow, s.computerHand);
    moveAll(s.humanRow, s.computerHand);
    s.computerHand.sortCards();
    s.humanHand.clearSelection();
    refill(s.humanHand);
    s.extraCardsLeft = -1;
}

void TurnFlow::computerTakes()
{
    s.extraCardsLeft = -1;
    moveAll(s.computerRow, s.computerHand);
    moveAll(s.humanRow, s.computerHand);
    s.computerHand.sortCards();
    s.humanHand.clearSelection();
    refill(s.humanHand);
    status(text::yourMove);
}

void TurnFlow::declareWinner(bool computerWon)
{
    // The finished game ends here, even before the new deal has started: every step that led
    // to this one sees the change and returns.
    s.deals.begin();
    shell.recordWin(computerWon ? ct::Winner::computer : ct::Winner::human);
    s.buttonPressed = 0;
    invalidateActionButton(s);
    invalidateSortButton(s);
    shell.window().messageBox(computerWon ? std::string("I win!") : programString(text::youWin), "",
                              ct::MsgBoxButtons::ok, ct::MsgBoxIcon::information);
    s.nextStarter = computerWon ? 1 : 0;
    shell.sendGameMessage(step::newDeal);
}

bool TurnFlow::checkGameEnd()
{
    // The computer's hand is looked at first: when both are empty, the computer has won.
    if (s.handFinished(s.computerHand)) {
        declareWinner(true);
        return true;
    }
    if (s.handFinished(s.humanHand)) {
        declareWinner(false);
        return true;
    }
    return false;
}

void TurnFlow::toggleHandOrder()
{
    if (s.humanHand.empty())
        return;
    s.humanHand.sortMode = s.humanHand.sortMode == 1 ? 0 : 1;
    s.humanHand.sortCards();
}

} // namespace velmar
