// The test table's dialogs through the whole program: a headless script opens Options and
// Statistics from the menu, acts on them, and the next run starts from what was stored.
#include "shell/run_program.hpp"
#include "shell/settings_store.hpp"
#include "tabletest/table_test.hpp"

#include "dialogs/dialog_fakes.hpp"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ProgramRun {
    int status = -1;
    std::vector<nlohmann::json> events;
    std::vector<nlohmann::json> ofKind(const std::string& kind) const
    {
        std::vector<nlohmann::json> out;
        for (const auto& e : events)
            if (e.value("event", "") == kind)
                out.push_back(e);
        return out;
    }
};

class TabletestDialogs : public ::testing::Test {
protected:
    dialog_test::TestDir dir;

    ProgramRun run(const std::string& script)
    {
        const std::string scriptFile = (dir / "script.txt").string();
        std::ofstream(scriptFile) << script;
        const std::string configDir = (dir / "config").string();
        std::vector<std::string> args{"tabletest", "--headless", "--dpi", "96", "--seed", "7",
                                      "--config-dir", configDir, "--script", scriptFile};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        tabletest::TableTestGame game;
        ProgramRun result;
        ::testing::internal::CaptureStdout();
        result.status = ct::runProgram(game, static_cast<int>(argv.size()), argv.data());
        std::istringstream out(::testing::internal::GetCapturedStdout());
        for (std::string line; std::getline(out, line);)
            result.events.push_back(nlohmann::json::parse(line));
        return result;
    }
    std::uint32_t stored(const std::string& name)
    {
        return ct::SettingsStore(dir / "config" / "registry.sqlite3").read("Software\\qv\\tabletest", name);
    }
};

TEST_F(TabletestDialogs, OptionsChosenInTheDialogAreUsedStoredAndReadAtTheNextStart)
{
    const std::string shot = (dir / "after.png").string();
    const ProgramRun first = run("menu options\n"
                          "check 1009 1\n"
                          "select 1003 3\n"
                          "select 1005 2\n"
                          "state\n"
                          "ok\n"
                          "state\n"
                          "shot " + shot + "\n");
    EXPECT_EQ(first.status, 0);
    EXPECT_TRUE(first.ofKind("error").empty()) << first.ofKind("error")[0].dump();
    const auto dialogs = first.ofKind("dialog");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]["controls"][3]["text"], "Show the pack face up");
    EXPECT_EQ(dialogs[0]["controls"][3]["checked"], 1);
    const auto states = first.ofKind("state");
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(states[0]["settings"]["back"], 3);
    EXPECT_EQ(states[0]["settings"]["blackbg"], 2);
    EXPECT_EQ(states[0]["showFaceUp"], 1);
    EXPECT_EQ(stored("back"), 3u);
    EXPECT_EQ(stored("blackbg"), 2u);
    EXPECT_EQ(stored("faceup"), 1u);

    // The table is repainted in the new colour.
    SDL_Surface* picture = IMG_Load(shot.c_str());
    ASSERT_NE(picture, nullptr);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(picture);
    ASSERT_NE(rgb, nullptr);
    const auto* pixel = static_cast<const unsigned char*>(rgb->pixels);
    EXPECT_EQ((ct::Color{pixel[0], pixel[1], pixel[2]}), (ct::Color{128, 0, 0}));
    SDL_FreeSurface(rgb);

    const ProgramRun second = run("state\n");
    ASSERT_EQ(second.ofKind("state").size(), 1u);
    EXPECT_EQ(second.ofKind("state")[0]["settings"]["back"], 3);
    EXPECT_EQ(second.ofKind("state")[0]["settings"]["blackbg"], 2);
}

TEST_F(TabletestDialogs, CancelStatisticsAndAScriptEndingInADialogChangeNothingButWhatTheyShould)
{
    const ProgramRun r = run("menu options\n"
                             "select 1003 4\n"
                             "tap 10 10\n"
                             "select 1003 x\n"
                             "cancel\n"
                             "menu statistics\n"
                             "state\n"
                             "click 1010\n"
                             "ok\n"
                             "state\n"
                             "menu options\n"
                             "select 1003 2\n");
    // Table commands and bad arguments inside the dialog are refused; the script goes on.
    const auto errors = r.ofKind("error");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0]["line"], 3);
    EXPECT_EQ(errors[0]["text"], "unknown command \"tap\" while a dialog is open; it takes cancel check click ok quit select shot state");
    EXPECT_EQ(errors[1]["text"], "select: \"x\" is not a whole number");
    EXPECT_EQ(r.status, 2);
    const auto dialogs = r.ofKind("dialog");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]["template"], 131);
    EXPECT_EQ(dialogs[0]["controls"][2]["text"], "0\n0");
    ASSERT_EQ(r.ofKind("state").size(), 1u) << "the second state ran after the dialog closed";
    EXPECT_EQ(r.ofKind("state")[0]["settings"]["back"], 0);
    // The dialog left open when the script ended was cancelled, not confirmed or left hanging.
    EXPECT_EQ(stored("back"), 0u);
}

} // namespace
