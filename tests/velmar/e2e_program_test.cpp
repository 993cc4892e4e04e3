// End-to-end: the velmar program won in every game type with the tally kept across runs, its
// rules page and show-hand switch, the table as pictures, and long random play.
#include "velmar_e2e.hpp"

#include <filesystem>

using namespace velmar_e2e;
using e2e::Pixel;
using e2e::ScratchDir;

namespace {

const Pixel green{0, 150, 0};
const Pixel white{255, 255, 255};

// A deal just made: the human was told to move, or the computer has opened with one card.
void expectFreshDeal(const json& state, int type, bool humanStarts)
{
    const std::size_t hand = type == 2 || type == 3 ? 18 : 6;
    EXPECT_EQ(state["title"], typeNames[static_cast<std::size_t>(type)]);
    EXPECT_EQ(state["gameType"], type);
    EXPECT_TRUE(state["humanRow"].empty());
    EXPECT_EQ(state["humanHand"].size(), hand);
    EXPECT_EQ(state["computerHand"].size(), humanStarts ? hand : hand - 1);
    EXPECT_EQ(state["computerRow"].size(), humanStarts ? 0u : 1u);
    EXPECT_EQ(state["computerAttacks"], humanStarts ? 0 : 1);
    if (humanStarts) {
        EXPECT_EQ(state["status"], "Your move!");
    }
    EXPECT_EQ(state["deck"]["remaining"], hand == 18 ? 0 : type >= 4 ? 24 : 23);
}

} // namespace

TEST(VelmarGames, EveryGameTypeIsWonEitherWayAndTheTallyOutlivesTheRun)
{
    for (int type = 0; type < 6; ++type) {
        SCOPED_TRACE(typeNames[static_cast<std::size_t>(type)]);
        ScratchDir dir;
        // The human opens with the last card while the stock is gone: won at once.
        const e2e::ProgramRun won =
            headless(dir, chooseType(type) + "load " + endPosition(type, true).dump() + "\n" + playTheOnlyCard + "state\n");
        ASSERT_EQ(won.status, 0) << won.out << won.err;
        const auto boxes = won.ofKind("msgbox");
        ASSERT_EQ(boxes.size(), 1u) << won.out;
        EXPECT_EQ(boxes[0], (json{{"event", "msgbox"}, {"text", "You win!"}, {"caption", ""}, {"buttons", "ok"},
                                  {"icon", "information"}, {"answer", "ok"}}));
        const json afterWin = onlyState(won);
        expectFreshDeal(afterWin, type, true);
        EXPECT_EQ(afterWin["settings"]["statu"], 1);
        EXPECT_EQ(afterWin["settings"]["statc"], 0);
        EXPECT_EQ(afterWin["nextStarter"], 0);

        // The human takes; the computer gives its last card as an extra and has won.
        const e2e::ProgramRun lost =
            headless(dir, "load " + endPosition(type, false).dump() + "\n" + tapActionButton + "state\n");
        ASSERT_EQ(lost.status, 0) << lost.out << lost.err;
        ASSERT_EQ(lost.ofKind("msgbox").size(), 1u) << lost.out;
        EXPECT_EQ(lost.ofKind("msgbox")[0]["text"], "I win!");
        const json afterLoss = onlyState(lost);
        expectFreshDeal(afterLoss, type, false);
        EXPECT_EQ(afterLoss["settings"]["statu"], 1);
        EXPECT_EQ(afterLoss["settings"]["statc"], 1);

        // A later run starts with the tally and the type.
        const json later = onlyState(headless(dir, "state\n"));
        EXPECT_EQ(later["computerWins"], 1);
        EXPECT_EQ(later["humanWins"], 1);
        EXPECT_EQ(later["title"], typeNames[static_cast<std::size_t>(type)]);
    }
}

TEST(VelmarProgram, RulesPageLiesBesideTheProgramAndHelpOpensIt)
{
    const auto page = std::filesystem::path(program).parent_path() / "velmar.0409.htm";
    ASSERT_TRUE(std::filesystem::exists(page));
    EXPECT_NE(e2e::readAll(page).find("<html"), std::string::npos);

    ScratchDir dir;
    const e2e::ProgramRun run = headless(dir, "menu rules\nmenu about\nkey alt+f4\nstate\n");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const auto help = run.ofKind("help");
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0], (json{{"event", "help"}, {"link", "file:velmar.0409.htm#99"}}));
    const auto boxes = run.ofKind("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]["caption"], "About");
    EXPECT_EQ(boxes[0]["text"].get<std::string>().rfind("Pocket Velmar", 0), 0u) << boxes[0].dump();
    EXPECT_TRUE(run.ofKind("state").empty());   // Alt+F4 ended the run
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

// One picture of the table in every game type (and one at 96 dpi), kept in the build tree for
// looking at. The three rule sets look different: the turned-up card, "Bulk" without a stock,
// "Japanese" with its diamond indicator; a transfer type looks like its rule set.
TEST(VelmarProgram, TablePictures)
{
    const std::filesystem::path shots = VELMAR_SHOT_DIR;
    std::filesystem::create_directories(shots);
    for (const auto& [type, dpi] : {std::pair{0, 96}, std::pair{0, 192}, std::pair{1, 192}, std::pair{2, 192},
                                    std::pair{3, 192}, std::pair{4, 192}, std::pair{5, 192}}) {
        const int ruleSet = type / 2;   // 0 "Thrown up", 1 "Bulk", 2 "Japanese"
        SCOPED_TRACE(typeNames[static_cast<std::size_t>(type)] + " at " + std::to_string(dpi));
        ScratchDir dir;
        const auto file = shots / ("velmar-type" + std::to_string(type) + "-" + std::to_string(dpi) + ".png");
        std::filesystem::remove(file);
        // The count of cards left on, so that it is in the picture too.
        const e2e::ProgramRun run =
            headless(dir, chooseType(type) + "menu options\ncheck 1011 1\nok\nstate\nshot " + file.string() + "\n", 5,
                     {}, dpi);
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
        // The human's first card: a white face with a black frame (the next card may cover its
        // right half).
        const bool selected = state["humanHand"][0][2] == 1;
        EXPECT_EQ(at(8, 136), selected ? (Pixel{200, 200, 200}) : white);
        EXPECT_EQ(at(2, 130), (Pixel{0, 0, 0}));
        EXPECT_EQ(at(1, 130), green);

        // The stock card (a back) while the stock holds cards.
        if (ruleSet == 1) {
            EXPECT_EQ(at(219, 20), green);
        } else {
            EXPECT_NE(at(219, 20), green);
            EXPECT_NE(at(219, 20), white);
        }
        // The turned-up card below the stock shows a face; "Japanese" and "Bulk" have none on
        // the table and show the trump indicator instead: a white box with a pip in it.
        if (ruleSet == 0) {
            EXPECT_EQ(at(207, 50), white);
        } else {
            EXPECT_EQ(at(215, 73), white);
            EXPECT_NE(at(219, 78), white);
            EXPECT_EQ(at(213, 73), green);
        }
        if (ruleSet == 2) {
            const Pixel pip = at(219, 78);
            EXPECT_GT(pip.r, 200);   // a red diamond
            EXPECT_LT(pip.g, 80);
        }
    }
}

// Random taps in the transfer game types, each stored by the Options dialog first so that the
// run starts in it. No rule may break, and games are won and tallied.
TEST(VelmarMonkey, RandomPlayInStoredGameTypesBreaksNoRule)
{
#ifdef VELMAR_SLOW_BUILD
    const long events = 800;   // every event costs several times more under the sanitizers
#else
    const long events = 2500;
#endif
    int wins = 0;
    for (const auto& [type, seed] : {std::pair{1, 1}, std::pair{3, 2}, std::pair{5, 3}}) {
        SCOPED_TRACE(typeNames[static_cast<std::size_t>(type)]);
        ScratchDir dir;
        ASSERT_EQ(headless(dir, chooseType(type)).status, 0);
        const e2e::ProgramRun run = headless(dir, "", seed, {"--monkey", std::to_string(events)});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(run.allLinesJson);
        for (const json& e : run.ofKind("violation"))
            ADD_FAILURE() << e.dump();
        ASSERT_FALSE(run.events.empty());
        const json& summary = run.events.back();
        EXPECT_EQ(summary["event"], "monkey");
        EXPECT_EQ(summary["events"], events);
        EXPECT_EQ(summary["violations"], 0);
        const json after = onlyState(headless(dir, "state\n"));
        EXPECT_EQ(after["gameType"], type);
        wins += after["humanWins"].get<int>() + after["computerWins"].get<int>();
    }
    EXPECT_GT(wins, 0);
}
