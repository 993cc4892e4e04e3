// Test doubles shared by the framework's tests: a window that records what it is asked to do
// and runs dialogs with the test acting as the user, and a fixture that puts the program-wide
// card state back to its start-up values.
#pragma once

#include "cards/card_style.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"
#include "platform/density.hpp"
#include "platform/dialog.hpp"
#include "platform/window.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace cards_test {

class RecordingWindow : public ct::Window {
public:
    std::vector<ct::Rect> invalidated;
    std::vector<std::string> boxes;
    ct::MsgBoxAnswer answer = ct::MsgBoxAnswer::ok;
    std::vector<std::uintptr_t> gameMessages;            // wParam of each msg::user sent
    std::function<void(std::uintptr_t)> onGameMessage;
    std::function<void(ct::Dialog&)> user;               // what the "user" does while a dialog is open
    ct::Rect lastFrame;                                  // where the last dialog opened
    ct::Size client{240, 294};

    void invalidate(const ct::Rect& area) override { invalidated.push_back(area); }
    void invalidateAll() override {}
    void updateNow() override {}
    std::intptr_t sendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t) override
    {
        if (message == ct::msg::user) {
            gameMessages.push_back(wParam);
            if (onGameMessage)
                onGameMessage(wParam);
        }
        return 0;
    }
    ct::MsgBoxAnswer messageBox(std::string_view text, std::string_view, ct::MsgBoxButtons, ct::MsgBoxIcon) override
    {
        boxes.emplace_back(text);
        return answer;
    }
    void setTitle(std::string_view title) override { title_ = title; }
    std::string title() const override { return title_; }
    ct::Size clientSize() const override { return client; }
    void pause(int) override {}
    void openHelp(std::string_view) override {}
    void destroy() override {}
    // Begins the dialog on a 240 x 320 screen, then lets `user` act; unfinished, it is cancelled.
    int runDialog(ct::Dialog& dialog) override
    {
        dialog.begin({240, 320});
        lastFrame = dialog.frame();
        if (user && !dialog.ended())
            user(dialog);
        return dialog.ended() ? dialog.result() : 2;
    }

    bool wasInvalidated(const ct::Rect& area) const
    {
        return std::find(invalidated.begin(), invalidated.end(), area) != invalidated.end();
    }

private:
    std::string title_;
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
