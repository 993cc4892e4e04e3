// The Options dialog: the card back and table colour lists every program shares, plus each
// program's own switches, supplied as data and run by one generic procedure.
#pragma once

#include "platform/dialog.hpp"

#include <functional>
#include <string>
#include <vector>

namespace ct {

class Shell;

inline constexpr int optionsDialogResource = 130;
inline constexpr int backListId = 1003;
// Strings 319-323 name the card backs and 324-328 the table colours, in index order.
inline constexpr int firstBackString = 319;
inline constexpr int firstColorString = 324;
inline constexpr int optionsListCount = 5;

// One value a program's Options dialog shows and writes, in the order OK handles them.
struct OptionValue {
    enum class Kind {
        checkBox,   // a tick box: ticked stores onValue, clear stores offValue
        comboBox,   // a drop-down list: the selected index is the value
        constant,   // no control: OK stores and writes `constant` every time
    };
    Kind kind = Kind::checkBox;
    int controlId = 0;
    std::string setting;          // the stored value's name ("cidc")
    int* variable = nullptr;      // the program-wide variable that holds it
    int onValue = 1;
    int offValue = 0;
    // Ticked at start when the variable is non-zero, instead of when it equals onValue.
    bool tickWhenNonZero = false;
    std::vector<std::string> items{};   // combo box items, index = value
    int constant = 0;
    // Runs at once when OK finds the value changed (a new game, a new title...): a combo box's
    // before the value is written, a check box's after, as each program's steps go.
    std::function<void()> changed{};
};

// A check box row: ticked stores onValue, clear offValue; `changed` runs when OK changes it.
OptionValue checkOption(int controlId, std::string setting, int* variable, int onValue = 1, int offValue = 0,
                        std::function<void()> changed = {});
// A combo box row listing `items`; `changed` runs when OK finds another item chosen.
OptionValue comboOption(int controlId, std::string setting, int* variable, std::vector<std::string> items,
                        std::function<void()> changed = {});
// A value without a control, stored and written as `value` on every OK.
OptionValue constantOption(std::string setting, int* variable, int value);

// What a program's Options dialog holds beyond the shared rows.
struct OptionsDescription {
    int width = 124;              // dialog units
    int height = 87;
    int colorListId = 1005;
    std::vector<ControlTemplate> controls;   // the program's own controls, in tab order
    std::vector<OptionValue> values;         // read, stored and written on OK in this order
    // Gives the card sets that show backs (and a stand-alone pack card) the new back.
    std::function<void(int back)> setBack;
};

// The shared rows alone: both lists and their heading, colour list 1005.
OptionsDescription defaultOptionsDescription();

// The template: title "Options", full screen, the heading and both lists, then the program's controls.
DialogTemplate optionsDialogTemplate(const OptionsDescription& description);

// The dialog procedure; `description` and `shell` must outlive the dialog.
int optionsDialogProcedure(Shell& shell, const OptionsDescription& description, Dialog& dialog,
                           unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

// Runs the dialog modally over the shell's window; returns 1 (OK) or 2 (cancel).
int runOptionsDialog(Shell& shell, const OptionsDescription& description);

} // namespace ct
