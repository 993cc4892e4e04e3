// The status line, and the error and alert boxes. The CLPA string list holds Velmar's game
// type names, which its options and damaged-store replays show.
#include "fakes.hpp"

#include <string>

using namespace ct;
using cards_test::CardsTest;
using cards_test::RecordingWindow;

class StatusTest : public CardsTest {};

TEST_F(StatusTest, SetFormatsCutsAndRepaintsTheScaledRegion)
{
    RecordingWindow window;
    setScreenDensity(192, 192);
    StatusLine line;
    line.configure(StatusRegion{{2, 198, 240, 260}, {2, 198, 240, 237}, 0}, &window);
    line.set("Select %d cards", 3);
    EXPECT_STREQ(line.text(), "Select 3 cards");
    EXPECT_EQ(window.invalidated, (std::vector<Rect>{Rect{4, 396, 480, 520}}));
    line.set("Select %d cards", 3);
    EXPECT_EQ(window.invalidated.size(), 2u) << "the same text again still repaints";
    line.set(nullptr);
    EXPECT_EQ(line.text(), nullptr);
    EXPECT_FALSE(line.isShown());
    EXPECT_EQ(window.invalidated.size(), 3u);

    const std::string longText(300, 'x');
    line.set("%s", longText.c_str());
    EXPECT_EQ(std::string(line.text()), longText.substr(0, 254));
}

TEST_F(StatusTest, WithoutAWindowOfItsOwnTheMainWindowRepaints)
{
    RecordingWindow window;
    setMainWindow(&window);
    statusLine().configure(StatusRegion{{166, 122, 238, 377}, {166, 122, 238, 377}, 0x11}, nullptr);
    statusLine().set("Your move!");
    EXPECT_EQ(window.invalidated, (std::vector<Rect>{Rect{166, 122, 238, 377}}));

    StatusLine alone;   // no window at all: nothing to repaint, nothing breaks
    setMainWindow(nullptr);
    alone.set("text");
    EXPECT_STREQ(alone.text(), "text");
}

TEST_F(StatusTest, ErrorAndAlertBoxes)
{
    EXPECT_EQ(errorBox(nullptr, "Error %d", 2), 7) << "no window: nothing shown, count returned";
    EXPECT_EQ(alertBox("CLPA: alloc error!"), 0);

    RecordingWindow owner;
    const std::string longText(400, 'y');
    EXPECT_EQ(errorBox(&owner, "%s", longText.c_str()), 254);
    ASSERT_EQ(owner.boxes.size(), 1u);
    EXPECT_EQ(owner.boxes[0].size(), 254u);

    RecordingWindow main;
    setMainWindow(&main);
    EXPECT_EQ(errorBox(nullptr, "ERROR: computer will go!"), 24);
    EXPECT_EQ(alertBox(nullptr), static_cast<int>(MsgBoxAnswer::ok));
    EXPECT_EQ(alertBox("%s", longText.c_str()), 1);
    EXPECT_EQ(main.boxes, (std::vector<std::string>{"ERROR: computer will go!", "", longText}));
}
