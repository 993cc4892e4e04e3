// Velmar rules a replay pins only at length: beating, matching several cards and who starts. The
// deal and refilling are pinned by the game-* and refill-order replays.
#include "velmar_fixture.hpp"

#include "velmar/rules.hpp"


using namespace velmar_test;
using velmar::beatAll;
using velmar::beats;

namespace {

class Rules : public StateTest {};

TEST_F(Rules, BeatingFollowsSuitRankAndTrumpAndJapaneseSpades)
{
    struct Case {
        int type, a, aRank, b, bRank, expected;
    };
    // Trump hearts in "Thrown up", diamonds in "Japanese".
    for (const Case c : {Case{0, H, 6, C, A, 1}, Case{0, C, A, H, 6, -1}, Case{0, C, 7, C, 6, 1},
                         Case{0, C, 6, C, 7, 0}, Case{0, D, A, S, 6, -1}, Case{0, H, 6, S, A, 1},
                         Case{4, D, A, S, 6, -1}, Case{4, S, 7, S, 6, 1}, Case{4, S, 7, D, 6, -1},
                         Case{4, D, 7, C, K, 1}}) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ": " << c.a << "/" << c.aRank << " on " << c.b
                                        << "/" << c.bRank);
        s().gameType = c.type;
        if (c.type == 4)
            setTrump(D, velmar::phantomRank, 1);
        else
            setTrump(H);
        EXPECT_EQ(beats(s(), card(c.a, c.aRank), card(c.b, c.bRank)), c.expected);
    }
}

TEST_F(Rules, BeatAllMatchesEachAttackCardOrSelectsNothing)
{
    ct::CardSet& attack = s().computerRow;
    ct::CardSet& answer = s().humanHand;
    setCards(attack, {{S, 9}, {C, 9}});
    setCards(answer, {{H, 6}, {C, 10}});
    EXPECT_EQ(beatAll(s(), attack, answer), 0);
    Cards selected;
    for (const ct::Card& c : answer.cards)
        if (c.selected)
            selected.emplace_back(c.suit, c.rank);
    EXPECT_EQ(selected, (Cards{{C, 10}, {H, 6}}));
    // Both sets were put in suit order and left unsorted.
    EXPECT_EQ(cardsOf(attack), (Cards{{C, 9}, {S, 9}}));
    EXPECT_EQ(attack.sortMode, -1);
    EXPECT_EQ(answer.sortMode, -1);

    // Too few candidates, or an empty set: -1.
    setCards(answer, {{H, A}});
    EXPECT_EQ(beatAll(s(), attack, answer), -1);
    setCards(answer, {});
    EXPECT_EQ(beatAll(s(), attack, answer), -1);
    setCards(attack, {});
    setCards(answer, {{H, A}});
    EXPECT_EQ(beatAll(s(), attack, answer), -1);

    // In "Japanese" the trump cannot take the spade: no match, nothing left selected.
    s().gameType = 4;
    setTrump(D, velmar::phantomRank, 1);
    setCards(attack, {{C, 9}, {S, 9}});
    setCards(answer, {{C, 10}, {D, 6}});
    EXPECT_EQ(beatAll(s(), attack, answer), 1);
    EXPECT_EQ(answer.countSelected(), 0);
}

TEST_F(Rules, FirstDealStarterHoldsTheLowestTrump)
{
    setTrump(H, A);
    setCards(s().computerHand, {{H, 6}, {S, A}});
    setCards(s().humanHand, {{H, 7}, {H, 8}});
    EXPECT_EQ(velmar::firstMover(s()), 1);
    setCards(s().computerHand, {{H, 9}, {S, A}});
    EXPECT_EQ(velmar::firstMover(s()), 0);

    // No trumps at all: the human starts; only the human without one: the computer.
    setCards(s().computerHand, {{S, 9}});
    setCards(s().humanHand, {{C, 9}});
    EXPECT_EQ(velmar::firstMover(s()), 0);
    setCards(s().computerHand, {{H, K}});
    EXPECT_EQ(velmar::firstMover(s()), 1);

    // After a win the winner opens, whatever the trumps.
    s().nextStarter = 0;
    EXPECT_EQ(velmar::firstMover(s()), 0);
    s().nextStarter = 1;
    setCards(s().computerHand, {{S, 9}});
    EXPECT_EQ(velmar::firstMover(s()), 1);
    EXPECT_EQ(s().humanHand.sortMode, 0);
    EXPECT_EQ(s().computerHand.sortMode, 0);
}

} // namespace
