// Test doubles for the dialog tests: a window that runs dialogs from a test's script, a shell
// around a scratch settings store, and a scratch directory.
#pragma once

#include "platform/dialog.hpp"
#include "platform/window.hpp"
#include "shell/settings_store.hpp"
#include "shell/shell.hpp"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace dialog_test {

class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qv-dialogs-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A window whose runDialog begins the dialog on a 240 x 320 screen and then lets the test act
// as the user; it records every game message and invalidation.
class FakeWindow : public ct::Window {
public:
    std::function<void(ct::Dialog&)> user;      // what the "user" does while the dialog is open
    std::vector<std::uintptr_t> gameMessages;  // wParam of each msg::user sent
    std::function<void(std::uintptr_t)> onGameMessage;
    int invalidatedAll = 0;
    ct::Size client{240, 294};
    ct::Size screen{240, 320};
    ct::Rect lastFrame;

    void invalidate(const ct::Rect&) override {}
    void invalidateAll() override { ++invalidatedAll; }
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
    ct::MsgBoxAnswer messageBox(std::string_view, std::string_view, ct::MsgBoxButtons, ct::MsgBoxIcon) override
    {
        return ct::MsgBoxAnswer::ok;
    }
    void setTitle(std::string_view title) override { title_ = title; }
    std::string title() const override { return title_; }
    ct::Size clientSize() const override { return client; }
    void pause(int) override {}
    void openHelp(std::string_view) override {}
    void destroy() override {}
    int runDialog(ct::Dialog& dialog) override
    {
        dialog.begin(screen);
        lastFrame = dialog.frame();
        if (user && !dialog.ended())
            user(dialog);
        return dialog.ended() ? dialog.result() : 2;
    }

private:
    std::string title_;
};

class FakeShell : public ct::Shell {
public:
    explicit FakeShell(const std::filesystem::path& database)
        : store_(database), settings_(store_, "Software\\qv\\test")
    {
    }
    FakeWindow fakeWindow;
    std::map<int, std::string> strings;
    int colorIndex = 0;
    int backIndex = 0;

    ct::Window& window() override { return fakeWindow; }
    ct::ProgramSettings& settings() override { return settings_; }
    const std::string& string(int id) const override
    {
        static const std::string none;
        auto it = strings.find(id);
        return it == strings.end() ? none : it->second;
    }
    const ct::Icon& buttonIcon(int) const override
    {
        static const ct::Icon none;
        return none;
    }
    int tableColorIndex() const override { return colorIndex; }
    int cardBackIndex() const override { return backIndex; }
    void setTableColorIndex(int index) override { colorIndex = index; }
    void setCardBackIndex(int index) override { backIndex = index; }
    bool headless() const override { return true; }

private:
    ct::SettingsStore store_;
    ct::ProgramSettings settings_;
};

} // namespace dialog_test
