// Shared set-up for the Zembrola tests: bare states for the rules and the computer player.
#pragma once

#include "zembrola/game_state.hpp"
#include "zembrola/zembrola_game.hpp"

#include "cards/card_style.hpp"
#include "platform/window_base.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace zembrola_test {

using Cards = std::vector<std::pair<int, int>>;   // (suit, rank)

inline constexpr int D = ct::diamonds, H = ct::hearts, C = ct::clubs, S = ct::spades;
inline constexpr int J = 11, Q = 12, K = 13, T = 14, A = 15;

inline void prepareFramework()
{
    ct::useCardStyle(zembrola::zembrolaProgramInfo().cardStyle);
    ct::randomState() = {};
    ct::setFixedSeed(918273);
    ct::setMainWindow(nullptr);
    ct::statusLine().configure(zembrola::zembrolaProgramInfo().statusRegion, nullptr);
    ct::statusLine().clear();
}

// Replaces a desk's cards in this order, keeping its sort mode for later sorts.
inline void setCards(ct::CardSet& set, const Cards& cards)
{
    set.clear();
    const int mode = set.sortMode;
    set.sortMode = -1;
    for (const auto& [suit, rank] : cards)
        set.append(suit, rank);
    set.sortMode = mode;
}

inline Cards cardsOf(const ct::CardSet& set)
{
    Cards out;
    for (const ct::Card& card : set.cards)
        out.emplace_back(card.suit, card.rank);
    return out;
}

// A bare state: trump suit on every desk, a pack of `stock` cards no desk holds.
class StateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prepareFramework();
        state = std::make_unique<zembrola::ZembrolaState>();
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
    void setStock(int n)
    {
        for (int i = 0; i < s().deck.total(); ++i) {
            const auto& slot = s().deck.slots()[static_cast<std::size_t>(i)];
            s().deck.setPresent(slot.rank, slot.suit, i < n);
        }
    }
    std::unique_ptr<zembrola::ZembrolaState> state;
    zembrola::ZembrolaState& s() { return *state; }
};

} // namespace zembrola_test
