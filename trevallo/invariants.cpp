// Checks of a Trevallo position: every card once (common), and the rules' own invariants.
#include "trevallo/invariants.hpp"

#include "trevallo/rules.hpp"

#include <array>

namespace trevallo {

namespace {

std::string cardName(int suit, int rank)
{
    return std::to_string(rank) + "/" + std::to_string(suit);
}

} // namespace

std::vector<std::string> commonViolations(const TrevalloState& s)
{
    std::vector<std::string> out;
    std::array<std::array<int, 15>, 5> seen{};
    int total = 0;
    for (const ct::CardSet* set : {&s.humanHand, &s.computerHand, &s.talon, &s.discardPile}) {
        for (const ct::Card& card : set->cards) {
            ++total;
            if (card.suit < 1 || card.suit > 4 || card.rank < 6 || card.rank > 14) {
                out.push_back("card out of the pack: " + cardName(card.suit, card.rank));
                continue;
            }
            if (++seen[static_cast<std::size_t>(card.suit)][static_cast<std::size_t>(card.rank)] > 1)
                out.push_back("card twice: " + cardName(card.suit, card.rank));
        }
    }
    if (total != packSize)
        out.push_back("cards on the table: " + std::to_string(total) + ", not 36");
    if (s.currentSuit < 0 || s.currentSuit > 4)
        out.push_back("currentSuit out of range");
    for (const int flag : {s.suitChoicePending, s.mayPass, s.computerToMove, s.buttonPressed})
        if (flag != 0 && flag != 1)
            out.push_back("flag out of range");
    if (s.nextStarter < -1 || s.nextStarter > 1)
        out.push_back("nextStarter out of range");
    if (s.computerScore < 0 || s.humanScore < 0)
        out.push_back("negative score");
    return out;
}

std::vector<std::string> ruleViolations(const TrevalloState& s, ScoreWatch& watch)
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
    if (!s.discardPile.empty() && s.discardPile.last().rank != queen && s.currentSuit != s.discardPile.last().suit)
        out.push_back("currentSuit " + std::to_string(s.currentSuit) + " is not the suit of the top card");
    if (s.suitChoicePending != 0 && (s.discardPile.empty() || s.discardPile.last().rank != queen))
        out.push_back("a suit must be chosen, but no queen lies on top");
    if (s.humanHand.empty() || s.computerHand.empty())
        out.push_back("the round goes on with an empty hand");

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
