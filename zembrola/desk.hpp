// CDesk: a card set with a fixed capacity, allocated once; an overflow is refused, never grown into.
#pragma once

#include "cards/card_set.hpp"

namespace zembrola {

class CDesk : public ct::CardSet {
public:
    // Reserves room for `capacity` cards; the desk never holds more.
    explicit CDesk(int capacity);

    int capacity;

    // Refuses a card beyond the capacity with the box "add: out of range", leaving the desk as it was.
    void append(int suit, int rank) override;
    // Appends the selected cards to target and unselects them here. Returns how many were copied.
    int copySelectedTo(ct::CardSet& target) override;

    int countSuit(int suit) const;
    // Selects every card of the suit; no relayout.
    void selectSuit(int suit);
    // Room left before the capacity is reached.
    int room() const { return capacity - count(); }
};

// Moves the selected cards of `from` into `to` only when all of them fit: a card refused by
// a full desk would otherwise leave the hand and be lost. Returns the number moved (0 if refused).
int moveSelectedInto(ct::CardSet& from, CDesk& to);

} // namespace zembrola
