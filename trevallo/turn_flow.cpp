// The Trevallo turn flow: taps become plays, draws and passes; the computer's moves run as the
// game's own messages inside the tap that called for them; rounds and games end here.
#include "trevallo/turn_flow.hpp"

#include "trevallo/computer_player.hpp"
#include "trevallo/rules.hpp"
#include "trevallo/strings.hpp"
#include "trevallo/table.hpp"

#include "platform/density.hpp"
#include "cards/status_line.hpp"
#include "shell/shell.hpp"

namespace trevallo {

void TurnFlow::status(int id)
{
    ct::statusLine().set("%s", programString(id).c_str());
}

// ---------------------------------------------------------------- messages

void TurnFlow::gameStep(int code)
{
    if (code == step::deal)
        deal();
    else if (code == step::computerTurn)
        computerTurn();
}

void TurnFlow::newGame()
{
    resetGame(s);
    shell.sendGameMessage(step::deal);
}

void TurnFlow::deal()
{
    s.deals.begin();
    dealRound(s, shell.cardBackIndex());
    invalidateTable(s);
    if (s.computerToMove != 0)
        shell.sendGameMessage(step::computerTurn);
}

void TurnFlow::computerTurn()
{
    // A turn sent after its round has been decided has nothing left to do.
    if (s.computerHand.empty() || s.humanHand.empty())
        return;
    const auto round = s.deals.current();
    const ComputerMove move = computerMove(s);
    if (!move.played)
        status(text::iPass);
    invalidateTable(s);
    layoutHumanHand(s);
    if (judgeEnd())
        return;
    if (s.computerToMove != 0) {
        shell.sendGameMessage(step::computerTurn);
        if (s.deals.stale(round))
            return;
    }
}

// ---------------------------------------------------------------- end of round

bool TurnFlow::judgeEnd()
{
    const RoundResult result = judgeRound(s);
    if (result.end == RoundEnd::none)
        return false;
    // Every step still running for this round sees the change and returns.
    s.deals.begin();
    invalidateTable(s);
    const bool computerWon = result.end == RoundEnd::computerWins;
    int message = computerWon ? text::iWinRound : text::youWinRound;
    if (result.gameOver) {
        // Counted and stored before the box, so that closing the program there loses nothing.
        shell.recordWin(computerWon ? ct::Winner::computer : ct::Winner::human);
        message = computerWon ? text::iWinGame : text::youWinGame;
    }
    shell.window().messageBox(programString(message), "", ct::MsgBoxButtons::ok, ct::MsgBoxIcon::information);
    if (result.gameOver) {
        s.computerScore = 0;
        s.humanScore = 0;
        ++s.gameNumber;
    }
    shell.sendGameMessage(step::deal);
    return true;
}

// ---------------------------------------------------------------- the human

void TurnFlow::humanPlays()
{
    const int selected = s.humanHand.firstSelected();
    if (selected == 0) {
        status(text::selectCard);
        return;
    }
    if (!isLegal(s, s.humanHand.at(selected))) {
        status(text::badCard);
        return;
    }
    const int rank = s.humanHand.at(selected).rank;
    const bool again = playCard(s, false, selected);
    // A queen waits for the suit; the computer moves only after the choice.
    s.computerToMove = (rank == queen || again) ? 0 : 1;
    if (rank == queen && s.suitChoicePending != 0)
        status(text::selectSuit);
    s.mayPass = 0;
    s.drawnThisTurn = 0;
    buttonRefresh();
    invalidateTable(s);
    if (judgeEnd())
        return;
    if (s.computerToMove != 0)
        shell.sendGameMessage(step::computerTurn);
}

void TurnFlow::drawButtonDown()
{
    s.buttonPressed = 1;
    element::drawButton.invalidate(s.window);
    if (s.suitChoicePending != 0) {
        status(text::selectSuit);
        return;
    }
    if (s.mayPass != 0) {
        s.mayPass = 0;
        s.computerToMove = 1;
        s.drawnThisTurn = 0;
        buttonRefresh();
        shell.sendGameMessage(step::computerTurn);
        return;
    }
    if (humanDraw(s) == DrawResult::talonEnd)
        status(text::talonEnd);
    invalidateTable(s);
}

void TurnFlow::chooseSuit(int suit)
{
    s.buttonPressed = 1;
    invalidateArea(s, area::buttonColumn);
    invalidateArea(s, area::suitBox);
    s.suitChoicePending = 0;
    s.currentSuit = suit;
    buttonRefresh();
    invalidateTable(s);
    if (s.passAfterQueen != 0) {
        s.computerToMove = 1;
        shell.sendGameMessage(step::computerTurn);
    }
}

void TurnFlow::buttonRefresh()
{
    invalidateArea(s, area::buttonColumn);
    layoutHumanHand(s);
    s.buttonPressed = 0;
}

// ---------------------------------------------------------------- taps

void TurnFlow::tapDown(int x, int y)
{
    if (ct::statusLine().isShown())
        ct::statusLine().clear();
    const bool humanToAct = s.computerToMove == 0;

    if (humanToAct && element::discardArea.hit(x, y)) {
        if (s.suitChoicePending != 0 && s.passAfterQueen != 0)
            status(text::selectSuit);
        else
            humanPlays();
        return;
    }
    if (humanToAct && element::drawButton.hit(x, y)) {
        drawButtonDown();
        return;
    }
    if (s.suitChoicePending != 0) {
        if (const int suit = element::suitButtons.suitAt(x, y)) {
            chooseSuit(suit);
            return;
        }
    }
    if (element::sortButton.hit(x, y)) {
        s.buttonPressed = 1;
        element::sortButton.invalidate(s.window);
        if (!s.humanHand.empty()) {
            s.humanHand.sortMode = s.humanHand.sortMode == 1 ? 0 : 1;
            layoutHumanHand(s);
        }
        return;
    }
    s.humanHand.pickAt(x, y);
}

void TurnFlow::tapUp(int x, int y)
{
    if (element::drawButton.hit(x, y) || element::sortButton.hit(x, y)
        || element::suitButtons.suitAt(x, y) != 0) {
        s.buttonPressed = 0;
        invalidateArea(s, area::buttonColumn);
    }
}

void TurnFlow::doubleTap(int x, int y)
{
    if (ct::statusLine().isShown())
        ct::statusLine().clear();
    if (s.suitChoicePending != 0 && s.passAfterQueen != 0) {
        status(text::selectSuit);
        return;
    }
    if (s.computerToMove != 0)
        return;
    if (s.humanHand.selectOnlyAt(x, y) == 0)
        return;
    humanPlays();
}

} // namespace trevallo
