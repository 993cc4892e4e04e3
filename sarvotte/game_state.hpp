// The whole state of a Sarvotte program: the row, the stock, the scores, the options and the tally.
#pragma once

#include "cards/card_json.hpp"
#include "cards/card_set.hpp"
#include "cards/deck.hpp"
#include "shell/step_guard.hpp"

#include <vector>

namespace ct {
class Invalidator;
}

namespace sarvotte {

// String table identifiers of the program's own texts.
namespace text {
inline constexpr int noVariants = 300;
inline constexpr int youWin = 301;
inline constexpr int iWin = 302;
inline constexpr int draw = 303;
} // namespace text

// Codes of the game's own message.
namespace step {
inline constexpr int newGame = 0;
inline constexpr int computerTurn = 1;
inline constexpr int endOfGame = 2;
} // namespace step

inline constexpr int packSize = 52;
inline constexpr int twoPlayerOpening = 5;
inline constexpr int patienceOpening = 1;
// bestPatience when no patience game has set a record; stored as 0.
inline constexpr int noRecord = 100;
inline constexpr int pauseMs = 1000;

// A card's value, for cards that left play and for the move log.
using CardFace = ct::CardFace;

enum class Mover { human = 0, computer = 1 };

// One move as it happened: positions before the move, both cards' values, who made it and in
// which mode. Kept so that every move can be checked afterwards.
struct MoveRecord {
    Mover mover = Mover::human;
    int source = -1;
    int target = -1;
    CardFace moving;
    CardFace covered;
    bool patience = false;
};

// The row and stock as they stood when a game was declared over.
struct GameEnd {
    std::vector<CardFace> row;
    int stockLeft = 0;
    bool patience = false;
};

// Program-wide state. The rules, the computer, the turn flow, the drawing and the headless state
// all read and change this one record.
struct SarvotteState {
    // Options, record and tally (stored settings).
    int patienceMode = 0;           // "sol"
    int allCards = 0;               // "all"
    int bestPatience = noRecord;    // "cc": fewest cards left at the end of a patience game
    int computerWins = 0;           // "statc"
    int humanWins = 0;              // "statu"

    // The table.
    ct::CardSet cardRow;            // face up; card 0 is the leftmost
    ct::CardSet stock;              // face down; the last card is the top
    ct::Deck deck;                  // the pack the stock is shuffled from
    // Cards that left play (the covered cards). Kept so that all 52 cards can be accounted for.
    std::vector<CardFace> leftPlay;

    // The game in progress.
    int computerToMove = -1;        // 1 computer, 0 human, -1 not yet drawn this run
    int computerScore = 0;
    int humanScore = 0;
    int patienceOver = 0;           // a patience game was judged over and stays on the table

    // What happened, for checking: this game's moves, the previous game's, the last game end.
    std::vector<MoveRecord> moves;
    std::vector<MoveRecord> previousMoves;
    std::vector<GameEnd> ends;      // the last few game ends, newest last
    unsigned recordClears = 0;      // times Statistics "Clear" reset the record

    // A step stops when a game end dealt a new game underneath it.
    ct::StepGuard deals;

    // Where the table is shown (for invalidation); null in tests that do not watch paints.
    ct::Invalidator* window = nullptr;

    SarvotteState();
    SarvotteState(const SarvotteState&) = delete;
    SarvotteState& operator=(const SarvotteState&) = delete;

    bool twoPlayer() const { return patienceMode == 0; }
};

} // namespace sarvotte
