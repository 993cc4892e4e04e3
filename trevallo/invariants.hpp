// Checks of a Trevallo position: every card once (common), and the rules' own invariants.
#pragma once

#include "trevallo/game_state.hpp"

#include <string>
#include <vector>

namespace trevallo {

// The 36 cards each exactly once over the four sets; flags and counters in range.
std::vector<std::string> commonViolations(const TrevalloState& s);

// What a previous check saw, so that the next can tell scores that went down.
struct ScoreWatch {
    std::uint64_t gameNumber = 0;
    int computerScore = 0;
    int humanScore = 0;
    bool seen = false;
};

// Every recorded play legal and matching the pile, currentSuit following the top card unless
// a queen lies there, scores never falling within a game, no round going on with an empty
// hand. Updates `watch`.
std::vector<std::string> ruleViolations(const TrevalloState& s, ScoreWatch& watch);

} // namespace trevallo
