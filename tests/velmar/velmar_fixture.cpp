// Velmar's own set-up beside the shared one.
#include "velmar_fixture.hpp"

#include <algorithm>

namespace velmar_test {

namespace {
constexpr std::int32_t seed = 4187839;
}

void StateTest::SetUp()
{
    start(velmar::velmarProgramInfo(), seed);
    setTrump(H);
    s().computerHand.sortMode = 0;
    s().humanHand.sortMode = 0;
    setStock(20);
}

void StateTest::setTrump(int suit, int rank, int hidden)
{
    s().trumpCard.suit = suit;
    s().trumpCard.rank = rank;
    s().trumpCard.hidden = hidden;
    for (ct::CardSet* set : {&s().humanHand, &s().computerHand, &s().humanRow, &s().computerRow})
        set->setTrump(suit);
}

void StateTest::setStock(int n)
{
    const Cards held = [this] {
        Cards all;
        for (const ct::CardSet* set : {&s().humanHand, &s().computerHand, &s().humanRow, &s().computerRow})
            for (const auto& c : cardsOf(*set))
                all.push_back(c);
        return all;
    }();
    int left = n;
    for (int i = 0; i < s().deck.total(); ++i) {
        const auto& slot = s().deck.slots()[static_cast<std::size_t>(i)];
        const bool present = left > 0 && std::find(held.begin(), held.end(), std::pair{slot.suit, slot.rank}) == held.end();
        s().deck.setPresent(slot.rank, slot.suit, present);
        if (present)
            --left;
    }
    s().stockCard.hidden = n == 0 ? 1 : 0;
}

void GameTest::SetUp()
{
    start(velmar::velmarProgramInfo(), seed, [](velmar::VelmarGame& g) { g.gameState().nextStarter = 0; });
}

} // namespace velmar_test
