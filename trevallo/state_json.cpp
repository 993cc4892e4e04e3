// Trevallo's variables as declared state, and what a load fills in and re-establishes.
#include "trevallo/state_json.hpp"

#include "trevallo/invariants.hpp"
#include "trevallo/table.hpp"

namespace trevallo {

using nlohmann::json;

namespace {

// Cards moved by the given fields and no talon given: the talon holds the rest, in pack order.
void complete(TrevalloState& p, const json& given)
{
    const bool cardsMoved = given.contains("humanHand") || given.contains("computerHand") ||
                            given.contains("discardPile");
    if (!cardsMoved || given.contains("talon"))
        return;
    const int sortMode = p.talon.sortMode;
    p.talon.sortMode = -1;
    p.talon.cards.clear();
    for (const ct::CardFace& c : ct::packCards()) {
        bool used = false;
        for (const ct::CardSet* set : {&p.humanHand, &p.computerHand, &p.discardPile})
            for (const ct::Card& card : set->cards)
                used = used || (card.suit == c.suit && card.rank == c.rank);
        if (!used)
            p.talon.append(c.suit, c.rank);
    }
    p.talon.sortMode = sortMode;
}

// The layout a deal gives, with the hand's sort order of the position; no play history.
void reestablish(TrevalloState& s, int back)
{
    const int humanSort = s.humanHand.sortMode;
    setUpSets(s, back);
    s.humanHand.sortMode = humanSort;
    for (ct::CardSet* set : {&s.humanHand, &s.computerHand, &s.talon, &s.discardPile}) {
        std::vector<ct::CardValue> values;
        for (const ct::Card& card : set->cards)
            values.push_back(ct::CardValue{card.suit, card.rank, card.selected});
        ct::applyCardList(*set, values);
    }
    layoutHumanHand(s);
    s.plays.clear();
    ++s.gameNumber;   // scores given by a load are where the watch on them starts
    invalidateTable(s);
}

} // namespace

const ct::StateSchema<TrevalloState>& stateSchema()
{
    static const ct::StateSchema<TrevalloState> schema = [] {
        using S = TrevalloState;
        ct::StateSchema<S> d("trevallo");
        // Card places in the order a card found twice lists them.
        d.cardSet("humanHand", &S::humanHand, packSize)
            .cardSet("computerHand", &S::computerHand, packSize)
            .cardSet("talon", &S::talon, packSize)
            .cardSet("discardPile", &S::discardPile, packSize)
            .suit("currentSuit", &S::currentSuit)
            .flag("suitChoicePending", &S::suitChoicePending)
            .flag("mayPass", &S::mayPass)
            .integer("drawnThisTurn", &S::drawnThisTurn, 0, packSize)
            .flag("computerToMove", &S::computerToMove)
            .integer("nextStarter", &S::nextStarter, -1, 1)
            .integer("computerScore", &S::computerScore, 0, losingScore - 1)
            .integer("humanScore", &S::humanScore, 0, losingScore - 1)
            .count("computerWins", &S::computerWins)
            .count("humanWins", &S::humanWins)
            .flag("oneCardThenPass", &S::oneCardThenPass)
            .flag("rankAndSuitPlay", &S::rankAndSuitPlay)
            .flag("passAfterQueen", &S::passAfterQueen)
            .integer("computerHandSpread", &S::computerHandSpread, 0, 5)
            .flag("computerHandFaceDown", &S::computerHandFaceDown)
            .integer("humanHandSortMode", [](S& s) -> int& { return s.humanHand.sortMode; }, 0, 1)
            .flag("buttonPressed", &S::buttonPressed);
        d.positionRules = positionViolations;
        return d;
    }();
    return schema;
}

json stateToJson(const TrevalloState& s)
{
    return stateSchema().toJson(s);
}

void loadState(TrevalloState& s, const json& fields, int back)
{
    ct::StateSchema<TrevalloState> schema = stateSchema();
    schema.complete = complete;
    schema.reestablish = [back](TrevalloState& live, const json&) { reestablish(live, back); };
    schema.load(s, fields);
}

} // namespace trevallo
