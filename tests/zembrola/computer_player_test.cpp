// The Zembrola computer player: the choice of lead strategy, every tie-break of both leads,
// the cover test and the answer's two passes.
#include "zembrola_fixture.hpp"

#include "zembrola/computer_player.hpp"

#include <algorithm>

namespace zembrola_test {
namespace {

using namespace zembrola;

TEST_F(StateTest, CanCoverWalksTheOpponentsHandOnce)
{
    struct Case {
        Cards cards, opponent;
        int expected;
    } cases[] = {
        {{{C, 7}, {C, 9}}, {{C, 8}, {C, K}}, 0},
        {{{C, 7}, {C, 9}}, {{C, 8}}, -1},                  // more cards than the opponent holds
        {{{C, 7}, {C, 9}}, {{C, 8}, {S, 6}}, 1},
        {{{C, 7}}, {{S, 6}, {H, 6}}, 0},                   // any trump covers a plain card
        {{{H, 7}}, {{S, A}, {H, 6}}, 1},                   // a trump only by a higher trump
        {{{H, 7}}, {{H, 8}}, 0},
        {{{C, 9}, {C, T}}, {{C, A}, {C, K}}, 1},           // one pass: the ace is spent on the nine
        {{{C, 9}}, {}, -1},
        {{}, {{C, 9}}, -1},
    };
    for (const Case& c : cases) {
        CDesk cards(4), opponent(36);
        // Trump flags deliberately left unset: the test goes by the trump suit.
        setCards(cards, c.cards);
        setCards(opponent, c.opponent);
        EXPECT_EQ(canCover(cards, opponent, H), c.expected) << c.cards.size() << " against " << c.opponent.size();
    }
}

TEST_F(StateTest, SafeSuitPrefersTheRichestUncoveredSuit)
{
    struct Case {
        Cards hand, opponent;
        int expected;
    } cases[] = {
        {{{C, A}, {S, K}}, {{D, 6}, {D, 7}}, C},           // both safe: the richer clubs
        {{{C, J}, {S, J}}, {{D, 6}, {D, 7}}, C},           // equal points: the lower suit
        {{{C, A}, {S, K}}, {{C, 6}, {H, 6}}, 0},           // a trump covers both
        {{{C, 6}, {S, A}}, {{S, 6}, {C, 7}}, S},
        {{{H, A}, {C, 6}}, {{H, 6}, {C, 7}}, H},           // the top trump is safe
    };
    for (const Case& c : cases) {
        CDesk hand(36), opponent(36);
        hand.sortMode = 1;
        opponent.sortMode = 1;
        hand.setTrump(H);
        opponent.setTrump(H);
        setCards(hand, c.hand);
        setCards(opponent, c.opponent);
        hand.sortCards();
        opponent.sortCards();
        EXPECT_EQ(safeSuit(hand, opponent, H), c.expected);
        EXPECT_EQ(hand.countSelected(), 0);
    }
}

TEST_F(StateTest, PlainLeadTieBreaks)
{
    struct Case {
        Cards hand, led;
    } cases[] = {
        {{{S, 6}, {S, 8}, {S, J}, {H, 6}}, {{S, 6}, {S, 8}, {S, J}}},   // three of a suit
        {{{H, 6}, {H, 8}, {H, J}, {S, 6}}, {{H, 6}, {H, 8}, {H, J}}},   // even three trumps
        {{{S, J}, {S, Q}, {H, T}, {H, A}}, {{S, J}, {S, Q}}},           // the pair under 10 points
        {{{S, T}, {S, A}, {H, T}, {H, A}}, {{H, T}, {H, A}}},           // none: cheapest, lower suit
        {{{D, 9}, {D, J}, {C, 6}, {C, 7}}, {{D, 9}, {D, J}}},           // first pair under 10
        {{{D, A}, {H, K}, {C, 6}, {S, 7}}, {{C, 6}}},                   // singletons: fewest points
        {{{D, 6}, {H, K}, {C, 6}, {S, 7}}, {{D, 6}}},                   // equal points: lowest suit
        {{{D, A}, {D, T}, {C, K}, {S, Q}}, {{S, Q}}},                   // pair of 21: cheapest single
        {{{S, 6}, {S, T}, {D, A}, {C, K}}, {{C, K}}},                   // a pair of exactly 10 is no cheap pair
    };
    for (const Case& c : cases) {
        setCards(s().computerHand, c.hand);
        plainLead(s());
        EXPECT_EQ(cardsOf(s().computerRow), c.led);
        EXPECT_EQ(s().computerLeads, 1);
        EXPECT_EQ(s().computerHand.count() + s().computerRow.count(), 4);
    }
}

TEST_F(StateTest, SafeLeadFallsBackToACheapSuitOrTheLowestCard)
{
    struct Case {
        Cards hand, human, led;
    } cases[] = {
        // The human can beat every suit: the cheapest plain suit if worth 2 or less ...
        {{{C, 6}, {C, J}, {S, K}, {H, 7}}, {{H, 8}, {H, 9}, {H, T}, {H, A}}, {{C, 6}, {C, J}}},
        // ... else the lowest card alone, even a trump.
        {{{C, Q}, {S, K}, {H, 7}, {D, K}}, {{H, 8}, {H, 9}, {H, T}, {H, A}}, {{H, 7}}},
        // A plain suit of no points is led whole.
        {{{C, Q}, {S, K}, {H, 7}, {D, 7}}, {{H, 8}, {H, 9}, {H, T}, {H, A}}, {{D, 7}}},
        // A suit the human cannot cover is led whole.
        {{{S, 6}, {S, 7}, {C, A}, {D, 6}}, {{S, A}, {D, 7}, {D, 8}, {C, 6}}, {{C, A}}},
    };
    for (const Case& c : cases) {
        setCards(s().computerHand, c.hand);
        setCards(s().humanHand, c.human);
        safeLead(s());
        EXPECT_EQ(cardsOf(s().computerRow), c.led);
        EXPECT_EQ(s().humanHand.sortMode, 1);
    }
}

TEST_F(StateTest, LeadStrategyByStockAndHumanPoints)
{
    // Clubs are safe from this human, and a plain lead would take the diamond pair instead.
    struct Case {
        int stock, humanPoints;
        Cards led;
    } cases[] = {
        {20, 30, {{D, 6}, {D, 7}}},
        {19, 30, {{C, A}}},
        {20, 31, {{C, A}}},
        {27, -1, {{D, 6}, {D, 7}}},
    };
    for (const Case& c : cases) {
        setStock(c.stock);
        s().humanPoints = c.humanPoints;
        setCards(s().computerHand, {{D, 6}, {D, 7}, {C, A}, {S, 9}});
        setCards(s().humanHand, {{D, 8}, {D, 9}, {S, T}, {S, A}});
        computerLead(s());
        EXPECT_EQ(cardsOf(s().computerRow), c.led) << c.stock << " " << c.humanPoints;
    }
}

TEST_F(StateTest, AnswerBeatsFromTheTopAndGivesUpWithTheLowestCards)
{
    struct Case {
        int trump;
        Cards led, hand, answer;
        int result;
        int computerPoints, humanPoints;
    } cases[] = {
        {S, {{H, 9}}, {{H, T}, {H, A}, {S, 6}, {D, 6}}, {{H, A}}, 1, 11, -1},       // the strongest that beats
        {S, {{C, 7}, {D, 9}}, {{C, 8}, {D, T}, {H, 6}, {S, 7}}, {{C, 8}, {D, T}}, 1, 10, -1},
        {H, {{C, 7}}, {{C, 8}, {H, 9}, {D, 6}, {S, 6}}, {{C, 8}}, 1, 0, -1},        // a plain card before a trump
        {H, {{C, 7}, {D, 9}}, {{C, 8}, {D, 6}, {H, 7}, {S, 7}}, {{C, 8}, {H, 7}}, 1, 0, -1},   // a trump in pass two
        {H, {{C, T}, {D, 9}}, {{C, 8}, {D, 6}, {H, 7}, {H, 8}}, {{H, 7}, {H, 8}}, 1, 10, -1},
        {H, {{C, T}, {D, 9}}, {{C, 8}, {D, 6}, {H, 7}, {S, 7}}, {{D, 6}, {S, 7}}, 0, -1, 10},  // only one beaten
        {H, {{H, 9}, {H, T}}, {{H, A}, {C, 6}, {D, 7}, {S, K}}, {{C, 6}, {D, 7}}, 0, -1, 10},  // lowest two
    };
    for (const Case& c : cases) {
        setTrump(c.trump);
        s().humanPoints = -1;
        s().computerPoints = -1;
        setCards(s().humanRow, c.led);
        setCards(s().computerHand, c.hand);
        s().computerRow.clear();
        EXPECT_EQ(computerAnswer(s()), c.result);
        Cards answered = cardsOf(s().computerRow);
        std::sort(answered.begin(), answered.end());
        Cards expected = c.answer;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(answered, expected);
        EXPECT_EQ(s().computerPoints, c.computerPoints);
        EXPECT_EQ(s().humanPoints, c.humanPoints);
        EXPECT_EQ(s().computerLeads, c.result == 1 ? 1 : 0);
        EXPECT_EQ(s().lastWinner, c.result == 1 ? 1 : 0);
    }
}

} // namespace
} // namespace zembrola_test
