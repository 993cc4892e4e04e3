// Velmar's rows of the Options dialog and its Statistics counts.
#include "velmar/strings.hpp"
#include "velmar/velmar_game.hpp"

#include "shell/settings_list.hpp"

namespace velmar {

namespace dialog {
inline constexpr int colorList = 1006;
inline constexpr int doubleTap = 1008;
inline constexpr int stockCount = 1011;
inline constexpr int hideCount = 1014;
inline constexpr int gameType = 1015;
inline constexpr int counts = 1005;
inline constexpr int clear = 1012;
} // namespace dialog

std::vector<std::string> VelmarGame::gameTypeItems() const
{
    std::vector<std::string> items;
    for (int type = 0; type < gameTypeCount; ++type) {
        // The list is built at window creation; before that the string table stands in.
        const char* name = gameTypeNames_.at(type);
        items.emplace_back(name != nullptr ? std::string(name) : programString(text::firstGameType + type));
    }
    return items;
}

ct::SettingsList VelmarGame::settingsList()
{
    using ct::ControlKind;
    ct::SettingsList list;
    list.optionsWidth = 124;
    list.optionsHeight = 120;
    list.colorListId = dialog::colorList;
    list.labels = {{2, {ct::dlg::idStatic, ControlKind::staticText, "Game type", 3, 88, 40, 10}}};
    list.setBack = [this](int back) { applyCardBack(back); };
    list.countsId = dialog::counts;
    list.clearId = dialog::clear;

    // OK handles them in this order: the game type first, so that a new type deals at once,
    // before the switches are stored; "hidev" then waits for the next deal.
    // The combo box's height includes the dropped list of six names.
    ct::Setting type = ct::comboBox("type", &state_.gameType, {dialog::gameType, {}, "", 45, 86, 77, 60}, 3,
                                    [this] { return gameTypeItems(); });
    // A damaged type would name no rule set and no title: it falls back to the first.
    type.fromStored = [](int stored) { return stored >= 0 && stored < gameTypeCount ? stored : 0; };
    type.onChange = ct::OnChange::call;
    type.changed = [this] { gameTypeChanged(); };
    ct::Setting hidev = ct::checkBox("hidev", &state_.computerHandSpread,
                                     {dialog::hideCount, {}, "Hide the number of the opponent's cards", 3, 101, 118, 18, true},
                                     4, 5, 4);
    // Read at start-up too, so that the option does not silently revert at every start.
    hidev.fromStored = [](int stored) { return stored == 5 ? 5 : 4; };
    auto onOff = [](int stored) { return stored != 0 ? 1 : 0; };
    ct::Setting cidc = ct::checkBox("cidc", &state_.showStockCount,
                                    {dialog::stockCount, {}, "Show the number of cards left", 3, 61, 118, 10}, 0);
    cidc.fromStored = onOff;
    ct::Setting wc = ct::checkBox("wc", &state_.doubleTapPlay, {dialog::doubleTap, {}, "Double tap for play", 3, 73, 118, 10}, 1);
    wc.fromStored = onOff;
    list.rows = {type, hidev, cidc, wc, ct::tally("statc", &state_.computerWins, "Computer"),
                 ct::tally("statu", &state_.humanWins, "Human ")};
    return list;
}

} // namespace velmar
