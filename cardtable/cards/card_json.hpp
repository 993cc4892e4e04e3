// JSON of cards, card sets and the pack, for the headless state and load commands.
#pragma once

#include "cards/card.hpp"
#include "cards/deck.hpp"

#include <nlohmann/json.hpp>

#include <optional>

#include <string_view>
#include <vector>

namespace ct {

class CardSet;

// One card of a set as the JSON gives it.
struct CardValue {
    int suit = -1;
    int rank = -1;
    int selected = 0;
    friend bool operator==(const CardValue&, const CardValue&) = default;
};

// A card by its face alone (a card that has left the game, a pack card).
struct CardFace {
    int suit = -1;
    int rank = -1;
    friend bool operator==(const CardFace&, const CardFace&) = default;
};

// A set: [[suit, rank, selected], ...] in set order.
// A value as error messages quote it: the start of its JSON text, never more than a line.
std::string shortDump(const nlohmann::json& value);
// The integer `value` holds when it is one in lo..hi; refuses (nullopt) anything else,
// unsigned values past the signed range included.
std::optional<int> integerIn(const nlohmann::json& value, int lo, int hi);

nlohmann::json toJson(const CardSet& set);
// A stand-alone card: {"suit": s, "rank": r, "hidden": h}.
nlohmann::json toJson(const Card& card);
// The pack: {"remaining": n, "cards": [[suit, rank], ...]}, the present cards in slot order.
nlohmann::json toJson(const Deck& deck);

// Reading is split into checking and applying, so that a caller can check every part of a
// state before it changes any. The parse functions throw std::invalid_argument naming `what`
// and the fault; the apply functions cannot fail.

// Elements are [suit, rank] or [suit, rank, selected]; suits 1..4, ranks 1..15.
std::vector<CardValue> parseCardList(const nlohmann::json& value, std::string_view what);
// Replaces the set's cards, keeping its window, back, faceDown, trump suit, origin, spread and
// sort mode, then lays it out again (which repaints the old and new places).
void applyCardList(CardSet& set, const std::vector<CardValue>& cards);
void loadCardSet(CardSet& set, const nlohmann::json& value, std::string_view what);

// Any of "suit", "rank", "hidden"; keys not given keep the card's values. Suit and rank are
// both -1 (no card) or both valid. Returns the changed copy of `card`.
Card parseCard(const nlohmann::json& value, const Card& card, std::string_view what);

// "cards" lists exactly the present cards; "remaining", if given, must match their number.
// A deck that was never set up is set up with the program's pack first.
Deck parseDeck(const nlohmann::json& value, const Deck& deck, std::string_view what);
void loadDeck(Deck& deck, const nlohmann::json& value, std::string_view what);

} // namespace ct
