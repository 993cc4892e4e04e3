// Settings rows, and the Options and Statistics descriptions built from them.
#include "shell/settings_list.hpp"

#include "shell/shell.hpp"

#include <algorithm>
#include <utility>

namespace ct {

Setting stored(std::string name, int* variable, std::function<int(int)> fromStored)
{
    Setting s;
    s.name = std::move(name);
    s.variable = variable;
    s.fromStored = std::move(fromStored);
    return s;
}

Setting tally(std::string name, int* variable, std::string label)
{
    Setting s = stored(std::move(name), variable);
    s.tallyLabel = std::move(label);
    return s;
}

Setting checkBox(std::string name, int* variable, ControlTemplate layout, int tab, int onValue, int offValue)
{
    Setting s;
    s.name = std::move(name);
    s.variable = variable;
    s.onOk = true;
    s.control = OptionValue::Kind::checkBox;
    s.layout = std::move(layout);
    s.layout.kind = ControlKind::checkBox;
    s.tab = tab;
    s.onValue = onValue;
    s.offValue = offValue;
    return s;
}

Setting comboBox(std::string name, int* variable, ControlTemplate layout, int tab,
                 std::function<std::vector<std::string>()> items)
{
    Setting s;
    s.name = std::move(name);
    s.variable = variable;
    s.onOk = true;
    s.control = OptionValue::Kind::comboBox;
    s.layout = std::move(layout);
    s.layout.kind = ControlKind::comboBox;
    s.tab = tab;
    s.items = std::move(items);
    return s;
}

Setting constantOnOk(std::string name, int* variable, int value)
{
    Setting s;
    s.name = std::move(name);
    s.variable = variable;
    s.onOk = true;
    s.control = OptionValue::Kind::constant;
    s.constant = value;
    return s;
}

SettingsList defaultSettingsList()
{
    SettingsList list;
    list.rows = {tally("statc", nullptr, "Computer"), tally("statu", nullptr, "Human ")};
    return list;
}

OptionsDescription optionsDescription(const SettingsList& list, Shell& shell, std::function<void()> resetRunningState)
{
    OptionsDescription d;
    d.width = list.optionsWidth;
    d.height = list.optionsHeight;
    d.colorListId = list.colorListId;
    d.setBack = list.setBack;
    std::vector<std::pair<int, ControlTemplate>> controls = list.labels;
    for (const Setting& row : list.rows) {
        if (!row.onOk)
            continue;
        if (row.layout.id != 0)
            controls.emplace_back(row.tab, row.layout);
        OptionValue v;
        v.kind = row.control;
        v.controlId = row.layout.id;
        v.setting = row.name;
        v.variable = row.variable;
        v.onValue = row.onValue;
        v.offValue = row.offValue;
        v.tickWhenNonZero = row.tickWhenNonZero;
        v.constant = row.constant;
        if (row.items)
            v.items = row.items();
        switch (row.onChange) {
        case OnChange::store: break;
        case OnChange::newGame: v.changed = [&shell] { shell.sendGameMessage(0); }; break;
        case OnChange::resetNewGame:
            v.changed = [&shell, resetRunningState] {
                if (resetRunningState)
                    resetRunningState();
                shell.sendGameMessage(0);
            };
            break;
        case OnChange::call: v.changed = row.changed; break;
        }
        d.values.push_back(std::move(v));
    }
    std::stable_sort(controls.begin(), controls.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [tab, control] : controls)
        d.controls.push_back(std::move(control));
    return d;
}

StatisticsDescription statisticsDescription(const SettingsList& list)
{
    StatisticsDescription d;
    d.width = list.statisticsWidth;
    d.height = list.statisticsHeight;
    d.countsId = list.countsId;
    d.clearId = list.clearId;
    d.cleared = list.cleared;
    for (const Setting& row : list.rows)
        if (!row.tallyLabel.empty())
            d.counts.push_back({row.tallyLabel, row.name, row.variable, row.tallyShown});
    return d;
}

} // namespace ct
