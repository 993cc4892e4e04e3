// Zembrola's benchmarks: a deal, the computer choosing its lead from a full hand, a tap on the
// human's first card, random play.
#include "harness.hpp"

#include "zembrola/computer_player.hpp"
#include "zembrola/zembrola_game.hpp"

namespace {

// Mid-round, four cards each and 19 in the stock: few enough that the computer leads safely.
constexpr const char* position = R"(
    {"awaitingTap":0, "buttonPressed":0, "computerHand":[[2, 7, 0], [2, 14, 0], [3, 13, 0], [3, 15,
    0]], "computerHandSortMode":1, "computerLeads":0, "computerPenalty":0, "computerPoints":5,
    "computerRow":[], "computerRowSortMode":1, "computerWins":0, "deck":{"cards":[[1, 15], [1, 9], [1,
    14], [1, 13], [2, 15], [2, 6], [2, 8], [2, 9], [2, 12], [2, 13], [3, 7], [3, 8], [3, 14], [3, 11],
    [3, 12], [4, 7], [4, 9], [4, 14], [4, 12]], "remaining":19}, "doubleTapPlay":0, "humanHand":[[4, 8,
    0], [2, 11, 0], [4, 13, 0], [4, 15, 0]], "humanHandSortMode":0, "humanPenalty":0, "humanPoints":2,
    "humanRow":[], "humanRowSortMode":1, "humanWins":0, "lastWinner":0, "penaltyFactor":1,
    "showStockCount":0, "stockCard":{"hidden":0, "rank":1, "suit":1}, "taken":[[1, 6],
    [1, 12], [3, 6], [1, 8], [1, 7], [1, 11], [4, 11], [4, 6]], "trumpCard":{"hidden":0, "rank":9,
    "suit":3}}
)";

const bench::Register zembrolaBenchmarks{{
    .name = "zembrola",
    .make = bench::make<zembrola::ZembrolaGame>,
    .position = position,
    .decide = bench::decideOnState<zembrola::ZembrolaGame>(zembrola::computerLead),
    .tapX = 16,
    .tapY = 165,
}};

} // namespace
