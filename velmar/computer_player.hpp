// The Velmar computer player: fixed sequences of tests, no look-ahead, no randomness.
// To play a card is to select it in computerHand and move it to computerRow.
#pragma once

#include "velmar/game_state.hpp"

namespace velmar {

// The computer as attacker: 1 when it laid a card, 0 when it has nothing to add (the bout is
// then beaten), -1 on a table the rules cannot produce (after an error box).
int computerAttack(VelmarState& s);
// The computer as defender: 1 when it beat the attack or transferred, 0 when it takes.
int computerDefend(VelmarState& s);
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
