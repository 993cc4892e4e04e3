// The shared window through its headless backend: invalidation and painting, destruction and
// modal layers, and the density a window of some size takes.
#include "platform/density.hpp"
#include "platform/headless_window.hpp"
#include "platform/message_box.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace ct;
using nlohmann::json;

namespace {

WindowGeometry smallGeometry()
{
    WindowGeometry g;
    g.dpi = 96;
    g.client = Size{100, 80};
    g.menuBarHeight = 10;
    return g;
}

} // namespace

TEST(WindowPainting, InvalidAreasOnTheTablePaintOnceAndADestroyedWindowIsSilent)
{
    HeadlessWindow window(smallGeometry(), EventSink{});
    std::vector<unsigned> messages;
    window.setProcedure([&](Window& w, unsigned m, std::uintptr_t, std::intptr_t) -> std::intptr_t {
        messages.push_back(m);
        if (m == msg::paint)   // changes made while painting are drawn by this paint: no second one
            w.invalidate(Rect{0, 0, 5, 5});
        if (m == msg::destroy)
            w.destroy();   // a tear-down that destroys again must not recurse
        return 7;
    });
    window.invalidate(Rect{500, 500, 600, 600});   // wholly outside: nothing to paint
    EXPECT_FALSE(window.paintIfInvalid());
    window.invalidate(Rect{-5, 30, 15, 200});
    EXPECT_TRUE(window.paintIfInvalid());
    EXPECT_FALSE(window.paintIfInvalid());
    window.invalidateAll();
    window.updateNow();
    EXPECT_EQ(messages, (std::vector<unsigned>{msg::paint, msg::paint}));

    EXPECT_EQ(window.sendMessage(msg::user, 3, 0), 7);
    window.destroy();
    window.destroy();
    EXPECT_TRUE(window.destroyed());
    // A chain that runs on after Exit reaches nothing.
    EXPECT_EQ(window.sendMessage(msg::user, 1, 0), 0);
    window.invalidateAll();
    EXPECT_FALSE(window.paintIfInvalid());
    EXPECT_EQ(messages, (std::vector<unsigned>{msg::paint, msg::paint, msg::user, msg::destroy}));
}

// Titles, pauses, help links and message box answers are events of every replay's transcript,
// but no program there sets its title twice, and the rules page always lies beside it.
TEST(HeadlessReports, TitleOnlyWhenItChangesAndAMissingHelpPage)
{
    std::vector<json> events;
    HeadlessWindow window(smallGeometry(), [&events](const json& event) { events.push_back(event); });
    window.setTitle("Bulk");
    window.setTitle("Bulk");
    EXPECT_EQ(events.size(), 1u);
    events.clear();
    window.openHelp("file:velmar.0409.htm#99");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]["event"], "warning");
}

TEST(HeadlessModal, ALayerNobodyDrivesIsCancelledNotLeftHanging)
{
    // Scripts drive every dialog of the replays; without a driver the layer must not hang.
    HeadlessWindow window(smallGeometry(), EventSink{});
    MessageBoxModal box("Transfer?", "", MsgBoxButtons::yesNo, MsgBoxIcon::question, 96, Size{100, 80});
    window.runModal(box);
    EXPECT_TRUE(box.done());
    EXPECT_EQ(box.answer(), MsgBoxAnswer::no);
}

TEST(WindowDensity, LargestFittingDensityAndExactRescaling)
{
    auto scaled = [](int dpi, int n) { return (dpi * n + 48) / 96; };
    for (int dpi = 96; dpi <= 480; ++dpi) {
        const int width = scaled(dpi, 240), height = scaled(dpi, 320);
        ASSERT_EQ(densityToFit(width, height), dpi);
        if (dpi > 96) {
            ASSERT_LT(densityToFit(width - 1, height + 100), dpi);
            ASSERT_LT(densityToFit(width + 100, height - 1), dpi);
        }
    }
    EXPECT_EQ(densityToFit(100, 100), 96);    // never below the smallest density
    EXPECT_EQ(densityToFit(9000, 9000), 480);
    // A place laid out at one density lands where laying it out at the other would put it.
    for (int from : {96, 131, 150, 192, 230, 480})
        for (int to : {96, 131, 150, 192, 230, 480})
            for (int n = 0; n <= 320; ++n)
                ASSERT_EQ(rescalePixels(scaled(from, n), from, to), scaled(to, n)) << from << " " << to << " " << n;
    EXPECT_EQ(rescalePixels(-1, 96, 192), -1);

    // A program that refuses a density keeps the window as it was; one that takes it gets the new canvas.
    HeadlessWindow window(pocketGeometry(96), EventSink{});
    bool accept = false;
    window.setProcedure([&accept](Window&, unsigned message, std::uintptr_t, std::intptr_t) -> std::intptr_t {
        return message == msg::dpiChanged && accept ? 1 : 0;
    });
    EXPECT_FALSE(window.changeDensity(192));
    EXPECT_EQ(window.canvas().width(), 240);
    accept = true;
    EXPECT_TRUE(window.changeDensity(150));
    EXPECT_EQ(window.canvas().width(), pocketGeometry(150).client.width);
    EXPECT_TRUE(window.needsPaint());
}
