// The dialog manager's side of headless scripts: the dialog as JSON, and check, select, click,
// OK and Cancel acting as a user would, through the same command messages.
#include "platform/dialog.hpp"

#include <string>

namespace ct {

namespace {

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::staticText: return "static";
    case ControlKind::checkBox: return "check";
    case ControlKind::listBox: return "list";
    case ControlKind::comboBox: return "combo";
    case ControlKind::button: return "button";
    }
    return "static";
}

} // namespace

nlohmann::json Dialog::state() const
{
    nlohmann::json controls = nlohmann::json::array();
    for (const Control& control : controls_) {
        nlohmann::json c;
        c["id"] = control.definition.id;
        c["kind"] = kindName(control.definition.kind);
        switch (control.definition.kind) {
        case ControlKind::staticText:
        case ControlKind::button:
            c["text"] = control.definition.text;
            break;
        case ControlKind::checkBox:
            c["text"] = control.definition.text;
            c["checked"] = control.checked ? 1 : 0;
            break;
        case ControlKind::comboBox:
            c["text"] = text(control.definition.id);
            [[fallthrough]];
        case ControlKind::listBox:
            c["items"] = control.items;
            c["selection"] = control.selection;
            break;
        }
        controls.push_back(std::move(c));
    }
    nlohmann::json out;
    out["event"] = "dialog";
    out["template"] = template_.resource;
    out["title"] = template_.title;
    out["focus"] = focusId();
    out["controls"] = std::move(controls);
    return out;
}

std::string Dialog::actionError(int id, const Control* control) const
{
    if (!begun_ || ended_)
        return "no dialog is open";
    if (!control)
        return "the dialog has no control " + std::to_string(id);
    return {};
}

std::string Dialog::check(int id, int value)
{
    Control* control = find(id);
    if (std::string error = actionError(id, control); !error.empty())
        return error;
    if (control->definition.kind != ControlKind::checkBox)
        return "control " + std::to_string(id) + " is not a check box";
    if (value != 0 && value != 1)
        return "a check box is set with 0 or 1, not " + std::to_string(value);
    openCombo_ = -1;
    focus_ = static_cast<int>(control - controls_.data());
    if (control->checked != (value == 1))
        toggle(*control);
    return {};
}

std::string Dialog::select(int id, int index)
{
    Control* control = find(id);
    if (std::string error = actionError(id, control); !error.empty())
        return error;
    if (control->definition.kind != ControlKind::listBox && control->definition.kind != ControlKind::comboBox)
        return "control " + std::to_string(id) + " is not a list or combo box";
    const int count = static_cast<int>(control->items.size());
    if (index < 0 || index >= count)
        return "control " + std::to_string(id) + " has no item " + std::to_string(index) + " (it has " +
               std::to_string(count) + ")";
    openCombo_ = -1;
    focus_ = static_cast<int>(control - controls_.data());
    userSelect(*control, index);
    return {};
}

std::string Dialog::click(int id)
{
    Control* control = find(id);
    // The done button and the menu's "OK" are command 1; cancel is command 2.
    if (!control && (id == dlg::idOk || id == dlg::idCancel))
        return id == dlg::idOk ? ok() : cancel();
    if (std::string error = actionError(id, control); !error.empty())
        return error;
    if (control->definition.kind != ControlKind::checkBox && control->definition.kind != ControlKind::button)
        return "control " + std::to_string(id) + " cannot be clicked";
    openCombo_ = -1;
    focus_ = static_cast<int>(control - controls_.data());
    if (control->definition.kind == ControlKind::checkBox)
        toggle(*control);
    else
        sendCommand(id, dlg::buttonClicked);
    return {};
}

std::string Dialog::ok()
{
    if (!begun_ || ended_)
        return "no dialog is open";
    openCombo_ = -1;
    sendCommand(dlg::idOk, dlg::buttonClicked);
    return {};
}

std::string Dialog::cancel()
{
    if (!begun_ || ended_)
        return "no dialog is open";
    openCombo_ = -1;
    sendCommand(dlg::idCancel, dlg::buttonClicked);
    return {};
}

} // namespace ct
