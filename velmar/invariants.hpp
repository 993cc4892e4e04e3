// What the Velmar rules guarantee about every position, for load and for random play.
#pragma once

#include "velmar/game_state.hpp"

#include <string>
#include <vector>

namespace velmar {

// Velmar's own conditions on a position beside the shared ones (every card once, ranges):
// the transfer rule of the type, the turned-up and stock cards, the rows, no finished game.
std::vector<std::string> positionViolations(const VelmarState& s);

// Everything checked after each event of random play: the shared invariants, the position
// rules, the trump flags load re-establishes, and the rules of play (defending cards beat the
// attack, added cards match a rank on the table, rows within the defender's hand).
std::vector<std::string> consistencyViolations(const VelmarState& s);

// Right after a deal has made its first move: whether the right player made it. The winner of
// the last game opens; before any game is won, the holder of the lower trump (the human when
// the computer holds none). The computer's opening card counts among the cards it was dealt.
std::vector<std::string> starterViolations(const VelmarState& s);

} // namespace velmar
