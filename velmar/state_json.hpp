// Velmar's variables for headless scripts: declared once, written as JSON and loaded in part.
#pragma once

#include "velmar/game_state.hpp"

#include "shell/declared_state.hpp"

#include <nlohmann/json.hpp>

namespace velmar {

// Every variable of the game by its name; card sets as [[suit, rank, selected], ...].
const ct::StateSchema<VelmarState>& stateSchema();
nlohmann::json stateToJson(const VelmarState& s);

// Sets the fields given; the others keep their values. The result must be a position the rules
// can produce (checked before anything changes; std::invalid_argument names the fault).
// Where the cards are given only in part, the pack is what is left: when "deck" is missing
// but hands, rows, the turned-up card or "discarded" are given, the pack becomes every card
// not found elsewhere; when "deck" is given without "discarded", the discarded cards are the
// ones found nowhere else. Choosing a "Japanese" type without "trumpCard" puts in its
// invisible diamond trump card. The sets are then laid out as a deal lays them out.
// `back` is the card back chosen in the options.
void loadState(VelmarState& s, const nlohmann::json& fields, int back);

} // namespace velmar
