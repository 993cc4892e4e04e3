// The whole state of a Trevallo program: the four card sets, the turn, the scores and options.
#pragma once

#include "cards/card_set.hpp"
#include "cards/deck.hpp"
#include "shell/step_guard.hpp"

#include <cstdint>
#include <vector>

namespace ct {
class Invalidator;
}

namespace trevallo {

// String table identifiers of the program's own texts.
namespace text {
inline constexpr int badCard = 300;
inline constexpr int selectCard = 301;
inline constexpr int selectSuit = 302;
inline constexpr int talonEnd = 303;
inline constexpr int iPass = 304;
inline constexpr int iWinRound = 305;
inline constexpr int youWinRound = 306;
inline constexpr int iWinGame = 307;
inline constexpr int youWinGame = 308;
} // namespace text

// Codes of the game's own message.
namespace step {
inline constexpr int deal = 0;
inline constexpr int computerTurn = 1;
} // namespace step

inline constexpr int packSize = 36;
inline constexpr int handSize = 5;
inline constexpr int losingScore = 100;
inline constexpr int queen = 12;

// What one card put on the discard pile was judged against; kept for the round so that an
// independent check can confirm every play was allowed.
struct PlayRecord {
    int suit = 0;
    int rank = 0;
    int topSuit = 0;         // top card before the play; 0 when the pile was empty
    int topRank = 0;
    int suitInForce = 0;     // currentSuit before the play
    int rankAndSuit = 0;     // the "range" switch at the time
    int byComputer = 0;
};

// Program-wide state. Rules, computer player, turn flow, drawing and headless state all read
// and change this one record.
struct TrevalloState {
    // The table.
    ct::CardSet humanHand;
    ct::CardSet computerHand;
    ct::CardSet talon;             // last card is the top
    ct::CardSet discardPile;       // last card is the top
    ct::Deck deck;                 // only used while dealing

    // The turn.
    int currentSuit = 0;           // 0: any card may be played
    int suitChoicePending = 0;
    int mayPass = 0;
    int drawnThisTurn = 0;
    int computerToMove = 0;
    int nextStarter = -1;          // -1 hand points decide, 0 human, 1 computer

    // Scores of the running game (not stored) and the tally (stored).
    int computerScore = 0;
    int humanScore = 0;
    int computerWins = 0;          // "statc"
    int humanWins = 0;             // "statu"

    // Options.
    int oneCardThenPass = 0;       // "one"
    int rankAndSuitPlay = 0;       // "range"
    int passAfterQueen = 0;        // "q"
    int computerHandSpread = 0;    // "hidev": 5 stacked, 4 fanned, 0 never saved
    int computerHandFaceDown = 1;

    // Table interaction.
    int buttonPressed = 0;

    // A step takes a token on entry and returns at once when it has gone stale: the round it
    // belonged to is over and a new one has been dealt underneath it.
    ct::StepGuard deals;
    // Counts games, so that a check can tell a new game's lower scores from a fault.
    std::uint64_t gameNumber = 0;
    // Every play of the running round, oldest first.
    std::vector<PlayRecord> plays;

    ct::Invalidator* window = nullptr;

    TrevalloState() = default;
    TrevalloState(const TrevalloState&) = delete;
    TrevalloState& operator=(const TrevalloState&) = delete;
};

} // namespace trevallo
