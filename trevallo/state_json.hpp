// Trevallo's variables as declared state: the state event and a checked load.
#pragma once

#include "trevallo/game_state.hpp"

#include "shell/declared_state.hpp"

#include <nlohmann/json.hpp>

namespace trevallo {

const ct::StateSchema<TrevalloState>& stateSchema();
nlohmann::json stateToJson(const TrevalloState& s);
// Sets the given fields after checking the whole position; throws std::invalid_argument and
// changes nothing when it is not one. Hands, pile and talon given only in part: the talon
// takes every card found nowhere else.
void loadState(TrevalloState& s, const nlohmann::json& fields, int back);

} // namespace trevallo
