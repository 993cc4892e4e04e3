// End-to-end: the built test table program run headless with scripts on standard input.
#include "program_runner.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace e2e;
using nlohmann::json;

namespace {

const std::string program = TABLETEST_PATH;

int scaled(int dpi, int n) { return (dpi * n + 48) / 96; }

// Centre of the n-th card of the row (1-based; seven to a row, side by side).
std::pair<int, int> cardCentre(int dpi, int n)
{
    const int column = (n - 1) % 7;
    const int row = (n - 1) / 7;
    const int x = scaled(dpi, 10) + column * scaled(dpi, 28) + scaled(dpi, 28) / 2;
    const int y = scaled(dpi, 60) + row * (scaled(dpi, 40) + 1) + scaled(dpi, 40) / 2;
    return {x, y};
}

std::string tapOn(int dpi, int n)
{
    const auto [x, y] = cardCentre(dpi, n);
    return "tap " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

ProgramRun headless(const ScratchDir& dir, const std::string& script, std::vector<std::string> extra = {},
                    int dpi = 96, int seed = 7)
{
    std::vector<std::string> args{"--headless", "--seed", std::to_string(seed), "--dpi", std::to_string(dpi),
                                  "--config-dir", (dir / "config").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return runProgram(program, args, script, dir);
}

// The row of the one state a run printed.
json rowOf(const ProgramRun& run) { return run.ofKind("state").at(0)["row"]; }

const Pixel green{0, 150, 0};
const Pixel white{255, 255, 255};

} // namespace

TEST(TabletestHeadless, TapSelectsAndPutsBackTheCardUnderTheStylus)
{
    ScratchDir dir;
    const ProgramRun run = headless(dir, "state\n" + tapOn(96, 3) + "state\n" + tapOn(96, 3) + "state\ntap 120 250\nstate\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.allLinesJson);
    ASSERT_FALSE(run.events.empty());
    EXPECT_EQ(run.events[0], (json{{"event", "title"}, {"text", "Table Test"}}));
    const auto states = run.ofKind("state");
    ASSERT_EQ(states.size(), 4u);
    EXPECT_EQ(states[0]["program"], "tabletest");
    EXPECT_EQ(states[0]["status"], "Dealt 10 cards, 26 left");
    ASSERT_EQ(states[0]["row"].size(), 10u);
    for (const json& card : states[0]["row"])
        EXPECT_EQ(card[2], 0);
    EXPECT_EQ(states[1]["row"][2][2], 1);
    EXPECT_EQ(states[1]["status"], "Card 3 selected");
    EXPECT_EQ(states[1]["row"][0][2], 0);
    EXPECT_EQ(states[2]["row"][2][2], 0);
    EXPECT_EQ(states[2]["status"], "Card 3 put back");
    EXPECT_TRUE(states[3]["status"].is_null());   // a tap beside the cards clears the line
    EXPECT_EQ(states[3]["row"], states[0]["row"]);
}

TEST(TabletestHeadless, TheSeedFixesTheDealAtAnyDensity)
{
    ScratchDir dir;
    EXPECT_EQ(rowOf(headless(dir, "state\n", {}, 96, 11)), rowOf(headless(dir, "state\n", {}, 192, 11)));
    EXPECT_NE(rowOf(headless(dir, "state\n", {}, 96, 11)), rowOf(headless(dir, "state\n", {}, 96, 12)));
}

TEST(TabletestHeadless, ShotsShowTheTableAndTheCardsWhereTheyLie)
{
    for (int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        ScratchDir dir;
        const auto file = dir / "table.png";
        const ProgramRun run = headless(dir, tapOn(dpi, 1) + "shot " + file.string() + "\n", {}, dpi);
        ASSERT_EQ(run.status, 0) << run.err;
        Picture shot(file);
        ASSERT_TRUE(shot.loaded());
        EXPECT_EQ(shot.width(), scaled(dpi, 240));
        EXPECT_EQ(shot.height(), scaled(dpi, 320) - scaled(dpi, 26));

        EXPECT_EQ(shot.at(scaled(dpi, 120), scaled(dpi, 20)), green);        // open table
        EXPECT_EQ(shot.at(scaled(dpi, 120), scaled(dpi, 280)), green);
        const auto [x1, y1] = cardCentre(dpi, 1);
        EXPECT_EQ(shot.at(x1, y1), (Pixel{200, 200, 200}));                  // the selected card
        const auto [x2, y2] = cardCentre(dpi, 2);
        EXPECT_EQ(shot.at(x2, y2), white);                                    // a card face
        const auto [x9, y9] = cardCentre(dpi, 9);
        EXPECT_EQ(shot.at(x9, y9), white);                                    // second row
        const auto [x10, y10] = cardCentre(dpi, 10);
        EXPECT_EQ(shot.at(x10 + scaled(dpi, 28), y10), green);                // nothing after the tenth
        EXPECT_EQ(shot.at(scaled(dpi, 10), scaled(dpi, 60)), (Pixel{0, 0, 0}));   // frame of the first card
        EXPECT_EQ(shot.at(scaled(dpi, 10) - 1, scaled(dpi, 60)), green);
        EXPECT_NE(shot.at(scaled(dpi, 219), scaled(dpi, 22)), green);         // the face-down pack
    }
}

TEST(TabletestHeadless, HelpAboutAcceleratorsAndExit)
{
    ScratchDir dir;
    const ProgramRun run = headless(dir, "menu rules\nkey alt+/\nkey alt+n\nkey alt+x\nstate\nkey alt+f4\nstate\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto help = run.ofKind("help");
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0]["link"], "file:tabletest.0409.htm#99");
    const auto boxes = run.ofKind("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]["caption"], "About");
    EXPECT_EQ(boxes[0]["text"].get<std::string>().rfind("Table Test\nVersion 1.3", 0), 0u);
    const auto states = run.ofKind("state");
    ASSERT_EQ(states.size(), 1u);   // Alt+F4 ended the run before the second state
    EXPECT_EQ(states[0]["deals"], 2);

    // "Exit" on the menu ends the run too: nothing after it is read.
    const ProgramRun exited = headless(dir, "menu new\nmenu exit\nstate\nfrobnicate\n");
    EXPECT_EQ(exited.status, 0) << exited.out;
    EXPECT_TRUE(exited.ofKind("state").empty());
    EXPECT_TRUE(exited.ofKind("error").empty());
}

TEST(TabletestHeadless, SettingsAreReadAtStartUpFromTheConfigDirectory)
{
    ScratchDir dir;
    EXPECT_EQ(headless(dir, "state\n").ofKind("state").at(0)["settings"]["starts"], 1);
    EXPECT_EQ(headless(dir, "menu new\nstate\n").ofKind("state").at(0)["settings"]["starts"], 2);
    const json settings = headless(dir, "state\n").ofKind("state").at(0)["settings"];
    EXPECT_EQ(settings, (json{{"blackbg", 0}, {"back", 0}, {"starts", 3}}));

    // QV_CONFIG_DIR stands in for --config-dir.
    const auto other = dir / "elsewhere";
    ::setenv("QV_CONFIG_DIR", other.c_str(), 1);
    const ProgramRun viaEnv = runProgram(program, {"--headless", "--seed", "3"}, "state\n", dir);
    ::unsetenv("QV_CONFIG_DIR");
    EXPECT_EQ(viaEnv.ofKind("state").at(0)["settings"]["starts"], 1);
    EXPECT_TRUE(std::filesystem::exists(other));
}

TEST(TabletestHeadless, LoadReplacesTheTableOrChangesNothing)
{
    ScratchDir dir;
    // Ten hearts in the row; the pack holds everything else.
    json row = json::array();
    json deckCards = json::array();
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank : {14, 6, 7, 8, 9, 10, 11, 12, 13}) {
            if (suit == 2 || (suit == 1 && rank == 14))
                row.push_back(json::array({suit, rank, rank == 9 ? 1 : 0}));
            else
                deckCards.push_back(json::array({suit, rank}));
        }
    const json good = {{"row", row}, {"deck", {{"remaining", 26}, {"cards", deckCards}}}};
    json twice = good;
    twice["row"][1] = twice["row"][0];
    const std::string script = "load " + good.dump() + "\nstate\nload " + twice.dump() +
                               "\nload {\"row\": [[5, 1]]}\nload {\"score\": 1}\nstate\n";
    const ProgramRun run = headless(dir, script);
    EXPECT_EQ(run.status, 2);   // the script had errors
    const auto states = run.ofKind("state");
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0]["row"], row);
    EXPECT_EQ(states[0]["deck"]["remaining"], 26);
    EXPECT_EQ(states[1]["row"], row);   // the refused loads changed nothing
    const auto errors = run.ofKind("error");
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0]["line"], 3);
}

TEST(TabletestHeadless, ShowHandSwitchAndScriptFile)
{
    ScratchDir dir;
    std::ofstream(dir / "script.txt") << "state\n";
    const ProgramRun run = headless(dir, "", {"--script", (dir / "script.txt").string(), "k5W"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.ofKind("state").size(), 1u);
    EXPECT_EQ(run.ofKind("state")[0]["showFaceUp"], 1);

    const ProgramRun missing = headless(dir, "", {"--script", (dir / "missing.txt").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing.txt"), std::string::npos);
}

TEST(TabletestMonkey, RandomTapsKeepEveryCardAccountedFor)
{
    ScratchDir dir;
    const ProgramRun run = headless(dir, "", {"--monkey", "1500"}, 96, 5);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    ASSERT_EQ(run.events.size(), 1u) << run.out;
    EXPECT_EQ(run.events[0]["event"], "monkey");
    EXPECT_EQ(run.events[0]["events"], 1500);
    EXPECT_EQ(run.events[0]["violations"], 0);
    EXPECT_GT(run.events[0]["games"].get<int>(), 1);
}

TEST(TabletestCommandLine, BadOptionsHelpAndVersion)
{
    ScratchDir dir;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--bogus"}, {"--dpi", "12"}, {"--script", "a", "--headless=no"}}) {
        const ProgramRun run = runProgram(program, args, "", dir);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(run.err.rfind("tabletest: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("Usage: tabletest"), std::string::npos);
    }
    const ProgramRun help = runProgram(program, {"--help"}, "", dir);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: tabletest", 0), 0u);
    const ProgramRun version = runProgram(program, {"--version"}, "", dir);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tabletest ", 0), 0u);
}
