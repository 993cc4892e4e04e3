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

// A hand of six overlapping cards in two lines of three (each card 10 px right of the one
// before, the second line 20 px lower), an empty pile, a play area and a button.
std::vector<FocusStop> table(bool withSort = true, int cards = 6)
{
    FocusStop hand{"hand", FocusStop::Kind::cards, {}};
    for (int i = 0; i < cards; ++i) {
        const int left = 10 + (i % 3) * 10, top = 100 + (i / 3) * 20;
        hand.places.push_back(Rect{left, top, left + 40, top + 50});
        hand.numbers.push_back(i + 1);
    }
    std::vector<FocusStop> stops{hand, FocusStop{"pile", FocusStop::Kind::cards, {}},
                                 FocusStop{"play", FocusStop::Kind::area, {{10, 20, 100, 60}}, {}, "O"}};
    if (withSort)
        stops.push_back(FocusStop{"sort", FocusStop::Kind::button, {{200, 100, 230, 130}}, {}, "S"});
    return stops;
}

struct Press {
    unsigned key;
    bool shift;
    json focus;
};

TEST(KeyboardFocus, KeysMoveTheFocusInTabOrderAlongCardsAndAcrossLines)
{
    const json card1 = {{"set", "hand"}, {"card", 1}}, play = {{"area", "play"}}, sort = {{"button", "sort"}};
    auto card = [](int n) { return json{{"set", "hand"}, {"card", n}}; };
    const std::vector<Press> presses{
        {ct::vk::right, false, card1},            // the first key only shows the focus
        {ct::vk::right, false, card(2)},
        {ct::vk::end, false, card(6)},
        {ct::vk::right, false, card(6)},          // no further than the last card
        {ct::vk::left, false, card(5)},
        {ct::vk::end, false, card(6)},
        {ct::vk::up, false, card(3)},             // the line above, the card above
        {ct::vk::up, false, card(3)},             // no line above that
        {ct::vk::home, false, card1},
        {ct::vk::left, false, card1},
        {ct::vk::down, false, card(4)},
        {ct::vk::right, false, card(5)},
        {ct::vk::tab, false, play},               // the empty pile is passed over
        {ct::vk::tab, false, sort},
        {ct::vk::tab, false, card1},              // round the end, to the first card
        {ct::vk::tab, true, sort},
        {ct::vk::tab, true, play},
    };
    ct::KeyboardFocus focus;
    TapWindow window;
    EXPECT_FALSE(focus.shown());
    for (std::size_t i = 0; i < presses.size(); ++i) {
        EXPECT_TRUE(focus.key(presses[i].key, presses[i].shift, table(), window, true, false));
        EXPECT_EQ(focus.state(table()), presses[i].focus) << "after key " << i;
    }
    EXPECT_TRUE(window.sent.empty()) << "moving the focus taps nothing";

    // A hand that shrinks under the focus keeps it on its last card.
    focus.key(ct::vk::tab, false, table(), window, true, false);
    focus.key(ct::vk::tab, false, table(), window, true, false);
    focus.key(ct::vk::end, false, table(), window, true, false);
    EXPECT_EQ(focus.state(table(true, 3)), card(3));
    focus.key(ct::vk::tab, false, table(), window, true, false);

    // A stop that leaves the table gives the focus to the first stop.
    focus.key(ct::vk::tab, false, table(), window, true, false);
    EXPECT_EQ(focus.state(table()), sort);
    EXPECT_EQ(focus.state(table(false)), card1);

    // Shift+Tab as the very first key shows the last stop.
    ct::KeyboardFocus fresh;
    fresh.key(ct::vk::tab, true, table(), window, true, false);
    EXPECT_EQ(fresh.state(table()), sort);
}

TEST(KeyboardFocus, SpaceEnterAndShortcutsSendTheTapsOfTheFocusedPlace)
{
    const auto stops = table();
    const auto& hand = stops[0].places;
    ct::KeyboardFocus focus;
    TapWindow window;
    using ct::msg::stylusDown, ct::msg::stylusUp, ct::msg::doubleTap;

    // A shortcut taps its place without showing the focus; a key nothing uses is not taken.
    EXPECT_TRUE(focus.key('S', false, stops, window, true, true));
    EXPECT_EQ(window.sent, (std::vector<Sent>{{stylusDown, 215, 115}, {stylusUp, 215, 115}}));
    EXPECT_EQ(window.pauses, 1) << "a button is drawn pressed for a moment";
    EXPECT_FALSE(focus.shown());
    EXPECT_FALSE(focus.key('Q', false, stops, window, true, true));

    // Space on each card: down and up at one point that card answers, not a later one on top.
    focus.key(ct::vk::space, false, stops, window, true, true);
    EXPECT_EQ(window.sent.size(), 2u) << "the first Space only shows the focus";
    for (std::size_t i = 0; i < hand.size(); ++i) {
        window.sent.clear();
        focus.key(ct::vk::space, false, stops, window, true, true);
        ASSERT_EQ(window.sent.size(), 2u);
        const Sent& down = window.sent[0];
        EXPECT_EQ(window.sent[1], (Sent{stylusUp, down.x, down.y}));
        EXPECT_TRUE(ct::pointInRect(down.x, down.y, hand[i])) << "card " << i + 1;
        for (std::size_t j = i + 1; j < hand.size(); ++j)
            EXPECT_FALSE(ct::pointInRect(down.x, down.y, hand[j])) << "card " << i + 1 << " under " << j + 1;
        focus.key(ct::vk::right, false, stops, window, true, true);
    }
    EXPECT_EQ(window.pauses, 1) << "cards are not held";

    // Shift+Enter: a double tap where the program has them, otherwise a second tap.
    focus.key(ct::vk::home, false, stops, window, true, true);
    for (const bool doubleTaps : {true, false}) {
        window.sent.clear();
        focus.key(ct::vk::enter, true, stops, window, doubleTaps, true);
        ASSERT_EQ(window.sent.size(), 4u);
        const std::vector<unsigned> kinds{window.sent[0].message, window.sent[1].message, window.sent[2].message,
                                          window.sent[3].message};
        EXPECT_EQ(kinds, (std::vector<unsigned>{stylusDown, stylusUp, doubleTaps ? doubleTap : stylusDown, stylusUp}));
    }
    // Enter on the button presses it, held like the shortcut.
    focus.key(ct::vk::end, false, stops, window, true, true);
    focus.key(ct::vk::tab, true, stops, window, true, true);
    window.sent.clear();
    focus.key(ct::vk::enter, false, stops, window, true, true);
    EXPECT_EQ(window.sent, (std::vector<Sent>{{stylusDown, 215, 115}, {stylusUp, 215, 115}}));
    EXPECT_EQ(window.pauses, 2);
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

// The names the replays play (tab, space, enter, shift+enter, home, end, the arrows, letters)
// are pinned by them; these are the rest.
TEST(KeyboardFocus, ScriptKeyNamesAreTheWindowsVirtualKeys)
{
    const struct {
        const char* name;
        unsigned key;
        bool shift;
    } keys[] = {{"Shift+Tab", ct::vk::tab, true}, {"up", ct::vk::up, false}, {"4", '4', false}};
    for (const auto& row : keys) {
        unsigned key = 0;
        bool shift = !row.shift;
        EXPECT_TRUE(ct::parseTableKey(row.name, key, shift)) << row.name;
        EXPECT_EQ(key, row.key) << row.name;
        EXPECT_EQ(shift, row.shift) << row.name;
    }
    unsigned key = 0;
    bool shift = false;
    for (const char* name : {"alt+n", "ctrl+o", "shift+", "f4", "tabs", "", "+"})
        EXPECT_FALSE(ct::parseTableKey(name, key, shift)) << name;
}

} // namespace
