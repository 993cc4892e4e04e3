// The Velmar computer player: fixed sequences of tests, no look-ahead, no randomness.
// To play a card is to select it in computerHand and move it to computerRow.
#pragma once

#include "velmar/game_state.hpp"

namespace velmar {

// The computer as attacker: 1 when it laid a card, 0 when it has nothing to add (the bout is
// then beaten), -1 on a table the rules cannot produce (the turn flow reports it).
int computerAttack(VelmarState& s);

// What the computer did as defender.
enum class Defence {
    takes,       // it cannot or will not beat: the turn flow lets the human add extras or it takes
    beats,       // its card (or cards, against several) lies on the attack
    transfers,   // it passed the attack back with a card of the same rank and now attacks
};
Defence computerDefend(VelmarState& s);
// Extra cards for a human who takes: the number added, at most n.
int throwInExtras(VelmarState& s, int n);

// The decisions inside, exposed for tests.
int maySpendTrump(const VelmarState& s, const ct::Card& card);
int maySpendSpade(const VelmarState& s, const ct::Card& card);
int transferWorthwhile(const VelmarState& s, int rank);
int endgameBeat(VelmarState& s);
int bestGroupRank(const VelmarState& s);
// 1-based index of a card the human cannot beat (hand left in suit order), or 0.
int unbeatableLead(VelmarState& s);
int spadeLead(VelmarState& s);
int ordinaryLead(VelmarState& s);
int computerOpen(VelmarState& s);
int computerThrowIn(VelmarState& s, bool secondPass);

} // namespace velmar
