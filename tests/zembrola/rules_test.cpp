// Zembrola rules a replay pins only at length: the desk's capacity, pairing an answer by suit order,
// a refill that leaves the hands unequal and a round that goes on while a card is left. Beating,
// scoring, the first leader and refilling are pinned by the replays.
#include "zembrola_fixture.hpp"

#include "zembrola/rules.hpp"

namespace zembrola_test {
namespace {

using namespace zembrola;

TEST(DeskTest, AnOverflowIsRefusedAndLosesNoCard)
{
    prepareFramework(zembrolaProgramInfo(), seed);
    CDesk row(2);
    row.append(C, 7);
    row.append(C, 9);
    row.append(C, K);   // refused: the desk stays as it was
    EXPECT_EQ(cardsOf(row), (Cards{{C, 7}, {C, 9}}));

    CDesk hand(36), probe(4);
    setCards(hand, {{C, 7}, {H, 8}, {C, A}, {S, 6}});
    hand.selectSuit(C);
    EXPECT_EQ(hand.copySelectedTo(probe), 2);
    EXPECT_EQ(hand.countSelected(), 0);
    EXPECT_EQ(cardsOf(probe), (Cards{{C, 7}, {C, A}}));

    // Two cards for the one place left: neither moves.
    row.clear();
    row.append(D, 6);
    hand.selectSuit(C);
    EXPECT_EQ(moveSelectedInto(hand, row), 0);
    EXPECT_EQ(hand.count(), 4);
    EXPECT_EQ(cardsOf(row), (Cards{{D, 6}}));
}

TEST_F(StateTest, CheckAnswerPairsBySuitOrderOnly)
{
    struct Case {
        Cards lead, answer;
        int expected;
    } cases[] = {
        // Suit order pairs the club ten with the diamond seven: the answer loses.
        {{{D, 7}, {C, 9}}, {{C, T}, {H, 6}}, 0},
        {{{D, 7}, {C, 9}}, {{H, 6}, {C, T}}, 0},   // laid trump first: still paired by suit order
        {{{D, 7}, {C, 9}}, {{D, 8}, {C, T}}, 1},
        {{{S, 9}}, {{H, 6}}, 1},
        {{{H, 9}}, {{H, 8}}, 0},
        {{{S, 9}}, {{S, T}, {S, A}}, -1},
        {{}, {{S, T}}, -1},
    };
    for (const Case& c : cases) {
        setCards(s().computerRow, c.lead);
        setCards(s().humanRow, c.answer);
        EXPECT_EQ(checkAnswer(s()), c.expected) << "lead of " << c.lead.size();
    }
}

TEST_F(StateTest, RefillReportsUnequalHands)
{
    setStock(0);
    setTrump(H, A, 1);
    setCards(s().humanHand, {{S, 6}});
    setCards(s().computerHand, {{S, 7}, {S, 8}});
    EXPECT_EQ(refillHands(s()), handsUnequalAfter);
}

TEST(RulesTest, ThePenaltyFollowsTheLosersPoints)
{
    // -1: no trick taken; 0: only worthless ones.
    for (const auto& [points, penalty] : {std::pair{59, 2}, std::pair{31, 2}, std::pair{30, 4}, std::pair{0, 4}, std::pair{-1, 6}})
        EXPECT_EQ(basePenalty(points), penalty) << points;
}

TEST_F(StateTest, RoundGoesOnWhileAnyCardIsLeft)
{
    setStock(0);
    setTrump(H, A, 0);   // the turned-up card is still to be drawn
    s().humanPoints = 100;
    s().computerPoints = 10;
    EXPECT_FALSE(finishRound(s()).over());
    setTrump(H, A, 1);
    setCards(s().humanHand, {{S, 6}});
    EXPECT_FALSE(finishRound(s()).over());
    EXPECT_EQ(s().humanPoints, 100);
    EXPECT_EQ(s().computerPenalty, 0);
}

} // namespace
} // namespace zembrola_test
