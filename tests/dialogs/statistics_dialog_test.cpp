// The Statistics dialog procedure: the counts, "Clear" written at once, centring, the default
// description bound to a game's variables.
#include "shell/statistics_dialog.hpp"

#include "dialogs/dialog_fakes.hpp"
#include "dialogs/sample_programs.hpp"
#include "shell/game.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using dialog_test::FakeShell;
using dialog_test::ScratchDir;

class StatisticsDialog : public ::testing::Test {
protected:
    ScratchDir dir;
    std::filesystem::path database = dir.file("registry.sqlite3");
    FakeShell shell{database};
    int statc = 12;
    int statu = 30;

    std::uint32_t stored(const std::string& name)
    {
        ct::SettingsStore other(database);
        return other.read("Software\\qv\\test", name);
    }
    ct::StatisticsDescription twoCounts()
    {
        ct::StatisticsDescription d;
        d.countsId = 1005;
        d.clearId = 1012;
        d.counts = {{"Computer", "statc", &statc}, {"Human ", "statu", &statu}};
        return d;
    }
    int run(const ct::StatisticsDescription& description, std::function<void(ct::Dialog&)> user)
    {
        shell.fakeWindow.user = std::move(user);
        return ct::runStatisticsDialog(shell, description);
    }
};

TEST_F(StatisticsDialog, ShowsLabelsColonsAndCountsOnePerLine)
{
    nlohmann::json state;
    EXPECT_EQ(run(twoCounts(),
                  [&](ct::Dialog& d) {
                      state = d.state();
                      d.ok();
                  }),
              1);
    EXPECT_EQ(state["template"], 131);
    EXPECT_EQ(state["title"], "Statistics");
    const auto& c = state["controls"];
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0]["text"], "Computer\nHuman ");
    EXPECT_EQ(c[1]["text"], ":\n:");
    EXPECT_EQ(c[2]["id"], 1005);
    EXPECT_EQ(c[2]["text"], "12\n30");
    EXPECT_EQ(c[3], (nlohmann::json{{"id", 1012}, {"kind", "button"}, {"text", "Clear"}}));
}

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

TEST_F(StatisticsDialog, ThirdCountHasItsOwnLineAndIsClearedToo)
{
    dialog_test::PatienceProgram program{shell};
    program.statc = 3;
    program.statu = 4;
    program.best = 17;
    shell.settings().write("cc", 17);
    nlohmann::json before;
    std::string after;
    run(program.statistics(), [&](ct::Dialog& d) {
        before = d.state();
        d.click(1010);
        after = d.text(1004);
        d.ok();
    });
    EXPECT_EQ(before["controls"][0]["text"], "Computer\nHuman \nPatience");
    EXPECT_EQ(before["controls"][1]["text"], ":\n:\n:");
    EXPECT_EQ(before["controls"][2]["text"], "3\n4\n17");
    EXPECT_EQ(after, "0\n0\n0");
    EXPECT_EQ(program.best, 0);
    EXPECT_EQ(stored("cc"), 0u);
}

TEST_F(StatisticsDialog, IsCentredOverTheTableAndNeverOffItsTopLeft)
{
    ct::Rect moved;
    run(twoCounts(), [&](ct::Dialog& d) {
        moved = d.frame();
        d.ok();
    });
    // Over the client area (240 x 294, the table without the menu bar), not the whole screen.
    EXPECT_EQ(moved.width(), ct::dialogUnitsToPixelsX(111) + 2);
    EXPECT_EQ(moved.left, (240 - moved.width()) / 2);
    EXPECT_EQ(moved.top, (294 - moved.height()) / 2);

    shell.fakeWindow.client = {100, 20};   // smaller than the dialog
    run(twoCounts(), [&](ct::Dialog& d) {
        moved = d.frame();
        d.ok();
    });
    EXPECT_EQ(moved.left, 0);
    EXPECT_EQ(moved.top, 0);
}

// A game with just the shell's statistics and no dialog descriptions of its own.
class BareGame : public ct::Game {
public:
    int statc = 5;
    int statu = 6;
    int other = 1;
    bool keepsCounters = true;
    const ct::ProgramInfo& info() const override { return info_; }
    void attach(ct::Shell&) override {}
    std::vector<ct::SettingBinding> settings() override
    {
        std::vector<ct::SettingBinding> bindings(3);
        bindings[0].name = "other";
        bindings[0].variable = &other;
        bindings[1].name = "statu";
        bindings[1].variable = &statu;
        bindings[2].name = "statc";
        bindings[2].variable = &statc;
        if (!keepsCounters)
            bindings.resize(1);
        return bindings;
    }
    void startValues(bool) override {}
    void windowCreated() override {}
    void gameMessage(int) override {}
    void newGame() override {}
    void stylusDown(int, int) override {}
    void drawTable(ct::Canvas&) override {}
    void tearDown() override {}
    nlohmann::json state() const override { return {}; }
    void load(const nlohmann::json&) override {}
    std::vector<std::string> consistencyViolations() const override { return {}; }
    std::vector<ct::Rect> monkeyTargets() const override { return {}; }

private:
    ct::ProgramInfo info_;
};

TEST_F(StatisticsDialog, DefaultDescriptionUsesTheGamesCounters)
{
    BareGame game;
    BareGame bare;
    bare.keepsCounters = false;
    const ct::StatisticsDescription d = game.statisticsDialog();
    ASSERT_EQ(d.counts.size(), 2u);
    EXPECT_EQ(d.counts[0].variable, &game.statc);
    EXPECT_EQ(d.counts[1].variable, &game.statu);
    EXPECT_EQ(d.countsId, 1004);
    EXPECT_EQ(d.clearId, 1010);
    EXPECT_EQ(ct::statisticsText(shell, d), "5\n6");
    run(d, [](ct::Dialog& dialog) {
        dialog.click(1010);
        dialog.ok();
    });
    EXPECT_EQ(game.statc, 0);
    EXPECT_EQ(game.statu, 0);
    EXPECT_EQ(game.other, 1);

    // A game that keeps no counters of its own: the counts live in the store only.
    shell.settings().write("statc", 8);
    shell.settings().write("statu", 9);
    const ct::StatisticsDescription storeOnly = ct::defaultStatisticsDescription(bare);
    EXPECT_EQ(storeOnly.counts[0].variable, nullptr);
    EXPECT_EQ(ct::statisticsText(shell, storeOnly), "8\n9");
    run(storeOnly, [](ct::Dialog& dialog) { dialog.click(1010); });
    EXPECT_EQ(stored("statc"), 0u);
}

} // namespace
