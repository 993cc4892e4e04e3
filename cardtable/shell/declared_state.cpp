// The non-template half of declared state: the program's pack, int fields, card accounting.
#include "shell/declared_state.hpp"

#include "cards/card_style.hpp"

#include <algorithm>
#include <map>

namespace ct {

std::vector<CardFace> packCards()
{
    Deck deck;
    deck.setUp(cardStyle().pack);
    std::vector<CardFace> cards;
    for (int i = 0; i < deck.total(); ++i) {
        const auto& slot = deck.slots()[static_cast<std::size_t>(i)];
        cards.push_back(CardFace{slot.suit, slot.rank});
    }
    std::sort(cards.begin(), cards.end(), [](const CardFace& a, const CardFace& b) {
        return a.suit != b.suit ? a.suit < b.suit : a.rank < b.rank;
    });
    return cards;
}

bool inPack(int suit, int rank)
{
    const auto pack = packCards();
    return std::find(pack.begin(), pack.end(), CardFace{suit, rank}) != pack.end();
}

std::string cardName(int suit, int rank)
{
    return "[" + std::to_string(suit) + ", " + std::to_string(rank) + "]";
}

int parseIntField(const nlohmann::json& value, const std::string& name, int lo, int hi)
{
    if (value.is_boolean() && lo <= 0 && hi >= 1)
        return value.get<bool>() ? 1 : 0;
    if (!value.is_number_integer())
        throw std::invalid_argument(name + " must be an integer, not " + shortDump(value));
    if (const auto n = integerIn(value, lo, hi))
        return *n;
    throw std::invalid_argument(name + " " + shortDump(value) + " is not in " + std::to_string(lo) + ".." +
                                std::to_string(hi));
}

void checkEachCardOnce(const std::vector<std::pair<CardFace, std::string>>& found, std::vector<std::string>& out)
{
    const std::vector<CardFace> pack = packCards();
    std::map<std::pair<int, int>, std::vector<std::string>> places;
    for (const auto& [card, where] : found)
        places[{card.suit, card.rank}].push_back(where);
    for (const auto& [card, where] : places) {
        const auto [suit, rank] = card;
        if (std::find(pack.begin(), pack.end(), CardFace{suit, rank}) == pack.end()) {
            out.push_back("card " + cardName(suit, rank) + " in " + where.front() + " is not a card of the pack");
            continue;
        }
        if (where.size() > 1) {
            std::string list;
            for (const auto& w : where)
                list += (list.empty() ? "" : ", ") + w;
            out.push_back("card " + cardName(suit, rank) + " is there " + std::to_string(where.size()) + " times (" +
                          list + ")");
        }
    }
    for (const CardFace& card : pack)
        if (!places.contains({card.suit, card.rank}))
            out.push_back("card " + cardName(card.suit, card.rank) + " is missing");
}

} // namespace ct
