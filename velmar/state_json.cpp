// Velmar's variables as declared state, and what a load fills in and re-establishes.
#include "velmar/state_json.hpp"

#include "velmar/invariants.hpp"
#include "velmar/rules.hpp"
#include "velmar/table.hpp"

#include "shell/declared_state.hpp"

namespace velmar {

using nlohmann::json;

namespace {

// The turned-up card is one of the 36 only while it lies on the table in a game that has one.
bool trumpCardOnTable(const VelmarState& s)
{
    return !s.japanese() && s.trumpCard.hidden == 0;
}

// Partly given positions: the rule set's own trump card, the transfer rule and the pack.
void complete(const ct::StateSchema<VelmarState>& schema, VelmarState& p, const json& given)
{
    auto has = [&](const char* name) { return given.contains(name); };
    if (has("gameType") && !has("transferVariant"))
        p.transferVariant = transferFor(p.gameType);
    bool cardsMoved = has("humanHand") || has("computerHand") || has("humanRow") || has("computerRow") ||
                      has("trumpCard") || has("discarded");
    if (p.japanese() && !has("trumpCard") &&
        (p.trumpCard.suit != japaneseTrumpSuit || p.trumpCard.rank != phantomRank || p.trumpCard.hidden != 1)) {
        p.trumpCard.suit = japaneseTrumpSuit;
        p.trumpCard.rank = phantomRank;
        p.trumpCard.hidden = 1;
        cardsMoved = true;
    }
    if (!p.japanese() && !has("trumpCard") && p.trumpCard.rank == phantomRank)
        schema.fail("a game type with a turned-up card needs \"trumpCard\"");
    if (has("deck") && !has("discarded"))
        schema.fillWithRest(p, "discarded");
    else if (!has("deck") && cardsMoved)
        schema.fillWithRest(p, "deck");
    if (!has("stockCard"))
        p.stockCard.hidden = p.deck.remaining() == 0 ? 1 : 0;
}

// The layout a deal gives, with the sort modes of the position, and the trump flags.
void reestablish(VelmarState& s, const json& given, int back)
{
    if (s.stockCard.suit == -1) {
        s.stockCard.suit = ct::diamonds;
        s.stockCard.rank = 1;
    }
    placeStandAloneCards(s, back);
    const int humanSort = s.humanHand.sortMode;
    const int computerSort = s.computerHand.sortMode;
    const int spread = s.humanHand.spread;
    const int perRow = s.humanHand.perRow;
    setUpSets(s, back);
    s.humanHand.setBack(back);
    s.computerHand.setBack(back);
    s.humanHand.sortMode = humanSort;
    s.computerHand.sortMode = computerSort;
    for (ct::CardSet* set : {&s.humanHand, &s.computerHand, &s.humanRow, &s.computerRow}) {
        set->setTrump(s.trumpSuit());
        std::vector<ct::CardValue> values;
        for (const ct::Card& card : set->cards)
            values.push_back(ct::CardValue{card.suit, card.rank, card.selected});
        ct::applyCardList(*set, values);
    }
    layoutHumanHand(s);
    if (given.contains("humanHandSpread") || given.contains("humanHandPerRow")) {
        if (given.contains("humanHandSpread"))
            s.humanHand.spread = spread;
        if (given.contains("humanHandPerRow"))
            s.humanHand.perRow = perRow;
        s.humanHand.relayout();
    }
    invalidateStockCount(s);
    invalidateActionButton(s);
    invalidateSortButton(s);
}

} // namespace

const ct::StateSchema<VelmarState>& stateSchema()
{
    static const ct::StateSchema<VelmarState> schema = [] {
        using S = VelmarState;
        ct::StateSchema<S> d("velmar");
        d.integer("gameType", &S::gameType, 0, gameTypeCount - 1)
            .flag("transferVariant", &S::transferVariant)
            .flag("doubleTapPlay", &S::doubleTapPlay)
            .flag("showStockCount", &S::showStockCount)
            .count("humanWins", &S::humanWins)
            .count("computerWins", &S::computerWins)
            .integer("computerHandSpread", &S::computerHandSpread, 4, 5)
            .flag("computerHandFaceDown", &S::computerHandFaceDown)
            // Card places in the order a card found twice lists them.
            .cardSet("humanHand", &S::humanHand, packSize)
            .cardSet("computerHand", &S::computerHand, packSize)
            .cardSet("humanRow", &S::humanRow, packSize)
            .cardSet("computerRow", &S::computerRow, packSize)
            .pack("deck", &S::deck)
            .cardsOut("discarded", &S::discarded)
            .card("trumpCard", &S::trumpCard, trumpCardOnTable)
            .card("stockCard", &S::stockCard)
            .integer("humanHandSortMode", [](S& s) -> int& { return s.humanHand.sortMode; }, -1, 1)
            .integer("computerHandSortMode", [](S& s) -> int& { return s.computerHand.sortMode; }, -1, 1)
            // How the hand is fanned: it follows the hand's size only at the end of a bout, so a
            // script needs it to find where each card is drawn. 18 cards is the longest row.
            .layout("humanHandSpread", [](S& s) -> int& { return s.humanHand.spread; }, 1, 3)
            .layout("humanHandPerRow", [](S& s) -> int& { return s.humanHand.perRow; }, 1, 18)
            .flag("computerAttacks", &S::computerAttacks)
            .flag("computerOpened", &S::computerOpened)
            .flag("transferOpen", &S::transferOpen)
            .integer("extraCardsLeft", &S::extraCardsLeft, -1, maxRowCards)
            .integer("humanCountAtOpening", &S::humanCountAtOpening, 0, packSize)
            .integer("computerCountAtOpening", &S::computerCountAtOpening, 0, packSize)
            .integer("nextStarter", &S::nextStarter, -1, 1)
            .integer("buttonPressed", &S::buttonPressed, 0, 2);
        d.positionRules = positionViolations;
        return d;
    }();
    return schema;
}

json stateToJson(const VelmarState& s)
{
    return stateSchema().toJson(s);
}

void loadState(VelmarState& s, const json& fields, int back)
{
    ct::StateSchema<VelmarState> schema = stateSchema();
    schema.complete = [&schema](VelmarState& p, const json& given) { complete(schema, p, given); };
    schema.reestablish = [back](VelmarState& live, const json& given) { reestablish(live, given, back); };
    schema.load(s, fields);
}

} // namespace velmar
