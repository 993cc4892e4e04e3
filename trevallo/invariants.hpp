// What the Trevallo rules guarantee about every position, for load and for random play.
#pragma once

#include "trevallo/game_state.hpp"

#include <string>
#include <vector>

namespace trevallo {

// Trevallo's own conditions on a position beside the shared ones (every card once, ranges):
// the suit in force follows the top card unless a queen lies there, a suit is chosen only
// over a queen, both hands hold cards while a round goes on.
std::vector<std::string> positionViolations(const TrevalloState& s);

// What a previous check saw, so that the next can tell scores that went down.
struct ScoreWatch {
    std::uint64_t gameNumber = 0;
    int computerScore = 0;
    int humanScore = 0;
    bool seen = false;
};

// The history of random play: every recorded play legal and matching the pile, scores never
// falling within a game. Updates `watch`.
std::vector<std::string> playViolations(const TrevalloState& s, ScoreWatch& watch);

} // namespace trevallo
