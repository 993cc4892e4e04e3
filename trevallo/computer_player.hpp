// The computer's choice of card and its whole turn (without the talking and the chaining).
#pragma once

#include "trevallo/game_state.hpp"

namespace trevallo {

// The card the computer plays: 1-based index into computerHand, 0 for none. Rules in order:
// the suit in force by ace, 7, 6, 10, king, jack; any other non-queen of that suit; a 6 on a 6;
// with "range" a card of the top card's rank; a queen. Within a rule, arrival order.
int chooseCard(const TrevalloState& s);

// Outcome of one computer move.
struct ComputerMove {
    bool played = false;
    bool movesAgain = false;
    bool suitFixed = false;   // currentSuit was set at the start of the round
};

// Fixes the suit at the start of a round, draws as the options allow until it can play, then
// plays (with the card's effect) or passes (computerToMove 0).
ComputerMove computerMove(TrevalloState& s);

} // namespace trevallo
