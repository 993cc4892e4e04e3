// The Zembrola state for headless scripts: every variable declared once, and setting them back.
#pragma once

#include "zembrola/game_state.hpp"

#include "shell/declared_state.hpp"

#include <nlohmann/json.hpp>

namespace zembrola {

// Every variable of the game and the table by its name.
const ct::StateSchema<ZembrolaState>& stateSchema();

nlohmann::json stateToJson(const ZembrolaState& s);

// Sets the fields given; the others keep their values. Unless given, the taken tricks become
// every card found nowhere else and the stock card follows the trump card.
// std::invalid_argument names a field that cannot be used; then nothing has changed.
void loadState(ZembrolaState& s, const nlohmann::json& fields, int back);

} // namespace zembrola
