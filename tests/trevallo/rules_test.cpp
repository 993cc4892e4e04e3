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

TEST_F(StateTest, RefillKeepsTheTopAndTheOrderAndDrawsTheCardUnderIt)
{
    setCards(s().discardPile, {{D, 6}, {H, 7}, {C, 8}, {S, 9}});
    refillTalon(s());
    EXPECT_EQ(cardsOf(s().discardPile), (Cards{{S, 9}}));
    EXPECT_EQ(cardsOf(s().talon), (Cards{{D, 6}, {H, 7}, {C, 8}}));
    // The penalty draw takes the card that lay directly under the top card.
    setCards(s().discardPile, {{D, 10}, {H, 10}});
    setCards(s().talon, {});
    EXPECT_TRUE(penaltyDraw(s(), s().computerHand));
    EXPECT_EQ(cardsOf(s().computerHand), (Cards{{D, 10}}));
    // A lone top card refills nothing and gives nothing.
    EXPECT_FALSE(penaltyDraw(s(), s().computerHand));
    EXPECT_EQ(s().computerHand.count(), 1);
    EXPECT_EQ(s().discardPile.count(), 1);
}

TEST_F(StateTest, HumanDrawWithAndWithoutOneCard)
{
    setCards(s().talon, {{D, 6}, {H, 7}, {C, 8}});
    setCards(s().discardPile, {{S, 9}});
    EXPECT_EQ(humanDraw(s()), DrawResult::took);
    EXPECT_EQ(humanDraw(s()), DrawResult::took);
    EXPECT_EQ(s().mayPass, 0);
    EXPECT_EQ(s().drawnThisTurn, 2);
    EXPECT_EQ(cardsOf(s().talon), (Cards{{D, 6}}));

    s().oneCardThenPass = 1;
    s().drawnThisTurn = 0;
    EXPECT_EQ(humanDraw(s()), DrawResult::took);
    EXPECT_EQ(s().mayPass, 1);
    EXPECT_EQ(humanDraw(s()), DrawResult::nothing);
    EXPECT_EQ(s().humanHand.count(), 3);

    s().oneCardThenPass = 0;
    s().mayPass = 0;
    setCards(s().discardPile, {{S, 10}, {S, J}});
    EXPECT_EQ(humanDraw(s()), DrawResult::talonEnd);
    EXPECT_EQ(s().mayPass, 1);
    EXPECT_EQ(cardsOf(s().talon), (Cards{{S, 10}}));
    EXPECT_EQ(s().humanHand.count(), 3);
}

TEST_F(StateTest, EffectsOfTheCardPlayedAndWhoMovesNext)
{
    struct Case {
        int rank;
        bool computer, passAfterQueen, again;
        int opponentTakes;
    };
    const Case cases[] = {
        {6, false, false, true, 2}, {7, true, false, true, 1},   {A, false, false, true, 0},
        {8, true, false, false, 0}, {Q, true, false, true, 0},   {Q, true, true, false, 0},
        {Q, false, true, false, 0}, {Q, false, false, true, 0},  {10, false, false, false, 0},
    };
    for (const Case& c : cases) {
        s().passAfterQueen = c.passAfterQueen ? 1 : 0;
        s().suitChoicePending = 0;
        setCards(s().talon, {{D, 6}, {D, 7}, {D, 8}});
        setCards(s().discardPile, {{H, 9}});
        s().currentSuit = H;
        ct::CardSet& own = c.computer ? s().computerHand : s().humanHand;
        ct::CardSet& other = c.computer ? s().humanHand : s().computerHand;
        setCards(own, {{H, c.rank}, {C, 8}, {C, 9}});
        setCards(other, {{S, 8}});
        const int index = own.findRank(c.rank);
        EXPECT_EQ(playCard(s(), c.computer, index), c.again) << c.rank;
        EXPECT_EQ(other.count(), 1 + c.opponentTakes) << c.rank;
        EXPECT_EQ(s().discardPile.last().rank, c.rank);
        if (c.rank == Q && c.computer)
            EXPECT_EQ(s().currentSuit, C);   // counted after the queen left the hand
        else
            EXPECT_EQ(s().currentSuit, H);
        EXPECT_EQ(s().suitChoicePending, c.rank == Q && !c.computer ? 1 : 0);
    }
}

TEST_F(StateTest, RoundEndScoresAndGameEnd)
{
    setCards(s().computerHand, {});
    setCards(s().humanHand, {{D, Q}, {H, A}});
    s().humanScore = 60;
    s().currentSuit = D;
    s().computerToMove = 1;
    RoundResult r = judgeRound(s());
    EXPECT_EQ(r.end, RoundEnd::computerWins);
    EXPECT_FALSE(r.gameOver);
    EXPECT_EQ(s().humanScore, 91);
    EXPECT_EQ(s().nextStarter, 1);
    EXPECT_EQ(s().currentSuit, 0);
    EXPECT_EQ(s().computerToMove, 0);

    setCards(s().humanHand, {});
    setCards(s().computerHand, {{D, 9}});
    s().computerScore = 100;
    r = judgeRound(s());
    EXPECT_EQ(r.end, RoundEnd::humanWins);
    EXPECT_EQ(s().nextStarter, 0);

    // Reaching exactly 100 loses the game.
    setCards(s().computerHand, {});
    setCards(s().humanHand, {{H, 9}});
    s().humanScore = 100;
    r = judgeRound(s());
    EXPECT_TRUE(r.gameOver);
    EXPECT_EQ(s().computerWins, 1);
    s().humanScore = 99;
    setCards(s().humanHand, {{H, 9}});
    EXPECT_FALSE(judgeRound(s()).gameOver);

    setCards(s().humanHand, {{H, 9}});
    setCards(s().computerHand, {{H, 8}});
    EXPECT_EQ(judgeRound(s()).end, RoundEnd::none);
}

TEST_F(StateTest, DealAndLeader)
{
    for (int round = 0; round < 20; ++round) {
        s().nextStarter = -1;
        dealRound(s(), 0);
        EXPECT_EQ(s().computerHand.count(), 5);
        EXPECT_EQ(s().humanHand.count(), 5);
        EXPECT_EQ(s().talon.count(), 26);
        EXPECT_TRUE(s().discardPile.empty());
        EXPECT_EQ(s().computerToMove, cardPoints(s().computerHand) > cardPoints(s().humanHand) ? 1 : 0);
    }
    // Equal points: the human leads.
    bool equalSeen = false;
    for (int round = 0; round < 3000 && !equalSeen; ++round) {
        s().nextStarter = -1;
        dealRound(s(), 0);
        if (cardPoints(s().computerHand) == cardPoints(s().humanHand)) {
            equalSeen = true;
            EXPECT_EQ(s().computerToMove, 0);
        }
    }
    EXPECT_TRUE(equalSeen);
    s().nextStarter = 1;
    dealRound(s(), 0);
    EXPECT_EQ(s().computerToMove, 1);
    s().nextStarter = 0;
    dealRound(s(), 0);
    EXPECT_EQ(s().computerToMove, 0);
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

TEST(TrevalloHandOrder, QueensLastAndTheSuitInForceNextToLast)
{
    prepareFramework();
    // The by-suit order asks the program's game for the suit in force.
    trevallo::TrevalloGame game;
    TrevalloState& st = game.gameState();
    auto s = [&st]() -> TrevalloState& { return st; };
    setUpSets(st, 0);
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
