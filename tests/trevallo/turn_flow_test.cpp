// The rule checks random play relies on: each kind of broken position is seen, and only as itself.
#include "trevallo_fixture.hpp"

namespace trevallo_test {
namespace {

using namespace trevallo;

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
