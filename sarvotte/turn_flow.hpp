// The Sarvotte turn flow: taps become moves and stock cards, the computer answers with visible
// pauses through the game's own message, games end with their messages, tally and record.
#pragma once

#include "sarvotte/game_state.hpp"

namespace ct {
class Shell;
}

namespace sarvotte {

class TurnFlow {
public:
    TurnFlow(SarvotteState& state, ct::Shell& shell) : s(state), shell(shell) {}

    // The game's own message: 0 new game, 1 the computer's turn, 2 the end of a two-player game.
    void gameStep(int code);
    void tapDown(int x, int y);

    void newGame();
    void computerTurn();
    void endOfGame();
    // Statistics "Clear" has set the counts to 0: the record is gone, not 0.
    void statisticsCleared();

private:
    void tapRow(int x, int y, bool& moved);
    void judgeEnd();
    void repaintScores();
    void repaintStockCount();

    SarvotteState& s;
    ct::Shell& shell;
};

} // namespace sarvotte
