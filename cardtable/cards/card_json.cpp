// JSON of cards, card sets and the pack: writing, checking and applying.
#include "cards/card_json.hpp"

#include "cards/card_set.hpp"
#include "cards/card_style.hpp"

#include <set>
#include <stdexcept>
#include <string>
#include <utility>

namespace ct {

using nlohmann::json;

std::string shortDump(const json& value)
{
    constexpr std::size_t longest = 40;
    std::string text = value.dump(-1, ' ', false, json::error_handler_t::replace);
    if (text.size() > longest) {
        text.resize(longest);
        text += "...";
    }
    return text;
}

std::optional<int> integerIn(const json& value, int lo, int hi)
{
    if (value.is_number_unsigned()) {
        const auto n = value.get<std::uint64_t>();
        if (n > static_cast<std::uint64_t>(hi) || (lo > 0 && n < static_cast<std::uint64_t>(lo)))
            return std::nullopt;
        return static_cast<int>(n);
    }
    if (!value.is_number_integer())
        return std::nullopt;
    const auto n = value.get<std::int64_t>();
    if (n < lo || n > hi)
        return std::nullopt;
    return static_cast<int>(n);
}

namespace {

[[noreturn]] void fail(std::string_view what, const std::string& message)
{
    throw std::invalid_argument(std::string(what) + ": " + message);
}

int intIn(const json& value, int lo, int hi, std::string_view what, const std::string& name)
{
    if (!value.is_number_integer())
        fail(what, name + " must be an integer, not " + shortDump(value));
    if (const auto n = integerIn(value, lo, hi))
        return *n;
    fail(what, name + " " + shortDump(value) + " is out of range " + std::to_string(lo) + ".." + std::to_string(hi));
}

// A flag given as true/false or 0/1.
int flag(const json& value, std::string_view what, const std::string& name)
{
    if (value.is_boolean())
        return value.get<bool>() ? 1 : 0;
    if (value.is_number_integer() && (value.get<std::int64_t>() == 0 || value.get<std::int64_t>() == 1))
        return static_cast<int>(value.get<std::int64_t>());
    fail(what, name + " must be true, false, 0 or 1, not " + shortDump(value));
}

constexpr int maxRank = 15;

} // namespace

json toJson(const CardSet& set)
{
    json out = json::array();
    for (const Card& card : set.cards)
        out.push_back(json::array({card.suit, card.rank, card.selected}));
    return out;
}

json toJson(const Card& card)
{
    return json{{"suit", card.suit}, {"rank", card.rank}, {"hidden", card.hidden}};
}

json toJson(const Deck& deck)
{
    json cards = json::array();
    for (int i = 0; i < deck.total(); ++i) {
        const Deck::Slot& slot = deck.slots()[static_cast<std::size_t>(i)];
        if (slot.present)
            cards.push_back(json::array({slot.suit, slot.rank}));
    }
    return json{{"remaining", deck.remaining()}, {"cards", std::move(cards)}};
}

std::vector<CardValue> parseCardList(const json& value, std::string_view what)
{
    if (!value.is_array())
        fail(what, "expected an array of [suit, rank, selected], not " + shortDump(value));
    std::vector<CardValue> cards;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const json& element = value[i];
        const std::string where = "card " + std::to_string(i + 1);
        if (!element.is_array() || element.size() < 2 || element.size() > 3)
            fail(what, where + " must be [suit, rank] or [suit, rank, selected], not " + shortDump(element));
        CardValue card;
        card.suit = intIn(element[0], 1, 4, what, where + " suit");
        card.rank = intIn(element[1], 1, maxRank, what, where + " rank");
        if (element.size() == 3)
            card.selected = flag(element[2], what, where + " selected");
        cards.push_back(card);
    }
    return cards;
}

void applyCardList(CardSet& set, const std::vector<CardValue>& cards)
{
    const int mode = set.sortMode;
    set.clear();
    // Appended in the given order so that each selected flag lands on its own card; the
    // set's own order is restored by the stable re-sort below.
    set.sortMode = -1;
    for (const CardValue& value : cards) {
        const int before = set.count();
        set.append(value.suit, value.rank);
        if (set.count() > before)
            set.at(before + 1).setSelected(value.selected);
    }
    set.sortMode = mode;
    set.relayout();
}

void loadCardSet(CardSet& set, const json& value, std::string_view what)
{
    applyCardList(set, parseCardList(value, what));
}

Card parseCard(const json& value, const Card& card, std::string_view what)
{
    if (!value.is_object())
        fail(what, "expected an object with suit, rank and hidden, not " + shortDump(value));
    for (const auto& item : value.items())
        if (item.key() != "suit" && item.key() != "rank" && item.key() != "hidden")
            fail(what, "unknown field \"" + item.key() + "\"");
    Card result = card;
    if (value.contains("suit"))
        result.suit = value["suit"] == -1 ? -1 : intIn(value["suit"], 1, 4, what, "suit");
    if (value.contains("rank"))
        result.rank = value["rank"] == -1 ? -1 : intIn(value["rank"], 1, maxRank, what, "rank");
    if (value.contains("hidden"))
        result.hidden = flag(value["hidden"], what, "hidden");
    if ((result.suit == -1) != (result.rank == -1))
        fail(what, "suit and rank must both be set or both be -1");
    return result;
}

Deck parseDeck(const json& value, const Deck& deck, std::string_view what)
{
    if (!value.is_object())
        fail(what, "expected {\"remaining\": n, \"cards\": [[suit, rank], ...]}, not " + shortDump(value));
    for (const auto& item : value.items())
        if (item.key() != "remaining" && item.key() != "cards")
            fail(what, "unknown field \"" + item.key() + "\"");
    if (!value.contains("cards"))
        fail(what, "\"cards\" is missing");
    const json& list = value["cards"];
    if (!list.is_array())
        fail(what, "\"cards\" must be an array of [suit, rank]");

    Deck result = deck;
    if (result.total() == 0)
        result.setUp(cardStyle().pack);
    std::set<std::pair<int, int>> inPack;
    for (int i = 0; i < result.total(); ++i) {
        const Deck::Slot& slot = result.slots()[static_cast<std::size_t>(i)];
        inPack.emplace(slot.suit, slot.rank);
    }

    std::set<std::pair<int, int>> given;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const json& element = list[i];
        const std::string where = "card " + std::to_string(i + 1);
        if (!element.is_array() || element.size() != 2)
            fail(what, where + " must be [suit, rank], not " + shortDump(element));
        const int suit = intIn(element[0], 1, 4, what, where + " suit");
        const int rank = intIn(element[1], 1, maxRank, what, where + " rank");
        if (!inPack.contains({suit, rank}))
            fail(what, where + " [" + std::to_string(suit) + ", " + std::to_string(rank) + "] is not in this pack");
        if (!given.emplace(suit, rank).second)
            fail(what, where + " [" + std::to_string(suit) + ", " + std::to_string(rank) + "] is listed twice");
    }
    if (value.contains("remaining")) {
        const int remaining = intIn(value["remaining"], 0, result.total(), what, "remaining");
        if (remaining != static_cast<int>(given.size()))
            fail(what, "remaining is " + std::to_string(remaining) + " but " + std::to_string(given.size()) +
                           " cards are listed");
    }
    for (int i = 0; i < result.total(); ++i) {
        const Deck::Slot& slot = result.slots()[static_cast<std::size_t>(i)];
        result.setPresent(slot.rank, slot.suit, given.contains({slot.suit, slot.rank}));
    }
    return result;
}

void loadDeck(Deck& deck, const json& value, std::string_view what)
{
    deck = parseDeck(value, deck, what);
}

} // namespace ct
