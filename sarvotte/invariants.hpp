// Rule invariants of a Sarvotte table, checked after every event of random play.
#pragma once

#include "sarvotte/game_state.hpp"

#include <string>
#include <vector>

namespace sarvotte {

// What the checks remember between two looks at the state.
struct InvariantMemory {
    int record = noRecord;
    unsigned recordClears = 0;
};

// Every card of the pack exactly once in the row, the stock or out of play; sets within bounds.
std::vector<std::string> cardViolations(const SarvotteState& s);
// Every logged move legal, no computer move in patience mode, no game declared over with a
// move or a stock card left, and a record that only falls (unless cleared). Updates `memory`.
std::vector<std::string> ruleViolations(const SarvotteState& s, InvariantMemory& memory);

} // namespace sarvotte
