// Trevallo rules: legal play, points, the suit count, the talon, drawing, effects, round end.
#include "trevallo_fixture.hpp"

#include "trevallo/rules.hpp"
#include "trevallo/table.hpp"

namespace trevallo_test {
namespace {

using namespace trevallo;

TEST(TrevalloLegalPlay, FiveWaysOntoThePile)
{
    struct Case {
        int suit, rank, topRank, suitInForce;
        bool range, legal;
        const char* why;
    };
    const Case cases[] = {
        {S, 8, 0, 0, false, true, "first card of a round"},
        {S, 8, 9, 0, false, true, "no suit in force"},
        {H, 8, 9, H, false, true, "suit in force"},
        {S, 9, 9, H, false, false, "same rank without range"},
        {S, 9, 9, H, true, true, "same rank with range"},
        {S, 10, 9, H, true, false, "other rank and suit with range"},
        {S, Q, 9, H, false, true, "a queen on anything"},
        {S, 6, 6, H, false, true, "a 6 on a 6"},
        {S, 7, 7, H, false, false, "a 7 on a 7 of another suit"},
        {S, 6, 7, H, false, false, "a 6 on a 7"},
        {H, 8, Q, H, false, true, "the chosen suit after a queen"},
        {S, 8, Q, H, false, false, "the queen's own suit after another was chosen"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(legalPlay(c.suit, c.rank, c.topRank, c.suitInForce, c.range), c.legal) << c.why;
}

TEST_F(StateTest, PointsAndMostFrequentSuit)
{
    setCards(s().humanHand, {{D, 6}, {D, 7}, {H, 8}, {C, 9}});
    EXPECT_EQ(cardPoints(s().humanHand), 0);
    setCards(s().humanHand, {{D, 10}, {D, J}, {H, Q}, {C, K}, {S, A}});
    EXPECT_EQ(cardPoints(s().humanHand), 10 + 2 + 20 + 4 + 11);

    struct Case {
        Cards hand;
        int suit;
    };
    const Case cases[] = {
        {{}, 0},
        {{{S, 6}, {H, 7}}, H},                       // a tie goes to the lower suit
        {{{S, 6}, {S, 7}, {D, 8}, {C, 9}, {C, 10}}, C},
        {{{S, 6}, {S, 7}, {D, 8}, {D, 9}}, D},
    };
    for (const Case& c : cases) {
        setCards(s().computerHand, c.hand);
        EXPECT_EQ(mostFrequentSuit(s().computerHand), c.suit);
    }
}

TEST_F(StateTest, HumanHandSpreadBySize)
{
    struct Case {
        int cards, spread, perRow;
    };
    const Case cases[] = {{6, 2, 7}, {7, 1, 12}, {24, 1, 12}, {25, 3, 18}, {31, 3, 18}};
    for (const Case& c : cases) {
        Cards hand;
        for (int i = 0; i < c.cards; ++i)
            hand.emplace_back(1 + i / 9, 6 + i % 9);
        setCards(s().humanHand, hand);
        layoutHumanHand(s());
        EXPECT_EQ(s().humanHand.spread, c.spread) << c.cards;
        EXPECT_EQ(s().humanHand.perRow, c.perRow) << c.cards;
    }
}

// The by-suit order asks the program's game for the suit in force, so the whole program runs.
TEST_F(FlowTest, HandOrderQueensLastAndTheSuitInForceNextToLast)
{
    setCards(s().humanHand, {{S, Q}, {H, 9}, {D, Q}, {C, 7}, {H, 6}, {S, 8}});
    s().currentSuit = C;
    s().humanHand.sortMode = 1;
    s().humanHand.sortCards();
    EXPECT_EQ(cardsOf(s().humanHand), (Cards{{H, 6}, {H, 9}, {S, 8}, {C, 7}, {D, Q}, {S, Q}}));
    s().humanHand.sortMode = 0;
    s().humanHand.sortCards();
    EXPECT_EQ(cardsOf(s().humanHand), (Cards{{H, 6}, {C, 7}, {S, 8}, {H, 9}, {D, Q}, {S, Q}}));
}

} // namespace
} // namespace trevallo_test
