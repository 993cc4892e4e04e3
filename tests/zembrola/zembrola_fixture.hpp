// Zembrola's own set-up beside the shared one: the ranks of its pack and a bare state.
#pragma once

#include "trump_game_fixture.hpp"

#include "zembrola/game_state.hpp"
#include "zembrola/zembrola_game.hpp"

namespace zembrola_test {

using namespace game_test;

inline constexpr int T = 14, A = 15;   // the ten ranks above the king
inline constexpr std::int32_t seed = 918273;

// A bare state: trump hearts on every desk, a pack of 20 cards no desk holds.
class StateTest : public TrumpStateTest<zembrola::ZembrolaState> {
protected:
    void SetUp() override
    {
        start(zembrola::zembrolaProgramInfo(), seed);
        setTrump(H);
        setStock(20);
    }
};

} // namespace zembrola_test
