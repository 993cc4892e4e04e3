// Sarvotte rules: the deal, legal moves, carrying a move out, the stock, the end of a game.
#pragma once

#include "sarvotte/game_state.hpp"

#include <optional>

namespace sarvotte {

// A move of the card at `source` onto the card at `target` (positions from 0 at the left).
struct Move {
    int source = -1;
    int target = -1;
    friend bool operator==(const Move&, const Move&) = default;
};

// Same rank or same suit.
bool cardsMatch(const ct::Card& a, const ct::Card& b);
// The card at `source` may go onto the one at `target`: 1 or 3 places left, and matching.
bool isLegalMove(const ct::CardSet& row, int source, int target);

// Empties both sets, sets them up, fills the stock from the pack at random and deals the
// opening row. Draws who moves first when that is still undecided. Scores start at 0.
void dealNewGame(SarvotteState& s, int back);
// Sets the row and the stock up where the table shows them (origins, spreads, faces, back).
void setUpSets(SarvotteState& s, int back);
// Moves the top stock card to the right end of the row; false when the stock is empty.
bool dealFromStock(SarvotteState& s);
// A player takes a stock card for one point; false (nothing changes) when the stock is empty.
bool takeFromStock(SarvotteState& s, Mover taker);
// The mover scores the rank of the covered card. The move must be legal.
void scoreMove(SarvotteState& s, const Move& move, Mover mover);
// Puts the moving card in the covered card's place (the covered card leaves play) and closes
// the row up. The move must be legal.
void moveCard(SarvotteState& s, const Move& move, Mover mover);
// Both of the above.
void makeMove(SarvotteState& s, const Move& move, Mover mover);

// The stock is empty and no move is left in the row.
bool gameIsOver(const SarvotteState& s);

enum class Outcome { computerWins, humanWins, draw };
Outcome outcome(const SarvotteState& s);
// Who moves first in the next game.
void setNextMover(SarvotteState& s, Outcome result);
// The end of a patience game: true when the cards left beat the record (which is then set).
bool recordPatienceResult(SarvotteState& s);
// Statistics "Clear": no record any more, so the next patience game sets one.
void clearRecord(SarvotteState& s);
// Notes the table as it stands at a declared end, for checking.
void noteGameEnd(SarvotteState& s);

} // namespace sarvotte
