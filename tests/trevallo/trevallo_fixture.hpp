// Set-up of the Trevallo tests on the shared game fixture: the program's card style and random
// stream, a bare state with its sets, and the whole program opening with the human's turn.
#pragma once

#include "game_fixture.hpp"

#include "trevallo/game_state.hpp"
#include "trevallo/table.hpp"
#include "trevallo/trevallo_game.hpp"

namespace trevallo_test {

using namespace game_test;

inline constexpr int A = 14;

class StateTest : public BareStateTest<trevallo::TrevalloState> {
protected:
    void SetUp() override
    {
        start(trevallo::trevalloProgramInfo(), 918273);
        trevallo::setUpSets(s(), 0);
    }
};

class FlowTest : public ProgramTest<trevallo::TrevalloGame> {
protected:
    void SetUp() override
    {
        start(trevallo::trevalloProgramInfo(), 918273, [](trevallo::TrevalloGame& g) { g.gameState().nextStarter = 0; });
    }
};

} // namespace trevallo_test
