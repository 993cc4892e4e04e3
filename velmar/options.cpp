// Velmar's rows of the Options dialog and its Statistics counts.
#include "velmar/strings.hpp"
#include "velmar/velmar_game.hpp"

#include "shell/options_dialog.hpp"
#include "shell/statistics_dialog.hpp"

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

ct::OptionsDescription VelmarGame::optionsDialog()
{
    using ct::ControlKind;
    ct::OptionsDescription d;
    d.width = 124;
    d.height = 120;
    d.colorListId = dialog::colorList;
    d.controls = {
        {dialog::stockCount, ControlKind::checkBox, "Show the number of cards left", 3, 61, 118, 10},
        {dialog::doubleTap, ControlKind::checkBox, "Double tap for play", 3, 73, 118, 10},
        {ct::dlg::idStatic, ControlKind::staticText, "Game type", 3, 88, 40, 10},
        // The height includes the dropped list of six names.
        {dialog::gameType, ControlKind::comboBox, "", 45, 86, 77, 60},
        {dialog::hideCount, ControlKind::checkBox, "Hide the number of the opponent's cards", 3, 101, 118, 18, true},
    };
    // OK handles them in this order: the game type first, so that a new type deals at once,
    // before the switches are stored; "hidev" then waits for the next deal.
    d.values = {
        ct::comboOption(dialog::gameType, "type", &state_.gameType, gameTypeItems(), [this] { gameTypeChanged(); }),
        ct::checkOption(dialog::hideCount, "hidev", &state_.computerHandSpread, 5, 4),
        ct::checkOption(dialog::stockCount, "cidc", &state_.showStockCount),
        ct::checkOption(dialog::doubleTap, "wc", &state_.doubleTapPlay),
    };
    d.setBack = [this](int back) { applyCardBack(back); };
    return d;
}

ct::StatisticsDescription VelmarGame::statisticsDialog()
{
    ct::StatisticsDescription d;
    d.width = 111;
    d.height = 30;
    d.countsId = dialog::counts;
    d.clearId = dialog::clear;
    d.counts = {{"Computer", "statc", &state_.computerWins}, {"Human ", "statu", &state_.humanWins}};
    return d;
}

} // namespace velmar
