// The computer's choice of card and its turn: rule order, arrival order, drawing and passing.
#include "trevallo_fixture.hpp"

#include "trevallo/computer_player.hpp"

namespace trevallo_test {
namespace {

using namespace trevallo;

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

} // namespace
} // namespace trevallo_test
