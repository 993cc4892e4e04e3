// Zembrola rules: the deal, who leads, beating, scoring, refilling and the end of round and game.
// They change the state and return what happened; the turn flow does the talking.
#pragma once

#include "zembrola/game_state.hpp"

namespace zembrola {

// 0 for 6 to 9; jack 2, queen 3, king 4, ten 10, ace 11.
int cardPoints(int rank);
// Sum of cardPoints over a set.
int setPoints(const ct::CardSet& set);

// Resets the pack, turns up the trump card, deals four cards each alternately and chooses the
// first leader. The desks must already be set up by the table (origins, spreads, backs).
// Returns true when the human leads.
bool dealRound(ZembrolaState& s);
// Sorts both hands by rank and sets computerLeads; true when the human leads.
bool chooseFirstLeader(ZembrolaState& s);

// 1 if a beats b, 0 if a follows b's suit without being higher, -1 if a cannot beat b.
int beats(const ct::Card& a, const ct::Card& b);
// All selected cards of the human's hand are of one suit (true when none is selected).
bool sameSuitSelected(const ZembrolaState& s);
// The human's row against the computer's lead, paired by position in suit order:
// 1 the answer beats the lead, 0 not, -1 empty or unequal rows.
int checkAnswer(ZembrolaState& s);
// Adds the points of both rows to the taker (an old -1 counts as 0).
void scoreTrick(ZembrolaState& s, bool humanTakes);
// Moves the cards of both rows to the taken pile and empties the rows.
void clearRows(ZembrolaState& s);
// One card from the stock into the hand; the trump card comes last.
void drawOne(ZembrolaState& s, CDesk& hand);

// Error codes the refill reports: hands unequal before (3) or after (4) drawing.
inline constexpr int handsUnequalBefore = 3;
inline constexpr int handsUnequalAfter = 4;
// Draws both hands back up to four, taker first, then applies the four-trump rule.
// Returns 0, or the code of the last inconsistency found.
int refillHands(ZembrolaState& s);

enum class RoundResult { notOver, draw, computerWon, humanWon };
enum class GameResult { goesOn, humanWon, computerWon };
struct RoundOutcome {
    RoundResult round = RoundResult::notOver;
    GameResult game = GameResult::goesOn;
    bool over() const { return round != RoundResult::notOver; }
};
// The penalty for a loser with these card points (-1: no trick), before the factor.
int basePenalty(int loserPoints);
// When the stock and both hands are empty: charges the loser, says whether a penalty has
// reached 12 and resets the points. Clears buttonPressed. The caller shows the results (the
// final penalties still on the table), keeps the tally, calls endGame after a game and deals again.
RoundOutcome finishRound(ZembrolaState& s);
// A game is over: both penalties 0, no points, single penalties again.
void endGame(ZembrolaState& s);

// Menu New: scores and penalties start afresh; penaltyFactor and lastWinner stay.
// A trick left on the table is given up with the old deal.
void newGame(ZembrolaState& s);

} // namespace zembrola
