// Rule invariants of a Sarvotte table, checked after every event of random play.
// The checks test the rules afresh rather than calling them, so a fault there shows up here.
#include "sarvotte/invariants.hpp"

#include "sarvotte/state_json.hpp"

namespace sarvotte {

namespace {

bool faceMatch(const CardFace& a, const CardFace& b) { return a.suit == b.suit || a.rank == b.rank; }

std::string faceText(const CardFace& c) { return std::to_string(c.suit) + "/" + std::to_string(c.rank); }

bool rowHasMove(const std::vector<CardFace>& row)
{
    for (std::size_t i = 1; i < row.size(); ++i) {
        if (faceMatch(row[i], row[i - 1]))
            return true;
        if (i >= 3 && faceMatch(row[i], row[i - 3]))
            return true;
    }
    return false;
}

void checkMoves(const std::vector<MoveRecord>& moves, const char* which, std::vector<std::string>& out)
{
    for (const MoveRecord& m : moves) {
        const int distance = m.source - m.target;
        const std::string what = std::string(which) + " move " + std::to_string(m.source) + "->" +
                                 std::to_string(m.target) + " (" + faceText(m.moving) + " onto " +
                                 faceText(m.covered) + ")";
        if (distance != 1 && distance != 3)
            out.push_back(what + " is not 1 or 3 places left");
        if (!faceMatch(m.moving, m.covered))
            out.push_back(what + " matches neither rank nor suit");
        if (m.patience && m.mover == Mover::computer)
            out.push_back(what + " was made by the computer in patience mode");
    }
}

std::vector<CardFace> facesOf(const ct::CardSet& set)
{
    std::vector<CardFace> faces;
    for (const ct::Card& c : set.cards)
        faces.push_back({c.suit, c.rank});
    return faces;
}

void ruleViolations(const SarvotteState& s, InvariantMemory& memory, std::vector<std::string>& out)
{
    checkMoves(s.moves, "this game's", out);
    checkMoves(s.previousMoves, "the previous game's", out);

    // Game ends noted since the last look: none may have had a move or a stock card left.
    for (std::size_t i = 0; i < s.ends.size(); ++i) {
        const GameEnd& end = s.ends[i];
        if (end.stockLeft != 0)
            out.push_back("a game was declared over with " + std::to_string(end.stockLeft) + " stock cards left");
        if (rowHasMove(end.row))
            out.push_back("a game was declared over with a move left in its row of " +
                          std::to_string(end.row.size()) + " cards");
    }
    if (s.recordClears != memory.recordClears) {
        memory.recordClears = s.recordClears;
    } else if (s.bestPatience > memory.record) {
        out.push_back("the patience record rose from " + std::to_string(memory.record) + " to " +
                      std::to_string(s.bestPatience));
    }
    memory.record = s.bestPatience;
}

} // namespace

std::vector<std::string> positionViolations(const SarvotteState& s)
{
    std::vector<std::string> out;
    int selected = 0;
    for (const ct::Card& c : s.cardRow.cards)
        selected += c.selected != 0 ? 1 : 0;
    if (selected > 1)
        out.push_back(std::to_string(selected) + " row cards selected");
    for (const ct::Card& c : s.stock.cards)
        if (c.selected != 0)
            out.push_back("a stock card is selected");
    if (s.patienceOver != 0 && s.patienceMode == 0)
        out.push_back("patienceOver outside patience mode");
    if (s.patienceOver != 0 && (!s.stock.empty() || rowHasMove(facesOf(s.cardRow))))
        out.push_back("a finished patience game has a move or a stock card left");
    return out;
}

std::vector<std::string> consistencyViolations(const SarvotteState& s, InvariantMemory& memory)
{
    std::vector<std::string> out = stateSchema().violations(s);
    for (const ct::Card& c : s.stock.cards)
        if (c.faceDown == 0)
            out.push_back("a stock card lies face up");
    for (const ct::Card& c : s.cardRow.cards)
        if (c.faceDown != 0)
            out.push_back("a row card lies face down");
    ruleViolations(s, memory, out);
    return out;
}

} // namespace sarvotte
