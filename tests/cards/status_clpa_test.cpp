// The status line, the error and alert boxes, and the CLPA string list.
#include "cards/clpa.hpp"
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

TEST(Clpa, GrowsByOneKeepsItsOwnCopiesAndStartsAfreshAfterFreeing)
{
    CLPA list;
    EXPECT_EQ(list.addString(nullptr), 0);
    EXPECT_EQ(list.count(), 0);
    const char* names[] = {"Thrown up", "Thrown up. Transfer", "Bulk", "Japanese. Transfer"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.addString(names[i]), 1);
        EXPECT_EQ(list.capacity(), i + 1) << "step 0 grows the array by one item per add";
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(list.at(i), names[i]);
        EXPECT_NE(list.at(i), names[i]) << "the list holds its own copy";
    }
    EXPECT_EQ(list.longest(), 19);
    EXPECT_EQ(list.at(4), nullptr);
    EXPECT_EQ(list.at(-1), nullptr);
    EXPECT_EQ(list.addItem(0), 1);
    EXPECT_EQ(list.at(4), nullptr) << "an empty item";

    list.freeAll();   // the empty item is not freed
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.capacity(), 0);
    EXPECT_EQ(list.longest(), 0);
    EXPECT_EQ(list.at(0), nullptr);
    EXPECT_EQ(list.addString("again"), 1);
    EXPECT_EQ(list.capacity(), 1);
    EXPECT_STREQ(list.at(0), "again");

    // Releasing the array leaves the strings to whoever holds them.
    char* owned = const_cast<char*>(list.at(0));
    list.releaseArray();
    EXPECT_EQ(list.count(), 0);
    EXPECT_STREQ(owned, "again");
    std::free(owned);
}
