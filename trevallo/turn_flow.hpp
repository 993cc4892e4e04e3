// The Trevallo turn flow: taps become plays, draws and passes; the computer's moves run as the
// game's own messages inside the tap that called for them; rounds and games end here.
#pragma once

#include "trevallo/game_state.hpp"

namespace ct {
class Shell;
}

namespace trevallo {

class TurnFlow {
public:
    TurnFlow(TrevalloState& state, ct::Shell& shell) : s(state), shell(shell) {}

    void tapDown(int x, int y);
    void tapUp(int x, int y);
    void doubleTap(int x, int y);
    // The game's own message: 0 deal, 1 the computer's turn; other codes are ignored.
    void gameStep(int code);
    // New, and a changed rule switch: scores cleared, the leader by points, a new deal at once.
    void newGame();

private:
    void deal();
    void computerTurn();
    void humanPlays();
    void drawButtonDown();
    void chooseSuit(int suit);
    // Repaints the button column, lays the hand out again, clears the pressed look.
    void buttonRefresh();
    // True when the round has ended (the result shown, the next round dealt).
    bool judgeEnd();
    void status(int id);

    TrevalloState& s;
    ct::Shell& shell;
};

} // namespace trevallo
