// Keyboard focus: the order keys move it in, the taps they send, the outline and its absence.
#include "shell/keyboard_focus.hpp"

#include "cards/fakes.hpp"
#include "shell/script_commands.hpp"

#include <gtest/gtest.h>

namespace {

using ct::FocusStop;
using ct::Rect;
using nlohmann::json;

struct Sent {
    unsigned message;
    int x, y;
    friend bool operator==(const Sent&, const Sent&) = default;
};

class TapWindow : public cards_test::RecordingWindow {
public:
    std::vector<Sent> sent;
    int pauses = 0;
    std::intptr_t sendMessage(unsigned message, std::uintptr_t, std::intptr_t lParam) override
    {
        sent.push_back({message, ct::paramX(lParam), ct::paramY(lParam)});
        return 0;
    }
    void pause(int) override { ++pauses; }
};

// A hand of six overlapping cards in two lines of three, an empty pile, a play area and a button.
std::vector<FocusStop> table()
{
    FocusStop hand{"hand", FocusStop::Kind::cards, {}};
    for (int i = 0; i < 6; ++i) {
        const int left = 10 + (i % 3) * 10, top = 100 + (i / 3) * 20;
        hand.places.push_back(Rect{left, top, left + 40, top + 50});
        hand.numbers.push_back(i + 1);
    }
    return {hand, FocusStop{"pile", FocusStop::Kind::cards, {}},
            FocusStop{"play", FocusStop::Kind::area, {{10, 20, 100, 60}}, {}, "O"},
            FocusStop{"sort", FocusStop::Kind::button, {{200, 100, 230, 130}}, {}, "S"}};
}

// Moving along a hand and across its lines, Tab round the stops and Space on overlapping cards
// are played by the Velmar focus-keys replay; a replay cannot see how long a button is held.
TEST(KeyboardFocus, ButtonsAreHeldCardsAreNotAndShiftEnterWithoutDoubleTapsTapsTwice)
{
    const auto stops = table();
    ct::KeyboardFocus focus;
    TapWindow window;
    using ct::msg::stylusDown, ct::msg::stylusUp;
    // A shortcut taps its place; a key nothing uses is not taken.
    EXPECT_TRUE(focus.key('S', false, stops, window, true, true));
    EXPECT_EQ(window.sent, (std::vector<Sent>{{stylusDown, 215, 115}, {stylusUp, 215, 115}}));
    EXPECT_EQ(window.pauses, 1) << "a button is drawn pressed for a moment";
    EXPECT_FALSE(focus.key('Q', false, stops, window, true, true));

    focus.key(ct::vk::space, false, stops, window, true, true);
    window.sent.clear();
    focus.key(ct::vk::enter, true, stops, window, false, true);
    std::vector<unsigned> kinds;
    for (const Sent& s : window.sent)
        kinds.push_back(s.message);
    EXPECT_EQ(kinds, (std::vector<unsigned>{stylusDown, stylusUp, stylusDown, stylusUp}));
    EXPECT_EQ(window.pauses, 1) << "cards are not held";

    // The empty pile is passed over.
    focus.key(ct::vk::tab, false, stops, window, true, true);
    EXPECT_EQ(focus.state(stops), (json{{"area", "play"}}));
}

TEST(KeyboardFocus, StopsFromTableElementsLeaveHiddenCardsOutAndGiveSuitsTheirDigits)
{
    cards_test::RecordingWindow window;
    ct::CardSet hand;
    hand.window = &window;
    hand.originX = 2, hand.originY = 150, hand.cardWidth = 30, hand.cardHeight = 40;
    for (int rank = 6; rank <= 8; ++rank)
        hand.append(1, rank);
    hand.relayout();
    hand.at(2).hidden = 1;
    const FocusStop stop = ct::cardStop("hand", hand);
    EXPECT_EQ(stop.numbers, (std::vector<int>{1, 3}));
    EXPECT_EQ(stop.places, (std::vector<Rect>{hand.at(1).bounds, hand.at(3).bounds}));

    const ct::SuitButtons suits{{204, 2, 236, 34}};
    TapWindow taps;
    ct::KeyboardFocus focus;
    focus.key('4', false, {ct::suitStop("suits", suits)}, taps, true, false);
    ASSERT_EQ(taps.sent.size(), 2u);
    EXPECT_TRUE(ct::pointInRect(taps.sent[0].x, taps.sent[0].y, ct::scaleRect(suits.area(4))));
}

TEST(KeyboardFocus, OutlineIsDrawnOnlyOnceAKeyWasUsedInBothTonesAndScaledWithDensity)
{
    const Rect button{200, 100, 230, 130};
    const ct::Color green{0, 150, 0}, black{0, 0, 0}, white{255, 255, 255};
    for (const int dpi : {96, 192}) {
        ct::setScreenDensity(dpi, dpi);
        const int t = dpi / 96;
        ct::Canvas canvas{240, 200};
        canvas.fillRect(Rect{0, 0, 240, 200}, green);
        ct::KeyboardFocus focus;
        TapWindow window;
        focus.draw(canvas, table());
        focus.key('S', false, table(), window, true, false);   // a shortcut does not show it
        focus.draw(canvas, table());
        for (int y = 0; y < 200; y += 3)
            for (int x = 0; x < 240; x += 3)
                ASSERT_EQ(canvas.pixel(x, y), green) << "drawn before a focus key at " << x << "," << y;

        focus.key(ct::vk::tab, true, table(), window, true, false);
        focus.draw(canvas, table());
        // Three rings, each as thick as the density makes one pixel, round the place left as it is.
        std::vector<ct::Color> row;
        for (int x = button.left - 3 * t - 1; x <= button.left; ++x)
            row.push_back(canvas.pixel(x, 115));
        std::vector<ct::Color> expected{green};
        for (const ct::Color& ring : {black, white, black})
            expected.insert(expected.end(), static_cast<std::size_t>(t), ring);
        expected.push_back(green);
        EXPECT_EQ(row, expected);
        // Moving the focus away invalidates the old outline.
        window.invalidated.clear();
        focus.key(ct::vk::tab, false, table(), window, true, false);
        EXPECT_TRUE(window.wasInvalidated(ct::focusOutline(button)));
    }
    ct::setScreenDensity(96, 96);
}

// The names the replays play (shift+tab, space, enter, home, end, the arrows, letters) are
// pinned by them; these are the rest.
TEST(KeyboardFocus, ScriptKeyNamesAreTheWindowsVirtualKeys)
{
    unsigned key = 0;
    bool shift = true;
    EXPECT_TRUE(ct::parseTableKey("4", key, shift));
    EXPECT_EQ(key, unsigned{'4'});
    EXPECT_FALSE(shift);
    EXPECT_TRUE(ct::parseTableKey("Shift+Tab", key, shift));
    EXPECT_EQ(key, ct::vk::tab);
    EXPECT_TRUE(shift);
    for (const char* name : {"alt+n", "ctrl+o", "shift+", "f4", "tabs", "", "+"})
        EXPECT_FALSE(ct::parseTableKey(name, key, shift)) << name;
}

} // namespace
