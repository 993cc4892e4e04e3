// The rule checks random play relies on: each kind of broken position is seen, and only as itself.
#include "trevallo_fixture.hpp"

#include <algorithm>

namespace trevallo_test {
namespace {

using namespace trevallo;

class FlowTest : public ::testing::Test {
protected:
    void SetUp() override { program = std::make_unique<Program>(); }
    TrevalloState& s() { return program->game.gameState(); }
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
    EXPECT_EQ(brokenBy([&] { s().talon.append(H, 10); }), 1u);   // a card twice
    EXPECT_EQ(brokenBy([&] { s().humanScore = 50; violations(); s().humanScore = 40; }), 1u);
    EXPECT_EQ(brokenBy([&] { s().suitChoicePending = 1; }), 1u);
}

} // namespace
} // namespace trevallo_test
