// End-to-end: the real SDL window on a virtual X display, read back after its first picture.
#include "program_runner.hpp"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

int scaled(int dpi, int n) { return (dpi * n + 48) / 96; }

} // namespace

TEST(TabletestWindow, FirstPictureShowsTableCardsAndMenuBar)
{
    for (int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        ScratchDir dir;
        const auto file = dir / "window.png";
        const ProgramRun run = runProgram(XVFB_RUN_PATH,
                                          {"-a", TABLETEST_PATH, "--seed", "7", "--dpi", std::to_string(dpi),
                                           "--config-dir", (dir / "config").string(), "--selftest-shot",
                                           file.string()},
                                          "", dir);
        ASSERT_EQ(run.status, 0) << run.err;
        Picture shot(file);
        ASSERT_TRUE(shot.loaded());
        // The whole pocket screen: the table above a menu bar.
        EXPECT_EQ(shot.width(), scaled(dpi, 240));
        EXPECT_EQ(shot.height(), scaled(dpi, 320));
        EXPECT_EQ(shot.at(scaled(dpi, 120), scaled(dpi, 20)), (Pixel{0, 150, 0}));
        const int cardX = scaled(dpi, 10) + scaled(dpi, 28) / 2;
        const int cardY = scaled(dpi, 60) + scaled(dpi, 40) / 2;
        EXPECT_EQ(shot.at(cardX, cardY), (Pixel{255, 255, 255}));
        EXPECT_EQ(shot.at(scaled(dpi, 10), scaled(dpi, 60)), (Pixel{0, 0, 0}));
        const int barY = scaled(dpi, 320) - scaled(dpi, 26) / 2;
        EXPECT_EQ(shot.at(scaled(dpi, 230), barY), (Pixel{214, 219, 230}));
        // "Game" is written on the bar at its left.
        bool text = false;
        for (int x = 0; x < scaled(dpi, 60); ++x)
            text = text || shot.at(x, barY) != Pixel{214, 219, 230};
        EXPECT_TRUE(text);
    }
}
