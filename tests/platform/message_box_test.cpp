// The drawn message box: its layout on the table, its buttons and keys, and how it looks.
#include "platform/message_box.hpp"

#include <gtest/gtest.h>

using namespace ct;

namespace {

Rect centre(const Rect& r) { return Rect{(r.left + r.right) / 2, (r.top + r.bottom) / 2, 0, 0}; }

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

} // namespace

// Both boxes stay on the table with their buttons inside; the first is drawn over the table only.
TEST(MessageBoxLayout, FitsTheTableKeepsButtonsInsideAndDrawsOverTheTableOnly)
{
    for (int dpi : {96, 192}) {
        const WindowGeometry g = pocketGeometry(dpi);
        const Rect client{0, 0, g.client.width, g.client.height};
        MessageBoxModal box("You have taken 3 card(s),\r\n including 1 extra one(s).", "Velmar", MsgBoxButtons::ok,
                            MsgBoxIcon::information, dpi, g.client);
        const Rect r = box.boxRect();
        EXPECT_TRUE(inside(r, client)) << dpi;
        ASSERT_EQ(box.buttonCount(), 1);
        EXPECT_TRUE(inside(box.buttonRect(0), r)) << dpi;
        Canvas frame(g.client.width, g.client.height + g.menuBarHeight);
        const Color green{0, 150, 0};
        frame.fillRect(Rect{0, 0, frame.width(), frame.height()}, green);
        box.draw(frame);
        EXPECT_EQ(frame.pixel(r.left, r.top), (Color{0, 0, 0}));   // frame
        EXPECT_EQ(frame.pixel(r.left - 1, r.top), green);           // the table around it
        EXPECT_EQ(frame.pixel(r.right, r.bottom), green);
        EXPECT_NE(frame.pixel((r.left + r.right) / 2, r.bottom - 2), green);
        frame.savePng(std::string(TEST_PICTURE_DIR) + "/message_box_" + std::to_string(dpi) + ".png");   // for looking at

        // A text far too long for the table is cut; the box and its buttons stay on the table.
        std::string longText;
        for (int i = 0; i < 200; ++i)
            longText += "many words ";
        MessageBoxModal tall(longText, "Caption", MsgBoxButtons::yesNo, MsgBoxIcon::question, dpi, g.client);
        EXPECT_TRUE(inside(tall.boxRect(), client)) << dpi;
        ASSERT_EQ(tall.buttonCount(), 2);
        EXPECT_TRUE(inside(tall.buttonRect(1), tall.boxRect())) << dpi;
        EXPECT_LE(tall.buttonRect(0).right, tall.buttonRect(1).left);
    }
}

TEST(MessageBoxInput, ButtonsAnswerOnlyWhenPressedAndReleasedOnThemAndCancelToo)
{
    const Size table = pocketGeometry(96).client;
    MessageBoxModal box("Transfer?", "", MsgBoxButtons::yesNo, MsgBoxIcon::question, 96, table);
    const Rect yes = centre(box.buttonRect(0));
    const Rect no = centre(box.buttonRect(1));
    box.stylusDown(yes.left, yes.top);
    box.stylusUp(no.left, no.top);   // slid off: nothing
    box.stylusUp(no.left, no.top);   // lifted without a press: nothing
    box.stylusDown(2, 2);            // beside the box
    box.stylusUp(2, 2);
    EXPECT_FALSE(box.done());
    box.stylusDown(no.left, no.top);
    box.stylusUp(no.left, no.top);
    EXPECT_TRUE(box.done());
    EXPECT_EQ(box.answer(), MsgBoxAnswer::no);

    // Enter and Escape: see the SDL window's test, where the box runs inside a tap.
    MessageBoxModal info("I win!", "", MsgBoxButtons::ok, MsgBoxIcon::information, 96, table);
    info.cancel();
    EXPECT_EQ(info.answer(), MsgBoxAnswer::ok);
    info.key(ModalKey::enter);
    EXPECT_EQ(info.answer(), MsgBoxAnswer::ok) << "the first answer stands";
}
