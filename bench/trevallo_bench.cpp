// Trevallo's benchmarks: a deal, the computer choosing a card from a hand of thirteen, a tap on
// the human's first card, random play.
#include "harness.hpp"

#include "trevallo/computer_player.hpp"
#include "trevallo/trevallo_game.hpp"

namespace {

// Late in a game: thirteen cards in the computer's hand, one left in the talon.
constexpr const char* position = R"(
    {"buttonPressed":0, "computerHand":[[1, 8, 0], [1, 9, 0], [2, 13, 0], [1, 6, 0], [1, 11, 0], [1,
    13, 0], [1, 10, 0], [2, 11, 0], [2, 7, 0], [2, 8, 0], [2, 9, 0], [3, 7, 0], [3, 9, 0]],
    "computerHandFaceDown":1, "computerHandSpread":0, "computerScore":0, "computerToMove":0,
    "computerWins":0, "currentSuit":4, "discardPile":[[2, 10, 0], [2, 6, 0], [2, 12, 0], [1, 12, 0],
    [3, 11, 0], [3, 8, 0], [3, 14, 0], [4, 12, 0], [3, 12, 0], [4, 14, 0], [4, 6, 0], [4, 10, 0], [4,
    7, 0], [4, 11, 0], [4, 9, 0], [4, 13, 0], [4, 8, 0]], "drawnThisTurn":3, "humanHand":[[1, 7, 0],
    [1, 14, 0], [2, 14, 0], [3, 10, 0], [3, 13, 0]], "humanHandSortMode":1, "humanScore":0,
    "humanWins":0, "mayPass":0, "nextStarter":-1, "oneCardThenPass":0, "passAfterQueen":1,
    "rankAndSuitPlay":0, "suitChoicePending":0, "talon":[[3, 6, 0]]}
)";

const bench::Register trevalloBenchmarks{{
    .name = "trevallo",
    .make = bench::make<trevallo::TrevalloGame>,
    .position = position,
    .decide = bench::decideOnState<trevallo::TrevalloGame>(
        [](const trevallo::TrevalloState& s) { return trevallo::chooseCard(s); }),
    .tapX = 9,
    .tapY = 138,
}};

} // namespace
