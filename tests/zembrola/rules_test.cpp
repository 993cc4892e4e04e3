// Zembrola rules: the desk, beating, the answer check, scoring, refilling and the end of a round.
#include "zembrola_fixture.hpp"

#include "zembrola/rules.hpp"

namespace zembrola_test {
namespace {

using namespace zembrola;

TEST(DeskTest, FixedCapacityRefusesOverflowAndCopyClearsSelection)
{
    prepareFramework(zembrolaProgramInfo(), seed);
    CDesk row(2);
    row.append(C, 7);
    row.append(C, 9);
    row.append(C, K);   // refused: the desk stays as it was
    EXPECT_EQ(cardsOf(row), (Cards{{C, 7}, {C, 9}}));

    CDesk hand(36);
    setCards(hand, {{C, 7}, {H, 8}, {C, A}, {S, 6}});
    EXPECT_EQ(hand.countSuit(C), 2);
    hand.selectSuit(C);
    EXPECT_EQ(hand.countSelected(), 2);
    CDesk probe(4);
    EXPECT_EQ(hand.copySelectedTo(probe), 2);
    EXPECT_EQ(hand.countSelected(), 0);
    EXPECT_EQ(cardsOf(probe), (Cards{{C, 7}, {C, A}}));

    // A move that does not fit leaves every card in the hand.
    hand.selectAll();
    EXPECT_EQ(moveSelectedInto(hand, row), 0);
    EXPECT_EQ(hand.count(), 4);
    EXPECT_EQ(row.count(), 2);
}

TEST(RulesTest, CardPointsMakeOneHundredAndTwenty)
{
    int sum = 0;
    for (int rank : {6, 7, 8, 9, 11, 12, 13, 14, 15})
        sum += cardPoints(rank);
    EXPECT_EQ(sum * 4, 120);
    EXPECT_EQ(cardPoints(14), 10);
    EXPECT_EQ(cardPoints(15), 11);
}

TEST_F(StateTest, BeatsByTrumpSuitAndRank)
{
    struct Case {
        Cards pair;
        int expected;
    } cases[] = {
        {{{H, 6}, {S, A}}, 1},    // any trump beats a plain card
        {{{H, 7}, {H, 6}}, 1},    // a higher trump beats a trump
        {{{H, 6}, {H, 7}}, 0},
        {{{S, A}, {H, 6}}, -1},   // a plain card never beats a trump
        {{{S, T}, {S, K}}, 1},    // the ten ranks above the king
        {{{S, K}, {S, T}}, 0},
        {{{D, A}, {S, 6}}, -1},
    };
    for (const Case& c : cases) {
        setCards(s().humanRow, {c.pair[0], c.pair[1]});
        EXPECT_EQ(beats(s().humanRow.at(1), s().humanRow.at(2)), c.expected)
            << c.pair[0].first << "/" << c.pair[0].second << " on " << c.pair[1].first << "/" << c.pair[1].second;
    }
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

TEST_F(StateTest, ScoreTrickTurnsNoTrickIntoZero)
{
    setCards(s().humanRow, {{S, 6}});
    setCards(s().computerRow, {{S, 7}});
    scoreTrick(s(), false);
    EXPECT_EQ(s().computerPoints, 0);
    EXPECT_EQ(s().humanPoints, -1);
    setCards(s().humanRow, {{S, A}, {D, K}});
    setCards(s().computerRow, {{S, T}, {D, J}});
    scoreTrick(s(), true);
    scoreTrick(s(), true);
    EXPECT_EQ(s().humanPoints, 54);
}

TEST_F(StateTest, FirstLeaderByLowestTrumpOnlyInTheFirstRound)
{
    struct Case {
        int lastWinner;
        Cards human, computer;
        int computerLeads;
    } cases[] = {
        {-1, {{S, 6}}, {{S, 7}}, 0},               // no trumps at all: the human
        {-1, {{S, 6}}, {{H, A}}, 1},               // only the computer holds one
        {-1, {{H, 9}, {H, 6}}, {{H, 7}}, 0},       // the human's lowest trump is lower
        {-1, {{H, 8}}, {{H, 7}, {S, 6}}, 1},
        {0, {{S, 6}}, {{H, 6}}, 0},
        {1, {{H, 6}}, {{S, 6}}, 1},
    };
    for (const Case& c : cases) {
        s().lastWinner = c.lastWinner;
        setCards(s().humanHand, c.human);
        setCards(s().computerHand, c.computer);
        const bool humanLeads = chooseFirstLeader(s());
        EXPECT_EQ(s().computerLeads, c.computerLeads) << "last winner " << c.lastWinner;
        EXPECT_EQ(humanLeads, c.computerLeads == 0);
    }
}

TEST_F(StateTest, RefillDrawsTakerFirstAndTheTrumpCardLast)
{
    setTrump(H, A);
    setStock(3);   // three cards and the turned-up ace of hearts: two each
    setCards(s().humanHand, {{S, 6}, {S, 7}});
    setCards(s().computerHand, {{C, 6}, {C, 7}});
    s().lastWinner = 1;
    s().computerLeads = 1;
    EXPECT_EQ(refillHands(s()), 0);
    EXPECT_EQ(s().deck.remaining(), 0);
    EXPECT_EQ(s().trumpCard.hidden, 1);
    EXPECT_EQ(s().stockCard.hidden, 1);
    // The computer took the trick and drew first, so the human drew the last card, the trump card.
    bool humanHasAce = false;
    for (const ct::Card& card : s().humanHand.cards)
        humanHasAce = humanHasAce || (card.suit == H && card.rank == A);
    EXPECT_TRUE(humanHasAce);
    EXPECT_EQ(s().humanHand.count(), 4);
    EXPECT_EQ(s().computerHand.count(), 4);
}

TEST_F(StateTest, RefillReportsUnequalHands)
{
    setStock(0);
    setTrump(H, A, 1);
    setCards(s().humanHand, {{S, 6}});
    setCards(s().computerHand, {{S, 7}, {S, 8}});
    EXPECT_EQ(refillHands(s()), handsUnequalAfter);
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
