// The Options dialog procedure, generic over a program's description of its own rows.
#include "shell/options_dialog.hpp"

#include "cards/card_render.hpp"
#include "shell/shell.hpp"

#include <string>
#include <utility>

namespace ct {

namespace {

// The string of the program's table, or the shared name when the program has none.
std::string listString(const Shell& shell, int id, std::string_view fallback)
{
    const std::string& text = shell.string(id);
    return text.empty() ? std::string(fallback) : text;
}

int initDialog(Shell& shell, const OptionsDescription& description, Dialog& dialog)
{
    // Full screen, the done button and the "OK" menu bar come with the template.
    for (const OptionValue& value : description.values)
        if (value.kind == OptionValue::Kind::comboBox) {
            for (const std::string& item : value.items)
                dialog.addString(value.controlId, item);
            if (value.variable)
                dialog.setSelection(value.controlId, *value.variable);
        }

    // Neither list shows the current back or colour as selected: only a choice changes it.
    for (int i = 0; i < optionsListCount; ++i) {
        dialog.addString(backListId, listString(shell, firstBackString + i, backNames[static_cast<std::size_t>(i)]));
    }
    for (int i = 0; i < optionsListCount; ++i) {
        dialog.addString(description.colorListId,
                         listString(shell, firstColorString + i, tableColorNames[static_cast<std::size_t>(i)]));
    }

    for (const OptionValue& value : description.values) {
        if (value.kind != OptionValue::Kind::checkBox || !value.variable)
            continue;
        const bool on = value.tickWhenNonZero ? *value.variable != 0 : *value.variable == value.onValue;
        if (on)
            dialog.setCheck(value.controlId, true);
    }
    return 1;
}

void storeValue(Shell& shell, const OptionValue& value, Dialog& dialog)
{
    ProgramSettings& settings = shell.settings();
    switch (value.kind) {
    case OptionValue::Kind::comboBox: {
        const int chosen = dialog.selection(value.controlId);
        const int current = value.variable ? *value.variable : chosen;
        // A combo box can lose its selection only when the stored value matched no item; the
        // value then stays as it was rather than becoming "none".
        if (chosen != dlg::lbErr && chosen != current) {
            if (value.variable)
                *value.variable = chosen;
            if (value.changed)
                value.changed();
        }
        const int stored = value.variable ? *value.variable : chosen;
        if (stored != dlg::lbErr)
            settings.write(value.setting, static_cast<std::uint32_t>(stored));
        break;
    }
    case OptionValue::Kind::checkBox: {
        const int next = dialog.isChecked(value.controlId) ? value.onValue : value.offValue;
        const bool changed = value.variable && *value.variable != next;
        if (value.variable)
            *value.variable = next;
        settings.write(value.setting, static_cast<std::uint32_t>(next));
        // A switch that restarts the game does so before the next switch is read.
        if (changed && value.changed)
            value.changed();
        break;
    }
    case OptionValue::Kind::constant:
        if (value.variable)
            *value.variable = value.constant;
        settings.write(value.setting, static_cast<std::uint32_t>(value.constant));
        break;
    }
}

int commandOk(Shell& shell, const OptionsDescription& description, Dialog& dialog)
{
    for (const OptionValue& value : description.values)
        storeValue(shell, value, dialog);

    const int color = dialog.selection(description.colorListId);
    if (color != dlg::lbErr) {
        shell.setTableColorIndex(color);
        shell.settings().write("blackbg", static_cast<std::uint32_t>(color));
    }
    const int back = dialog.selection(backListId);
    if (back != dlg::lbErr) {
        shell.setCardBackIndex(back);
        if (description.setBack)
            description.setBack(back);
        shell.settings().write("back", static_cast<std::uint32_t>(back));
    }
    shell.window().invalidateAll();
    dialog.end(dlg::idOk);
    return 1;
}

} // namespace

OptionValue checkOption(int controlId, std::string setting, int* variable, int onValue, int offValue,
                        std::function<void()> changed)
{
    OptionValue value;
    value.kind = OptionValue::Kind::checkBox;
    value.controlId = controlId;
    value.setting = std::move(setting);
    value.variable = variable;
    value.onValue = onValue;
    value.offValue = offValue;
    value.changed = std::move(changed);
    return value;
}

OptionValue comboOption(int controlId, std::string setting, int* variable, std::vector<std::string> items,
                        std::function<void()> changed)
{
    OptionValue value;
    value.kind = OptionValue::Kind::comboBox;
    value.controlId = controlId;
    value.setting = std::move(setting);
    value.variable = variable;
    value.items = std::move(items);
    value.changed = std::move(changed);
    return value;
}

OptionValue constantOption(std::string setting, int* variable, int constantValue)
{
    OptionValue value;
    value.kind = OptionValue::Kind::constant;
    value.setting = std::move(setting);
    value.variable = variable;
    value.constant = constantValue;
    return value;
}

OptionsDescription defaultOptionsDescription()
{
    OptionsDescription description;
    description.height = 62;
    return description;
}

DialogTemplate optionsDialogTemplate(const OptionsDescription& description)
{
    DialogTemplate t;
    t.resource = optionsDialogResource;
    t.title = "Options";
    t.width = description.width;
    t.height = description.height;
    t.fullScreen = true;
    // The heading's spaces put "Background" over the second list.
    t.controls.push_back({dlg::idStatic, ControlKind::staticText, "Card back              Background", 3, 3, 118, 10});
    t.controls.push_back({backListId, ControlKind::listBox, "", 3, 14, 59, 44});
    t.controls.push_back({description.colorListId, ControlKind::listBox, "", 63, 14, 59, 44});
    for (const ControlTemplate& control : description.controls)
        t.controls.push_back(control);
    return t;
}

int optionsDialogProcedure(Shell& shell, const OptionsDescription& description, Dialog& dialog, unsigned message,
                           std::uintptr_t wParam, std::intptr_t /*lParam*/)
{
    if (message == dlg::initDialog)
        return initDialog(shell, description, dialog);
    if (message != dlg::command)
        return 0;
    switch (commandId(wParam)) {
    case dlg::idOk:
        return commandOk(shell, description, dialog);
    case dlg::idCancel:
        dialog.end(dlg::idCancel);
        return 1;
    default:
        return 0;
    }
}

int runOptionsDialog(Shell& shell, const OptionsDescription& description)
{
    Dialog dialog(optionsDialogTemplate(description),
                  [&shell, &description](Dialog& d, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
                      return optionsDialogProcedure(shell, description, d, message, wParam, lParam);
                  });
    return shell.window().runDialog(dialog);
}

} // namespace ct
