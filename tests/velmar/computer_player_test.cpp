// The Velmar computer player's thresholds, each on both sides. Its choices in positions are pinned
// by the computer-thresholds replay; these are the limits a replay would need many positions for.
#include "velmar_fixture.hpp"

#include "velmar/computer_player.hpp"

#include "cards/status_line.hpp"

using namespace velmar_test;
using namespace velmar;

namespace {

class ComputerPlayer : public StateTest {
protected:
    struct Position {
        Cards humanRow = {}, computerRow = {}, computerHand = {}, humanHand = {};
        int stock = 20;
    };
    // Replaces the rows and both hands, then leaves `stock` cards in the pack.
    void set(const Position& p)
    {
        setCards(s().humanRow, p.humanRow);
        setCards(s().computerRow, p.computerRow);
        setCards(s().computerHand, p.computerHand);
        setCards(s().humanHand, p.humanHand);
        setStock(p.stock);
    }
};

TEST_F(ComputerPlayer, MaySpendTrumpThresholds)
{
    setTrump(H, 9);   // the turned-up card is a 9: n counts the computer's nines
    struct Row {
        int attacks, rank, stock, nines, expected;
    };
    const Row rows[] = {
        // non-trumps are always free
        {0, A, 30, 0, 1},
        // n < 2: held back above 16 when defending, above 4 when attacking
        {0, 6, 17, 0, 0}, {0, 6, 16, 0, 1}, {1, 6, 5, 1, 0}, {1, 6, 4, 1, 1},
        // rank limits, whatever n is
        {0, 8, 21, 2, 0}, {0, 8, 20, 2, 1}, {0, 7, 25, 2, 1},
        {0, J, 19, 2, 0}, {0, J, 18, 2, 1},
        {0, Q, 17, 2, 0}, {0, Q, 11, 2, 0}, {0, Q, 10, 2, 1}, {1, Q, 5, 2, 0}, {1, Q, 4, 2, 1},
        {0, K, 6, 2, 0}, {0, K, 5, 2, 1}, {1, K, 1, 2, 0}, {1, K, 0, 2, 1},
        {0, A, 3, 2, 0}, {0, A, 2, 2, 1}, {1, A, 1, 2, 0}, {1, A, 0, 2, 1},
        {0, 10, 16, 2, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "attacks " << r.attacks << " rank " << r.rank << " stock " << r.stock
                                        << " nines " << r.nines);
        s().computerAttacks = r.attacks;
        const Cards nines{{D, 9}, {C, 9}, {S, 9}};
        set({.computerHand = Cards(nines.begin(), nines.begin() + r.nines), .stock = r.stock});
        const ct::Card suitCard = r.rank == A && r.stock == 30 ? card(C, A) : card(H, r.rank);
        EXPECT_EQ(maySpendTrump(s(), suitCard), r.expected);
    }
}

TEST_F(ComputerPlayer, MaySpendSpadeHoldsHighSpadesInJapaneseOnly)
{
    setStock(21);
    EXPECT_EQ(maySpendSpade(s(), card(S, A)), 1);   // not "Japanese"
    s().gameType = 4;
    setTrump(D, phantomRank, 1);
    EXPECT_EQ(maySpendSpade(s(), card(S, J)), 0);
    EXPECT_EQ(maySpendSpade(s(), card(S, 10)), 1);
    EXPECT_EQ(maySpendSpade(s(), card(C, A)), 1);
    setStock(11);
    EXPECT_EQ(maySpendSpade(s(), card(S, Q)), 0);
    setStock(10);
    EXPECT_EQ(maySpendSpade(s(), card(S, Q)), 1);
    EXPECT_EQ(maySpendSpade(s(), card(S, K)), 0);
    setStock(8);
    EXPECT_EQ(maySpendSpade(s(), card(S, A)), 1);
}

TEST_F(ComputerPlayer, TransferDecisionDependsOnStockAndHandSize)
{
    s().gameType = 1;
    s().transferVariant = 1;
    setTrump(H, A);
    auto position = [&](const Cards& computerHand, int stock, const Cards& humanHand = {{D, 7}, {S, K}, {S, Q}}) {
        set({.humanRow = {{C, 7}}, .computerHand = computerHand, .humanHand = humanHand, .stock = stock});
        s().transferOpen = 1;
        s().computerAttacks = 0;
    };
    const Cards five{{S, 7}, {D, 9}, {C, 8}, {S, 10}, {D, J}};

    position(five, 10);
    EXPECT_EQ(transferWorthwhile(s(), 7), 1);
    EXPECT_EQ(computerDefend(s()), Defence::transfers);
    EXPECT_EQ(cardsOf(s().computerRow), (Cards{{C, 7}, {S, 7}}));
    EXPECT_TRUE(s().humanRow.empty());
    EXPECT_EQ(s().computerAttacks, 1);
    EXPECT_EQ(s().transferOpen, 1);

    // Not when the human would have to beat two cards with one: it beats instead.
    position(five, 10, {{D, 8}});
    EXPECT_EQ(computerDefend(s()), Defence::beats);
    EXPECT_EQ(cardsOf(s().computerRow), (Cards{{C, 8}}));
    EXPECT_EQ(cardsOf(s().humanRow), (Cards{{C, 7}}));
    EXPECT_EQ(s().transferOpen, 0);
}

TEST_F(ComputerPlayer, BestGroupRankLimitsFollowTheStock)
{
    set({.computerHand = {{C, K}, {D, K}, {S, 6}}, .humanHand = {{D, 7}, {D, 9}, {D, 10}}, .stock = 11});
    EXPECT_EQ(bestGroupRank(s()), 0);   // kings are above the limit of 11
    setStock(10);
    EXPECT_EQ(bestGroupRank(s()), K);
    s().gameType = 2;
    set({.computerHand = {{C, K}, {D, K}, {S, 6}}, .humanHand = Cards(9, {D, 7}), .stock = 0});
    EXPECT_EQ(bestGroupRank(s()), 0);   // "Bulk" with a big human hand: up to jacks
}

} // namespace
