// End-to-end: the velmar program's command line, rules page, show-hand switch, the table as
// pictures in every game type, and long random play.
#include "e2e_session.hpp"

#include <filesystem>

using namespace velmar_e2e;
using e2e::Pixel;
using e2e::ScratchDir;

namespace {

const Pixel green{0, 150, 0};
const Pixel white{255, 255, 255};

// The soak is scaled down where every event costs several times more (sanitizers).
#ifdef VELMAR_SLOW_BUILD
constexpr long soakEvents = 8000;
constexpr long shortSoakEvents = 1500;
#else
constexpr long soakEvents = 20000;
constexpr long shortSoakEvents = 3000;
#endif

json monkey(const ScratchDir& dir, long events, int seed)
{
    const e2e::ProgramRun run = headless(dir, "", seed, {"--monkey", std::to_string(events)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.allLinesJson);
    // Violations are printed before the summary; the summary is the last line.
    for (const json& e : run.ofKind("violation"))
        ADD_FAILURE() << e.dump();
    return run.events.empty() ? json() : run.events.back();
}

} // namespace

TEST(VelmarProgram, HelpVersionAndBadOptions)
{
    ScratchDir dir;
    const e2e::ProgramRun help = e2e::runProgram(program, {"--help"}, "", dir);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: velmar", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("k5W"), std::string::npos);
    EXPECT_TRUE(help.err.empty());

    const e2e::ProgramRun version = e2e::runProgram(program, {"--version"}, "", dir);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("velmar ", 0), 0u) << version.out;

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--bogus"}, {"--dpi", "1000"}, {"--seed", "seven"}, {"--monkey", "9"}}) {
        const e2e::ProgramRun bad = e2e::runProgram(program, args, "", dir);
        EXPECT_EQ(bad.status, 2) << args[0];
        EXPECT_TRUE(bad.out.empty()) << bad.out;
        // One line naming the fault, then the usage.
        const auto firstLineEnd = bad.err.find('\n');
        ASSERT_NE(firstLineEnd, std::string::npos) << bad.err;
        EXPECT_EQ(bad.err.rfind("velmar: ", 0), 0u) << bad.err;
        EXPECT_EQ(bad.err.find("Usage: velmar"), firstLineEnd + 1) << bad.err;
    }
}

TEST(VelmarProgram, RulesPageLiesBesideTheProgramAndHelpOpensIt)
{
    const auto page = std::filesystem::path(program).parent_path() / "velmar.0409.htm";
    ASSERT_TRUE(std::filesystem::exists(page));
    EXPECT_NE(e2e::readAll(page).find("<html"), std::string::npos);

    ScratchDir dir;
    const e2e::ProgramRun run = headless(dir, "menu rules\nmenu about\nkey alt+n\nstate\nkey alt+f4\nstate\n");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const auto help = run.ofKind("help");
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0], (json{{"event", "help"}, {"link", "file:velmar.0409.htm#99"}}));
    const auto boxes = run.ofKind("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]["caption"], "About");
    EXPECT_EQ(boxes[0]["text"].get<std::string>().rfind("Pocket Velmar", 0), 0u) << boxes[0].dump();
    EXPECT_EQ(run.ofKind("state").size(), 1u);   // Alt+F4 ended the run
}

TEST(VelmarProgram, ShowHandSwitchTurnsTheComputersCardsUp)
{
    ScratchDir dir;
    const auto upShot = dir / "up.png";
    const auto downShot = dir / "down.png";
    const e2e::ProgramRun up = headless(dir, "state\nshot " + upShot.string() + "\n", 7, {"k5W"});
    const e2e::ProgramRun down = headless(dir, "state\nshot " + downShot.string() + "\n", 7);
    ASSERT_EQ(up.status, 0) << up.err;
    ASSERT_EQ(down.status, 0) << down.err;
    EXPECT_EQ(onlyState(up)["computerHandFaceDown"], 0);
    EXPECT_EQ(onlyState(down)["computerHandFaceDown"], 1);
    // The last card of the fanned hand lies whole: its middle is a white face, or a back.
    const std::size_t n = onlyState(up)["computerHand"].size();
    const int x = 2 + 7 * static_cast<int>(n - 1) + 14;
    e2e::Picture faceUp(upShot);
    e2e::Picture faceDown(downShot);
    ASSERT_TRUE(faceUp.loaded());
    ASSERT_TRUE(faceDown.loaded());
    EXPECT_EQ(faceUp.at(x, 22), white);
    EXPECT_NE(faceDown.at(x, 22), white);
    EXPECT_NE(faceDown.at(x, 22), green);
}

// One picture of the table per game type at 192 dpi, one at 96, kept in the build tree for
// looking at; a few pixels checked in each.
TEST(VelmarProgram, TablePicturesInEveryGameType)
{
    const std::filesystem::path shots = VELMAR_SHOT_DIR;
    std::filesystem::create_directories(shots);
    for (int type = 0; type < 6; ++type) {
        for (int dpi : {192, 96}) {
            if (dpi == 96 && type != 0)
                continue;
            SCOPED_TRACE(typeNames[static_cast<std::size_t>(type)] + " at " + std::to_string(dpi));
            ScratchDir dir;
            const auto file = shots / ("velmar-type" + std::to_string(type) + "-" + std::to_string(dpi) + ".png");
            std::filesystem::remove(file);
            // The count of cards left on, so that it is in the picture too.
            const e2e::ProgramRun run = headless(dir, chooseType(type) + "menu options\ncheck 1011 1\nok\nstate\nshot " +
                                                          file.string() + "\n",
                                                 5, {}, dpi);
            ASSERT_EQ(run.status, 0) << run.out << run.err;
            const json state = onlyState(run);
            e2e::Picture shot(file);
            ASSERT_TRUE(shot.loaded());
            auto at = [&](int x, int y) { return shot.at(scaled(dpi, x), scaled(dpi, y)); };
            EXPECT_EQ(shot.width(), scaled(dpi, 240));

            EXPECT_EQ(at(180, 60), green);                 // open table
            EXPECT_EQ(at(150, 240), green);                // below the status line
            EXPECT_EQ(at(199, 10), white);                 // the separator, top to bottom
            EXPECT_EQ(at(199, 280), white);
            EXPECT_EQ(at(198, 10), green);
            EXPECT_EQ(at(201, 10), green);
            // The human's first card: a white face with a black frame (the next card may
            // cover its right half).
            const bool selected = state["humanHand"][0][2] == 1;
            EXPECT_EQ(at(8, 136), selected ? (Pixel{200, 200, 200}) : white);
            EXPECT_EQ(at(2, 130), (Pixel{0, 0, 0}));
            EXPECT_EQ(at(1, 130), green);

            const bool bulk = type == 2 || type == 3;
            const bool japanese = type == 4 || type == 5;
            // The stock card (a back) while the stock holds cards.
            if (bulk) {
                EXPECT_EQ(at(219, 20), green);
            } else {
                EXPECT_NE(at(219, 20), green);
                EXPECT_NE(at(219, 20), white);
            }
            // The turned-up card below the stock shows a face; "Japanese" and "Bulk" have none on
            // the table and show the trump indicator instead: a white box with a pip in it.
            if (bulk || japanese) {
                EXPECT_EQ(at(215, 73), white);
                EXPECT_NE(at(219, 78), white);
                EXPECT_EQ(at(213, 73), green);
            } else {
                EXPECT_EQ(at(207, 50), white);
            }
            if (japanese) {
                const Pixel pip = at(219, 78);
                EXPECT_GT(pip.r, 200);   // a red diamond
                EXPECT_LT(pip.g, 80);
            }
        }
    }
}

TEST(VelmarMonkey, LongRandomPlayBreaksNoRule)
{
    ScratchDir dir;
    const json summary = monkey(dir, soakEvents, 1);
    EXPECT_EQ(summary["event"], "monkey");
    EXPECT_EQ(summary["events"], soakEvents);
    EXPECT_EQ(summary["violations"], 0);
    EXPECT_GT(summary["games"].get<int>(), soakEvents / 1000);
    // Games were won, so the tally moved and was stored.
    const json settings = onlyState(headless(dir, "state\n"))["settings"];
    EXPECT_GT(settings["statc"].get<int>() + settings["statu"].get<int>(), 0);
}

TEST(VelmarMonkey, OtherSeedsAndStoredGameTypes)
{
    for (const auto& [type, seed] : {std::pair{3, 2}, std::pair{5, 3}}) {
        SCOPED_TRACE(typeNames[static_cast<std::size_t>(type)]);
        ScratchDir dir;
        // The type is stored by the Options dialog; the random run then starts in it.
        ASSERT_EQ(headless(dir, chooseType(type)).status, 0);
        const json summary = monkey(dir, shortSoakEvents, seed);
        EXPECT_EQ(summary["events"], shortSoakEvents);
        EXPECT_EQ(summary["violations"], 0);
        EXPECT_EQ(onlyState(headless(dir, "state\n"))["gameType"], type);
    }
    // The same seed plays the same game.
    ScratchDir a;
    ScratchDir b;
    EXPECT_EQ(monkey(a, 500, 9), monkey(b, 500, 9));
}
