// The Statistics dialog procedure: "Clear" written at once, centring, the default description
// bound to a game's variables (the dialog's lines show in the statistics replays).
#include "shell/statistics_dialog.hpp"

#include "dialogs/dialog_fakes.hpp"
#include "dialogs/sample_programs.hpp"
#include "shell/fake_game.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

class StatisticsDialog : public dialog_test::DialogFixture {
protected:
    int statc = 12;
    int statu = 30;
    ct::StatisticsDescription twoCounts()
    {
        ct::StatisticsDescription d;
        d.countsId = 1005;
        d.clearId = 1012;
        d.counts = {{"Computer", "statc", &statc}, {"Human ", "statu", &statu}};
        return d;
    }
};

TEST_F(StatisticsDialog, ClearWritesZerosAtOnceAndCancelDoesNotBringThemBack)
{
    shell.settings().write("statc", 12);
    shell.settings().write("statu", 30);
    std::string shownAfterClear;
    std::uint32_t storedDuringDialog = 99;
    int clearedCalls = 0;
    auto description = twoCounts();
    description.cleared = [&] { ++clearedCalls; };
    EXPECT_EQ(run(description,
                  [&](ct::Dialog& d) {
                      EXPECT_EQ(d.click(1012), "");
                      shownAfterClear = d.text(1005);
                      storedDuringDialog = stored("statc") + stored("statu");
                      EXPECT_FALSE(d.ended());   // Clear leaves the dialog open
                      EXPECT_EQ(d.cancel(), "");
                  }),
              2);
    EXPECT_EQ(shownAfterClear, "0\n0");
    EXPECT_EQ(storedDuringDialog, 0u);
    EXPECT_EQ(clearedCalls, 1);
    EXPECT_EQ(statc, 0);
    EXPECT_EQ(statu, 0);
    EXPECT_EQ(stored("statc"), 0u);
    EXPECT_EQ(stored("statu"), 0u);

    // A third count is cleared too.
    dialog_test::PatienceProgram program{shell};
    program.best = 17;
    shell.settings().write("cc", 17);
    std::string after;
    run(program.statistics(), [&](ct::Dialog& d) {
        d.click(1010);
        after = d.text(1004);
        d.ok();
    });
    EXPECT_EQ(after, "0\n0\n0");
    EXPECT_EQ(program.best, 0);
    EXPECT_EQ(stored("cc"), 0u);
}

TEST_F(StatisticsDialog, IsCentredOverTheTableAndNeverOffItsTopLeft)
{
    ct::Rect moved;
    auto look = [&](ct::Dialog& d) {
        moved = d.frame();
        d.ok();
    };
    run(twoCounts(), look);
    // Over the client area (240 x 294, the table without the menu bar), not the whole screen.
    EXPECT_EQ(moved.width(), ct::dialogUnitsToPixelsX(111) + 2);
    EXPECT_EQ(moved.left, (240 - moved.width()) / 2);
    EXPECT_EQ(moved.top, (294 - moved.height()) / 2);

    shell.fakeWindow.client = {100, 20};   // smaller than the dialog
    run(twoCounts(), look);
    EXPECT_EQ(moved.left, 0);
    EXPECT_EQ(moved.top, 0);
}

// The tally lines come from a settings list's tally rows in row order: bound to variables, or
// kept in the store alone (the default list).
TEST_F(StatisticsDialog, DescriptionFromTheSettingsListUsesVariablesOrTheStore)
{
    int statc = 5, statu = 6, other = 1;
    ct::SettingsList list;
    list.rows = {ct::stored("other", &other), ct::tally("statc", &statc, "Computer"), ct::tally("statu", &statu, "Human ")};
    const ct::StatisticsDescription d = ct::statisticsDescription(list);
    ASSERT_EQ(d.counts.size(), 2u);
    EXPECT_EQ(d.counts[0].variable, &statc);
    EXPECT_EQ(ct::statisticsText(shell, d), "5\n6");
    run(d, [](ct::Dialog& dialog) {
        dialog.click(1010);
        dialog.ok();
    });
    EXPECT_EQ(statc, 0);
    EXPECT_EQ(statu, 0);
    EXPECT_EQ(other, 1);

    shell.settings().write("statc", 8);
    shell.settings().write("statu", 9);
    const ct::StatisticsDescription storeOnly = ct::statisticsDescription(ct::defaultSettingsList());
    EXPECT_EQ(storeOnly.counts[0].variable, nullptr);
    EXPECT_EQ(ct::statisticsText(shell, storeOnly), "8\n9");
    run(storeOnly, [](ct::Dialog& dialog) { dialog.click(1010); });
    EXPECT_EQ(stored("statc"), 0u);
}

} // namespace
