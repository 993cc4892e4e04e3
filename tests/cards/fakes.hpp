// Test doubles for the cards tests: a window that records what it is asked to do, and a
// fixture that puts the program-wide card state back to its start-up values.
#pragma once

#include "cards/card_style.hpp"
#include "cards/layout.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"
#include "platform/window.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cards_test {

class RecordingWindow : public ct::Window {
public:
    std::vector<ct::Rect> invalidated;
    std::vector<std::string> boxes;
    ct::MsgBoxAnswer answer = ct::MsgBoxAnswer::ok;

    void invalidate(const ct::Rect& area) override { invalidated.push_back(area); }
    void invalidateAll() override {}
    void updateNow() override {}
    std::intptr_t sendMessage(unsigned, std::uintptr_t, std::intptr_t) override { return 0; }
    ct::MsgBoxAnswer messageBox(std::string_view text, std::string_view, ct::MsgBoxButtons, ct::MsgBoxIcon) override
    {
        boxes.emplace_back(text);
        return answer;
    }
    void setTitle(std::string_view) override {}
    std::string title() const override { return {}; }
    ct::Size clientSize() const override { return {240, 294}; }
    void pause(int) override {}
    void openHelp(std::string_view) override {}
    void destroy() override {}

    bool wasInvalidated(const ct::Rect& area) const
    {
        for (const auto& r : invalidated)
            if (r == area)
                return true;
        return false;
    }
};

// Density 96, the default card style, a fresh generator, no main window.
class CardsTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset()
    {
        ct::setScreenDensity(96, 96);
        ct::useCardStyle(ct::defaultCardStyle());
        ct::randomState() = {};
        ct::setFixedSeed(0);
        ct::setMainWindow(nullptr);
        ct::statusLine().configure({}, nullptr);
        ct::statusLine().clear();
    }
};

} // namespace cards_test
