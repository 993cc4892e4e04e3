// Velmar's table as pictures: what the transcripts of the golden replays cannot show (colours,
// backs, which cards are drawn face up, the layout of every game type at two densities).
#include "../e2e/program_runner.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using e2e::Picture;
using e2e::Pixel;
using e2e::ScratchDir;

const Pixel green{0, 150, 0};
const Pixel white{255, 255, 255};
const Pixel black{0, 0, 0};

int scaled(int dpi, int n) { return (dpi * n + 48) / 96; }

// Runs velmar headless on `script` and checks that it ran cleanly.
void play(const ScratchDir& dir, const std::string& script, std::vector<std::string> extra = {}, int dpi = 96)
{
    std::vector<std::string> args{"--headless", "--seed", "7", "--dpi", std::to_string(dpi),
                                  "--config-dir", (dir / "config").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    const e2e::ProgramRun run = e2e::runProgram(VELMAR_PROGRAM, args, script, dir);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    ASSERT_TRUE(run.ofKind("error").empty()) << run.out;
}

} // namespace

// One picture of the table in every game type, kept in the build tree for looking at. The three
// rule sets look different: the turned-up card, "Bulk" without a stock, "Japanese" with its
// diamond indicator.
TEST(VelmarPictures, EveryGameTypeAtTwoDensities)
{
    const std::filesystem::path shots = VELMAR_SHOT_DIR;
    std::filesystem::create_directories(shots);
    for (const auto& [type, dpi] : {std::pair{0, 96}, std::pair{0, 192}, std::pair{1, 192}, std::pair{2, 192},
                                    std::pair{3, 192}, std::pair{4, 192}, std::pair{5, 192}}) {
        const int ruleSet = type / 2;   // 0 "Thrown up", 1 "Bulk", 2 "Japanese"
        SCOPED_TRACE("type " + std::to_string(type) + " at " + std::to_string(dpi));
        ScratchDir dir;
        const auto file = shots / ("velmar-type" + std::to_string(type) + "-" + std::to_string(dpi) + ".png");
        play(dir, "menu options\nselect 1015 " + std::to_string(type) + "\ncheck 1011 1\nok\nshot " + file.string() + "\n",
             {}, dpi);
        Picture shot(file);
        ASSERT_TRUE(shot.loaded());
        auto at = [&](int x, int y) { return shot.at(scaled(dpi, x), scaled(dpi, y)); };
        EXPECT_EQ(shot.width(), scaled(dpi, 240));
        EXPECT_EQ(at(180, 60), green);   // open table, and below the status line
        EXPECT_EQ(at(150, 240), green);
        EXPECT_EQ(at(199, 10), white);   // the separator, top to bottom
        EXPECT_EQ(at(199, 280), white);
        EXPECT_EQ(at(198, 10), green);
        EXPECT_EQ(at(2, 130), black);    // the frame of the human's first card
        EXPECT_EQ(at(1, 130), green);
        // The stock card (a back) while the stock holds cards; none in "Bulk".
        if (ruleSet == 1) {
            EXPECT_EQ(at(219, 20), green);
        } else {
            EXPECT_NE(at(219, 20), green);
            EXPECT_NE(at(219, 20), white);
        }
        // The turned-up card shows a face; without one, the trump indicator: a white box with a pip.
        if (ruleSet == 0) {
            EXPECT_EQ(at(207, 50), white);
        } else {
            EXPECT_EQ(at(215, 73), white);
            EXPECT_NE(at(219, 78), white);
            EXPECT_EQ(at(213, 73), green);
        }
        // The stock count (switched on above) under the indicator; "Bulk" has no stock to count.
        if (ruleSet != 0) {
            bool count = false;
            for (int y = 84; y < 96; ++y)
                for (int x = 203; x < 236; ++x)
                    count = count || at(x, y) == white;
            EXPECT_EQ(count, ruleSet == 2);
        }
        if (ruleSet == 2) {
            const Pixel pip = at(219, 78);   // a red diamond
            EXPECT_GT(pip.r, 200);
            EXPECT_LT(pip.g, 80);
        }
    }
}

// The show-hand switch draws the computer's cards face up; the chosen back and table colour
// are used at once; hiding the number of the computer's cards piles them at the next deal.
TEST(VelmarPictures, SwitchesAndOptionsChangeThePicture)
{
    ScratchDir dir;
    auto shot = [&](const char* name) { return "shot " + (dir / name).string() + "\n"; };
    play(dir, shot("up.png"), {"k5W"});
    play(dir, shot("down.png") + "menu options\ncheck 1014 1\nselect 1003 2\nselect 1006 3\nok\n" + shot("chosen.png") +
                  "menu new\n" + shot("piled.png"));
    Picture up(dir / "up.png"), down(dir / "down.png"), chosen(dir / "chosen.png"), piled(dir / "piled.png");
    ASSERT_TRUE(up.loaded() && down.loaded() && chosen.loaded() && piled.loaded());
    // The last of the six fanned cards lies whole: a white face, or a back.
    const int last = 2 + 7 * 5 + 14;
    EXPECT_EQ(up.at(last, 22), white);
    EXPECT_NE(down.at(last, 22), white);
    EXPECT_NE(down.at(last, 22), green);

    const Pixel blue{0, 0, 153};
    EXPECT_EQ(chosen.at(180, 60), blue);
    EXPECT_NE(chosen.at(219, 20), blue);    // the stock shows the chosen back
    EXPECT_NE(chosen.at(219, 20), white);
    EXPECT_NE(chosen.at(40, 20), blue);     // still fanned until the next deal
    EXPECT_EQ(piled.at(40, 20), blue);
    EXPECT_NE(piled.at(16, 20), blue);
}
