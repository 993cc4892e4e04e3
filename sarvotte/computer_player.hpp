// The computer's choice of move in the shared row.
#pragma once

#include "sarvotte/rules.hpp"

#include <optional>

namespace sarvotte {

// The move covering the highest rank; among equal ranks the rightmost moving card, and for one
// moving card its neighbour before the card three places left. None in a row without a move.
std::optional<Move> bestMove(const ct::CardSet& row);

} // namespace sarvotte
