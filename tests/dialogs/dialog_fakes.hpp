// Test doubles for the dialog tests: a shell around a scratch settings store with a recording
// window, a fixture that opens the shared dialogs in them, and a sample dialog and procedure.
#pragma once

#include "cards/fakes.hpp"
#include "settings/test_dir.hpp"
#include "shell/options_dialog.hpp"
#include "shell/settings_store.hpp"
#include "shell/shell.hpp"
#include "shell/statistics_dialog.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace dialog_test {

using settings_test::TestDir;

class FakeShell : public ct::Shell {
public:
    explicit FakeShell(const std::filesystem::path& database) : store_(database), settings_(store_, "Software\\qv\\test")
    {
    }
    cards_test::RecordingWindow fakeWindow;
    int colorIndex = 0;
    int backIndex = 0;

    ct::Window& window() override { return fakeWindow; }
    ct::ProgramSettings& settings() override { return settings_; }
    void recordWin(ct::Winner) override {}
    const std::string& string(int) const override
    {
        static const std::string none;
        return none;
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

// A command the procedure received: the control and its notification.
using Command = std::pair<int, unsigned>;

// An Options-like dialog: heading, two lists, a check box, a combo box with its label, a button.
inline ct::DialogTemplate sampleTemplate()
{
    ct::DialogTemplate t;
    t.resource = 130;
    t.width = 124;
    t.height = 120;
    t.fullScreen = true;
    t.controls = {
        {ct::dlg::idStatic, ct::ControlKind::staticText, "Card back              Background", 3, 3, 118, 10},
        {1003, ct::ControlKind::listBox, "", 3, 14, 59, 44},
        {1006, ct::ControlKind::listBox, "", 63, 14, 59, 44},
        {1011, ct::ControlKind::checkBox, "Show the number of cards left", 3, 61, 118, 10},
        {ct::dlg::idStatic, ct::ControlKind::staticText, "Game type", 3, 87, 40, 10},
        {1015, ct::ControlKind::comboBox, "", 45, 85, 77, 60},
        {1012, ct::ControlKind::button, "Clear", 3, 102, 40, 14},
    };
    return t;
}

// Records the commands; fills the lists (five items each, three in the combo box) at
// initDialog; ends on OK and cancel when `handles`.
struct Recorder {
    std::vector<Command> commands;
    int inits = 0;
    bool handles = true;

    ct::Dialog::Procedure procedure()
    {
        return [this](ct::Dialog& d, unsigned message, std::uintptr_t wParam, std::intptr_t) {
            if (message == ct::dlg::initDialog) {
                ++inits;
                for (const char* name : {"Plaiting", "Fish", "Joconda", "Gradient", "Pattern"}) {
                    d.addString(1003, name);
                    d.addString(1006, name);
                }
                for (const char* name : {"Thrown up", "Thrown up. Transfer", "Bulk"})
                    d.addString(1015, name);
                d.setSelection(1015, 1);
                return 1;
            }
            if (message != ct::dlg::command)
                return 0;
            const int id = ct::commandId(wParam);
            commands.emplace_back(id, ct::commandNotification(wParam));
            if (handles && (id == ct::dlg::idOk || id == ct::dlg::idCancel)) {
                d.end(id);
                return 1;
            }
            return 0;
        };
    }
};

struct Point {
    int x, y;
};

inline Point centre(const ct::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

inline void tap(ct::Dialog& d, Point p)
{
    d.stylusDown(p.x, p.y);
    d.stylusUp(p.x, p.y);
}

} // namespace dialog_test
