// The built velmar program for end-to-end tests: headless runs with scripts, and positions
// that end a game.
#pragma once

#include "../e2e/program_runner.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace velmar_e2e {

using nlohmann::json;

inline const std::string program = VELMAR_PROGRAM;

inline const std::vector<std::string> typeNames{"Thrown up", "Thrown up. Transfer", "Bulk",
                                                "Bulk. Transfer", "Japanese", "Japanese. Transfer"};

inline int scaled(int dpi, int n) { return (dpi * n + 48) / 96; }

// A whole run: `--headless --seed SEED --dpi DPI --config-dir DIR/config`, the script on stdin.
inline e2e::ProgramRun headless(const e2e::ScratchDir& dir, const std::string& script, int seed = 7,
                                std::vector<std::string> extra = {}, int dpi = 96)
{
    std::vector<std::string> args{"--headless", "--seed", std::to_string(seed), "--dpi", std::to_string(dpi),
                                  "--config-dir", (dir / "config").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return e2e::runProgram(program, args, script, dir);
}

// The lines that choose a game type in the Options dialog and press OK.
inline std::string chooseType(int type) { return "menu options\nselect 1015 " + std::to_string(type) + "\nok\n"; }

// The one state event of a run that asked for it once.
inline json onlyState(const e2e::ProgramRun& run)
{
    const auto states = run.ofKind("state");
    return states.size() == 1 ? states[0] : json();
}

inline json control(const json& dialog, int id)
{
    for (const json& c : dialog["controls"])
        if (c["id"] == id)
            return c;
    return json();
}

// Taps at 96 dpi: the middle of a hand of one card, then the table.
inline const std::string playTheOnlyCard = "tap 16 136\ntap 100 94\n";
// The action button: take, or end the bout.
inline const std::string tapActionButton = "tap 220 186\n";

// A position that ends the game with the next tap. The human wins by opening with the last card
// (`playTheOnlyCard`); or the human takes (`tapActionButton`) and the computer gives its last
// card as an extra one and wins. The stock is empty and the turned-up card gone.
inline json endPosition(int type, bool humanWins)
{
    json fields = {{"deck", {{"cards", json::array()}}}};
    if (type != 4 && type != 5)
        fields["trumpCard"] = {{"suit", 2}, {"rank", 14}, {"hidden", 1}};
    if (humanWins) {
        fields.update({{"humanHand", json::array({json::array({3, 14, 0})})}, {"computerHand", {{3, 6, 0}, {4, 7, 0}}},
                       {"humanRow", json::array()}, {"computerRow", json::array()}, {"computerAttacks", 0},
                       {"humanHandSpread", 2}, {"humanHandPerRow", 7}});
    } else {
        fields.update({{"computerRow", json::array({json::array({3, 6, 0})})}, {"humanRow", json::array()}, {"computerHand", json::array({json::array({4, 6, 0})})},
                       {"humanHand", {{1, 7, 0}, {1, 8, 0}}}, {"computerAttacks", 1}, {"computerOpened", 1},
                       {"humanCountAtOpening", 2}});
    }
    return fields;
}

} // namespace velmar_e2e
