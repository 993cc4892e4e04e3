// The Trevallo program in-process: taps drive plays, suit choice, draws and passes; whole games
// under every rule switch keep the rule invariants after each event.
#include "trevallo_fixture.hpp"

#include "trevallo/strings.hpp"
#include "trevallo/table.hpp"

#include "platform/density.hpp"
#include "cards/status_line.hpp"

#include <random>

namespace trevallo_test {
namespace {

using namespace trevallo;

class FlowTest : public ::testing::Test {
protected:
    void SetUp() override { program = std::make_unique<Program>(); }
    TrevalloState& s() { return program->game.gameState(); }
    void tapAt(int x, int y)
    {
        program->window.sendMessage(ct::msg::stylusDown, 0, ct::pointParam(x, y));
        program->window.sendMessage(ct::msg::stylusUp, 0, ct::pointParam(x, y));
    }
    void tap(const ct::Rect& design)
    {
        const ct::Rect r = ct::scaleRect(design);
        tapAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void tapCard(int suit, int rank)
    {
        for (const ct::Card& c : s().humanHand.cards)
            if (c.suit == suit && c.rank == rank) {
                tapAt(c.bounds.left + 4, c.bounds.top + 4);
                return;
            }
        FAIL() << "no such card in the hand";
    }
    std::string status() const { return ct::statusLine().text() != nullptr ? ct::statusLine().text() : ""; }
    void load(const nlohmann::json& j) { program->game.load(j); }
    std::vector<std::string> violations() const { return program->game.consistencyViolations(); }

    std::unique_ptr<Program> program;
};

// A position: the given hands and pile, every other card in the talon.
nlohmann::json position(const Cards& human, const Cards& computer, const Cards& pile, int suit)
{
    Cards talon;
    for (int su = 1; su <= 4; ++su)
        for (int r = 6; r <= 14; ++r) {
            const std::pair<int, int> c{su, r};
            if (std::find(human.begin(), human.end(), c) == human.end()
                && std::find(computer.begin(), computer.end(), c) == computer.end()
                && std::find(pile.begin(), pile.end(), c) == pile.end())
                talon.push_back(c);
        }
    return {{"humanHand", cardsJson(human)}, {"computerHand", cardsJson(computer)}, {"discardPile", cardsJson(pile)},
            {"talon", cardsJson(talon)}, {"currentSuit", suit}, {"computerToMove", 0}, {"suitChoicePending", 0},
            {"mayPass", 0}, {"drawnThisTurn", 0}};
}

TEST_F(FlowTest, QueenSuitChoiceByButtonsThenTheComputerMoves)
{
    s().passAfterQueen = 1;
    load(position({{S, Q}, {H, 8}, {D, 9}}, {{C, 8}, {C, 9}, {H, 10}}, {{H, 9}}, H));
    tapCard(S, Q);
    tap(area::discardArea);
    EXPECT_EQ(s().suitChoicePending, 1);
    EXPECT_EQ(s().currentSuit, S);
    EXPECT_EQ(status(), "You should select suit");
    // Neither play nor draw while the suit is open.
    tapCard(H, 8);
    tap(area::discardArea);
    tap(area::drawButton);
    EXPECT_EQ(s().humanHand.count(), 2);
    EXPECT_EQ(status(), "You should select suit");
    tap(area::suitButtons[2]);   // clubs
    EXPECT_EQ(s().suitChoicePending, 0);
    // The computer followed clubs at once and passed the move back.
    EXPECT_EQ(s().discardPile.last().suit, C);
    EXPECT_EQ(s().computerToMove, 0);
    EXPECT_EQ(violations(), std::vector<std::string>{});
}

TEST_F(FlowTest, QueenPlayedOverWithoutPassAfterQueen)
{
    s().passAfterQueen = 0;
    load(position({{S, Q}, {S, 8}, {D, 9}}, {{C, 8}, {C, 9}, {H, 10}}, {{H, 9}}, H));
    tapCard(S, Q);
    tap(area::discardArea);
    tapCard(S, 8);
    tap(area::discardArea);
    EXPECT_EQ(s().suitChoicePending, 0);
    ASSERT_GE(s().plays.size(), 2u);
    EXPECT_EQ(std::make_pair(s().plays[1].suit, s().plays[1].rank), std::make_pair(S, 8));
    EXPECT_EQ(s().plays[1].topRank, Q);
    EXPECT_EQ(violations(), std::vector<std::string>{});
}

TEST_F(FlowTest, SevenGivesOneCardAndTheHumanMovesAgain)
{
    load(position({{H, 7}, {S, 8}, {D, 9}}, {{C, 8}, {C, 9}}, {{H, 9}}, H));
    ct::statusLine().clear();
    tapCard(H, 7);
    tap(area::discardArea);
    EXPECT_EQ(s().computerHand.count(), 3);
    EXPECT_EQ(s().computerToMove, 0);
    EXPECT_EQ(status(), "");
    // The same card double-tapped is refused and nothing else changes.
    s().mayPass = 1;
    program->window.sendMessage(ct::msg::doubleTap, 0,
                                ct::pointParam(s().humanHand.at(1).bounds.left + 3, s().humanHand.at(1).bounds.top + 3));
    EXPECT_EQ(status(), "Bad card selected");
    EXPECT_EQ(s().mayPass, 1);
    EXPECT_EQ(s().humanHand.count(), 2);
}

TEST_F(FlowTest, ComputerChainAfterAceAndSevenEndsTheRound)
{
    s().humanScore = 0;
    load(position({{H, 10}, {S, 8}, {D, 9}}, {{H, A}, {H, 7}, {H, 8}}, {{H, 9}}, H));
    tapCard(H, 10);
    tap(area::discardArea);
    // Ace, 7 (the human takes one), 8: the computer's hand is empty and the round is over.
    ASSERT_FALSE(program->window.boxes.empty());
    EXPECT_EQ(program->window.boxes.back(), "I win this round!");
    // The 7 gave the human the talon's top card, the ace of spades: 11 points; 8 and 9 score 0.
    EXPECT_EQ(s().humanScore, 11);
    EXPECT_EQ(s().nextStarter, 1);
    EXPECT_EQ(violations(), std::vector<std::string>{});   // a new round runs
    // The computer leads it; nothing of the finished round's chain moved on into it, so only
    // cards that keep the move may come before its last one.
    ASSERT_FALSE(s().plays.empty());
    for (std::size_t i = 0; i + 1 < s().plays.size(); ++i) {
        const int r = s().plays[i].rank;
        EXPECT_TRUE(r == 6 || r == 7 || r == A || r == Q) << "play " << i << " rank " << r;
    }
}

TEST_F(FlowTest, EndlessPassingNeitherRecursesNorChangesTheCards)
{
    // Nobody holds a heart and the talon cannot be refilled: both can only pass.
    nlohmann::json p = position({{S, 8}, {D, 9}}, {{C, 8}, {C, 9}}, {{H, 9}}, H);
    p["talon"] = nlohmann::json::array();
    load(p);
    for (int i = 0; i < 300; ++i)
        tap(area::drawButton);
    EXPECT_LE(program->window.deepest, 2);
    EXPECT_EQ(s().humanHand.count(), 2);
    EXPECT_EQ(s().computerHand.count(), 2);
    EXPECT_EQ(s().discardPile.count(), 1);
    // New still starts a fresh game.
    program->window.sendMessage(ct::msg::command, ct::command::newGame, 0);
    EXPECT_EQ(s().humanHand.count() + s().computerHand.count() + s().talon.count() + s().discardPile.count(), 36);
}

TEST_F(FlowTest, TheRuleChecksSeeBrokenPositions)
{
    load(position({{H, 10}, {S, 8}}, {{C, 8}, {C, 9}}, {{H, 9}}, H));
    ASSERT_EQ(violations(), std::vector<std::string>{});
    const auto brokenBy = [&](auto&& breakIt) {
        load(position({{H, 10}, {S, 8}}, {{C, 8}, {C, 9}}, {{H, 9}}, H));
        violations();
        breakIt();
        return violations().size();
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
    EXPECT_EQ(brokenBy([&] { s().talon.append(H, 10); }), 2u);   // twice, and 37 cards
    EXPECT_EQ(brokenBy([&] { s().humanScore = 50; violations(); s().humanScore = 40; }), 1u);
    EXPECT_EQ(brokenBy([&] { s().suitChoicePending = 1; }), 1u);
}

TEST_F(FlowTest, WholeGamesUnderEverySwitchKeepTheInvariants)
{
    for (int switches = 0; switches < 8; ++switches) {
        s().oneCardThenPass = switches & 1;
        s().rankAndSuitPlay = (switches >> 1) & 1;
        s().passAfterQueen = (switches >> 2) & 1;
        program->window.sendMessage(ct::msg::command, ct::command::newGame, 0);
        std::mt19937 random(static_cast<unsigned>(switches + 1));
        const auto gamesBefore = s().gameNumber;
        for (int event = 0; event < 6000 && s().gameNumber < gamesBefore + 2; ++event) {
            const auto targets = program->game.monkeyTargets();
            const ct::Rect r = targets[random() % targets.size()];
            const int x = (r.left + r.right) / 2;
            const int y = (r.top + r.bottom) / 2;
            if (random() % 4 == 0)
                program->window.sendMessage(ct::msg::doubleTap, 0, ct::pointParam(x, y));
            else
                tapAt(x, y);
            const auto broken = violations();
            ASSERT_EQ(broken, std::vector<std::string>{}) << "switches " << switches << " event " << event;
        }
        EXPECT_GE(s().gameNumber, gamesBefore + 2) << "switches " << switches;
    }
    EXPECT_LT(program->window.deepest, 60);
}

} // namespace
} // namespace trevallo_test
