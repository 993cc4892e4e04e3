// Set-up for the tests of the games with trumps (a turned-up card, a pack, two hands and two
// rows): a bare state with a trump suit and a pack of a given size.
#pragma once

#include "game_fixture.hpp"

#include <algorithm>

namespace game_test {

template <class StateT>
class TrumpStateTest : public BareStateTest<StateT> {
protected:
    StateT& s() { return *this->state; }
    // The turned-up card (hidden: drawn) and the trump suit of every hand and row.
    void setTrump(int suit, int rank = 6, int hidden = 0)
    {
        s().trumpCard.suit = suit;
        s().trumpCard.rank = rank;
        s().trumpCard.hidden = hidden;
        for (ct::CardSet* set : sets())
            set->setTrump(suit);
    }
    // Exactly n cards left in the pack, the first n of its slots that no hand or row holds.
    void setStock(int n)
    {
        s().stockCard.hidden = n == 0 ? 1 : 0;
        Cards held;
        for (const ct::CardSet* set : sets())
            for (const auto& c : cardsOf(*set))
                held.push_back(c);
        for (int i = 0; i < s().deck.total(); ++i) {
            const auto& slot = s().deck.slots()[static_cast<std::size_t>(i)];
            const bool present = n > 0 && std::find(held.begin(), held.end(), std::pair{slot.suit, slot.rank}) == held.end();
            s().deck.setPresent(slot.rank, slot.suit, present);
            n -= present ? 1 : 0;
        }
    }

private:
    std::vector<ct::CardSet*> sets() { return {&s().humanHand, &s().computerHand, &s().humanRow, &s().computerRow}; }
};

} // namespace game_test
