// The shell around a recording game: start-up order, stored settings, tear-down, accelerators
// and the state event.
#include "shell/program_shell.hpp"

#include "cards/status_line.hpp"
#include "fake_game.hpp"
#include "settings/test_dir.hpp"

#include <gtest/gtest.h>

#include <optional>

using namespace ct;
using nlohmann::json;
using shell_test::RunningFake;

namespace {

const std::string key = "Software\\qv\\fake";

} // namespace

TEST(FillTemplate, FillsInOrderAndNeverReadsPastItsValues)
{
    EXPECT_EQ(fillTemplate("%s\nVersion %d.%d", {"Pocket Velmar", "1", "3"}), "Pocket Velmar\nVersion 1.3");
    EXPECT_EQ(fillTemplate("100%% sure %s", {"yes"}), "100% sure yes");
    EXPECT_EQ(fillTemplate("%s %s %s %n %", {"a"}), "a   %n %");
    EXPECT_EQ(fillTemplate("", {"a"}), "");
}

TEST(ProgramShell, StartUpReadsSettingsInTheProgramsOrderAndWinsCountAtOnce)
{
    settings_test::TestDir dir;
    SettingsStore store(dir / "registry.sqlite3");
    store.write(key, "cidc", 1);
    store.write(key, "hidev", 5);   // not read at start-up
    store.write(key, "blackbg", 3);
    store.write(key, "back", 5);    // one past the last back: falls back to the first
    RunningFake p(dir / "registry.sqlite3", {}, true);
    EXPECT_EQ(p.game.cidc, 1);
    EXPECT_EQ(p.game.cc, 100);   // a stored 0 comes back through the binding's conversion
    EXPECT_EQ(p.game.hidev, -1);
    EXPECT_EQ(p.shell.tableColorIndex(), 3);
    EXPECT_EQ(p.shell.cardBackIndex(), 0);
    EXPECT_EQ(p.shell.aboutText(), "Fake Game 1.3");
    const std::vector<std::string> expected{"attach",        "startValues 1 cidc=1", "windowSetUp",
                                            "windowCreated", "gameMessage 0"};
    EXPECT_EQ(p.game.log, expected);
    EXPECT_EQ(mainWindow(), &p.window);
    EXPECT_EQ(store.read(key, "cc"), 0u) << "start-up writes nothing";

    // A win counts in the variable and in the store at once; a count the list does not bind
    // ("statu" here) is kept in the store alone.
    p.shell.recordWin(ct::Winner::patience);
    p.shell.recordWin(ct::Winner::human);
    p.shell.recordWin(ct::Winner::human);
    EXPECT_EQ(p.game.cc, 101);
    EXPECT_EQ(store.read(key, "cc"), 101u);
    EXPECT_EQ(store.read(key, "statu"), 2u);
    EXPECT_EQ(store.read(key, "statc"), 0u);
}

// Menu commands, the About box, Alt keys and the table colour are pinned by the test table's
// replays and pictures; what they cannot show is a tear-down run twice.
TEST(ProgramShell, ExitOrCloseTearsDownOnceAndAnAltKeyIsNotItsCharacter)
{
    settings_test::TestDir dir;
    std::optional<RunningFake> p;
    p.emplace(dir / "registry.sqlite3");
    p->window.sendMessage(msg::command, command::exit, 0);
    EXPECT_TRUE(p->window.destroyed());
    p->shell.shutDown();   // after Exit: no second tear-down
    EXPECT_EQ(std::count(p->game.log.begin(), p->game.log.end(), "tearDown"), 1);
    EXPECT_EQ(mainWindow(), nullptr);

    p.emplace(dir / "registry.sqlite3");   // closing the window is Exit too
    p->game.log.clear();
    p->window.sendMessage(msg::close, 0, 0);
    EXPECT_TRUE(p->window.destroyed());
    EXPECT_EQ(p->game.log, std::vector<std::string>{"tearDown"});

    // An Alt key accelerator is not matched by the same character typed.
    p.emplace(dir / "registry.sqlite3");
    p->game.log.clear();
    EXPECT_FALSE(p->window.translateAccelerator(AltKey{false, 0, 'N'}));
    EXPECT_TRUE(p->game.log.empty());
}

TEST(ProgramShell, StateEventMergesTheGameWithoutLettingItOverrideTheShell)
{
    settings_test::TestDir dir;
    SettingsStore(dir / "registry.sqlite3").write(key, "cidc", 1);
    RunningFake p(dir / "registry.sqlite3");
    statusLine().set("Your move!");
    const json state = p.shell.stateEvent();
    EXPECT_EQ(state["event"], "state");
    EXPECT_EQ(state["program"], "fake");
    EXPECT_EQ(state["status"], "Your move!");
    EXPECT_EQ(state["title"], "Fake Game");
    EXPECT_EQ(state["settings"], (json{{"blackbg", 0}, {"back", 0}, {"cidc", 1}, {"cc", 100}, {"hidev", -1}}));
    EXPECT_EQ(state["cards"], 3);
    statusLine().clear();
    EXPECT_TRUE(p.shell.stateEvent()["status"].is_null());
}
