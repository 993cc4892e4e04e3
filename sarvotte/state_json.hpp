// Sarvotte's variables for headless scripts: declared once, written as JSON and loaded in part.
#pragma once

#include "sarvotte/game_state.hpp"

#include "shell/declared_state.hpp"

#include <nlohmann/json.hpp>

namespace sarvotte {

// Every variable of the game by its name; card sets as [[suit, rank, selected], ...].
const ct::StateSchema<SarvotteState>& stateSchema();
nlohmann::json stateToJson(const SarvotteState& s);

// Sets the fields given; the others keep their values. The result must be a position the rules
// can produce (checked before anything changes; std::invalid_argument names the fault).
// When the row or the stock is given without "leftPlay", the cards found in neither have left
// play. The sets are then laid out as a deal lays them out, with the card back `back`; the move
// logs start afresh.
void loadState(SarvotteState& s, const nlohmann::json& fields, int back);

} // namespace sarvotte
