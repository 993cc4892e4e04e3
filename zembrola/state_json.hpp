// The Zembrola state for headless scripts: every variable by name, and setting them back.
#pragma once

#include "zembrola/game_state.hpp"

#include <nlohmann/json.hpp>

namespace zembrola {

// Every variable of the game by its name; desks as [[suit, rank, selected], ...].
nlohmann::json stateToJson(const ZembrolaState& s);

// Sets the fields given; the others keep their values. Hands and rows hold at most four cards,
// and the cards of the taken tricks become every card found nowhere else.
// std::invalid_argument names a field that cannot be used; then nothing has changed.
void loadState(ZembrolaState& s, const nlohmann::json& fields);

} // namespace zembrola
