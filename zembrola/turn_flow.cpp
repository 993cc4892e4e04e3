// The Zembrola turn flow: taps become plays, the computer leads and answers inside the same tap
// through the game's own message, rounds end with their message boxes and the tally is kept.
#include "zembrola/turn_flow.hpp"

#include "zembrola/computer_player.hpp"
#include "zembrola/strings.hpp"
#include "zembrola/table.hpp"

#include "platform/density.hpp"
#include "cards/status_line.hpp"
#include "shell/shell.hpp"

namespace zembrola {

void TurnFlow::status(int id)
{
    ct::statusLine().set("%s", programString(id).c_str());
}

void TurnFlow::reportRefill(int error)
{
    if (error != 0)
        status(text::error1 + error - 1);
    element::stockCounter.invalidate(s.window);
}

// ---------------------------------------------------------------- the game's own message

void TurnFlow::gameStep(int code)
{
    switch (code) {
    case step::computerLeads: computerLeadStep(); break;
    case step::deal: deal(); break;
    case step::computerAnswers: computerAnswerStep(); break;
    default: break;
    }
}

void TurnFlow::deal()
{
    s.deals.begin();
    ct::statusLine().clear();
    const int back = shell.cardBackIndex();
    setUpDesks(s, back);
    const bool humanLeads = dealRound(s);
    placeStandAloneCards(s, back);
    if (humanLeads) {
        status(text::yourMove);
    } else {
        shell.sendGameMessage(step::computerLeads);
        status(text::myMove);
    }
    shell.window().invalidateAll();
}

void TurnFlow::computerLeadStep()
{
    clearRows(s);
    computerLead(s);
    roundEnded();
}

void TurnFlow::computerAnswerStep()
{
    const int r = computerAnswer(s);
    if (r == -1) {
        // Nothing to answer with (a position play does not reach): the lead goes back to the
        // hand instead of lying there as a trick that nobody scores and the next tap sweeps away.
        status(text::error1);
        s.humanRow.selectAll();
        moveSelectedInto(s.humanRow, s.humanHand);
        return;
    }
    status(r == 0 ? text::yourTrickTap : text::myTrickTap);
    invalidateArea(s, area::points);
    s.awaitingTap = 1;
}

bool TurnFlow::roundEnded()
{
    const RoundOutcome outcome = finishRound(s);
    if (!outcome.over())
        return false;
    element::okButton.invalidate(s.window);
    element::sortButton.invalidate(s.window);
    invalidateArea(s, area::scores);
    auto box = [this](int id) {
        shell.window().messageBox(programString(id), "", ct::MsgBoxButtons::ok, ct::MsgBoxIcon::information);
    };
    switch (outcome.round) {
    case RoundResult::draw: box(text::draw); break;
    case RoundResult::computerWon: box(text::iWonRound); break;
    case RoundResult::humanWon: box(text::youWonRound); break;
    case RoundResult::notOver: break;
    }
    if (outcome.game == GameResult::humanWon) {
        shell.recordWin(ct::Winner::human);
        box(text::youWonGame);
    } else if (outcome.game == GameResult::computerWon) {
        shell.recordWin(ct::Winner::computer);
        box(text::iWonGame);
    }
    if (outcome.game != GameResult::goesOn) {
        endGame(s);
        invalidateArea(s, area::scores);
    }
    shell.sendGameMessage(step::deal);
    return true;
}

void TurnFlow::afterTrick()
{
    const auto deal = s.deals.current();
    clearRows(s);
    reportRefill(refillHands(s));
    roundEnded();
    if (s.deals.stale(deal))
        return;
    if (s.computerLeads == 1 && !s.computerHand.empty())
        shell.sendGameMessage(step::computerLeads);
}

// ---------------------------------------------------------------- plays and taps

void TurnFlow::play()
{
    const int selected = s.humanHand.countSelected();
    if (selected == 0) {
        status(text::selectACard);
        return;
    }
    if (s.computerLeads == 1) {
        if (selected != s.computerRow.count()) {
            ct::statusLine().set(programString(text::selectCards).c_str(), s.computerRow.count());
            return;
        }
        moveSelectedInto(s.humanHand, s.humanRow);
        const int r = checkAnswer(s);
        if (r == 1) {
            s.lastWinner = 0;
            s.computerLeads = 0;
            status(text::yourTrickYourMove);
        } else {
            s.lastWinner = 1;
            s.computerLeads = 1;
            status(text::myTrickMyMove);
            if (r == -1) {
                status(text::error1 + 1);
                return;
            }
        }
        scoreTrick(s, r == 1);
        invalidateArea(s, area::points);
        afterTrick();
        return;
    }
    if (!sameSuitSelected(s)) {
        status(text::sameSuitOnly);
        return;
    }
    moveSelectedInto(s.humanHand, s.humanRow);
    shell.sendGameMessage(step::computerAnswers);
}

void TurnFlow::tapDown(int x, int y)
{
    if (ct::statusLine().isShown())
        ct::statusLine().clear();
    if (s.awaitingTap == 1) {
        // The tap only closes the trick on the table, wherever it falls.
        s.awaitingTap = 0;
        afterTrick();
        return;
    }
    if (element::okButton.hit(x, y)) {
        s.buttonPressed = 1;
        element::okButton.invalidate(s.window);
        play();
    } else if (element::sortButton.hit(x, y)) {
        s.buttonPressed = 2;
        element::sortButton.invalidate(s.window);
        if (!s.humanHand.empty()) {
            s.humanHand.sortMode = s.humanHand.sortMode == 1 ? 0 : 1;
            s.humanHand.sortCards();
        }
    } else if (element::playArea.hit(x, y)) {
        play();
    } else {
        s.humanHand.toggleAt(x, y);
    }
}

void TurnFlow::tapUp(int x, int y)
{
    if (element::okButton.hit(x, y)) {
        s.buttonPressed = 0;
        element::okButton.invalidate(s.window);
    }
    if (element::sortButton.hit(x, y)) {
        s.buttonPressed = 0;
        element::sortButton.invalidate(s.window);
    }
}

void TurnFlow::newGame()
{
    zembrola::newGame(s);
    shell.sendGameMessage(step::deal);
    shell.window().invalidateAll();
}

} // namespace zembrola
