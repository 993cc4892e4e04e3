// Options and Statistics descriptions of four sample programs, shaped like the real ones:
// a game-type combo box, a constant value, switches that restart the game, a third count.
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

// Like Zembrola: one check box and a value written as 0 on every OK.
struct ConstantProgram {
    int cidc = 0;
    int wc = 1;

    ct::OptionsDescription options()
    {
        ct::OptionsDescription d;
        d.height = 87;
        d.controls = {{1009, ControlKind::checkBox, "Show number of cards left", 3, 61, 118, 10}};
        d.values = {ct::checkOption(1009, "cidc", &cidc), ct::constantOption("wc", &wc, 0)};
        return d;
    }
};

// Like Trevallo: three switches, each restarting the game (after resetting its scores) when changed.
struct SwitchProgram {
    ct::Shell& shell;
    int spread = 0;
    int one = 0;
    int range = 0;
    int q = 0;
    int scores = 7;
    std::vector<std::string> events{};   // what happened, in order

    ct::OptionsDescription options()
    {
        ct::OptionsDescription d;
        d.height = 125;
        d.controls = {
            {1012, ControlKind::checkBox, "Hide the number of the opponent's cards", 3, 61, 118, 18, true},
            {1013, ControlKind::checkBox, "Take one card and pass", 3, 81, 118, 12, true},
            {1015, ControlKind::checkBox, "Range and suit for play", 3, 95, 118, 12, true},
            {1016, ControlKind::checkBox, "Pass after queen", 3, 109, 118, 12, true},
        };
        auto restart = [this](const char* name) {
            return [this, name] {
                events.push_back(std::string("restart after ") + name);
                scores = 0;
                shell.sendGameMessage(0);
            };
        };
        d.values = {ct::checkOption(1012, "hidev", &spread, 5, 4), ct::checkOption(1013, "one", &one, 1, 0, restart("one")),
                    ct::checkOption(1015, "range", &range, 1, 0, restart("range")),
                    ct::checkOption(1016, "q", &q, 1, 0, restart("q"))};
        return d;
    }
};

// Like Sarvotte: switches ticked when non-zero, and a third count.
struct PatienceProgram {
    ct::Shell& shell;
    int sol = 0;
    int all = 0;
    int statc = 0;
    int statu = 0;
    int best = 100;

    ct::OptionsDescription options()
    {
        ct::OptionsDescription d;
        d.height = 95;
        d.controls = {
            {1017, ControlKind::checkBox, "Patience mode", 3, 62, 118, 10},
            {1018, ControlKind::checkBox, "All cards", 3, 76, 118, 10},
        };
        auto restart = [this] { shell.sendGameMessage(0); };
        d.values = {ct::checkOption(1017, "sol", &sol, 1, 0, restart), ct::checkOption(1018, "all", &all, 1, 0, restart)};
        for (OptionValue& value : d.values)
            value.tickWhenNonZero = true;
        return d;
    }

    ct::StatisticsDescription statistics()
    {
        ct::StatisticsDescription d;
        d.height = 36;
        d.counts = {{"Computer", "statc", &statc}, {"Human ", "statu", &statu}, {"Patience", "cc", &best}};
        return d;
    }
};

} // namespace dialog_test
