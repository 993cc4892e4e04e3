// A program's stored settings declared once: how each is read at start-up, its Options control,
// its Statistics line and what a change does. Start-up, both dialogs and the state dump use it.
#pragma once

#include "platform/dialog.hpp"
#include "shell/options_dialog.hpp"
#include "shell/statistics_dialog.hpp"

#include <functional>
#include <string>
#include <vector>

namespace ct {

class Shell;

// What the Options dialog does when OK finds a value changed.
enum class OnChange {
    store,          // only stored (the table repaints after OK anyway)
    newGame,        // the game's own message 0 starts a new game at once
    resetNewGame,   // the game's running state is reset first (Game::resetRunningState)
    call,           // `changed` runs
};

struct Setting {
    std::string name;                       // the stored value's name ("cidc")
    int* variable = nullptr;                // null: kept in the store only
    // Start-up: read into the variable, through `fromStored` (a damaged or 0 value mended).
    bool readAtStartUp = true;
    std::function<int(int)> fromStored{};
    bool inStateDump = true;                // listed under "settings" in the state event
    // Options: a control whose value OK stores and writes, or a constant written on every OK.
    bool onOk = false;
    OptionValue::Kind control = OptionValue::Kind::constant;
    ControlTemplate layout = [] { ControlTemplate t; t.id = 0; return t; }();   // id 0: no control
    int tab = 0;                            // place in the dialog's tab order
    int onValue = 1;                        // check box: the stored values ticked and clear
    int offValue = 0;
    bool tickWhenNonZero = false;
    std::function<std::vector<std::string>()> items{};   // combo box items, index = value
    int constant = 0;
    OnChange onChange = OnChange::store;
    std::function<void()> changed{};
    // Statistics: a tally line when the label is set ("Computer", "Human ", "Patience").
    std::string tallyLabel{};
    // The number the line shows for a kept value (a "no record" kept apart from the stored 0, say);
    // null shows the value as it is.
    std::function<int(int)> tallyShown{};
};

struct SettingsList {
    std::vector<Setting> rows{};            // OK reads, stores and writes them in this order
    int optionsWidth = 124;                 // dialog units
    int optionsHeight = 62;
    int colorListId = 1005;
    std::vector<std::pair<int, ControlTemplate>> labels{}; // statics by tab place
    std::function<void(int back)> setBack{};
    int statisticsWidth = 111;
    int statisticsHeight = 30;
    int countsId = 1004;
    int clearId = 1010;
    std::function<void()> cleared{};
};

// Row builders.
// A value read at start-up (through `fromStored`), with no control of its own.
Setting stored(std::string name, int* variable, std::function<int(int)> fromStored = {});
// A count of wins kept by the framework (see Shell::recordWin).
Setting tally(std::string name, int* variable, std::string label);
// A check box storing onValue when ticked, offValue when clear.
Setting checkBox(std::string name, int* variable, ControlTemplate layout, int tab, int onValue = 1, int offValue = 0);
// A drop-down list whose selected index is the value.
Setting comboBox(std::string name, int* variable, ControlTemplate layout, int tab,
                 std::function<std::vector<std::string>()> items);
// No control: `value` is stored and written on every OK.
Setting constantOnOk(std::string name, int* variable, int value);

// "statc" and "statu" kept in the store only: what a program without a list of its own has.
SettingsList defaultSettingsList();

// The Options and Statistics dialogs as the list gives them; `shell` runs the change effects.
OptionsDescription optionsDescription(const SettingsList& list, Shell& shell, std::function<void()> resetRunningState);
StatisticsDescription statisticsDescription(const SettingsList& list);

} // namespace ct
