// The Velmar computer player's limits, each on both sides. Its choices of card in positions are pinned
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
        {0, 10, 19, 2, 1},
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
    struct Row {
        int stock, suit, rank, expected;
    };
    for (const Row r : {Row{21, S, J, 0}, Row{21, S, 10, 1}, Row{21, C, A, 1}, Row{11, S, Q, 0}, Row{10, S, Q, 1},
                        Row{10, S, K, 0}, Row{9, S, A, 0}, Row{8, S, A, 1}}) {
        setStock(r.stock);
        EXPECT_EQ(maySpendSpade(s(), card(r.suit, r.rank)), r.expected) << r.rank << " with " << r.stock;
    }
}

TEST_F(ComputerPlayer, TransferIsWorthwhileNearTheEndOrWithAPairOrAnUnheldRank)
{
    // The human attacks with a 9; the stock is gone.
    struct Row {
        Cards computerHand, humanHand;
        int expected;
    };
    for (const Row& r : {Row{{{D, 9}, {C, 7}, {S, Q}}, {{S, 9}}, 1},   // down to its last cards
                         Row{{{D, 9}, {C, 7}, {S, Q}, {S, K}}, {{S, 9}}, 0},
                         Row{{{D, 9}, {C, 7}, {S, Q}, {S, K}}, {{S, 8}}, 1},
                         Row{{{D, 9}, {H, 9}, {C, 7}, {S, Q}, {S, K}}, {{S, 9}}, 1}}) {
        set({.humanRow = {{C, 9}}, .computerHand = r.computerHand, .humanHand = r.humanHand, .stock = 0});
        EXPECT_EQ(transferWorthwhile(s(), 9), r.expected) << r.computerHand.size() << " cards";
    }
}

TEST_F(ComputerPlayer, TheComputerTransfersOnlyWhenTheHumanCanAnswerBoth)
{
    s().gameType = 1;
    s().transferVariant = 1;
    setTrump(H, A);
    const Cards five{{S, 7}, {D, 9}, {C, 8}, {S, 10}, {D, J}};
    for (const auto& [humanHand, expected] : {std::pair{Cards{{D, 7}, {S, K}}, Defence::transfers},
                                              std::pair{Cards{{D, 8}}, Defence::beats}}) {
        set({.humanRow = {{C, 7}}, .computerHand = five, .humanHand = humanHand, .stock = 10});
        s().transferOpen = 1;
        s().computerAttacks = 0;
        EXPECT_EQ(computerDefend(s()), expected);
    }
    EXPECT_EQ(cardsOf(s().computerRow), (Cards{{C, 8}}));
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
