// Zembrola's rows of the Options dialog and its Statistics counts.
#include "zembrola/zembrola_game.hpp"

#include "shell/options_dialog.hpp"
#include "shell/statistics_dialog.hpp"

namespace zembrola {

namespace dialog {
inline constexpr int stockCount = 1009;
inline constexpr int counts = 1004;
inline constexpr int clear = 1010;
} // namespace dialog

ct::OptionsDescription ZembrolaGame::optionsDialog()
{
    using ct::ControlKind;
    ct::OptionsDescription d;
    d.width = 124;
    d.height = 87;
    d.colorListId = 1005;
    d.controls = {
        {dialog::stockCount, ControlKind::checkBox, "Show number of cards left", 3, 61, 118, 10},
    };
    d.values = {
        ct::checkOption(dialog::stockCount, "cidc", &state_.showStockCount),
        // The program has no double-tap play; the value is kept at 0 for the shared key layout.
        ct::constantOption("wc", &state_.doubleTapPlay, 0),
    };
    d.setBack = [this](int back) { applyCardBack(back); };
    return d;
}

ct::StatisticsDescription ZembrolaGame::statisticsDialog()
{
    ct::StatisticsDescription d;
    d.width = 111;
    d.height = 30;
    d.countsId = dialog::counts;
    d.clearId = dialog::clear;
    d.counts = {{"Computer", "statc", &state_.computerWins}, {"Human ", "statu", &state_.humanWins}};
    return d;
}

} // namespace zembrola
