// Zembrola's own set-up beside the shared one: a bare state with trumps and a pack of a given size.
#pragma once

#include "game_fixture.hpp"

#include "zembrola/game_state.hpp"
#include "zembrola/zembrola_game.hpp"

namespace zembrola_test {

using namespace game_test;

inline constexpr int T = 14, A = 15;   // the ten ranks above the king

// A bare state: trump hearts on every desk, a pack of 20 cards no desk holds.
class StateTest : public BareStateTest<zembrola::ZembrolaState> {
protected:
    void SetUp() override
    {
        start(zembrola::zembrolaProgramInfo(), 918273);
        setTrump(H);
        setStock(20);
    }
    void setTrump(int suit, int rank = 6, int hidden = 0)
    {
        s().trumpCard.suit = suit;
        s().trumpCard.rank = rank;
        s().trumpCard.hidden = hidden;
        s().stockCard.hidden = hidden;
        for (ct::CardSet* set : {&s().humanHand, &s().computerHand, &s().humanRow, &s().computerRow})
            set->setTrump(suit);
    }
    // The pack's first n slots.
    void setStock(int n)
    {
        for (int i = 0; i < s().deck.total(); ++i) {
            const auto& slot = s().deck.slots()[static_cast<std::size_t>(i)];
            s().deck.setPresent(slot.rank, slot.suit, i < n);
        }
    }
};

} // namespace zembrola_test
