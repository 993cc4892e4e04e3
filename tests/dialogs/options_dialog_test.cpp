// The Options dialog procedure: the order of what OK restarts and writes, and what it must not
// write. What OK stores, what Cancel keeps and the switches that restart a game are pinned by
// every program's options replays.
#include "shell/options_dialog.hpp"

#include "dialogs/dialog_fakes.hpp"
#include "dialogs/sample_programs.hpp"

#include <gtest/gtest.h>

namespace {

using OptionsDialog = dialog_test::DialogFixture;

TEST_F(OptionsDialog, ChangedTypeRestartsOnceBeforeTheListsAndTypeAreStoredUnchangedNever)
{
    dialog_test::TypeProgram program{shell};
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

TEST_F(OptionsDialog, OkWithoutTouchingTheListsKeepsBackAndColourUnwritten)
{
    dialog_test::TypeProgram program{shell};
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
TEST_F(OptionsDialog, NonZeroSwitchShowsTickedAndAConstantIsWrittenOnOk)
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

} // namespace
