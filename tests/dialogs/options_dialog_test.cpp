// The Options dialog procedure over sample programs: what OK stores, writes and restarts, in
// which order, and that cancel leaves everything as it was.
#include "shell/options_dialog.hpp"

#include "dialogs/dialog_fakes.hpp"
#include "dialogs/sample_programs.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using OptionsDialog = dialog_test::DialogFixture;

TEST_F(OptionsDialog, OkStoresAndWritesEveryValueOfTheDialog)
{
    dialog_test::TypeProgram program{shell};
    EXPECT_EQ(run(program.options(),
                  [](ct::Dialog& d) {
                      for (int box : {1011, 1008, 1014})
                          EXPECT_EQ(d.check(box, 1), "");
                      EXPECT_EQ(d.select(1015, 4), "");
                      EXPECT_EQ(d.select(1006, 3), "");
                      EXPECT_EQ(d.select(1003, 2), "");
                      EXPECT_EQ(d.ok(), "");
                  }),
              1);
    // The program's variables and the shell's indices.
    EXPECT_EQ(program.type, 4);
    EXPECT_EQ(program.cidc, 1);
    EXPECT_EQ(program.wc, 1);
    EXPECT_EQ(program.spread, 5);
    EXPECT_EQ(shell.colorIndex, 3);
    EXPECT_EQ(shell.backIndex, 2);
    EXPECT_EQ(program.backsGiven, std::vector<int>{2});
    EXPECT_EQ(shell.fakeWindow.invalidatedAll, 1);
    // The store, read back as the next start would.
    for (auto [name, value] : {std::pair{"type", 4u}, {"cidc", 1u}, {"wc", 1u}, {"hidev", 5u}, {"blackbg", 3u}, {"back", 2u}})
        EXPECT_EQ(stored(name), value) << name;
}

TEST_F(OptionsDialog, OkWithoutTouchingTheListsKeepsBackAndColourUnwritten)
{
    dialog_test::TypeProgram program{shell};
    shell.colorIndex = 2;
    shell.backIndex = 3;
    EXPECT_EQ(run(program.options(), [](ct::Dialog& d) { EXPECT_EQ(d.ok(), ""); }), 1);
    EXPECT_EQ(shell.colorIndex, 2);
    EXPECT_EQ(shell.backIndex, 3);
    EXPECT_TRUE(program.backsGiven.empty());
    // Neither is written: a write would have put 2 and 3 into the empty store.
    EXPECT_EQ(stored("blackbg"), 0u);
    EXPECT_EQ(stored("back"), 0u);
}

TEST_F(OptionsDialog, OkWritesUnchangedAndConstantValuesToo)
{
    dialog_test::SwitchProgram program{shell};
    program.one = 1;
    // A stale stored value that no longer matches the variable: OK overwrites it.
    shell.settings().write("range", 7);
    run(program.options(), [](ct::Dialog& d) { d.ok(); });
    EXPECT_EQ(stored("hidev"), 4u);   // clear box: 4, even though the variable was 0
    EXPECT_EQ(stored("one"), 1u);
    EXPECT_EQ(stored("range"), 0u);
    EXPECT_TRUE(program.events.empty());

    // A value without a control is written as its constant on every OK.
    dialog_test::ConstantProgram constant;
    shell.settings().write("wc", 1);
    run(constant.options(), [](ct::Dialog& d) { d.ok(); });
    EXPECT_EQ(constant.wc, 0);
    EXPECT_EQ(stored("wc"), 0u);
}

TEST_F(OptionsDialog, CancelStoresNothing)
{
    dialog_test::TypeProgram program{shell};
    program.type = 1;
    shell.colorIndex = 1;
    shell.backIndex = 1;
    EXPECT_EQ(run(program.options(),
                  [](ct::Dialog& d) {
                      d.check(1011, 1);
                      d.check(1014, 1);
                      d.select(1015, 5);
                      d.select(1003, 4);
                      d.select(1006, 4);
                      EXPECT_EQ(d.cancel(), "");
                  }),
              2);
    EXPECT_EQ(program.type, 1);
    EXPECT_EQ(program.cidc, 0);
    EXPECT_EQ(program.spread, 4);
    EXPECT_EQ(shell.colorIndex, 1);
    EXPECT_EQ(shell.backIndex, 1);
    EXPECT_TRUE(program.backsGiven.empty());
    EXPECT_TRUE(shell.fakeWindow.gameMessages.empty());
    EXPECT_EQ(shell.fakeWindow.invalidatedAll, 0);
    EXPECT_FALSE(std::filesystem::exists(database)) << "nothing was written: the store was never even created";
}

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
        d.ok();
    });
    EXPECT_EQ(shell.fakeWindow.gameMessages, std::vector<std::uintptr_t>{0});
    EXPECT_EQ(backAtRestart, 0);          // the new game came before the back was stored
    EXPECT_EQ(typeStoredAtRestart, 0u);   // and before "type" was written
    EXPECT_EQ(program.transfer, 1);
    EXPECT_EQ(shell.fakeWindow.title(), "Bulk. Transfer");
    EXPECT_EQ(stored("type"), 3u);
    EXPECT_EQ(shell.backIndex, 4);

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

TEST_F(OptionsDialog, EachChangedSwitchRestartsInTurnAndUnchangedOnesDoNot)
{
    dialog_test::SwitchProgram program{shell};
    program.range = 1;
    std::vector<std::pair<int, int>> seenAtRestart;   // ("one", "q") as each new game started
    shell.fakeWindow.onGameMessage = [&](std::uintptr_t) { seenAtRestart.emplace_back(program.one, program.q); };
    run(program.options(), [](ct::Dialog& d) {
        d.check(1013, 1);   // one: 0 -> 1
        d.check(1016, 1);   // q: 0 -> 1; range stays 1
        d.check(1012, 1);   // hidev never restarts
        d.ok();
    });
    EXPECT_EQ(program.events, (std::vector<std::string>{"restart after one", "restart after q"}));
    // The first new game started before "q" was read; the second is the one that stays.
    EXPECT_EQ(seenAtRestart, (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}}));
    EXPECT_EQ(program.scores, 0);
    EXPECT_EQ(program.spread, 5);

    // Switches ticked when non-zero: a value stored by hand as 2 is "on", and OK stores the box
    // as it stands, 1. That changes the stored value, so a new game; the next OK changes nothing.
    dialog_test::PatienceProgram patience{shell};
    patience.sol = 2;
    nlohmann::json state;
    shell.fakeWindow.gameMessages.clear();
    run(patience.options(), [&](ct::Dialog& d) {
        state = d.state();
        d.ok();
    });
    EXPECT_EQ(state["controls"][3]["checked"], 1);
    EXPECT_EQ(state["controls"][4]["checked"], 0);
    EXPECT_EQ(patience.sol, 1);
    EXPECT_EQ(shell.fakeWindow.gameMessages.size(), 1u);
    run(patience.options(), [](ct::Dialog& d) { d.ok(); });
    EXPECT_EQ(shell.fakeWindow.gameMessages.size(), 1u);
}

} // namespace
