// The Zembrola state for headless scripts: every variable declared once, and setting them back.
#include "zembrola/state_json.hpp"

#include "zembrola/invariants.hpp"
#include "zembrola/table.hpp"

namespace zembrola {

using nlohmann::json;

namespace {

const char* const deskNames[] = {"humanHand", "computerHand", "humanRow", "computerRow"};

CDesk& deskAt(ZembrolaState& s, int i)
{
    CDesk* desks[] = {&s.humanHand, &s.computerHand, &s.humanRow, &s.computerRow};
    return *desks[i];
}

// Positions set up partly: the stock card follows the trump card, the taken tricks are the rest.
void complete(const ct::StateSchema<ZembrolaState>& schema, ZembrolaState& p, const json& given)
{
    if (!given.contains("stockCard"))
        p.stockCard.hidden = p.trumpCard.hidden;
    if (!given.contains("taken"))
        schema.fillWithRest(p, "taken");
}

// Trump flags, places and layouts as a deal leaves them.
void reestablish(ZembrolaState& s, int back)
{
    placeStandAloneCards(s, back);
    for (int i = 0; i < 4; ++i) {
        CDesk& desk = deskAt(s, i);
        desk.setTrump(s.trumpSuit());
        std::vector<ct::CardValue> values;
        for (const ct::Card& card : desk.cards)
            values.push_back(ct::CardValue{card.suit, card.rank, card.selected});
        ct::applyCardList(desk, values);
    }
}

} // namespace

const ct::StateSchema<ZembrolaState>& stateSchema()
{
    static const ct::StateSchema<ZembrolaState> schema = [] {
        using S = ZembrolaState;
        ct::StateSchema<S> d("zembrola");
        d.flag("showStockCount", &S::showStockCount)
            .flag("doubleTapPlay", &S::doubleTapPlay)
            .count("humanWins", &S::humanWins)
            .count("computerWins", &S::computerWins);
        for (int i = 0; i < 4; ++i)
            d.cardSet(deskNames[i], [i](S& s) -> ct::CardSet& { return deskAt(s, i); }, handSize);
        for (int i = 0; i < 4; ++i)
            d.integer(std::string(deskNames[i]) + "SortMode", [i](S& s) -> int& { return deskAt(s, i).sortMode; },
                      -1, 1);
        d.card("trumpCard", &S::trumpCard, [](const S& s) { return s.trumpCard.hidden == 0; })
            .card("stockCard", &S::stockCard)
            .pack("deck", &S::deck)
            .cardsOut("taken", &S::taken)
            .integer("humanPoints", &S::humanPoints, -1, packPoints)
            .integer("computerPoints", &S::computerPoints, -1, packPoints)
            .integer("humanPenalty", &S::humanPenalty, 0, gameEndPenalty - 2)
            .integer("computerPenalty", &S::computerPenalty, 0, gameEndPenalty - 2)
            .integer("penaltyFactor", &S::penaltyFactor, 1, 2)
            .integer("lastWinner", &S::lastWinner, -1, 1)
            .integer("computerLeads", &S::computerLeads, -1, 1)
            .flag("awaitingTap", &S::awaitingTap)
            .integer("buttonPressed", &S::buttonPressed, 0, 2)
            .derived("stockLeft", [](const S& s) { return s.stockLeft(); });
        d.positionRules = ruleViolations;
        return d;
    }();
    return schema;
}

json stateToJson(const ZembrolaState& s)
{
    return stateSchema().toJson(s);
}

void loadState(ZembrolaState& s, const json& fields, int back)
{
    ct::StateSchema<ZembrolaState> schema = stateSchema();
    // A desk never grows past its room: refuse an overlong list before it is read into one.
    if (fields.is_object())
        for (const char* name : deskNames)
            if (fields.contains(name) && fields.at(name).is_array() && fields.at(name).size() > handSize)
                schema.fail(std::string(name) + " holds " + std::to_string(fields.at(name).size()) +
                            " cards, more than 4");
    schema.complete = [&schema](ZembrolaState& p, const json& given) { complete(schema, p, given); };
    schema.reestablish = [back](ZembrolaState& live, const json&) { reestablish(live, back); };
    schema.load(s, fields);
}

} // namespace zembrola
