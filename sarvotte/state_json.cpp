// Sarvotte's variables as declared state, and what a load fills in and re-establishes.
#include "sarvotte/state_json.hpp"

#include "sarvotte/invariants.hpp"
#include "sarvotte/rules.hpp"

namespace sarvotte {

using nlohmann::json;

namespace {

json movesToJson(const std::vector<MoveRecord>& moves)
{
    json out = json::array();
    for (const MoveRecord& m : moves)
        out.push_back({m.mover == Mover::computer ? "computer" : "human", m.source, m.target});
    return out;
}

} // namespace

const ct::StateSchema<SarvotteState>& stateSchema()
{
    static const ct::StateSchema<SarvotteState> schema = [] {
        using S = SarvotteState;
        ct::StateSchema<S> d("sarvotte");
        // A score moves by a rank (13 at most) per move and by 1 per stock card.
        const int lowestScore = -packSize;
        const int highestScore = 13 * packSize;
        d.cardSet("cardRow", &S::cardRow, packSize)
            .cardSet("stock", &S::stock, packSize)
            .cardsOut("leftPlay", &S::leftPlay)
            .integer("computerToMove", &S::computerToMove, -1, 1)
            .integer("computerScore", &S::computerScore, lowestScore, highestScore)
            .integer("humanScore", &S::humanScore, lowestScore, highestScore)
            .flag("patienceMode", &S::patienceMode)
            .flag("allCards", &S::allCards)
            .integer("bestPatience", &S::bestPatience, 1, noRecord)
            .count("computerWins", &S::computerWins)
            .count("humanWins", &S::humanWins)
            .flag("patienceOver", &S::patienceOver)
            // This game's moves as [mover, source, target], for reading a transcript.
            .derived("moves", [](const S& s) { return movesToJson(s.moves); });
        d.positionRules = positionViolations;
        return d;
    }();
    return schema;
}

json stateToJson(const SarvotteState& s)
{
    return stateSchema().toJson(s);
}

void loadState(SarvotteState& s, const json& fields, int back)
{
    ct::StateSchema<SarvotteState> schema = stateSchema();
    schema.complete = [&schema](SarvotteState& p, const json& given) {
        if ((given.contains("cardRow") || given.contains("stock")) && !given.contains("leftPlay"))
            schema.fillWithRest(p, "leftPlay");
    };
    schema.reestablish = [back](SarvotteState& live, const json&) {
        setUpSets(live, back);
        live.stock.relayout();
        live.cardRow.relayout();
        // A loaded table is a new situation: moves and ends before it no longer describe it.
        live.moves.clear();
        live.previousMoves.clear();
        live.ends.clear();
    };
    schema.load(s, fields);
}

} // namespace sarvotte
