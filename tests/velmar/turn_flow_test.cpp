// The Velmar turn flow where a transcript cannot see it: the order of saving and showing a win,
// a check that no tap can reach, and what a button tap repaints. Everything else a tap does is
// pinned by the golden replays in tests/replays/velmar.
#include "velmar_fixture.hpp"

#include "velmar/table.hpp"

#include "cards/status_line.hpp"
#include "platform/density.hpp"

using namespace velmar_test;
using nlohmann::json;
namespace area = velmar::area;

namespace {

json stockOf(const Cards& cards) { return {{"cards", cardsJson(cards)}}; }

class TurnFlow : public GameTest {};

} // namespace

// The win is saved before the box is shown: closing the program from the box loses nothing.
TEST_F(TurnFlow, AWinIsSavedBeforeItsBoxIsShown)
{
    load({{"trumpCard", trumpJson(H, A, 1)}, {"deck", stockOf({})}, {"humanRow", cardsJson({{C, 7}})},
              {"computerRow", cardsJson({{C, 9}})}, {"humanHand", cardsJson({{D, 8}, {S, 10}})},
              {"computerHand", cardsJson({{S, K}})}, {"computerAttacks", 0}, {"computerOpened", 0},
              {"computerWins", 4}});
    std::uint32_t savedAtBox = 0;
    window().onEvent = [&](const json& e) {
        if (e["event"] == "msgbox")
            savedAtBox = stored("statc");
    };
    tapDesign(area::actionButton);
    ASSERT_EQ(window().boxes().size(), 1u);
    EXPECT_EQ(savedAtBox, 1u);   // counted in the (empty) store, not from the loaded in-memory 4
}

TEST_F(TurnFlow, BothHandsEmptyAtOnceIsTheComputersWin)
{
    load({{"trumpCard", trumpJson(H, A, 1)}, {"deck", stockOf({})}, {"humanHand", cardsJson({{C, 7}})},
              {"computerHand", cardsJson({{D, 8}})}, {"computerAttacks", 0}});
    // No play empties both hands at one check; the rule still holds for the check itself.
    s().humanHand.clear();
    s().computerHand.clear();
    game().gameMessage(velmar::step::computerDefends);
    ASSERT_EQ(window().boxes().size(), 1u);
    EXPECT_EQ(window().boxes()[0]["text"], "I win!");
    EXPECT_EQ(s().computerWins, 1);
    EXPECT_EQ(s().humanWins, 0);
}

TEST_F(TurnFlow, ActionButtonOnAnEmptyTableOnlyShowsItPressed)
{
    // A fresh deal the human opens.
    ASSERT_TRUE(s().humanRow.empty() && s().computerRow.empty());
    ASSERT_EQ(s().computerAttacks, 0);
    const json before = game().state();
    const ct::Rect r = ct::scaleRect(area::actionButton);
    game().stylusDown(r.left + 1, r.top + 1);
    EXPECT_EQ(s().buttonPressed, 1);
    window().paintIfInvalid();
    game().stylusUp(r.left + 1, r.top + 1);
    EXPECT_EQ(s().buttonPressed, 0);
    EXPECT_EQ(game().state(), before);
    EXPECT_EQ(window().invalidArea(), r);   // the button alone is drawn again
}

