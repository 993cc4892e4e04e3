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

// Every game type, several first deals: the counts, the turned-up card, and the starter's
// first move made at once (one card laid, or "Your move!").
class Deal : public GameTest {};

TEST_F(Deal, FirstDealsOfEveryGameType)
{
    struct Expect {
        int type, hand, stock, shown;
        bool trumpHidden;
    };
    int computerStarts = 0, deals = 0;
    for (const Expect e : {Expect{0, 6, 23, 24, false}, Expect{1, 6, 23, 24, false}, Expect{2, 18, 0, -1, true},
                           Expect{3, 18, 0, -1, true}, Expect{4, 6, 24, 24, true}, Expect{5, 6, 24, 24, true}}) {
        for (int seed = 1; seed <= 5; ++seed, ++deals) {
            SCOPED_TRACE(testing::Message() << "game type " << e.type << ", seed " << seed);
            ct::setFixedSeed(seed * 7919);
            ct::seedRandom();
            s().gameType = e.type;
            s().transferVariant = velmar::transferFor(e.type);
            s().nextStarter = -1;
            game->gameMessage(velmar::step::newDeal);
            const bool computerOpened = s().computerAttacks == 1;
            computerStarts += computerOpened ? 1 : 0;
            EXPECT_EQ(s().humanHand.count(), e.hand);
            EXPECT_EQ(s().computerHand.count(), e.hand - (computerOpened ? 1 : 0));
            EXPECT_EQ(s().computerRow.count(), computerOpened ? 1 : 0);
            EXPECT_EQ(status(), computerOpened ? "" : "Your move!");
            EXPECT_TRUE(s().humanRow.empty());
            EXPECT_EQ(s().stock(), e.stock);
            EXPECT_EQ(velmar::stockCountShown(s()), e.shown);
            EXPECT_EQ(s().trumpCard.hidden != 0, e.trumpHidden);
            EXPECT_EQ(s().stockCard.hidden != 0, e.stock == 0);
            expectConsistent();
            if (s().bulk()) {
                // The turned-up card went to the computer, last.
                bool held = false;
                for (const ct::CardSet* set : {&s().computerHand, &s().computerRow})
                    for (const ct::Card& c : set->cards)
                        held = held || (c.suit == s().trumpCard.suit && c.rank == s().trumpCard.rank);
                EXPECT_TRUE(held);
            }
            if (s().japanese()) {
                EXPECT_EQ(s().trumpSuit(), D);
                EXPECT_EQ(s().trumpCard.rank, velmar::phantomRank);
            }
        }
    }
    EXPECT_GT(computerStarts, 0);
    EXPECT_LT(computerStarts, deals);
}

} // namespace
