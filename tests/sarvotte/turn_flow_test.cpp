// What a transcript cannot show: the table during the computer's pause, the win stored before
// its box opens, and the computer ending a game it cannot move in.
#include "sarvotte_fixture.hpp"

using namespace sarvotte;
using namespace sarvotte_test;

namespace {

// A tap beside the cards: on the table below the row, above the status line.
const ct::Rect beside{100, 170, 101, 171};

} // namespace

TEST_F(GameTest, AfterTheHumansMoveTheComputerShowsItsMoveSelectedThenMakesIt)
{
    // The human covers spades 9 (9 points); the computer then covers the queen of hearts with
    // hearts 4, three places left (12), rather than its neighbour, hearts 2.
    position({{H, Q}, {S, 9}, {C, 9}, {H, 2}, {H, 4}}, {{S, 3}});
    int selectedDuringPause = 0;
    window().onEvent = [&](const nlohmann::json& e) {
        if (e.value("event", "") != "pause")
            return;
        for (const ct::Card& c : s().cardRow.cards)
            selectedDuringPause += c.selected;
        // The table as it stands on screen during the pause, for looking at.
        window().canvas().savePng(std::string(SARVOTTE_SHOT_DIR) + "/computer_move_96.png");
    };
    tapRowCard(2);
    tapRowCard(1);
    EXPECT_EQ(s().computerScore, Q);
    EXPECT_EQ(selectedDuringPause, 2);
    EXPECT_EQ(window().eventNames(), std::vector<std::string>{"pause"});
    EXPECT_EQ(cardsOf(s().cardRow), (Cards{{H, 4}, {C, 9}, {H, 2}}));
    EXPECT_EQ(s().cardRow.firstSelected(), 0) << "nothing selected";
}

TEST_F(GameTest, TheWinIsStoredBeforeItsBoxOpens)
{
    for (const auto& [computer, human, name] : {std::tuple{20, 13, "statc"}, std::tuple{5, 6, "statu"}}) {
        position({{H, 8}, {S, 1}, {C, 2}}, {}, {{"computerScore", computer}, {"humanScore", human}});
        std::uint32_t storedAtBox = 0;
        window().onEvent = [&, name = name](const nlohmann::json& e) {
            if (e.value("event", "") == "msgbox")
                storedAtBox = stored(name);
        };
        tapDesign(beside);
        EXPECT_EQ(storedAtBox, 1u) << name;
    }
}

TEST_F(GameTest, TheComputerEndsTheGameWhenItHasNoMoveAndNoStock)
{
    position({{H, 8}, {S, 1}}, {}, {{"humanScore", 3}});
    window().sendMessage(ct::msg::game, step::computerTurn, 0);
    EXPECT_EQ(window().count("box You win!"), 1);
    EXPECT_EQ(status(), "") << "the computer's end shows no status text";
}
