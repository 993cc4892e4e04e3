// Trevallo's rows of the Options dialog and its Statistics counts.
#include "trevallo/rules.hpp"
#include "trevallo/trevallo_game.hpp"

#include "shell/settings_list.hpp"

namespace trevallo {

namespace {
namespace dialog {
inline constexpr int colorList = 1005;
inline constexpr int hideCount = 1012;
inline constexpr int oneCard = 1013;
inline constexpr int rankAndSuit = 1015;
inline constexpr int passAfterQueen = 1016;
} // namespace dialog
} // namespace

ct::SettingsList TrevalloGame::settingsList()
{
    ct::SettingsList list;
    list.optionsWidth = 124;
    list.optionsHeight = 125;
    list.colorListId = dialog::colorList;
    list.setBack = [this](int back) { applyCardBack(back); };

    // OK handles them in this order. "hidev" is only stored: the next deal lays the computer's
    // hand out with it. Each rule switch that changed ends the running game and deals a new one
    // before the next switch is read.
    ct::Setting hidev = ct::checkBox("hidev", &state_.computerHandSpread,
                                     {dialog::hideCount, {}, "Hide the number of the opponent's cards", 3, 61, 118, 16, true},
                                     0, 5, 4);
    // 0 when never saved (or damaged): the hand is laid out as the cards' own default.
    hidev.fromStored = [](int stored) { return stored == 5 || stored == 4 ? stored : 0; };
    auto onOff = [](int stored) { return stored != 0 ? 1 : 0; };
    auto ruleSwitch = [&](const char* name, int* variable, int id, const char* text, int y, int tab) {
        ct::Setting row = ct::checkBox(name, variable, {id, {}, text, 3, y, 118, 16, true}, tab);
        row.fromStored = onOff;
        row.onChange = ct::OnChange::resetNewGame;
        return row;
    };
    list.rows = {hidev,
                 ruleSwitch("one", &state_.oneCardThenPass, dialog::oneCard, "Take one card and pass", 77, 1),
                 ruleSwitch("range", &state_.rankAndSuitPlay, dialog::rankAndSuit, "Range and suit for play", 93, 2),
                 ruleSwitch("q", &state_.passAfterQueen, dialog::passAfterQueen, "Pass after queen", 109, 3),
                 ct::tally("statc", &state_.computerWins, "Computer"),
                 ct::tally("statu", &state_.humanWins, "Human ")};
    return list;
}

void TrevalloGame::resetRunningState()
{
    resetGame(state_);
}

} // namespace trevallo
