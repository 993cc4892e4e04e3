// Sarvotte's rows of the Options dialog and its three-line Statistics.
#include "sarvotte/sarvotte_game.hpp"

#include "shell/options_dialog.hpp"
#include "shell/shell.hpp"
#include "shell/statistics_dialog.hpp"

namespace sarvotte {

namespace dialog {
inline constexpr int patienceMode = 1017;
inline constexpr int allCards = 1018;
} // namespace dialog

ct::OptionsDescription SarvotteGame::optionsDialog()
{
    using ct::ControlKind;
    ct::OptionsDescription d;
    d.width = 124;
    d.height = 95;
    d.controls = {
        {dialog::patienceMode, ControlKind::checkBox, "Patience mode", 3, 61, 118, 10},
        {dialog::allCards, ControlKind::checkBox, "All cards", 3, 73, 118, 10},
    };
    // Each switch that changed deals a new game at once, before the next one is read.
    d.values = {
        ct::checkOption(dialog::patienceMode, "sol", &state_.patienceMode, 1, 0, [this] { shell_->sendGameMessage(step::newGame); }),
        ct::checkOption(dialog::allCards, "all", &state_.allCards, 1, 0, [this] { shell_->sendGameMessage(step::newGame); }),
    };
    for (ct::OptionValue& value : d.values)
        value.tickWhenNonZero = true;
    d.setBack = [this](int back) { applyCardBack(back); };
    return d;
}

ct::StatisticsDescription SarvotteGame::statisticsDialog()
{
    ct::StatisticsDescription d;
    d.width = 111;
    d.height = 36;
    // "No record" is kept as 100 in play and stored as 0; it shows as the stored 0, the same
    // before and after a restart.
    d.counts = {{"Computer", "statc", &state_.computerWins},
                {"Human ", "statu", &state_.humanWins},
                {"Patience", "cc", &state_.bestPatience, [](int best) { return best >= noRecord ? 0 : best; }}};
    d.cleared = [this] { flow_->statisticsCleared(); };
    return d;
}

} // namespace sarvotte
