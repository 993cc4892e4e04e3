// Trevallo: the hand's order, the computer's choice of card, and the rule checks random play
// relies on, with the limits of legal play and of the hand's layout that the replays do not reach.
#include "game_fixture.hpp"

#include "trevallo/computer_player.hpp"
#include "trevallo/game_state.hpp"
#include "trevallo/rules.hpp"
#include "trevallo/table.hpp"
#include "trevallo/trevallo_game.hpp"

namespace trevallo_test {
namespace {

using namespace game_test;
using namespace trevallo;

inline constexpr int A = 14;

// A bare state with its sets.
class StateTest : public BareStateTest<TrevalloState> {
protected:
    void SetUp() override
    {
        start(trevalloProgramInfo(), 918273);
        setUpSets(s(), 0);
    }
};

// The whole program, opening with the human's turn.
class FlowTest : public ProgramTest<TrevalloGame> {
protected:
    void SetUp() override
    {
        start(trevalloProgramInfo(), 918273, [](TrevalloGame& g) { g.gameState().nextStarter = 0; });
    }
};

// The limits of legal play the replays do not reach.
TEST(TrevalloLegalPlay, LimitsOfTheFiveWays)
{
    struct Case {
        int suit, rank, topRank, suitInForce;
        bool range, legal;
        const char* why;
    };
    const Case cases[] = {
        {S, 8, 9, 0, false, true, "no suit in force"},
        {S, 6, 7, H, false, false, "a 6 on a 7"},
        {S, 9, 9, H, false, false, "same rank without range"},
        {S, 9, 9, H, true, true, "same rank with range"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(legalPlay(c.suit, c.rank, c.topRank, c.suitInForce, c.range), c.legal) << c.why;
}

// 24 cards still fit two rows of 12; the 25th spreads the hand over rows of 18.
TEST_F(StateTest, HumanHandSpreadAtTwentyFiveCards)
{
    for (const auto& [cards, spread, perRow] : {std::tuple{24, 1, 12}, std::tuple{25, 3, 18}}) {
        Cards hand;
        for (int i = 0; i < cards; ++i)
            hand.emplace_back(1 + i / 9, 6 + i % 9);
        setCards(s().humanHand, hand);
        layoutHumanHand(s());
        EXPECT_EQ(s().humanHand.spread, spread) << cards;
        EXPECT_EQ(s().humanHand.perRow, perRow) << cards;
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

TEST_F(StateTest, ChooseCardRuleOrder)
{
    struct Case {
        Cards hand;
        Cards pile;
        int suit;
        int range;
        std::pair<int, int> chosen;   // (0, 0): none
        const char* why;
    };
    const Case cases[] = {
        {{{H, 8}, {H, K}, {H, 10}, {H, 6}, {H, 7}, {H, A}}, {{H, 9}}, H, 0, {H, A}, "ace first"},
        {{{H, 8}, {H, K}, {H, 10}, {H, 6}, {H, 7}}, {{H, 9}}, H, 0, {H, 7}, "then 7"},
        {{{H, 8}, {H, K}, {H, 10}, {H, 6}}, {{H, 9}}, H, 0, {H, 6}, "then 6"},
        {{{H, J}, {H, K}, {H, 10}}, {{H, 9}}, H, 0, {H, 10}, "then 10"},
        {{{H, J}, {H, K}}, {{H, 9}}, H, 0, {H, K}, "then king"},
        {{{H, 8}, {H, J}}, {{H, 6}}, H, 0, {H, J}, "then jack"},
        {{{S, Q}, {H, 9}, {H, 8}}, {{H, 7}}, H, 0, {H, 9}, "then the first plain card in arrival order"},
        {{{S, Q}, {C, 6}, {S, 6}}, {{H, 6}}, H, 0, {C, 6}, "a 6 on a 6 before a queen"},
        {{{S, Q}, {C, 9}}, {{H, 9}}, H, 0, {S, Q}, "same rank needs range"},
        {{{S, Q}, {C, 9}}, {{H, 9}}, H, 1, {C, 9}, "same rank with range before a queen"},
        {{{D, Q}, {S, Q}}, {{H, 9}}, H, 0, {D, Q}, "the first queen"},
        {{{H, Q}, {C, 6}}, {{H, 6}}, H, 0, {C, 6}, "a queen of the suit is no plain card"},
        {{{H, Q}, {C, 8}}, {{H, 9}}, H, 0, {H, Q}, "a queen of the suit only as a queen"},
        {{{C, 8}, {S, 10}}, {{H, 9}}, H, 1, {0, 0}, "nothing"},
    };
    for (const Case& c : cases) {
        setCards(s().computerHand, c.hand);
        setCards(s().discardPile, c.pile);
        s().currentSuit = c.suit;
        s().rankAndSuitPlay = c.range;
        const int i = chooseCard(s());
        const std::pair<int, int> got = i == 0 ? std::pair{0, 0} : std::pair{s().computerHand.at(i).suit, s().computerHand.at(i).rank};
        EXPECT_EQ(got, c.chosen) << c.why;
    }
}

// A position: the given hands and pile, every other card in the talon.
nlohmann::json position(const Cards& human, const Cards& computer, const Cards& pile, int suit)
{
    const Cards talon = restOfPack(6, 14, {human, computer, pile});
    return {{"humanHand", cardsJson(human)}, {"computerHand", cardsJson(computer)}, {"discardPile", cardsJson(pile)},
            {"talon", cardsJson(talon)}, {"currentSuit", suit}, {"computerToMove", 0}, {"suitChoicePending", 0},
            {"mayPass", 0}, {"drawnThisTurn", 0}};
}

TEST_F(FlowTest, TheRuleChecksSeeBrokenPositions)
{
    load(position({{H, 10}, {S, 8}}, {{C, 8}, {C, 9}}, {{H, 9}}, H));
    ASSERT_EQ(game().consistencyViolations(), std::vector<std::string>{});
    const auto brokenBy = [&](auto&& breakIt) {
        load(position({{H, 10}, {S, 8}}, {{C, 8}, {C, 9}}, {{H, 9}}, H));
        game().consistencyViolations();
        breakIt();
        return game().consistencyViolations().size();
    };
    // Each break alone is seen, and only as itself.
    EXPECT_EQ(brokenBy([&] {
                  s().humanHand.cards.erase(s().humanHand.cards.begin() + s().humanHand.findSuit(S) - 1);
                  s().discardPile.append(S, 8);
                  s().currentSuit = S;
                  s().plays.push_back(PlayRecord{S, 8, H, 9, H, 0, 0});
              }),
              1u);
    EXPECT_EQ(brokenBy([&] { s().currentSuit = S; }), 1u);
    EXPECT_EQ(brokenBy([&] {
                  for (const ct::Card& c : s().computerHand.cards)
                      s().talon.append(c.suit, c.rank);
                  s().computerHand.cards.clear();
              }),
              1u);
    EXPECT_EQ(brokenBy([&] { s().talon.append(H, 10); }), 1u);   // a card twice
    EXPECT_EQ(brokenBy([&] { s().humanScore = 50; game().consistencyViolations(); s().humanScore = 40; }), 1u);
    EXPECT_EQ(brokenBy([&] { s().suitChoicePending = 1; }), 1u);
}

} // namespace
} // namespace trevallo_test
