// The Velmar state for headless scripts: every variable by name, loading any subset of them,
// and the invariants the rules guarantee.
#include "velmar/state_json.hpp"

#include "velmar/rules.hpp"
#include "velmar/table.hpp"

#include "cards/card_json.hpp"

#include <functional>
#include <limits>
#include <map>
#include <set>
#include <stdexcept>

namespace velmar {

using nlohmann::json;

namespace {

// The position as plain values: what load builds and checks before touching the game.
struct SetValues {
    std::vector<ct::CardValue> cards;
    int sortMode = -1;
};

struct LooseCard {
    int suit = -1;
    int rank = -1;
    int hidden = 0;
};

struct Position {
    int gameType = 0;
    int transferVariant = 0;
    int doubleTapPlay = 0;
    int showStockCount = 0;
    int humanWins = 0;
    int computerWins = 0;
    int computerHandSpread = 4;
    int computerHandFaceDown = 1;
    SetValues humanHand, computerHand, humanRow, computerRow;
    LooseCard trumpCard, stockCard;
    std::vector<CardFace> deck;
    std::vector<CardFace> discarded;
    int computerAttacks = 0;
    int computerOpened = 0;
    int transferOpen = 1;
    int extraCardsLeft = -1;
    int humanCountAtOpening = 0;
    int computerCountAtOpening = 0;
    int nextStarter = -1;
    int buttonPressed = 0;

    bool japanese() const { return gameType == 4 || gameType == 5; }
    int deckCount() const { return static_cast<int>(deck.size()); }
};

SetValues valuesOf(const ct::CardSet& set)
{
    SetValues values;
    values.sortMode = set.sortMode;
    for (const ct::Card& card : set.cards)
        values.cards.push_back(ct::CardValue{card.suit, card.rank, card.selected});
    return values;
}

LooseCard valuesOf(const ct::Card& card)
{
    return LooseCard{card.suit, card.rank, card.hidden};
}

std::vector<CardFace> deckCards(const ct::Deck& deck)
{
    std::vector<CardFace> cards;
    for (int i = 0; i < deck.total(); ++i) {
        const auto& slot = deck.slots()[static_cast<std::size_t>(i)];
        if (slot.present)
            cards.push_back(CardFace{slot.suit, slot.rank});
    }
    return cards;
}

Position positionOf(const VelmarState& s)
{
    Position p;
    p.gameType = s.gameType;
    p.transferVariant = s.transferVariant;
    p.doubleTapPlay = s.doubleTapPlay;
    p.showStockCount = s.showStockCount;
    p.humanWins = s.humanWins;
    p.computerWins = s.computerWins;
    p.computerHandSpread = s.computerHandSpread;
    p.computerHandFaceDown = s.computerHandFaceDown;
    p.humanHand = valuesOf(s.humanHand);
    p.computerHand = valuesOf(s.computerHand);
    p.humanRow = valuesOf(s.humanRow);
    p.computerRow = valuesOf(s.computerRow);
    p.trumpCard = valuesOf(s.trumpCard);
    p.stockCard = valuesOf(s.stockCard);
    p.deck = deckCards(s.deck);
    p.discarded = s.discarded;
    p.computerAttacks = s.computerAttacks;
    p.computerOpened = s.computerOpened;
    p.transferOpen = s.transferOpen;
    p.extraCardsLeft = s.extraCardsLeft;
    p.humanCountAtOpening = s.humanCountAtOpening;
    p.computerCountAtOpening = s.computerCountAtOpening;
    p.nextStarter = s.nextStarter;
    p.buttonPressed = s.buttonPressed;
    return p;
}

// The turned-up card is one of the 36 only while it lies on the table in a game that has one.
bool trumpCardOnTable(const Position& p)
{
    return !p.japanese() && p.trumpCard.hidden == 0;
}

std::string cardName(int suit, int rank)
{
    return "[" + std::to_string(suit) + ", " + std::to_string(rank) + "]";
}

std::vector<std::string> violationsOf(const Position& p)
{
    std::vector<std::string> out;
    auto flagOk = [&](int value, const char* name) {
        if (value != 0 && value != 1)
            out.push_back(std::string(name) + " is " + std::to_string(value) + ", not 0 or 1");
    };

    if (p.gameType < 0 || p.gameType >= gameTypeCount)
        out.push_back("gameType " + std::to_string(p.gameType) + " is not 0..5");
    if (p.transferVariant != transferFor(p.gameType))
        out.push_back("transferVariant " + std::to_string(p.transferVariant) + " does not match gameType " +
                      std::to_string(p.gameType));
    flagOk(p.doubleTapPlay, "doubleTapPlay");
    flagOk(p.showStockCount, "showStockCount");
    flagOk(p.computerHandFaceDown, "computerHandFaceDown");
    flagOk(p.computerAttacks, "computerAttacks");
    flagOk(p.computerOpened, "computerOpened");
    flagOk(p.transferOpen, "transferOpen");
    if (p.computerHandSpread != 4 && p.computerHandSpread != 5)
        out.push_back("computerHandSpread " + std::to_string(p.computerHandSpread) + " is not 4 or 5");
    if (p.nextStarter < -1 || p.nextStarter > 1)
        out.push_back("nextStarter " + std::to_string(p.nextStarter) + " is not -1, 0 or 1");
    if (p.buttonPressed < 0 || p.buttonPressed > 2)
        out.push_back("buttonPressed " + std::to_string(p.buttonPressed) + " is not 0, 1 or 2");
    for (auto [value, name] : {std::pair{p.humanCountAtOpening, "humanCountAtOpening"},
                               std::pair{p.computerCountAtOpening, "computerCountAtOpening"}})
        if (value < 0 || value > packSize)
            out.push_back(std::string(name) + " " + std::to_string(value) + " is not 0..36");
    for (auto [sortMode, name] : {std::pair{p.humanHand.sortMode, "humanHandSortMode"},
                                  std::pair{p.computerHand.sortMode, "computerHandSortMode"}})
        if (sortMode < -1 || sortMode > 1)
            out.push_back(std::string(name) + " " + std::to_string(sortMode) + " is not -1, 0 or 1");

    // The turned-up card.
    if (p.japanese()) {
        if (p.trumpCard.suit != japaneseTrumpSuit || p.trumpCard.rank != phantomRank || p.trumpCard.hidden != 1)
            out.push_back("in a \"Japanese\" game trumpCard must be the hidden diamond " +
                          cardName(japaneseTrumpSuit, phantomRank));
    } else {
        if (p.trumpCard.suit < 1 || p.trumpCard.suit > 4 || p.trumpCard.rank < 6 || p.trumpCard.rank > 14)
            out.push_back("trumpCard " + cardName(p.trumpCard.suit, p.trumpCard.rank) + " is not a card of the pack");
        if (p.trumpCard.hidden == 1 && p.deckCount() > 0)
            out.push_back("trumpCard has been taken while the stock still holds " + std::to_string(p.deckCount()) +
                          " cards");
    }
    if ((p.stockCard.hidden == 1) != (p.deckCount() == 0))
        out.push_back(p.stockCard.hidden == 1 ? "stockCard is hidden but the stock is not empty"
                                              : "stockCard is shown but the stock is empty");

    // Every card of the pack exactly once.
    std::map<std::pair<int, int>, std::vector<std::string>> places;
    auto note = [&](int suit, int rank, const char* where) { places[{suit, rank}].push_back(where); };
    for (auto [set, name] : {std::pair{&p.humanHand, "humanHand"}, std::pair{&p.computerHand, "computerHand"},
                             std::pair{&p.humanRow, "humanRow"}, std::pair{&p.computerRow, "computerRow"}})
        for (const auto& card : set->cards)
            note(card.suit, card.rank, name);
    for (const auto& card : p.deck)
        note(card.suit, card.rank, "deck");
    for (const auto& card : p.discarded)
        note(card.suit, card.rank, "discarded");
    if (trumpCardOnTable(p))
        note(p.trumpCard.suit, p.trumpCard.rank, "trumpCard");
    for (const auto& [card, where] : places) {
        const auto [suit, rank] = card;
        if (suit < 1 || suit > 4 || rank < 6 || rank > 14) {
            out.push_back("card " + cardName(suit, rank) + " in " + where.front() + " is not a card of the pack");
            continue;
        }
        if (where.size() > 1) {
            std::string list;
            for (const auto& w : where)
                list += (list.empty() ? "" : ", ") + w;
            out.push_back("card " + cardName(suit, rank) + " is there " + std::to_string(where.size()) +
                          " times (" + list + ")");
        }
    }
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 6; rank <= 14; ++rank)
            if (!places.contains({suit, rank}))
                out.push_back("card " + cardName(suit, rank) + " is missing");

    // The rows follow who attacks: the defender lays one card per attack card at most.
    const auto& attackRow = p.computerAttacks == 1 ? p.computerRow : p.humanRow;
    const auto& defenceRow = p.computerAttacks == 1 ? p.humanRow : p.computerRow;
    const char* attackName = p.computerAttacks == 1 ? "computerRow" : "humanRow";
    const char* defenceName = p.computerAttacks == 1 ? "humanRow" : "computerRow";
    if (attackRow.cards.size() > static_cast<std::size_t>(maxRowCards))
        out.push_back(std::string("the attacker's ") + attackName + " holds " + std::to_string(attackRow.cards.size()) +
                      " cards, more than 6");
    if (defenceRow.cards.size() > attackRow.cards.size())
        out.push_back(std::string("the defender's ") + defenceName + " holds more cards than the attacker's " +
                      attackName);

    if (p.extraCardsLeft != -1) {
        if (p.extraCardsLeft < 1 || p.extraCardsLeft > maxRowCards)
            out.push_back("extraCardsLeft " + std::to_string(p.extraCardsLeft) + " is not -1 or 1..6");
        if (p.computerAttacks != 0 || p.humanRow.cards.empty())
            out.push_back("extra cards are offered although the human is not attacking with cards on the table");
    }

    // A win starts a new deal at once: a finished game never stays on the table.
    const bool stockGone = p.deckCount() == 0 && (p.japanese() || p.trumpCard.hidden == 1);
    if (stockGone && p.computerHand.cards.empty())
        out.push_back("the computer has won but the game goes on");
    else if (stockGone && p.humanHand.cards.empty())
        out.push_back("the human has won but the game goes on");
    return out;
}

// ---------------------------------------------------------------- reading fields

[[noreturn]] void fail(const std::string& message)
{
    throw std::invalid_argument("velmar state: " + message);
}

int intField(const json& value, const std::string& name, int lo, int hi)
{
    if (value.is_boolean() && lo <= 0 && hi >= 1)
        return value.get<bool>() ? 1 : 0;
    if (!value.is_number_integer())
        fail(name + " must be an integer, not " + value.dump());
    const auto n = value.get<std::int64_t>();
    if (n < lo || n > hi)
        fail(name + " " + std::to_string(n) + " is not in " + std::to_string(lo) + ".." + std::to_string(hi));
    return static_cast<int>(n);
}

std::vector<CardFace> faceList(const json& value, const std::string& name)
{
    std::vector<CardFace> faces;
    for (const auto& card : ct::parseCardList(value, name))
        faces.push_back(CardFace{card.suit, card.rank});
    return faces;
}

std::vector<CardFace> everyCardBut(const Position& p, bool countDeck, bool countDiscarded)
{
    std::set<std::pair<int, int>> used;
    for (const SetValues* set : {&p.humanHand, &p.computerHand, &p.humanRow, &p.computerRow})
        for (const auto& card : set->cards)
            used.emplace(card.suit, card.rank);
    if (trumpCardOnTable(p))
        used.emplace(p.trumpCard.suit, p.trumpCard.rank);
    if (countDeck)
        for (const auto& card : p.deck)
            used.emplace(card.suit, card.rank);
    if (countDiscarded)
        for (const auto& card : p.discarded)
            used.emplace(card.suit, card.rank);
    std::vector<CardFace> rest;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 6; rank <= 14; ++rank)
            if (!used.contains({suit, rank}))
                rest.push_back(CardFace{suit, rank});
    return rest;
}

void applySet(ct::CardSet& set, const SetValues& values, int trumpSuit)
{
    set.setTrump(trumpSuit);
    set.sortMode = values.sortMode;
    ct::applyCardList(set, values.cards);
}

} // namespace

json stateToJson(const VelmarState& s)
{
    json discarded = json::array();
    for (const CardFace& card : s.discarded)
        discarded.push_back(json::array({card.suit, card.rank}));
    return json{
        {"gameType", s.gameType},
        {"transferVariant", s.transferVariant},
        {"humanHand", ct::toJson(s.humanHand)},
        {"computerHand", ct::toJson(s.computerHand)},
        {"humanRow", ct::toJson(s.humanRow)},
        {"computerRow", ct::toJson(s.computerRow)},
        {"humanHandSortMode", s.humanHand.sortMode},
        // How the hand is fanned: it follows the hand's size only at the end of a bout, so a
        // script needs it to find where each card is drawn.
        {"humanHandSpread", s.humanHand.spread},
        {"humanHandPerRow", s.humanHand.perRow},
        {"computerHandSortMode", s.computerHand.sortMode},
        {"trumpCard", ct::toJson(s.trumpCard)},
        {"stockCard", ct::toJson(s.stockCard)},
        {"deck", ct::toJson(s.deck)},
        {"discarded", std::move(discarded)},
        {"computerAttacks", s.computerAttacks},
        {"computerOpened", s.computerOpened},
        {"transferOpen", s.transferOpen},
        {"extraCardsLeft", s.extraCardsLeft},
        {"humanCountAtOpening", s.humanCountAtOpening},
        {"computerCountAtOpening", s.computerCountAtOpening},
        {"nextStarter", s.nextStarter},
        {"computerHandFaceDown", s.computerHandFaceDown},
        {"computerHandSpread", s.computerHandSpread},
        {"buttonPressed", s.buttonPressed},
        {"doubleTapPlay", s.doubleTapPlay},
        {"showStockCount", s.showStockCount},
        {"humanWins", s.humanWins},
        {"computerWins", s.computerWins},
    };
}

void loadState(VelmarState& s, const json& fields, int back)
{
    if (!fields.is_object())
        fail("expected an object of fields, not " + fields.dump());
    Position p = positionOf(s);
    int handSpread = 0;   // 0: laid out by the hand's size
    int handPerRow = 0;

    const std::map<std::string, std::function<void(const json&)>> readers{
        {"gameType", [&](const json& v) { p.gameType = intField(v, "gameType", 0, gameTypeCount - 1); }},
        {"transferVariant", [&](const json& v) { p.transferVariant = intField(v, "transferVariant", 0, 1); }},
        {"doubleTapPlay", [&](const json& v) { p.doubleTapPlay = intField(v, "doubleTapPlay", 0, 1); }},
        {"showStockCount", [&](const json& v) { p.showStockCount = intField(v, "showStockCount", 0, 1); }},
        {"humanWins", [&](const json& v) { p.humanWins = intField(v, "humanWins", 0, std::numeric_limits<int>::max()); }},
        {"computerWins", [&](const json& v) { p.computerWins = intField(v, "computerWins", 0, std::numeric_limits<int>::max()); }},
        {"computerHandSpread", [&](const json& v) { p.computerHandSpread = intField(v, "computerHandSpread", 4, 5); }},
        {"computerHandFaceDown",
         [&](const json& v) { p.computerHandFaceDown = intField(v, "computerHandFaceDown", 0, 1); }},
        {"humanHand", [&](const json& v) { p.humanHand.cards = ct::parseCardList(v, "humanHand"); }},
        {"computerHand", [&](const json& v) { p.computerHand.cards = ct::parseCardList(v, "computerHand"); }},
        {"humanRow", [&](const json& v) { p.humanRow.cards = ct::parseCardList(v, "humanRow"); }},
        {"computerRow", [&](const json& v) { p.computerRow.cards = ct::parseCardList(v, "computerRow"); }},
        {"humanHandSortMode", [&](const json& v) { p.humanHand.sortMode = intField(v, "humanHandSortMode", -1, 1); }},
        // Spreads 1 to 3 are the ones the hand is laid out with; 18 cards is the longest row.
        {"humanHandSpread", [&](const json& v) { handSpread = intField(v, "humanHandSpread", 1, 3); }},
        {"humanHandPerRow", [&](const json& v) { handPerRow = intField(v, "humanHandPerRow", 1, 18); }},
        {"computerHandSortMode",
         [&](const json& v) { p.computerHand.sortMode = intField(v, "computerHandSortMode", -1, 1); }},
        {"trumpCard",
         [&](const json& v) {
             const ct::Card card = ct::parseCard(v, s.trumpCard, "trumpCard");
             p.trumpCard = valuesOf(card);
         }},
        {"stockCard",
         [&](const json& v) {
             const ct::Card card = ct::parseCard(v, s.stockCard, "stockCard");
             p.stockCard = valuesOf(card);
         }},
        {"deck", [&](const json& v) { p.deck = deckCards(ct::parseDeck(v, s.deck, "deck")); }},
        {"discarded", [&](const json& v) { p.discarded = faceList(v, "discarded"); }},
        {"computerAttacks", [&](const json& v) { p.computerAttacks = intField(v, "computerAttacks", 0, 1); }},
        {"computerOpened", [&](const json& v) { p.computerOpened = intField(v, "computerOpened", 0, 1); }},
        {"transferOpen", [&](const json& v) { p.transferOpen = intField(v, "transferOpen", 0, 1); }},
        {"extraCardsLeft", [&](const json& v) { p.extraCardsLeft = intField(v, "extraCardsLeft", -1, maxRowCards); }},
        {"humanCountAtOpening",
         [&](const json& v) { p.humanCountAtOpening = intField(v, "humanCountAtOpening", 0, packSize); }},
        {"computerCountAtOpening",
         [&](const json& v) { p.computerCountAtOpening = intField(v, "computerCountAtOpening", 0, packSize); }},
        {"nextStarter", [&](const json& v) { p.nextStarter = intField(v, "nextStarter", -1, 1); }},
        {"buttonPressed", [&](const json& v) { p.buttonPressed = intField(v, "buttonPressed", 0, 2); }},
    };
    for (const auto& item : fields.items()) {
        const auto reader = readers.find(item.key());
        if (reader == readers.end())
            fail("unknown field \"" + item.key() + "\"");
        reader->second(item.value());
    }
    auto given = [&](const char* name) { return fields.contains(name); };

    if (given("gameType") && !given("transferVariant"))
        p.transferVariant = transferFor(p.gameType);
    bool cardsMoved = given("humanHand") || given("computerHand") || given("humanRow") || given("computerRow") ||
                      given("trumpCard") || given("discarded");
    if (p.japanese() && !given("trumpCard") &&
        (p.trumpCard.suit != japaneseTrumpSuit || p.trumpCard.rank != phantomRank || p.trumpCard.hidden != 1)) {
        p.trumpCard = LooseCard{japaneseTrumpSuit, phantomRank, 1};
        cardsMoved = true;
    }
    if (!p.japanese() && !given("trumpCard") && p.trumpCard.rank == phantomRank)
        fail("a game type with a turned-up card needs \"trumpCard\"");
    if (given("deck") && !given("discarded"))
        p.discarded = everyCardBut(p, true, false);
    else if (!given("deck") && cardsMoved)
        p.deck = everyCardBut(p, false, true);
    if (!given("stockCard"))
        p.stockCard.hidden = p.deck.empty() ? 1 : 0;

    const auto problems = violationsOf(p);
    if (!problems.empty()) {
        std::string message = "not a position of the game: ";
        for (std::size_t i = 0; i < problems.size(); ++i)
            message += (i ? "; " : "") + problems[i];
        fail(message);
    }

    // Everything checked: apply.
    s.gameType = p.gameType;
    s.transferVariant = p.transferVariant;
    s.doubleTapPlay = p.doubleTapPlay;
    s.showStockCount = p.showStockCount;
    s.humanWins = p.humanWins;
    s.computerWins = p.computerWins;
    s.computerHandSpread = p.computerHandSpread;
    s.computerHandFaceDown = p.computerHandFaceDown;
    s.computerAttacks = p.computerAttacks;
    s.computerOpened = p.computerOpened;
    s.transferOpen = p.transferOpen;
    s.extraCardsLeft = p.extraCardsLeft;
    s.humanCountAtOpening = p.humanCountAtOpening;
    s.computerCountAtOpening = p.computerCountAtOpening;
    s.nextStarter = p.nextStarter;
    s.buttonPressed = p.buttonPressed;
    s.discarded = p.discarded;

    s.trumpCard.invalidate();
    s.stockCard.invalidate();
    s.trumpCard.suit = p.trumpCard.suit;
    s.trumpCard.rank = p.trumpCard.rank;
    s.trumpCard.hidden = p.trumpCard.hidden;
    s.stockCard.hidden = p.stockCard.hidden;
    if (s.stockCard.suit == -1) {
        s.stockCard.suit = ct::diamonds;
        s.stockCard.rank = 1;
    }
    placeStandAloneCards(s, back);

    for (int i = 0; i < s.deck.total(); ++i) {
        const auto& slot = s.deck.slots()[static_cast<std::size_t>(i)];
        s.deck.setPresent(slot.rank, slot.suit, false);
    }
    for (const CardFace& card : p.deck)
        s.deck.setPresent(card.rank, card.suit, true);

    // The layout a deal gives, with the sort modes of the position.
    const int humanSort = p.humanHand.sortMode;
    const int computerSort = p.computerHand.sortMode;
    setUpSets(s, back);
    s.humanHand.setBack(back);
    s.computerHand.setBack(back);
    applySet(s.humanHand, SetValues{p.humanHand.cards, humanSort}, s.trumpSuit());
    applySet(s.computerHand, SetValues{p.computerHand.cards, computerSort}, s.trumpSuit());
    applySet(s.humanRow, p.humanRow, s.trumpSuit());
    applySet(s.computerRow, p.computerRow, s.trumpSuit());
    layoutHumanHand(s);
    if (handSpread != 0 || handPerRow != 0) {
        if (handSpread != 0)
            s.humanHand.spread = handSpread;
        if (handPerRow != 0)
            s.humanHand.perRow = handPerRow;
        s.humanHand.relayout();
    }
    invalidateStockCount(s);
    invalidateActionButton(s);
    invalidateSortButton(s);
}

std::vector<std::string> consistencyViolations(const VelmarState& s)
{
    auto out = violationsOf(positionOf(s));
    for (auto [set, name] : {std::pair{&s.humanHand, "humanHand"}, std::pair{&s.computerHand, "computerHand"},
                             std::pair{&s.humanRow, "humanRow"}, std::pair{&s.computerRow, "computerRow"}}) {
        if (set->trumpSuit != s.trumpSuit())
            out.push_back(std::string(name) + " has trump suit " + std::to_string(set->trumpSuit) +
                          ", the game " + std::to_string(s.trumpSuit()));
        for (const ct::Card& card : set->cards)
            if (card.trump != (card.suit == s.trumpSuit() ? 1 : 0))
                out.push_back(std::string(name) + " card " + cardName(card.suit, card.rank) + " has a wrong trump flag");
    }
    if (s.deck.total() != packSize)
        out.push_back("the pack is not set up with 36 cards");
    return out;
}

} // namespace velmar
