// The shell around a recording game: start-up order, stored settings, tear-down, accelerators
// and the state event.
#include "shell/program_shell.hpp"

#include "cards/status_line.hpp"
#include "fake_game.hpp"
#include "platform/headless_window.hpp"
#include "settings/test_dir.hpp"

#include <gtest/gtest.h>

using namespace ct;
using nlohmann::json;
using shell_test::FakeGame;

namespace {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { store = std::make_unique<SettingsStore>(dir / "registry.sqlite3"); }

    // Builds the shell and runs start-up and window creation.
    void start(bool showHand = false)
    {
        shell.reset();   // a second start in one test: the old shell goes before its window
        window = std::make_unique<HeadlessWindow>(pocketGeometry(96), [this](const json& e) { events.push_back(e); });
        shell = std::make_unique<ProgramShell>(game, *window, *store, true);
        shell->startUp(showHand);
        shell->createWindow();
    }
    void TearDown() override
    {
        shell.reset();
        window.reset();
    }

    settings_test::TestDir dir;
    std::unique_ptr<SettingsStore> store;
    FakeGame game;
    std::vector<json> events;
    std::unique_ptr<HeadlessWindow> window;
    std::unique_ptr<ProgramShell> shell;
};

} // namespace

TEST(FillTemplate, FillsInOrderAndNeverReadsPastItsValues)
{
    EXPECT_EQ(fillTemplate("%s\nVersion %d.%d", {"Pocket Velmar", "1", "3"}), "Pocket Velmar\nVersion 1.3");
    EXPECT_EQ(fillTemplate("file:velmar.0409.htm#%d", {"99"}), "file:velmar.0409.htm#99");
    EXPECT_EQ(fillTemplate("100%% sure %s", {"yes"}), "100% sure yes");
    EXPECT_EQ(fillTemplate("%s %s %s %n %", {"a"}), "a   %n %");
    EXPECT_EQ(fillTemplate("", {"a"}), "");
}

TEST_F(ShellTest, StartUpReadsSettingsInTheProgramsOrder)
{
    store->write(game.info().registryKey, "cidc", 1);
    store->write(game.info().registryKey, "hidev", 5);   // not read at start-up
    store->write(game.info().registryKey, "blackbg", 3);
    store->write(game.info().registryKey, "back", 5);    // one past the last back: falls back to the first
    start(true);
    EXPECT_EQ(game.cidc, 1);
    EXPECT_EQ(game.cc, 100);       // a stored 0 comes back through the binding's conversion
    EXPECT_EQ(game.hidev, -1);
    EXPECT_EQ(shell->tableColorIndex(), 3);
    EXPECT_EQ(shell->cardBackIndex(), 0);
    EXPECT_EQ(shell->aboutText(), "Fake Game 1.3");
    const std::vector<std::string> expected{"attach",        "startValues 1 cidc=1", "windowSetUp",
                                            "windowCreated", "gameMessage 0"};
    EXPECT_EQ(game.log, expected);
    EXPECT_EQ(window->menuBar().size(), 2u);
    EXPECT_EQ(mainWindow(), window.get());
    // Start-up writes nothing: an empty store stays empty apart from what the test wrote.
    EXPECT_EQ(store->read(game.info().registryKey, "cc"), 0u);

    // A win counts in the variable and in the store at once; a count the list does not bind
    // ("statu" here) is kept in the store alone.
    shell->recordWin(ct::Winner::patience);
    shell->recordWin(ct::Winner::human);
    shell->recordWin(ct::Winner::human);
    EXPECT_EQ(game.cc, 101);
    EXPECT_EQ(store->read(game.info().registryKey, "cc"), 101u);
    EXPECT_EQ(store->read(game.info().registryKey, "statu"), 2u);
    EXPECT_EQ(store->read(game.info().registryKey, "statc"), 0u);
}

// Menu commands, the About box, Alt keys and the table colour are pinned by the test table's
// replays and pictures; what they cannot show is a tear-down run twice.
TEST_F(ShellTest, ExitOrCloseTearsDownOnce)
{
    start();
    window->sendMessage(msg::command, command::exit, 0);
    EXPECT_TRUE(window->destroyed());
    shell->shutDown();   // after Exit: no second tear-down
    EXPECT_EQ(std::count(game.log.begin(), game.log.end(), "tearDown"), 1);
    EXPECT_EQ(mainWindow(), nullptr);

    start();   // closing the window is Exit too
    game.log.clear();
    window->sendMessage(msg::close, 0, 0);
    EXPECT_TRUE(window->destroyed());
    EXPECT_EQ(game.log, std::vector<std::string>{"tearDown"});
}

TEST_F(ShellTest, AKeyAcceleratorIsNotMatchedByTheSameCharacter)
{
    start();
    game.log.clear();
    EXPECT_FALSE(window->translateAccelerator(AltKey{false, 0, 'N'}));
    EXPECT_TRUE(game.log.empty());
}

TEST_F(ShellTest, StateEventMergesTheGameWithoutLettingItOverrideTheShell)
{
    store->write(game.info().registryKey, "cidc", 1);
    start();
    statusLine().set("Your move!");
    const json state = shell->stateEvent();
    EXPECT_EQ(state["event"], "state");
    EXPECT_EQ(state["program"], "fake");
    EXPECT_EQ(state["status"], "Your move!");
    EXPECT_EQ(state["title"], "Fake Game");
    EXPECT_EQ(state["settings"], (json{{"blackbg", 0}, {"back", 0}, {"cidc", 1}, {"cc", 100}, {"hidev", -1}}));
    EXPECT_EQ(state["cards"], 3);
    statusLine().clear();
    EXPECT_TRUE(shell->stateEvent()["status"].is_null());
}
