// The whole state of a Zembrola program: the four desks, the stock, the scores, the table and the tally.
#pragma once

#include "zembrola/desk.hpp"

#include "cards/card.hpp"
#include "cards/card_json.hpp"
#include "cards/deck.hpp"
#include "shell/step_guard.hpp"

#include <vector>

namespace ct {
class Invalidator;
}

namespace zembrola {

// Codes of the game's own message.
namespace step {
inline constexpr int computerLeads = 0;
inline constexpr int deal = 1;
inline constexpr int computerAnswers = 2;
} // namespace step

inline constexpr int packSize = 36;
inline constexpr int packPoints = 120;
inline constexpr int handSize = 4;
inline constexpr int gameEndPenalty = 12;

// A card that has left the table in a trick already taken.
using ct::CardFace;

// Program-wide state, grouped: the rules, the computer player, the turn flow, the drawing and
// the headless state all read and change this one record.
struct ZembrolaState {
    // Options and tally (stored settings).
    int showStockCount = 0;         // "cidc"
    int doubleTapPlay = 0;          // "wc": always 0 in this program
    int humanWins = 0;              // "statu"
    int computerWins = 0;           // "statc"

    // The table.
    CDesk humanHand{36};
    CDesk computerHand{36};
    CDesk humanRow{4};              // the cards the human laid in the current trick
    CDesk computerRow{4};           // the cards the computer laid in the current trick
    ct::Card trumpCard;             // turned up under the stock; hidden once drawn
    ct::Card stockCard;             // face-down stand-in for the stock; hidden once it is gone
    ct::Deck deck;                  // the undealt cards, without trumpCard
    // Cards of the tricks already cleared from the table. Only kept so that every card of the
    // pack can be accounted for; the score itself lives in the points.
    std::vector<CardFace> taken;

    // The round and the game.
    int humanPoints = -1;           // -1: no trick taken in this round
    int computerPoints = -1;
    int humanPenalty = 0;
    int computerPenalty = 0;
    int penaltyFactor = 1;          // 2 in the round after a draw
    int lastWinner = -1;            // 0 human, 1 computer, -1 before the first trick of the run
    int computerLeads = -1;         // 1 the computer leads the next trick, 0 the human

    // Table interaction.
    int awaitingTap = 0;            // 1 while a trick the computer answered lies on the table
    int buttonPressed = 0;          // 0 none, 1 okButton, 2 sortButton

    // Every deal begins a new generation, so that a step whose round ended inside it stops.
    ct::StepGuard deals;

    // Where the table is shown (for invalidation); null in tests.
    ct::Invalidator* window = nullptr;

    ZembrolaState();
    ZembrolaState(const ZembrolaState&) = delete;
    ZembrolaState& operator=(const ZembrolaState&) = delete;

    int trumpSuit() const { return trumpCard.suit; }
    // Cards still to be drawn, the turned-up trump card included.
    int stockLeft() const { return deck.remaining() + (trumpCard.hidden ? 0 : 1); }
};

} // namespace zembrola
