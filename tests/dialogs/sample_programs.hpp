// An Options description shaped like Velmar's, whose type change restarts the game and sets the
// title: the order of OK's restart and writes is checked with it.
#pragma once

#include "shell/options_dialog.hpp"
#include "shell/shell.hpp"
#include "shell/statistics_dialog.hpp"

#include <string>
#include <vector>

namespace dialog_test {

using ct::ControlKind;
using ct::OptionValue;

// Like Velmar: type combo (restarts, sets the title), three check boxes, colour list 1006.
struct TypeProgram {
    ct::Shell& shell;
    int type = 0;
    int cidc = 0;
    int wc = 0;
    int spread = 4;
    int transfer = 0;
    std::vector<int> backsGiven{};
    std::vector<std::string> names{"Thrown up", "Thrown up. Transfer", "Bulk", "Bulk. Transfer", "Japanese",
                                   "Japanese. Transfer"};

    ct::OptionsDescription options()
    {
        ct::OptionsDescription d;
        d.width = 124;
        d.height = 120;
        d.colorListId = 1006;
        d.controls = {
            {1011, ControlKind::checkBox, "Show the number of cards left", 3, 61, 118, 10},
            {1008, ControlKind::checkBox, "Double tap for play", 3, 73, 118, 10},
            {ct::dlg::idStatic, ControlKind::staticText, "Game type", 3, 88, 40, 10},
            {1015, ControlKind::comboBox, "", 45, 86, 77, 60},
            {1014, ControlKind::checkBox, "Hide the number of the opponent's cards", 3, 101, 118, 18, true},
        };
        auto typeChanged = [this] {
            shell.sendGameMessage(0);
            transfer = type % 2;
            shell.window().setTitle(names[static_cast<std::size_t>(type)]);
        };
        d.values = {ct::comboOption(1015, "type", &type, names, typeChanged),
                    ct::checkOption(1014, "hidev", &spread, 5, 4), ct::checkOption(1011, "cidc", &cidc),
                    ct::checkOption(1008, "wc", &wc)};
        d.setBack = [this](int back) { backsGiven.push_back(back); };
        return d;
    }
};

} // namespace dialog_test
