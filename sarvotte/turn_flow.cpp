// The Sarvotte turn flow: taps become moves and stock cards, the computer answers with visible
// pauses through the game's own message, games end with their messages, tally and record.
#include "sarvotte/turn_flow.hpp"

#include "sarvotte/computer_player.hpp"
#include "sarvotte/rules.hpp"
#include "sarvotte/strings.hpp"
#include "sarvotte/table.hpp"

#include "platform/density.hpp"
#include "cards/status_line.hpp"
#include "shell/shell.hpp"

#include <cstdint>

namespace sarvotte {

void TurnFlow::gameStep(int code)
{
    switch (code) {
    case step::newGame:
        newGame();
        break;
    case step::computerTurn:
        computerTurn();
        break;
    case step::endOfGame:
        endOfGame();
        break;
    default:
        break;
    }
}

void TurnFlow::repaintScores()
{
    area::computerScore.invalidate(s.window);
    area::humanScore.invalidate(s.window);
}

void TurnFlow::repaintStockCount()
{
    area::stockCount.invalidate(s.window);
}

void TurnFlow::newGame()
{
    ct::statusLine().clear();
    dealNewGame(s, shell.cardBackIndex());
    shell.window().invalidateAll();
    if (s.twoPlayer() && s.computerToMove == 1)
        shell.sendGameMessage(step::computerTurn);
}

void TurnFlow::tapDown(int x, int y)
{
    if (ct::statusLine().isShown())
        ct::statusLine().clear();

    if (area::stock.hit(x, y) && !s.stock.empty()) {
        // Taking a card never ends the turn, and the end is not judged: the stock had a card.
        takeFromStock(s, Mover::human);
        repaintScores();
        repaintStockCount();
        return;
    }

    bool moved = false;
    tapRow(x, y, moved);
    if (moved && s.twoPlayer() && s.computerToMove == 0)
        s.computerToMove = 1;

    const auto deal = s.deals.current();
    judgeEnd();
    if (s.deals.stale(deal))
        return;   // the game ended and a new one was dealt (and opened) underneath
    if (s.computerToMove == 1 && s.twoPlayer())
        shell.sendGameMessage(step::computerTurn);
}

void TurnFlow::tapRow(int x, int y, bool& moved)
{
    const int hit = s.cardRow.cardAt(x, y);
    if (hit == 0)
        return;
    const int tapped = hit - 1;
    ct::Card& card = s.cardRow.cards[static_cast<std::size_t>(tapped)];
    if (card.selected != 0) {
        card.setSelected(0);
        s.cardRow.relayout();
        return;
    }
    const int selected = s.cardRow.firstSelected() - 1;
    s.cardRow.clearSelection();
    if (selected >= 0 && isLegalMove(s.cardRow, selected, tapped)) {
        makeMove(s, Move{selected, tapped}, Mover::human);
        repaintScores();
        moved = true;
        return;
    }
    s.cardRow.cards[static_cast<std::size_t>(tapped)].setSelected(1);
    s.cardRow.relayout();
}

void TurnFlow::judgeEnd()
{
    if (!gameIsOver(s))
        return;
    ct::statusLine().set("%s", programString(text::noVariants).c_str());
    if (s.twoPlayer()) {
        noteGameEnd(s);
        shell.sendGameMessage(step::endOfGame);
        return;
    }
    if (s.patienceOver == 0) {
        s.patienceOver = 1;
        noteGameEnd(s);
    }
    if (recordPatienceResult(s))
        shell.settings().write("cc", static_cast<std::uint32_t>(s.bestPatience));
}

void TurnFlow::computerTurn()
{
    // The computer never moves in patience mode, whatever computerToMove says.
    if (!s.twoPlayer())
        return;
    const auto deal = s.deals.current();
    for (;;) {
        if (const auto move = bestMove(s.cardRow)) {
            scoreMove(s, *move, Mover::computer);
            area::computerScore.invalidate(s.window);
            // Both cards show as selected while the move is on screen.
            s.cardRow.clearSelection();
            s.cardRow.cards[static_cast<std::size_t>(move->source)].setSelected(1);
            s.cardRow.cards[static_cast<std::size_t>(move->target)].setSelected(1);
            s.cardRow.relayout();
            shell.window().updateNow();
            shell.window().pause(pauseMs);
            moveCard(s, *move, Mover::computer);
            s.computerToMove = 0;
            return;
        }
        if (s.stock.empty()) {
            noteGameEnd(s);
            shell.sendGameMessage(step::endOfGame);
            return;
        }
        takeFromStock(s, Mover::computer);
        area::computerScore.invalidate(s.window);
        repaintStockCount();
        shell.window().updateNow();
        shell.window().pause(pauseMs);
        if (s.deals.stale(deal))
            return;
    }
}

void TurnFlow::endOfGame()
{
    if (!s.twoPlayer())
        return;
    const Outcome result = outcome(s);
    setNextMover(s, result);
    // Saved before the box opens, so a program closed meanwhile keeps the win.
    int message = text::draw;
    if (result == Outcome::computerWins) {
        shell.recordWin(ct::Winner::computer);
        message = text::iWin;
    } else if (result == Outcome::humanWins) {
        shell.recordWin(ct::Winner::human);
        message = text::youWin;
    }
    shell.window().messageBox(programString(message), "", ct::MsgBoxButtons::ok, ct::MsgBoxIcon::information);
    shell.window().invalidateAll();
    shell.sendGameMessage(step::newGame);
}

void TurnFlow::statisticsCleared()
{
    clearRecord(s);
    shell.window().invalidateAll();
}

} // namespace sarvotte
