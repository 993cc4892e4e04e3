// Trevallo rules: the deal, legal play, the effects of the special cards, drawing and the
// end of a round. They change the state and report; they never paint or talk to the user.
#pragma once

#include "trevallo/game_state.hpp"

namespace trevallo {

// Penalty points of one card and of a hand.
int cardValue(int rank);
int cardPoints(const ct::CardSet& hand);

// Whether a card may go on a pile whose top card has rank `topRank` (0 for an empty pile)
// while `suitInForce` is to be followed.
bool legalPlay(int suit, int rank, int topRank, int suitInForce, bool rankAndSuit);
bool isLegal(const TrevalloState& s, const ct::Card& card);

// The suit the hand holds most of; ties to the lower suit; 0 for an empty hand.
int mostFrequentSuit(const ct::CardSet& hand);

// Deals a round (five each, the computer first; the rest into the talon) and decides who
// leads: sets computerToMove. `back` is the card back chosen in the options.
void dealRound(TrevalloState& s, int back);

// All of the discard pile but its top card goes back into the talon, oldest first.
void refillTalon(TrevalloState& s);
// Moves the talon's top card into `hand`; false when the talon is empty.
bool takeFromTalon(TrevalloState& s, ct::CardSet& hand);
// The effect of a 6 or 7: refills an empty talon first; false when still no card was given.
bool penaltyDraw(TrevalloState& s, ct::CardSet& hand);

// Outcome of the human's draw button when it draws (not passes).
enum class DrawResult { took, talonEnd, nothing };
DrawResult humanDraw(TrevalloState& s);

// Puts card `index` (1-based) of the player's hand on the pile and applies its effect.
// Returns true when the same player moves again. For the computer's queen the new suit is
// chosen at once; for the human's queen suitChoicePending is set.
bool playCard(TrevalloState& s, bool computer, int index);

// The end of a round, judged after every play attempt and computer move.
enum class RoundEnd { none, computerWins, humanWins };
struct RoundResult {
    RoundEnd end = RoundEnd::none;
    bool gameOver = false;   // the loser reached 100: the winner wins the game
};
// Adds the penalty points and sets nextStarter when a hand is empty; on a game's end the
// scores are cleared by the caller, which also keeps the tally.
RoundResult judgeRound(TrevalloState& s);

// New game: both scores 0, the leader by points.
void resetGame(TrevalloState& s);

} // namespace trevallo
