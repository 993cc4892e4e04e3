// Sarvotte's stored settings: the two switches of the Options dialog, the record and the tally.
#include "sarvotte/sarvotte_game.hpp"

#include "shell/settings_list.hpp"

namespace sarvotte {

namespace dialog {
inline constexpr int patienceMode = 1017;
inline constexpr int allCards = 1018;
} // namespace dialog

ct::SettingsList SarvotteGame::settingsList()
{
    ct::SettingsList list;
    list.optionsWidth = 124;
    list.optionsHeight = 95;
    list.statisticsWidth = 111;
    list.statisticsHeight = 36;
    list.setBack = [this](int back) { applyCardBack(back); };
    list.cleared = [this] { flow_->statisticsCleared(); };

    auto onOff = [](int stored) { return stored != 0 ? 1 : 0; };
    // Each switch that changed deals a new game at once, before the next one is read.
    auto sw = [&](const char* name, int* variable, ct::ControlTemplate layout, int tab) {
        ct::Setting row = ct::checkBox(name, variable, layout, tab);
        row.fromStored = onOff;
        row.tickWhenNonZero = true;
        row.onChange = ct::OnChange::newGame;
        return row;
    };
    ct::Setting sol = sw("sol", &state_.patienceMode, {dialog::patienceMode, {}, "Patience mode", 3, 61, 118, 10}, 2);
    ct::Setting all = sw("all", &state_.allCards, {dialog::allCards, {}, "All cards", 3, 73, 118, 10}, 3);

    // A stored 0 is "no record"; a negative or impossibly large value is no result either.
    ct::Setting record = ct::tally("cc", &state_.bestPatience, "Patience");
    record.fromStored = [](int stored) { return stored <= 0 || stored > noRecord ? noRecord : stored; };
    // "No record" shows as the stored 0, the same before and after a restart.
    record.tallyShown = [](int best) { return best >= noRecord ? 0 : best; };

    list.rows = {sol, all, ct::tally("statc", &state_.computerWins, "Computer"),
                 ct::tally("statu", &state_.humanWins, "Human "), record};
    return list;
}

} // namespace sarvotte
