// Zembrola's stored settings: the Options row, "wc" kept at 0, and the tally.
#include "zembrola/zembrola_game.hpp"

#include "shell/settings_list.hpp"

namespace zembrola {

namespace dialog {
inline constexpr int stockCount = 1009;
inline constexpr int counts = 1004;
inline constexpr int clear = 1010;
} // namespace dialog

ct::SettingsList ZembrolaGame::settingsList()
{
    ct::SettingsList list;
    list.optionsWidth = 124;
    list.optionsHeight = 87;
    list.colorListId = 1005;
    list.setBack = [this](int back) { applyCardBack(back); };
    list.statisticsWidth = 111;
    list.statisticsHeight = 30;
    list.countsId = dialog::counts;
    list.clearId = dialog::clear;

    ct::Setting cidc = ct::checkBox("cidc", &state_.showStockCount,
                                    {dialog::stockCount, {}, "Show number of cards left", 3, 61, 118, 10}, 0);
    cidc.fromStored = [](int stored) { return stored != 0 ? 1 : 0; };
    // The program has no double-tap play; the value is kept at 0 for the shared key layout.
    ct::Setting wc = ct::constantOnOk("wc", &state_.doubleTapPlay, 0);
    wc.fromStored = [](int) { return 0; };
    list.rows = {cidc, wc, ct::tally("statc", &state_.computerWins, "Computer"),
                 ct::tally("statu", &state_.humanWins, "Human ")};
    return list;
}

} // namespace zembrola
