// Velmar's own set-up beside the shared one: a bare state with trumps and a pack of a given
// size, and the program whose first deal the human opens.
#pragma once

#include "trump_game_fixture.hpp"

#include "velmar/game_state.hpp"
#include "velmar/velmar_game.hpp"

namespace velmar_test {

using namespace game_test;

inline constexpr int A = 14;
inline constexpr std::int32_t seed = 4187839;

// A bare state for rules and computer-player tests: trump hearts, hands sorted by rank, 20 cards
// in the pack.
class StateTest : public TrumpStateTest<velmar::VelmarState> {
protected:
    void SetUp() override
    {
        start(velmar::velmarProgramInfo(), seed);
        setTrump(H);
        s().computerHand.sortMode = 0;
        s().humanHand.sortMode = 0;
        setStock(20);
    }
};

// The program; its first deal is one the human opens, whatever the cards.
class GameTest : public ProgramTest<velmar::VelmarGame> {
protected:
    void SetUp() override
    {
        start(velmar::velmarProgramInfo(), seed, [](velmar::VelmarGame& g) { g.gameState().nextStarter = 0; });
    }
};

// JSON of the turned-up card.
inline nlohmann::json trumpJson(int suit, int rank, int hidden = 0)
{
    return {{"suit", suit}, {"rank", rank}, {"hidden", hidden}};
}

} // namespace velmar_test
