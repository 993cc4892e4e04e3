// Velmar's benchmarks: a deal, the computer opening an attack on a fresh deal, a tap on the
// human's first card, random play.
#include "harness.hpp"

#include "velmar/computer_player.hpp"
#include "velmar/velmar_game.hpp"

namespace {

// Just dealt, six cards each, 23 in the stock, the computer to open the attack.
constexpr const char* position = R"(
    {"buttonPressed":0, "computerAttacks":1, "computerCountAtOpening":0, "computerHand":[[4, 8, 0], [2,
    9, 0], [1, 11, 0], [1, 12, 0], [3, 13, 0], [1, 14, 0]], "computerHandFaceDown":0,
    "computerHandSortMode":0, "computerHandSpread":4, "computerOpened":0, "computerRow":[],
    "computerWins":0, "deck":{"cards":[[1, 6], [1, 7], [1, 8], [1, 9], [1, 10], [1, 13], [2, 14], [2,
    6], [2, 8], [2, 10], [2, 13], [3, 14], [3, 6], [3, 7], [3, 10], [3, 11], [3, 12], [4, 14], [4, 6],
    [4, 7], [4, 10], [4, 11], [4, 12]], "remaining":23}, "discarded":[], "doubleTapPlay":0,
    "extraCardsLeft":-1, "gameType":0, "humanCountAtOpening":0, "humanHand":[[2, 7, 0], [3, 8, 0], [3,
    9, 0], [4, 9, 0], [2, 11, 0], [4, 13, 0]], "humanHandPerRow":7, "humanHandSortMode":0,
    "humanHandSpread":2, "humanRow":[], "humanWins":0, "nextStarter":-1, "showStockCount":0,
    "stockCard":{"hidden":0, "rank":1, "suit":1}, "transferOpen":1, "transferVariant":0,
    "trumpCard":{"hidden":0, "rank":12, "suit":2}}
)";

const bench::Register velmarBenchmarks{{
    .name = "velmar",
    .make = bench::make<velmar::VelmarGame>,
    .position = position,
    .decide = bench::decideOnState<velmar::VelmarGame>(velmar::computerAttack),
    .tapX = 9,
    .tapY = 136,
}};

} // namespace
