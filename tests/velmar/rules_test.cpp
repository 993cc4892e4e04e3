// Velmar rules: beating, matching several cards, the deal, refilling and who starts.
#include "velmar_fixture.hpp"

#include "velmar/rules.hpp"
#include "velmar/state_json.hpp"
#include "velmar/table.hpp"

#include "cards/random.hpp"

using namespace velmar_test;
using velmar::beatAll;
using velmar::beats;

namespace {

ct::Card card(int suit, int rank)
{
    ct::Card c;
    c.suit = suit;
    c.rank = rank;
    return c;
}

Cards selectedOf(const ct::CardSet& set)
{
    Cards out;
    for (const ct::Card& c : set.cards)
        if (c.selected)
            out.emplace_back(c.suit, c.rank);
    return out;
}

class Rules : public StateTest {};

TEST_F(Rules, BeatingFollowsSuitRankAndTrump)
{
    setTrump(H);
    EXPECT_EQ(beats(s(), card(H, 6), card(C, A)), 1);
    EXPECT_EQ(beats(s(), card(C, A), card(H, 6)), -1);
    EXPECT_EQ(beats(s(), card(C, 7), card(C, 6)), 1);
    EXPECT_EQ(beats(s(), card(C, 6), card(C, 7)), 0);
    EXPECT_EQ(beats(s(), card(H, 7), card(H, 6)), 1);
    EXPECT_EQ(beats(s(), card(D, A), card(S, 6)), -1);
    // Outside "Japanese" a trump beats a spade.
    EXPECT_EQ(beats(s(), card(H, 6), card(S, A)), 1);
}

TEST_F(Rules, JapaneseSpadesYieldOnlyToHigherSpades)
{
    s().gameType = 4;
    setTrump(D, velmar::phantomRank, 1);
    EXPECT_EQ(beats(s(), card(D, A), card(S, 6)), -1);   // not even a trump
    EXPECT_EQ(beats(s(), card(S, 7), card(S, 6)), 1);
    EXPECT_EQ(beats(s(), card(S, 7), card(D, 6)), -1);   // a spade does not beat a diamond
    EXPECT_EQ(beats(s(), card(D, 7), card(C, K)), 1);
}

TEST_F(Rules, BeatAllMatchesGreedilyAndSelectsTheAnswer)
{
    setTrump(H);
    ct::CardSet& attack = s().computerRow;
    ct::CardSet& answer = s().humanHand;
    setCards(attack, {{S, 9}, {C, 9}});
    setCards(answer, {{H, 6}, {C, 10}});
    EXPECT_EQ(beatAll(s(), attack, answer), 0);
    EXPECT_EQ(selectedOf(answer), (Cards{{C, 10}, {H, 6}}));
    // Both sets were put in suit order and left unsorted.
    EXPECT_EQ(cardsOf(attack), (Cards{{C, 9}, {S, 9}}));
    EXPECT_EQ(attack.sortMode, -1);
    EXPECT_EQ(answer.sortMode, -1);
}

TEST_F(Rules, BeatAllInJapaneseCannotTrumpASpade)
{
    s().gameType = 4;
    setTrump(D, velmar::phantomRank, 1);
    setCards(s().computerRow, {{C, 9}, {S, 9}});
    setCards(s().humanHand, {{C, 10}, {D, 6}});
    EXPECT_EQ(beatAll(s(), s().computerRow, s().humanHand), 1);
    EXPECT_EQ(s().humanHand.countSelected(), 0);
}

TEST_F(Rules, BeatAllRefusesEmptyOrTooSmallSets)
{
    setCards(s().computerRow, {{C, 9}, {S, 9}});
    setCards(s().humanHand, {{H, A}});
    EXPECT_EQ(beatAll(s(), s().computerRow, s().humanHand), -1);
    setCards(s().humanHand, {});
    EXPECT_EQ(beatAll(s(), s().computerRow, s().humanHand), -1);
    setCards(s().computerRow, {});
    setCards(s().humanHand, {{H, A}});
    EXPECT_EQ(beatAll(s(), s().computerRow, s().humanHand), -1);
}

TEST_F(Rules, RefillTakesTheTurnedUpCardLast)
{
    setTrump(C, 9);
    setCards(s().humanHand, {{D, 6}, {D, 7}, {D, 8}, {D, 9}});
    setStock(1);
    velmar::refillHand(s(), s().humanHand);
    EXPECT_EQ(s().humanHand.count(), 6);
    EXPECT_EQ(s().stock(), 0);
    EXPECT_EQ(s().trumpCard.hidden, 1);
    EXPECT_EQ(s().stockCard.hidden, 1);
    EXPECT_NE(s().humanHand.findSuit(C), 0);

    // Once it is gone nothing more comes.
    setCards(s().computerHand, {{S, 6}});
    velmar::refillHand(s(), s().computerHand);
    EXPECT_EQ(s().computerHand.count(), 1);
}

TEST_F(Rules, FirstDealStarterHoldsTheLowestTrump)
{
    setTrump(H, A);
    setCards(s().computerHand, {{H, 6}, {S, A}});
    setCards(s().humanHand, {{H, 7}, {H, 8}});
    EXPECT_EQ(velmar::firstMover(s()), 1);

    setCards(s().computerHand, {{H, 9}, {S, A}});
    EXPECT_EQ(velmar::firstMover(s()), 0);

    // No trumps at all: the human starts; only the computer without one: the human too.
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
    // Both hands are left in rank order.
    EXPECT_EQ(s().humanHand.sortMode, 0);
    EXPECT_EQ(s().computerHand.sortMode, 0);
}

// ---------------------------------------------------------------- the deal, per game type

class Deal : public GameTest {};

TEST_F(Deal, CountsOfEveryGameType)
{
    struct Expect {
        int type, hand, stock, shown;
        bool trumpHidden;
    };
    for (const Expect e : {Expect{0, 6, 23, 24, false}, Expect{1, 6, 23, 24, false}, Expect{2, 18, 0, -1, true},
                           Expect{3, 18, 0, -1, true}, Expect{4, 6, 24, 24, true}, Expect{5, 6, 24, 24, true}}) {
        SCOPED_TRACE("game type " + std::to_string(e.type));
        for (int seed = 1; seed <= 5; ++seed) {
            ct::setFixedSeed(seed * 7919);
            ct::seedRandom();
            s().gameType = e.type;
            s().transferVariant = velmar::transferFor(e.type);
            s().nextStarter = 0;
            game->gameMessage(velmar::step::newDeal);
            EXPECT_EQ(s().humanHand.count(), e.hand);
            EXPECT_EQ(s().computerHand.count(), e.hand);
            EXPECT_EQ(s().stock(), e.stock);
            EXPECT_EQ(velmar::stockCountShown(s()), e.shown);
            EXPECT_EQ(s().trumpCard.hidden != 0, e.trumpHidden);
            EXPECT_EQ(s().stockCard.hidden != 0, e.stock == 0);
            EXPECT_TRUE(s().humanRow.empty() && s().computerRow.empty());
            EXPECT_EQ(velmar::consistencyViolations(s()), std::vector<std::string>{});
            if (e.type == 2 || e.type == 3) {
                const ct::Card& trump = s().trumpCard;
                bool inComputerHand = false;
                for (const ct::Card& c : s().computerHand.cards)
                    inComputerHand = inComputerHand || (c.suit == trump.suit && c.rank == trump.rank);
                EXPECT_TRUE(inComputerHand);
            }
            if (e.type >= 4) {
                EXPECT_EQ(s().trumpSuit(), D);
                EXPECT_EQ(s().trumpCard.rank, velmar::phantomRank);
            }
        }
    }
}

TEST_F(Deal, TheStarterOfTheFirstDealMovesAtOnce)
{
    // Either the human is told to move, or the computer has already laid exactly one card.
    int computerStarts = 0;
    for (int seed = 1; seed <= 40; ++seed) {
        ct::setFixedSeed(seed * 104729);
        ct::seedRandom();
        s().nextStarter = -1;
        game->gameMessage(velmar::step::newDeal);
        if (s().computerAttacks == 1) {
            ++computerStarts;
            ASSERT_EQ(s().computerRow.count(), 1);
            EXPECT_EQ(s().computerHand.count(), 5);
            EXPECT_EQ(status(), "");
        } else {
            EXPECT_TRUE(s().computerRow.empty());
            EXPECT_EQ(status(), "Your move!");
        }
    }
    EXPECT_GT(computerStarts, 0);
    EXPECT_LT(computerStarts, 40);
}

} // namespace
