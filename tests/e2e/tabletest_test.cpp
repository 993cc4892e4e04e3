// End-to-end checks of the built test table that a replay transcript cannot make: its pictures in
// the headless mode and in the real window.
#include "program_runner.hpp"

#include <gtest/gtest.h>

using namespace e2e;

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

const Pixel green{0, 150, 0};
const Pixel white{255, 255, 255};

} // namespace

// The headless shot (the table) and the real window's first picture on a virtual X display (the
// table above the menu bar) at two densities.
TEST(TabletestPictures, ShotsAndTheWindowShowTheTableAndTheCardsWhereTheyLie)
{
    for (int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        ScratchDir dir;
        const auto file = dir / "table.png";
        const auto [x1, y1] = cardCentre(dpi, 1);
        const std::string tap = "tap " + std::to_string(x1) + " " + std::to_string(y1) + "\n";
        const ProgramRun run = runProgram(program, {"--headless", "--seed", "7", "--dpi", std::to_string(dpi),
                                                    "--config-dir", (dir / "config").string()},
                                          tap + "shot " + file.string() + "\n", dir);
        ASSERT_EQ(run.status, 0) << run.err;
        // The pixel `dx` right of the middle of the n-th card.
        const auto card = [dpi](const Picture& shot, int n, int dx = 0) {
            return shot.at(cardCentre(dpi, n).first + dx, cardCentre(dpi, n).second);
        };
        const auto expectTable = [&](const Picture& shot) {
            EXPECT_EQ(shot.width(), scaled(dpi, 240));
            EXPECT_EQ(shot.at(scaled(dpi, 120), scaled(dpi, 20)), green);                 // open table
            EXPECT_EQ(card(shot, 2), white);                                              // a card face
            EXPECT_EQ(shot.at(scaled(dpi, 10), scaled(dpi, 60)), (Pixel{0, 0, 0}));       // frame of the first card
            EXPECT_EQ(shot.at(scaled(dpi, 10) - 1, scaled(dpi, 60)), green);
        };
        Picture shot(file);
        ASSERT_TRUE(shot.loaded());
        expectTable(shot);
        EXPECT_EQ(shot.height(), scaled(dpi, 320) - scaled(dpi, 26));
        EXPECT_EQ(shot.at(scaled(dpi, 120), scaled(dpi, 280)), green);
        EXPECT_EQ(card(shot, 1), (Pixel{200, 200, 200}));                     // the selected card
        EXPECT_EQ(card(shot, 9), white);                                       // second row
        EXPECT_EQ(card(shot, 10, scaled(dpi, 28)), green);                     // nothing after the tenth
        EXPECT_NE(shot.at(scaled(dpi, 219), scaled(dpi, 22)), green);         // the face-down pack
#ifdef XVFB_RUN_PATH
        const auto windowFile = dir / "window.png";
        const ProgramRun shown = runProgram(XVFB_RUN_PATH, {"-a", program, "--seed", "7", "--dpi", std::to_string(dpi),
                                                            "--config-dir", (dir / "config").string(),
                                                            "--selftest-shot", windowFile.string()}, "", dir);
        ASSERT_EQ(shown.status, 0) << shown.err;
        Picture window(windowFile);
        ASSERT_TRUE(window.loaded());
        expectTable(window);
        EXPECT_EQ(window.height(), scaled(dpi, 320));
        // The menu bar below the table, "Game" written on it at its left.
        const int barY = scaled(dpi, 320) - scaled(dpi, 26) / 2;
        const Pixel bar{214, 219, 230};
        EXPECT_EQ(window.at(scaled(dpi, 230), barY), bar);
        bool text = false;
        for (int x = 0; x < scaled(dpi, 60); ++x)
            text = text || window.at(x, barY) != bar;
        EXPECT_TRUE(text);
#endif
    }
}
