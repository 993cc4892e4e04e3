// The turn flow's decisions: the tap sequences, the stock, the computer's visible turn, the end
// of a game with its messages and tally, and the patience record (also after "Clear").
#include "sarvotte_fixture.hpp"

#include "sarvotte/table.hpp"

#include "shell/statistics_dialog.hpp"

using namespace sarvotte;
using namespace sarvotte_test;

namespace {

const char* const noVariants = "There are no possible variants!";
// A tap beside the cards: on the table below the row, above the status line.
const ct::Rect beside{100, 170, 101, 171};

} // namespace

TEST_F(GameTest, TapsSelectDeselectAndMoveOnlyOntoOneOrThreePlacesLeft)
{
    // No computer in the way: patience mode keeps the row as the human leaves it.
    position({{S, 9}, {H, 5}, {S, 2}, {C, 9}, {D, 1}}, {{S, 3}, {S, 4}}, {{"patienceMode", 1}});
    tapCard(4);
    EXPECT_EQ(selectedIndex(), 4);
    tapCard(4);
    EXPECT_EQ(selectedIndex(), -1) << "a second tap deselects";
    tapCard(2);
    tapCard(0);
    EXPECT_EQ(selectedIndex(), 0) << "same suit two places left only moves the selection";
    tapCard(3);
    tapCard(2);               // clubs 9 and spades 2 do not match
    EXPECT_EQ(selectedIndex(), 2);
    EXPECT_EQ(row().size(), 5u);
    tapCard(0);               // the target first, then the card to move, then the target again
    tapCard(3);
    EXPECT_EQ(selectedIndex(), 3);
    EXPECT_EQ(row().size(), 5u);
    tapCard(0);
    EXPECT_EQ(row(), (Cards{{C, 9}, {H, 5}, {S, 2}, {D, 1}}));
    EXPECT_EQ(s().humanScore, 9);
    EXPECT_EQ(selectedIndex(), -1);
    expectConsistent();
}

TEST_F(GameTest, AfterTheHumansMoveTheComputerShowsItsMoveSelectedThenMakesIt)
{
    // The human covers spades 9 (9 points); the computer then covers the queen of hearts with
    // hearts 4, three places left (12), rather than its neighbour, hearts 2.
    position({{H, Q}, {S, 9}, {C, 9}, {H, 2}, {H, 4}}, {{S, 3}});
    int selectedDuringPause = 0;
    window().setSink([&](const nlohmann::json& e) {
        window().events.push_back(e);
        if (e.value("event", "") != "pause")
            return;
        for (const ct::Card& c : s().cardRow.cards)
            selectedDuringPause += c.selected;
        // The table as it stands on screen during the pause, for looking at.
        window().canvas().savePng(std::string(SARVOTTE_SHOT_DIR) + "/computer_move_96.png");
    });
    tapCard(2);
    tapCard(1);
    EXPECT_EQ(s().humanScore, 9);
    EXPECT_EQ(s().computerScore, Q);
    EXPECT_EQ(selectedDuringPause, 2);
    EXPECT_EQ(window().eventNames(), std::vector<std::string>{"pause"});
    EXPECT_EQ(window().events[0].value("ms", 0), 1000);
    EXPECT_EQ(row(), (Cards{{H, 4}, {C, 9}, {H, 2}}));
    EXPECT_EQ(s().computerToMove, 0);
    EXPECT_EQ(selectedIndex(), -1);
    expectConsistent();
}

TEST_F(GameTest, TheComputerTakesOnlyTheStockCardsItNeedsEachWithAPause)
{
    // No move in the row; the stock's top cards (last first) are clubs 7, diamonds 10, then
    // diamonds 3, which matches diamonds 10 beside it: three cards, then the move.
    position({{H, 8}, {S, 1}}, {{S, K}, {D, 3}, {D, 10}, {C, 7}}, {{"computerToMove", 1}});
    window().sendMessage(0x0400, step::computerTurn, 0);
    EXPECT_EQ(window().count("pause"), 4) << "three cards and the move";
    EXPECT_EQ(s().stock.count(), 1);
    EXPECT_EQ(s().computerScore, -3 + 10);
    EXPECT_EQ(row(), (Cards{{H, 8}, {S, 1}, {C, 7}, {D, 3}}));
    EXPECT_EQ(s().computerToMove, 0);
    expectConsistent();
}

TEST_F(GameTest, AStockTapCostsAPointAndNeverEndsTheGame)
{
    position({{H, 8}, {S, 1}}, {{C, 5}});
    tapCard(0);
    tapDesign(area::stockArea);
    EXPECT_EQ(s().humanScore, -1);
    EXPECT_EQ(row(), (Cards{{H, 8}, {S, 1}, {C, 5}}));
    EXPECT_EQ(selectedIndex(), 0) << "the selection survives a stock card";
    EXPECT_EQ(status(), "") << "the last stock card taken: no judgement yet";
    EXPECT_EQ(window().count("box You win!") + window().count("box I win!") + window().count("box A draw!"), 0);
    EXPECT_EQ(s().computerToMove, 0) << "taking cards keeps the turn";
    tapDesign(area::stockArea);   // an empty stock: a tap beside the cards, which judges the end
    EXPECT_EQ(window().count("box I win!"), 1);
}

TEST_F(GameTest, TheEndOfATwoPlayerGameCountsSavesAndSetsWhoStartsNext)
{
    struct Case {
        int computer, human;
        const char* box;
        std::uint32_t statc, statu;
        int starter;   // computerToMove when the next game is dealt
    };
    for (const Case& c : {Case{20, 13, "box I win!", 1, 0, 1}, Case{5, 6, "box You win!", 1, 1, 0},
                          Case{7, 7, "box A draw!", 1, 1, 0}}) {
        position({{H, 8}, {S, 1}, {C, 2}}, {}, {{"computerScore", c.computer}, {"humanScore", c.human}});
        const std::uint64_t deal = s().dealNumber;
        tapDesign(beside);
        ASSERT_EQ(window().count(c.box), 1) << c.box;
        const nlohmann::json& box = window().events.front();
        EXPECT_EQ(box.value("caption", "x"), "");
        EXPECT_EQ(box.value("icon", ""), "information");
        EXPECT_EQ(stored("statc"), c.statc) << c.box;
        EXPECT_EQ(stored("statu"), c.statu) << c.box;
        EXPECT_EQ(s().dealNumber, deal + 1) << "a new game at once";
        // The computer, starting, has already moved (or taken cards) in the new game.
        EXPECT_EQ(window().count("pause") > 0, c.starter == 1) << c.box;
        EXPECT_EQ(s().humanScore, 0);
        expectConsistent();
    }
}

TEST_F(GameTest, TheComputerEndsTheGameWhenItHasNoMoveAndNoStock)
{
    position({{H, 8}, {S, 1}}, {}, {{"humanScore", 3}});
    window().sendMessage(0x0400, step::computerTurn, 0);
    EXPECT_EQ(window().count("box You win!"), 1);
    EXPECT_EQ(status(), "") << "the computer's end shows no status text";
}

TEST_F(GameTest, WithAllCardsTheStockTapTakesNothingAndTheEndIsJudged)
{
    // Everything dealt, nothing in the stock: a tap there is a tap beside the cards.
    s().allCards = 1;
    window().sendMessage(ct::msg::command, ct::command::newGame, 0);
    EXPECT_EQ(s().cardRow.count() + static_cast<int>(s().leftPlay.size()), 52);
    EXPECT_TRUE(s().stock.empty());
    position({{H, 8}, {S, 1}}, {}, {{"patienceMode", 1}});
    tapDesign(area::stockArea);
    EXPECT_EQ(status(), noVariants);
    EXPECT_EQ(s().bestPatience, 2);
}

TEST_F(GameTest, PatienceRecordsFallOnlyAndTheComputerNeverMoves)
{
    // Patience mode, and a computer that would move first: it never does.
    s().patienceMode = 1;
    s().computerToMove = 1;
    window().sendMessage(ct::msg::command, ct::command::newGame, 0);
    EXPECT_EQ(s().cardRow.count(), 1);
    EXPECT_EQ(window().count("pause"), 0);

    position({{H, 8}, {S, 1}, {C, 2}}, {{H, 5}}, {{"computerToMove", 1}});
    tapCard(0);
    tapCard(2);
    EXPECT_EQ(window().count("pause"), 0);
    tapDesign(area::stockArea);
    tapCard(3);
    tapCard(2);               // clubs 2 does not match hearts 5: it becomes the selection
    tapCard(3);
    tapCard(0);               // hearts 5 onto hearts 8, three places left
    EXPECT_EQ(row(), (Cards{{H, 5}, {S, 1}, {C, 2}}));
    EXPECT_EQ(status(), noVariants);
    EXPECT_EQ(s().bestPatience, 3);
    EXPECT_EQ(stored("cc"), 3u);
    EXPECT_EQ(s().computerToMove, 1) << "patience games leave it alone";

    tapDesign(beside);        // judged again: the status again, the record unchanged
    EXPECT_EQ(status(), noVariants);
    position({{H, 8}, {S, 1}, {C, 2}}, {});
    tapDesign(beside);        // an equal result does not replace the record
    EXPECT_EQ(s().bestPatience, 3);
    position({{H, 8}, {S, 1}, {C, 2}, {D, 4}}, {});
    tapDesign(beside);
    EXPECT_EQ(s().bestPatience, 3);
    expectConsistent();
}

TEST_F(GameTest, AfterClearTheNextPatienceGameSetsARecordShownAlikeBeforeAndAfterARestart)
{
    ct::ProgramShell& shell = program->shell;
    s().bestPatience = 7;
    const ct::StatisticsDescription stats = game().statisticsDialog();
    EXPECT_EQ(ct::statisticsText(shell, stats), "0\n0\n7");
    ct::Dialog dialog(ct::statisticsDialogTemplate(stats), nullptr);
    ct::statisticsDialogProcedure(shell, stats, dialog, ct::dlg::command, stats.clearId, 0);
    EXPECT_EQ(stored("cc"), 0u) << "0 is stored as no record";
    EXPECT_EQ(ct::statisticsText(shell, stats), "0\n0\n0");

    position({{H, 8}, {S, 1}, {C, 2}, {D, 4}, {C, 6}, {D, 12}}, {}, {{"patienceMode", 1}});
    tapDesign(beside);
    EXPECT_EQ(s().bestPatience, 6) << "a record can be set after Clear";
    EXPECT_EQ(stored("cc"), 6u);

    program->store.write(sarvotteKey, "cc", 0);
    restart();
    const ct::StatisticsDescription again = game().statisticsDialog();
    EXPECT_EQ(ct::statisticsText(program->shell, again), "0\n0\n0") << "no record, shown as after Clear";
    EXPECT_EQ(s().bestPatience, noRecord);
}
