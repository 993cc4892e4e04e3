// The headless state of a Sarvotte table: every variable by its name, and loading them back.
#pragma once

#include "sarvotte/game_state.hpp"

#include <nlohmann/json.hpp>

namespace sarvotte {

nlohmann::json stateToJson(const SarvotteState& s);
// Sets the fields given; throws std::invalid_argument (changing nothing) on a bad value.
void loadState(SarvotteState& s, const nlohmann::json& fields);

} // namespace sarvotte
