// The Velmar turn flow: taps become moves, the computer answers inside the same tap through the
// game's own message, bouts end, the winner is found and the tally kept.
#pragma once

#include "velmar/game_state.hpp"

namespace ct {
class Shell;
}

namespace velmar {

class TurnFlow {
public:
    TurnFlow(VelmarState& state, ct::Shell& shell) : s(state), shell(shell) {}

    // Entry points of the window procedure.
    void tapDown(int x, int y);
    void tapUp();
    void doubleTap(int x, int y);
    // The game's own message: 0 new deal, 1 the computer attacks, 2 the computer defends.
    void gameStep(int code);

    // A new deal with the settings in force; who starts is chosen and the first move made.
    void newDeal();
    // Decides who opens the deal and starts that move.
    void chooseStarter();

    void humanPlay();
    void humanAddsExtra();
    void humanTakes();
    void endBout(bool fromHumanTakes);
    void computerGivesUp();
    void computerTakes();
    // True when a winner was declared (the tally is saved and a new deal has started).
    bool checkGameEnd();
    void toggleHandOrder();

private:
    // True once the deal a step began in has been replaced: the step must return at once.
    bool dealEnded(ct::StepGuard::Token deal) const { return s.deals.stale(deal); }
    // Deals the cards of a new deal onto the table.
    void dealCards();
    // Draws a hand up to the hand size and shows it and the new stock count.
    void refill(ct::CardSet& hand);
    void status(int id);
    void statusNumber(int id, int n);
    void moveSelectedOne(ct::CardSet& to);
    void declareWinner(bool computerWon);

    VelmarState& s;
    ct::Shell& shell;
};

} // namespace velmar
