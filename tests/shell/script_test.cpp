// The headless script's runner: a program that throws (its failed paint shows the table is
// painted between lines), taps without double taps, and random play (commands, errors by line,
// dialog scopes and the end of a run with its window are pinned by the replays).
#include "shell/script_runner.hpp"

#include "fake_game.hpp"
#include "settings/test_dir.hpp"
#include "shell/monkey.hpp"
#include "shell/script_commands.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace ct;
using nlohmann::json;

namespace {

// The recording game run by a script.
class ProgramScript : public ::testing::Test {
protected:
    void run(const std::string& script)
    {
        input.str(script);
        runner = std::make_unique<ScriptRunner>(input, p.window, [this](const json& e) { p.events.push_back(e); });
        addProgramCommands(*runner, p.shell, p.window);
        runner->run();
    }
    settings_test::TestDir dir;
    shell_test::RunningFake p{dir / "registry.sqlite3"};
    std::istringstream input;
    std::unique_ptr<ScriptRunner> runner;
};

} // namespace

TEST_F(ProgramScript, DoubleTapsOfAProgramWithoutThemArriveAsTaps)
{
    p.game.info_.doubleTaps = false;
    run("dbl 5 6\n");
    const std::vector<std::string> tail(p.game.log.end() - 4, p.game.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"down 5 6", "up 5 6", "down 5 6", "up 5 6"}));
}

// The same seed playing the same game is pinned by the test table's monkey replay; what a
// replay cannot show is how broken rules are reported.
TEST_F(ProgramScript, MonkeyReportsEachViolationWithItsSeedAndEventUpToALimit)
{
    p.game.violations = {"a card is lost"};
    p.game.targets = {Rect{10, 10, 20, 20}};
    std::vector<json> printed;
    const MonkeyResult bad = runMonkey(p.game, p.window, 30, 9, [&](const json& e) { printed.push_back(e); });
    EXPECT_EQ(bad.violations, 30);
    ASSERT_EQ(printed.size(), static_cast<std::size_t>(maximumViolationsShown) + 1);
    EXPECT_EQ(printed[0], (json{{"event", "violation"}, {"after", 1}, {"seed", 9}, {"text", "a card is lost"}}));
    EXPECT_EQ(printed.back()["violations"], 30);
}

TEST_F(ProgramScript, AProgramThatThrowsIsReportedAgainstItsLineAndTheRunGoesOn)
{
    p.game.throwOnPaint = true;
    run("load {\"x\": 1}\nstate\n");
    // The load repaints the whole table; that paint, before line 2, failed.
    const auto errors = p.ofKind("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0]["line"], 1);
    EXPECT_NE(errors[0]["text"].get<std::string>().find("paint went wrong"), std::string::npos);
    EXPECT_EQ(p.ofKind("state").size(), 1u);
    // The window still paints once the drawing works again.
    p.game.throwOnPaint = false;
    p.window.invalidateAll();
    EXPECT_TRUE(p.window.paintIfInvalid());
}

TEST_F(ProgramScript, MonkeyFailsTheRunAtTheEventAProgramThrowsAt)
{
    p.game.throwOnTap = true;
    std::vector<json> printed;
    const MonkeyResult result = runMonkey(p.game, p.window, 500, 3, [&](const json& e) { printed.push_back(e); });
    EXPECT_EQ(result.violations, 1);
    EXPECT_LT(result.events, 500);
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0]["event"], "violation");
    EXPECT_NE(printed[0]["text"].get<std::string>().find("tap went wrong"), std::string::npos);
    EXPECT_EQ(printed[1]["violations"], 1);
}
