// The shared Options and Statistics dialog procedures: what the programs' options and statistics
// replays cannot show (the order of OK's restart and writes, what must not be written, centring).
#include "shell/options_dialog.hpp"
#include "shell/statistics_dialog.hpp"

#include "dialogs/dialog_fakes.hpp"

#include <gtest/gtest.h>

namespace {

using ct::ControlKind;

// Options shaped like Velmar's: a game type whose change restarts the game and sets the title,
// two check boxes, the card backs.
struct TypeProgram {
    ct::Shell& shell;
    int type = 0;
    int cidc = 0;
    int wc = 0;
    int transfer = 0;
    std::vector<int> backsGiven{};
    std::vector<std::string> names{"Thrown up", "Thrown up. Transfer", "Bulk", "Bulk. Transfer", "Japanese",
                                   "Japanese. Transfer"};

    ct::OptionsDescription options()
    {
        ct::OptionsDescription d;
        d.width = 124;
        d.height = 120;
        d.colorListId = 1006;
        d.controls = {{1011, ControlKind::checkBox, "Show the number of cards left", 3, 61, 118, 10},
                      {1008, ControlKind::checkBox, "Double tap for play", 3, 73, 118, 10},
                      {ct::dlg::idStatic, ControlKind::staticText, "Game type", 3, 88, 40, 10},
                      {1015, ControlKind::comboBox, "", 45, 86, 77, 60}};
        auto typeChanged = [this] {
            shell.sendGameMessage(0);
            transfer = type % 2;
            shell.window().setTitle(names[static_cast<std::size_t>(type)]);
        };
        d.values = {ct::comboOption(1015, "type", &type, names, typeChanged), ct::checkOption(1011, "cidc", &cidc),
                    ct::checkOption(1008, "wc", &wc)};
        d.setBack = [this](int back) { backsGiven.push_back(back); };
        return d;
    }
};

using SharedDialog = dialog_test::DialogFixture;

TEST_F(SharedDialog, OptionsChangedTypeRestartsOnceBeforeTheListsAndTypeAreStoredUnchangedNever)
{
    TypeProgram program{shell};
    shell.settings().write("type", 0);
    int backAtRestart = -1;
    std::uint32_t typeStoredAtRestart = 99;
    shell.fakeWindow.onGameMessage = [&](std::uintptr_t) {
        backAtRestart = shell.backIndex;
        typeStoredAtRestart = stored("type");
    };
    run(program.options(), [](ct::Dialog& d) {
        d.select(1015, 3);
        d.select(1003, 4);
        d.check(1011, 1);
        d.ok();
    });
    EXPECT_EQ(shell.fakeWindow.gameMessages, std::vector<std::uintptr_t>{0});
    EXPECT_EQ(backAtRestart, 0);          // the new game came before the back was stored
    EXPECT_EQ(typeStoredAtRestart, 0u);   // and before "type" was written
    EXPECT_EQ(program.transfer, 1);
    EXPECT_EQ(shell.fakeWindow.title(), "Bulk. Transfer");
    EXPECT_EQ(stored("type"), 3u);
    EXPECT_EQ(stored("back"), 4u);
    EXPECT_EQ(stored("cidc"), 1u);
    EXPECT_EQ(stored("wc"), 0u) << "a clear box untouched is stored clear";

    // Chosen and chosen back again: no change, no new game, "type" written all the same.
    shell.fakeWindow.gameMessages.clear();
    shell.settings().write("type", 0);
    run(program.options(), [](ct::Dialog& d) {
        d.select(1015, 5);
        d.select(1015, 3);
        d.ok();
    });
    EXPECT_TRUE(shell.fakeWindow.gameMessages.empty());
    EXPECT_EQ(stored("type"), 3u);

    // A damaged stored type leaves the combo box without a selection; OK must not store -1.
    program.type = 9;
    nlohmann::json combo;
    run(program.options(), [&](ct::Dialog& d) {
        combo = d.state()["controls"][6];
        d.ok();
    });
    EXPECT_EQ(combo["selection"], -1);
    EXPECT_EQ(program.type, 9);
    EXPECT_TRUE(shell.fakeWindow.gameMessages.empty());
    EXPECT_EQ(stored("type"), 9u);
}

TEST_F(SharedDialog, OptionsOkWithoutTouchingTheListsKeepsBackAndColourUnwritten)
{
    TypeProgram program{shell};
    shell.colorIndex = 2;
    shell.backIndex = 3;
    EXPECT_EQ(run(program.options(), [](ct::Dialog& d) { EXPECT_EQ(d.ok(), ""); }), 1);
    EXPECT_EQ(shell.colorIndex, 2);
    EXPECT_TRUE(program.backsGiven.empty());
    // Neither is written: a write would have put 2 and 3 into the empty store.
    EXPECT_EQ(stored("blackbg"), 0u);
    EXPECT_EQ(stored("back"), 0u);
}

// What the programs' replays cannot reach: a switch stored as 2 (their start-up turns any
// non-zero value into 1) and a value without a control, written as its constant on every OK.
TEST_F(SharedDialog, OptionsNonZeroSwitchShowsTickedAndAConstantIsWrittenOnOk)
{
    int sol = 2;
    int wc = 1;
    ct::OptionsDescription d;
    d.controls = {{1017, ct::ControlKind::checkBox, "Patience mode", 3, 62, 118, 10}};
    d.values = {ct::checkOption(1017, "sol", &sol), ct::constantOption("wc", &wc, 0)};
    d.values[0].tickWhenNonZero = true;
    shell.settings().write("wc", 1);
    run(d, [](ct::Dialog& dialog) {
        EXPECT_EQ(dialog.isChecked(1017), 1);
        dialog.ok();
    });
    EXPECT_EQ(stored("sol"), 1u);
    EXPECT_EQ(wc, 0);
    EXPECT_EQ(stored("wc"), 0u);
}

// Statistics: "Clear" written at once and kept through Cancel, and centring (the dialog's lines
// and Clear followed by OK show in every program's statistics replays).
TEST_F(SharedDialog, StatisticsClearIsWrittenAtOnceCancelKeepsItAndTheDialogIsCentred)
{
    int statc = 12, statu = 30, clearedCalls = 0;
    shell.settings().write("statc", 12);
    shell.settings().write("statu", 30);
    ct::StatisticsDescription d;
    d.countsId = 1005;
    d.clearId = 1012;
    d.counts = {{"Computer", "statc", &statc}, {"Human ", "statu", &statu}};
    d.cleared = [&] { ++clearedCalls; };
    std::string shownAfterClear;
    std::uint32_t storedDuringDialog = 99;
    EXPECT_EQ(run(d,
                  [&](ct::Dialog& dialog) {
                      EXPECT_EQ(dialog.click(1012), "");
                      shownAfterClear = dialog.text(1005);
                      storedDuringDialog = stored("statc") + stored("statu");
                      EXPECT_FALSE(dialog.ended());   // Clear leaves the dialog open
                      dialog.cancel();
                  }),
              2);
    EXPECT_EQ(shownAfterClear, "0\n0");
    EXPECT_EQ(storedDuringDialog, 0u);
    EXPECT_EQ(clearedCalls, 1);
    EXPECT_EQ(statc + statu, 0);
    EXPECT_EQ(stored("statc") + stored("statu"), 0u);

    // Over the client area (240 x 294, the table without the menu bar), not the whole screen,
    // and never off its top left.
    const ct::Rect& frame = shell.fakeWindow.lastFrame;
    EXPECT_EQ(frame.width(), ct::dialogUnitsToPixelsX(111) + 2);
    EXPECT_EQ(frame.left, (240 - frame.width()) / 2);
    EXPECT_EQ(frame.top, (294 - frame.height()) / 2);
    shell.fakeWindow.client = {100, 20};
    run(d, {});
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
}

} // namespace
