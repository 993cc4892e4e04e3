// What the Trevallo rules guarantee about every position and every play of a round.
#include "trevallo/invariants.hpp"

#include "trevallo/rules.hpp"

namespace trevallo {

namespace {

std::string cardName(int suit, int rank)
{
    return std::to_string(rank) + "/" + std::to_string(suit);
}

} // namespace

std::vector<std::string> positionViolations(const TrevalloState& s)
{
    std::vector<std::string> out;
    if (!s.discardPile.empty() && s.discardPile.last().rank != queen && s.currentSuit != s.discardPile.last().suit)
        out.push_back("currentSuit " + std::to_string(s.currentSuit) + " is not the suit of the top card");
    if (s.suitChoicePending != 0 && (s.discardPile.empty() || s.discardPile.last().rank != queen))
        out.push_back("a suit must be chosen, but no queen lies on top");
    if (s.suitChoicePending != 0 && s.computerToMove != 0)
        out.push_back("a suit must be chosen, but the computer is to move");
    if (s.humanHand.empty() || s.computerHand.empty())
        out.push_back("the round goes on with an empty hand");
    return out;
}

std::vector<std::string> playViolations(const TrevalloState& s, ScoreWatch& watch)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.plays.size(); ++i) {
        const PlayRecord& p = s.plays[i];
        if (!legalPlay(p.suit, p.rank, p.topRank, p.suitInForce, p.rankAndSuit != 0))
            out.push_back("illegal play " + std::to_string(i + 1) + " of the round: " + cardName(p.suit, p.rank)
                          + " on " + cardName(p.topSuit, p.topRank) + " with suit " + std::to_string(p.suitInForce));
        if (i > 0 && (p.topSuit != s.plays[i - 1].suit || p.topRank != s.plays[i - 1].rank))
            out.push_back("play " + std::to_string(i + 1) + " was not judged against the card played before it");
    }
    if (!s.plays.empty()) {
        const PlayRecord& lastPlay = s.plays.back();
        if (s.discardPile.empty() || s.discardPile.last().suit != lastPlay.suit
            || s.discardPile.last().rank != lastPlay.rank)
            out.push_back("the top of the discard pile is not the last card played");
    }
    if (watch.seen && watch.gameNumber == s.gameNumber
        && (s.computerScore < watch.computerScore || s.humanScore < watch.humanScore))
        out.push_back("a score went down within a game");
    watch.seen = true;
    watch.gameNumber = s.gameNumber;
    watch.computerScore = s.computerScore;
    watch.humanScore = s.humanScore;
    return out;
}

} // namespace trevallo
