// Sarvotte's benchmarks: a deal, the computer's best move in a row of all 52 cards, a tap on the
// row's second card, random play.
#include "harness.hpp"

#include "sarvotte/computer_player.hpp"
#include "sarvotte/sarvotte_game.hpp"

namespace {

// "All cards": the whole pack dealt into the row at once.
constexpr const char* position = R"(
    {"allCards":1, "bestPatience":100, "cardRow":[[4, 1, 0], [1, 6, 0], [2, 3, 0], [4, 9, 0], [1, 7,
    0], [4, 3, 0], [2, 13, 0], [1, 2, 0], [1, 11, 0], [1, 10, 0], [2, 5, 0], [2, 6, 0], [1, 12, 0], [4,
    4, 0], [3, 10, 0], [4, 6, 0], [2, 12, 0], [3, 11, 0], [3, 9, 0], [2, 9, 0], [4, 11, 0], [3, 3, 0],
    [4, 8, 0], [2, 8, 0], [2, 1, 0], [2, 11, 0], [2, 7, 0], [3, 7, 0], [4, 5, 0], [1, 3, 0], [4, 12,
    0], [1, 1, 0], [2, 4, 0], [3, 13, 0], [4, 10, 0], [2, 2, 0], [1, 9, 0], [3, 5, 0], [3, 1, 0], [1,
    5, 0], [4, 7, 0], [2, 10, 0], [3, 4, 0], [3, 6, 0], [1, 8, 0], [3, 12, 0], [3, 2, 0], [3, 8, 0],
    [1, 4, 0], [1, 13, 0], [4, 2, 0], [4, 13, 0]], "computerScore":0, "computerToMove":0,
    "computerWins":0, "humanScore":0, "humanWins":0, "leftPlay":[], "patienceMode":0,
    "patienceOver":0, "stock":[]}
)";

const bench::Register sarvotteBenchmarks{{
    .name = "sarvotte",
    .make = bench::make<sarvotte::SarvotteGame>,
    .position = position,
    .decide = bench::decideOnState<sarvotte::SarvotteGame>(
        [](const sarvotte::SarvotteState& s) { return sarvotte::bestMove(s.cardRow); }),
    .tapX = 33,
    .tapY = 17,
}};

} // namespace
