// The Zembrola turn flow: taps become plays, the computer leads and answers inside the same tap
// through the game's own message, rounds end with their message boxes and the tally is kept.
#pragma once

#include "zembrola/game_state.hpp"
#include "zembrola/rules.hpp"

namespace ct {
class Shell;
}

namespace zembrola {

class TurnFlow {
public:
    TurnFlow(ZembrolaState& state, ct::Shell& shell) : s(state), shell(shell) {}

    // Entry points of the window procedure.
    void tapDown(int x, int y);
    void tapUp(int x, int y);
    // The game's own message: 0 the computer leads, 1 deal, 2 the computer answers.
    void gameStep(int code);
    // Menu New.
    void newGame();

    // okButton or playArea: the selected cards as a lead or an answer.
    void play();

private:
    void deal();
    void computerLeadStep();
    void computerAnswerStep();
    // Clears the rows of a finished trick, refills and goes on: next deal or the computer's lead.
    void afterTrick();
    // True when the round was over (results shown, tally kept, next deal started).
    bool roundEnded();
    void status(int id);
    void reportRefill(int error);

    ZembrolaState& s;
    ct::Shell& shell;
};

} // namespace zembrola
