// The Statistics dialog procedure: "Clear" written at once and kept through Cancel, and centring
// (the dialog's lines and Clear followed by OK show in every program's statistics replays).
#include "shell/statistics_dialog.hpp"

#include "dialogs/dialog_fakes.hpp"

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

} // namespace
