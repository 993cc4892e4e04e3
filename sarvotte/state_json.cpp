// The headless state of a Sarvotte table: every variable by its name, and loading them back.
#include "sarvotte/state_json.hpp"

#include "cards/card_json.hpp"

#include <optional>
#include <stdexcept>
#include <string>

namespace sarvotte {

namespace {

nlohmann::json facesToJson(const std::vector<CardFace>& faces)
{
    nlohmann::json out = nlohmann::json::array();
    for (const CardFace& c : faces)
        out.push_back({c.suit, c.rank});
    return out;
}

nlohmann::json movesToJson(const std::vector<MoveRecord>& moves)
{
    nlohmann::json out = nlohmann::json::array();
    for (const MoveRecord& m : moves)
        out.push_back({{"mover", m.mover == Mover::computer ? "computer" : "human"},
                       {"source", m.source},
                       {"target", m.target},
                       {"moving", {m.moving.suit, m.moving.rank}},
                       {"covered", {m.covered.suit, m.covered.rank}},
                       {"patience", m.patience}});
    return out;
}

int intField(const nlohmann::json& fields, const char* name, int low, int high)
{
    const nlohmann::json& v = fields.at(name);
    if (!v.is_number_integer())
        throw std::invalid_argument(std::string(name) + " must be a whole number");
    const long long n = v.get<long long>();
    if (n < low || n > high)
        throw std::invalid_argument(std::string(name) + " must lie from " + std::to_string(low) + " to " +
                                    std::to_string(high));
    return static_cast<int>(n);
}

} // namespace

nlohmann::json stateToJson(const SarvotteState& s)
{
    nlohmann::json ends = nlohmann::json::array();
    for (const GameEnd& e : s.ends)
        ends.push_back({{"row", facesToJson(e.row)}, {"stockLeft", e.stockLeft}, {"patience", e.patience}});
    return {
        {"cardRow", ct::toJson(s.cardRow)},
        {"stock", ct::toJson(s.stock)},
        {"leftPlay", facesToJson(s.leftPlay)},
        {"computerToMove", s.computerToMove},
        {"computerScore", s.computerScore},
        {"humanScore", s.humanScore},
        {"patienceMode", s.patienceMode},
        {"allCards", s.allCards},
        {"bestPatience", s.bestPatience},
        {"computerWins", s.computerWins},
        {"humanWins", s.humanWins},
        {"patienceOver", s.patienceOver},
        {"moves", movesToJson(s.moves)},
        {"previousMoves", movesToJson(s.previousMoves)},
        {"ends", ends},
        {"recordClears", s.recordClears},
        {"dealNumber", s.dealNumber},
    };
}

void loadState(SarvotteState& s, const nlohmann::json& fields)
{
    // Everything is read and checked first; only then is anything changed.
    std::optional<std::vector<ct::CardValue>> row, stock;
    std::optional<std::vector<CardFace>> left;
    if (fields.contains("cardRow"))
        row = ct::parseCardList(fields["cardRow"], "cardRow");
    if (fields.contains("stock"))
        stock = ct::parseCardList(fields["stock"], "stock");
    if (fields.contains("leftPlay")) {
        std::vector<CardFace> faces;
        for (const ct::CardValue& c : ct::parseCardList(fields["leftPlay"], "leftPlay"))
            faces.push_back({c.suit, c.rank});
        left = std::move(faces);
    }
    auto check = [](const std::optional<std::vector<ct::CardValue>>& cards, const char* what) {
        if (!cards)
            return;
        for (const ct::CardValue& c : *cards)
            if (c.rank < 1 || c.rank > 13)
                throw std::invalid_argument(std::string(what) + ": ranks run from 1 to 13");
    };
    check(row, "cardRow");
    check(stock, "stock");
    struct IntField {
        const char* name;
        int* target;
        int low;
        int high;
    };
    const IntField ints[] = {
        {"computerToMove", &s.computerToMove, -1, 1}, {"computerScore", &s.computerScore, -10000, 10000},
        {"humanScore", &s.humanScore, -10000, 10000}, {"patienceMode", &s.patienceMode, 0, 1},
        {"allCards", &s.allCards, 0, 1},              {"bestPatience", &s.bestPatience, 1, noRecord},
        {"computerWins", &s.computerWins, 0, 1 << 30}, {"humanWins", &s.humanWins, 0, 1 << 30},
    };
    std::vector<std::pair<int*, int>> values;
    for (const IntField& f : ints)
        if (fields.contains(f.name))
            values.emplace_back(f.target, intField(fields, f.name, f.low, f.high));
    std::optional<bool> over;
    if (fields.contains("patienceOver")) {
        if (!fields["patienceOver"].is_boolean())
            throw std::invalid_argument("patienceOver must be true or false");
        over = fields["patienceOver"].get<bool>();
    }

    if (row)
        ct::applyCardList(s.cardRow, *row);
    if (stock)
        ct::applyCardList(s.stock, *stock);
    if (left)
        s.leftPlay = *left;
    for (auto& [target, value] : values)
        *target = value;
    if (over)
        s.patienceOver = *over;
    // A loaded table is a new situation: moves and ends before it no longer describe it.
    s.moves.clear();
    s.previousMoves.clear();
    s.ends.clear();
}

} // namespace sarvotte
