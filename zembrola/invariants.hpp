// What the rules guarantee about every Zembrola position: refused by load, checked after every monkey event.
#pragma once

#include "zembrola/game_state.hpp"

#include <string>
#include <vector>

namespace zembrola {

// The rules of play: desk sizes, equal hands between tricks, 120 points in all, the penalties'
// steps, the trump card last in the stock.
std::vector<std::string> ruleViolations(const ZembrolaState& s);

// Penalties never fall within a game: remembers the last ones seen (a new game starts from 0 0).
class PenaltyWatch {
public:
    std::vector<std::string> check(const ZembrolaState& s);

private:
    int human_ = 0;
    int computer_ = 0;
};

} // namespace zembrola
