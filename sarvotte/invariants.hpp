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

// Sarvotte's own conditions on a position beside the shared ones (every card once, ranges):
// at most one row card selected and none in the stock, a finished patience game only where no
// move is left.
std::vector<std::string> positionViolations(const SarvotteState& s);

// Everything checked after each event of random play: the shared invariants, the position
// rules, the faces, every logged move legal, no computer move in patience mode, no game
// declared over with a move or a stock card left, and a record that only falls (unless
// cleared). Updates `memory`.
std::vector<std::string> consistencyViolations(const SarvotteState& s, InvariantMemory& memory);

} // namespace sarvotte
