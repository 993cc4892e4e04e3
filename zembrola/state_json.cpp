// The Zembrola state for headless scripts: every variable by name, and setting them back.
#include "zembrola/state_json.hpp"

#include "cards/card_json.hpp"

#include <set>
#include <stdexcept>
#include <utility>

namespace zembrola {

using nlohmann::json;

namespace {

const char* const deskNames[] = {"humanHand", "computerHand", "humanRow", "computerRow"};

CDesk& deskNamed(ZembrolaState& s, int i)
{
    CDesk* desks[] = {&s.humanHand, &s.computerHand, &s.humanRow, &s.computerRow};
    return *desks[i];
}

struct IntField {
    const char* name;
    int ZembrolaState::*member;
    int low;
    int high;
};

const IntField intFields[] = {
    {"showStockCount", &ZembrolaState::showStockCount, 0, 1},
    {"doubleTapPlay", &ZembrolaState::doubleTapPlay, 0, 1},
    {"humanWins", &ZembrolaState::humanWins, 0, 1 << 30},
    {"computerWins", &ZembrolaState::computerWins, 0, 1 << 30},
    {"humanPoints", &ZembrolaState::humanPoints, -1, 120},
    {"computerPoints", &ZembrolaState::computerPoints, -1, 120},
    {"humanPenalty", &ZembrolaState::humanPenalty, 0, 10},
    {"computerPenalty", &ZembrolaState::computerPenalty, 0, 10},
    {"penaltyFactor", &ZembrolaState::penaltyFactor, 1, 2},
    {"lastWinner", &ZembrolaState::lastWinner, -1, 1},
    {"computerLeads", &ZembrolaState::computerLeads, -1, 1},
    {"awaitingTap", &ZembrolaState::awaitingTap, 0, 1},
    {"buttonPressed", &ZembrolaState::buttonPressed, 0, 2},
};

} // namespace

json stateToJson(const ZembrolaState& s)
{
    json out;
    for (const IntField& f : intFields)
        out[f.name] = s.*(f.member);
    for (int i = 0; i < 4; ++i) {
        const CDesk& desk = deskNamed(const_cast<ZembrolaState&>(s), i);
        out[deskNames[i]] = ct::toJson(desk);
        out[std::string(deskNames[i]) + "SortMode"] = desk.sortMode;
    }
    out["trumpCard"] = ct::toJson(s.trumpCard);
    out["stockCard"] = ct::toJson(s.stockCard);
    out["deck"] = ct::toJson(s.deck);
    json taken = json::array();
    for (const CardFace& face : s.taken)
        taken.push_back({face.suit, face.rank});
    out["taken"] = taken;
    out["stockLeft"] = s.stockLeft();
    return out;
}

void loadState(ZembrolaState& s, const json& fields)
{
    if (!fields.is_object())
        throw std::invalid_argument("load: an object of fields is expected");
    // Check every part first, so that a refused load changes nothing.
    std::vector<std::pair<const IntField*, int>> ints;
    for (const IntField& f : intFields) {
        if (!fields.contains(f.name))
            continue;
        const json& v = fields.at(f.name);
        if (!v.is_number_integer() || v.get<long long>() < f.low || v.get<long long>() > f.high)
            throw std::invalid_argument(std::string(f.name) + ": a whole number from " + std::to_string(f.low) +
                                        " to " + std::to_string(f.high) + " is expected");
        ints.emplace_back(&f, v.get<int>());
    }
    std::vector<std::pair<int, std::vector<ct::CardValue>>> desks;
    for (int i = 0; i < 4; ++i) {
        if (!fields.contains(deskNames[i]))
            continue;
        auto cards = ct::parseCardList(fields.at(deskNames[i]), deskNames[i]);
        if (cards.size() > static_cast<std::size_t>(handSize))
            throw std::invalid_argument(std::string(deskNames[i]) + ": at most four cards");
        desks.emplace_back(i, std::move(cards));
    }
    const ct::Card trump = fields.contains("trumpCard") ? ct::parseCard(fields.at("trumpCard"), s.trumpCard, "trumpCard")
                                                        : s.trumpCard;
    const ct::Card stock = fields.contains("stockCard") ? ct::parseCard(fields.at("stockCard"), s.stockCard, "stockCard")
                                                        : s.stockCard;
    const ct::Deck deck = fields.contains("deck") ? ct::parseDeck(fields.at("deck"), s.deck, "deck") : s.deck;

    for (const auto& [field, value] : ints)
        s.*(field->member) = value;
    s.trumpCard.suit = trump.suit;
    s.trumpCard.rank = trump.rank;
    s.trumpCard.setHidden(trump.hidden);
    s.stockCard.setHidden(stock.hidden);
    s.deck = deck;
    for (int i = 0; i < 4; ++i)
        deskNamed(s, i).setTrump(s.trumpSuit());
    for (const auto& [i, cards] : desks)
        ct::applyCardList(deskNamed(s, i), cards);

    // The taken tricks are whatever is found nowhere else.
    std::set<std::pair<int, int>> present;
    for (int i = 0; i < 4; ++i)
        for (const ct::Card& card : deskNamed(s, i).cards)
            present.insert({card.suit, card.rank});
    if (!s.trumpCard.hidden)
        present.insert({s.trumpCard.suit, s.trumpCard.rank});
    s.taken.clear();
    for (int i = 0; i < s.deck.total(); ++i) {
        const auto& slot = s.deck.slots()[static_cast<std::size_t>(i)];
        if (!slot.present && !present.contains({slot.suit, slot.rank}))
            s.taken.push_back(CardFace{slot.suit, slot.rank});
    }
}

} // namespace zembrola
