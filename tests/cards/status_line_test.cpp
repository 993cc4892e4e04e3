// The status line, and the error and alert boxes. The status text itself is in every replay's
// state events; what it repaints and where long texts are cut is not.
#include "fakes.hpp"

#include <string>

using namespace ct;
using cards_test::CardsTest;
using cards_test::RecordingWindow;

TEST_F(CardsTest, StatusLineRepaintsItsScaledRegionOrTheMainWindowsAndCutsLongTexts)
{
    RecordingWindow window;
    setScreenDensity(192, 192);
    StatusLine line;
    line.configure(StatusRegion{{2, 198, 240, 260}, {2, 198, 240, 237}, 0}, &window);
    line.set("Select %d cards", 3);
    line.set("Select %d cards", 3);   // the same text again still repaints
    line.set(nullptr);
    EXPECT_EQ(line.text(), nullptr);
    EXPECT_EQ(window.invalidated, (std::vector<Rect>(3, Rect{4, 396, 480, 520})));
    const std::string longText(300, 'x');
    line.set("%s", longText.c_str());
    EXPECT_EQ(std::string(line.text()), longText.substr(0, 254));

    RecordingWindow main;
    setMainWindow(&main);
    statusLine().configure(StatusRegion{{166, 122, 238, 377}, {166, 122, 238, 377}, 0x11}, nullptr);
    statusLine().set("Your move!");
    EXPECT_EQ(main.invalidated, (std::vector<Rect>{Rect{332, 244, 476, 754}}));
    setMainWindow(nullptr);
    statusLine().set("text");   // no window at all: nothing to repaint, nothing breaks
    EXPECT_STREQ(statusLine().text(), "text");
}

TEST_F(CardsTest, ErrorAndAlertBoxesGoToTheirOwnerOrTheMainWindowCut)
{
    EXPECT_EQ(errorBox(nullptr, "Error %d", 2), 7) << "no window: nothing shown, count returned";
    EXPECT_EQ(alertBox("CLPA: alloc error!"), 0);

    RecordingWindow owner;
    const std::string longText(400, 'y');
    EXPECT_EQ(errorBox(&owner, "%s", longText.c_str()), 254);
    EXPECT_EQ(owner.boxes, (std::vector<std::string>{longText.substr(0, 254)}));

    RecordingWindow main;
    setMainWindow(&main);
    EXPECT_EQ(errorBox(nullptr, "ERROR: computer will go!"), 24);
    EXPECT_EQ(alertBox(nullptr), static_cast<int>(MsgBoxAnswer::ok));
    EXPECT_EQ(alertBox("%s", longText.c_str()), 1);
    EXPECT_EQ(main.boxes, (std::vector<std::string>{"ERROR: computer will go!", "", longText}));
}
