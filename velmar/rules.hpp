// Velmar rules: beating, the several-cards match, hand size, the deal and refilling hands.
#pragma once

#include "velmar/game_state.hpp"

namespace velmar {

// 18 for "Bulk", 6 otherwise.
int handSize(const VelmarState& s);

// 1 if a beats b, 0 if a is of b's suit but not higher, -1 if a cannot beat b at all.
// In "Japanese" only a higher spade beats a spade, not even a trump.
int beats(const VelmarState& s, const ct::Card& a, const ct::Card& b);

// 0 when every attack card is beaten by a different candidate, those candidates then selected;
// 1 (no candidate selected) when the greedy match fails; -1 when a set is empty or the attack
// set is larger. Leaves both sets sorted by suit with trumps last and then unsorted (mode -1).
int beatAll(const VelmarState& s, ct::CardSet& attack, ct::CardSet& candidates);

// Draws the hand up to the hand size: first from the stock, the turned-up card last.
void refillHand(VelmarState& s, ct::CardSet& hand);

// The cards of a new deal before any is dealt: empties hands and rows, resets the pack, the bout
// and the discarded cards, and makes fresh trump and stock card records (the trump turned up from
// the pack, none in "Japanese"). The turn flow places them on the table, then refills both hands.
void startDeal(VelmarState& s);

// Who opens the deal: sorts both hands by rank, then 1 for the computer, 0 for the human.
int firstMover(VelmarState& s);

// True if a card of this rank lies in either row.
bool rankOnTable(const VelmarState& s, int rank);

// Empties both rows into the discarded cards (a beaten bout).
void discardRows(VelmarState& s);

// Moves every card of `from` to the end of `to` and empties `from`.
void moveAll(ct::CardSet& from, ct::CardSet& to);

// Moves exactly the card at the 1-based index to `to`, whatever else is selected in `from`:
// one answer, one card.
void moveOne(ct::CardSet& from, int index, ct::CardSet& to);

// Clears every selection flag without re-sorting (indices stay valid).
void unselectAll(ct::CardSet& set);

} // namespace velmar
