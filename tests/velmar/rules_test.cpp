// Who opens a deal. A replay starts from one deal, so the trump comparisons are pinned here;
// beating, matching several cards and refilling are pinned by the replays.
#include "velmar_fixture.hpp"

#include "velmar/rules.hpp"

using namespace velmar_test;

namespace {

class Rules : public StateTest {};

TEST_F(Rules, TheLowestTrumpOpensTheFirstDealAndTheWinnerTheNext)
{
    struct Case {
        int nextStarter;
        Cards computer, human;
        int expected;
    };
    // Trumps are hearts; -1: no game won yet.
    for (const Case& c : {Case{-1, {{S, A}, {H, 6}}, {{H, 7}, {H, 8}}, 1}, Case{-1, {{H, 9}, {S, A}}, {{H, 7}, {H, 8}}, 0},
                          Case{-1, {{S, 9}}, {{C, 9}}, 0},   // no trumps at all: the human
                          Case{-1, {{S, 9}}, {{H, 7}}, 0}, Case{-1, {{H, K}}, {{C, 9}}, 1},
                          Case{0, {{H, 6}}, {{H, 7}}, 0}, Case{1, {{S, 9}}, {{H, 6}}, 1}}) {
        s().nextStarter = c.nextStarter;
        setCards(s().computerHand, c.computer);
        setCards(s().humanHand, c.human);
        EXPECT_EQ(velmar::firstMover(s()), c.expected) << "starter " << c.nextStarter << ", " << c.computer.size()
                                                       << " cards against " << c.human.size();
    }
}

} // namespace
