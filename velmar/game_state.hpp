// The whole state of a Velmar program: the table, the bout in progress, the options and the tally.
#pragma once

#include "cards/card.hpp"
#include "cards/card_json.hpp"
#include "cards/card_set.hpp"
#include "cards/deck.hpp"
#include "shell/step_guard.hpp"

#include <cstdint>
#include <vector>

namespace ct {
class Invalidator;
}

namespace velmar {

// String table identifiers of the program's own texts.
namespace text {
inline constexpr int firstGameType = 300;     // 300..305: the six game-type names
inline constexpr int youWin = 306;
inline constexpr int transferDone = 307;
inline constexpr int giveExtra = 308;         // "%d"
inline constexpr int yourMove = 309;
inline constexpr int sixCards = 310;
inline constexpr int zeroCards = 311;
inline constexpr int transferQuestion = 312;
inline constexpr int selectCards = 313;       // "%d"
inline constexpr int badCards = 314;
inline constexpr int selectACard = 315;
inline constexpr int takenWithExtra = 316;    // "%d", "%d"
inline constexpr int taken = 317;             // "%d"
inline constexpr int okYourMove = 318;
} // namespace text

// Codes of the game's own message.
namespace step {
inline constexpr int newDeal = 0;
inline constexpr int computerAttacks = 1;
inline constexpr int computerDefends = 2;
} // namespace step

inline constexpr int gameTypeCount = 6;
inline constexpr int maxRowCards = 6;         // the attacker's row never holds more
inline constexpr int packSize = 36;
inline constexpr int japaneseTrumpSuit = ct::diamonds;
inline constexpr int phantomRank = 2;         // the "Japanese" trump card: a rank no card has

// A card that has left the game (discarded at the end of a beaten bout).
using ct::CardFace;

// Program-wide state, grouped. Every rule, every decision of the computer, the turn flow,
// the drawing and the headless state read and change this one record.
struct VelmarState {
    // Options and tally (stored settings).
    int gameType = 0;               // 0..5: "Thrown up", "Bulk", "Japanese", each with "Transfer"
    int transferVariant = 0;        // 1 for the odd types
    int doubleTapPlay = 0;          // "wc"
    int showStockCount = 0;         // "cidc"
    int humanWins = 0;              // "statu"
    int computerWins = 0;           // "statc"
    int computerHandSpread = 4;     // "hidev": 4 fanned, 5 stacked
    int computerHandFaceDown = 1;   // 0 with the show-hand switch

    // The table.
    ct::CardSet humanHand;
    ct::CardSet computerHand;
    ct::CardSet humanRow;           // cards the human laid in this bout
    ct::CardSet computerRow;        // cards the computer laid in this bout
    ct::Card trumpCard;             // the turned-up card under the stock; its suit is trumps
    ct::Card stockCard;             // face-down stand-in for the stock
    ct::Deck deck;                  // the stock: the undealt cards
    // Cards that left the game. The rules keep no discard pile; this one exists so that
    // every card can be accounted for exactly.
    std::vector<CardFace> discarded;

    // The bout in progress.
    int computerAttacks = 0;        // 1 while the computer attacks
    int computerOpened = 0;         // 1 if the computer laid the first card; decides the refill order
    int transferOpen = 1;           // 1 while the defender may still transfer
    int extraCardsLeft = -1;        // cards the human may still give a computer that takes; -1 otherwise
    int humanCountAtOpening = 0;    // humanHand's size when the computer last opened
    int computerCountAtOpening = 0; // computerHand's size when the human last opened
    int nextStarter = -1;           // -1 lowest trump decides, 0 human, 1 computer

    // Table interaction.
    int buttonPressed = 0;          // 0 none, 1 actionButton, 2 sortButton

    // Counts deals. A step takes a token on entry and returns at once when it has gone stale:
    // a win started a new deal underneath it, and nothing of the old game may carry on.
    ct::StepGuard deals;

    // Where the table is shown (for invalidation); null in tests that do not watch paints.
    ct::Invalidator* window = nullptr;

    VelmarState();
    VelmarState(const VelmarState&) = delete;
    VelmarState& operator=(const VelmarState&) = delete;

    bool japanese() const { return gameType == 4 || gameType == 5; }
    bool bulk() const { return gameType == 2 || gameType == 3; }
    int trumpSuit() const { return trumpCard.suit; }
    bool isTrump(const ct::Card& card) const { return card.suit == trumpCard.suit; }
    // Cards still in the pack, without the turned-up trump card.
    int stock() const { return deck.remaining(); }
    // A hand, the stock and the turned-up card all gone: that hand's owner has won.
    bool handFinished(const ct::CardSet& hand) const
    {
        return hand.empty() && deck.remaining() == 0 && trumpCard.hidden != 0;
    }
};

// Types 1, 3 and 5 allow transfers.
inline int transferFor(int gameType) { return gameType % 2 == 1 ? 1 : 0; }

} // namespace velmar
