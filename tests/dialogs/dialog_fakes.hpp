// Test doubles for the dialog tests: a shell around a scratch settings store with a recording
// window, and a fixture that opens the shared dialogs in them.
#pragma once

#include "cards/fakes.hpp"
#include "settings/test_dir.hpp"
#include "shell/options_dialog.hpp"
#include "shell/settings_store.hpp"
#include "shell/shell.hpp"
#include "shell/statistics_dialog.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace dialog_test {

using settings_test::TestDir;

class FakeShell : public ct::Shell {
public:
    explicit FakeShell(const std::filesystem::path& database) : store_(database), settings_(store_, "Software\\qv\\test")
    {
    }
    cards_test::RecordingWindow fakeWindow;
    std::map<int, std::string> strings;
    int colorIndex = 0;
    int backIndex = 0;

    ct::Window& window() override { return fakeWindow; }
    ct::ProgramSettings& settings() override { return settings_; }
    void recordWin(ct::Winner) override {}
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

// A fake shell on a scratch store, with the shared dialogs run over its window.
class DialogFixture : public ::testing::Test {
protected:
    TestDir dir;
    std::filesystem::path database = dir / "registry.sqlite3";
    FakeShell shell{database};

    // Reads what is stored through a second store on the same file, as the next run would.
    std::uint32_t stored(const std::string& name) { return ct::SettingsStore(database).read("Software\\qv\\test", name); }
    // Opens the dialog with `user` acting in it; returns its result.
    int run(const ct::OptionsDescription& description, std::function<void(ct::Dialog&)> user)
    {
        shell.fakeWindow.user = std::move(user);
        return ct::runOptionsDialog(shell, description);
    }
    int run(const ct::StatisticsDescription& description, std::function<void(ct::Dialog&)> user)
    {
        shell.fakeWindow.user = std::move(user);
        return ct::runStatisticsDialog(shell, description);
    }
};

} // namespace dialog_test
