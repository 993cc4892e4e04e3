// The computer's choice of card and its whole turn.
#include "trevallo/computer_player.hpp"

#include "trevallo/rules.hpp"

#include <array>

namespace trevallo {

namespace {

int firstWhere(const ct::CardSet& hand, auto&& wanted)
{
    for (int i = 1; i <= hand.count(); ++i)
        if (wanted(hand.at(i)))
            return i;
    return 0;
}

} // namespace

int chooseCard(const TrevalloState& s)
{
    const ct::CardSet& hand = s.computerHand;
    const int suit = s.currentSuit;
    static constexpr std::array<int, 6> preferred{14, 7, 6, 10, 13, 11};
    for (const int rank : preferred) {
        if (const int i = firstWhere(hand, [&](const ct::Card& c) { return c.suit == suit && c.rank == rank; }))
            return i;
    }
    if (const int i = firstWhere(hand, [&](const ct::Card& c) { return c.suit == suit && c.rank != queen; }))
        return i;
    const int topRank = s.discardPile.empty() ? 0 : s.discardPile.last().rank;
    if (topRank == 6) {
        if (const int i = firstWhere(hand, [](const ct::Card& c) { return c.rank == 6; }))
            return i;
    }
    if (s.rankAndSuitPlay != 0 && topRank != 0) {
        if (const int i = firstWhere(hand, [&](const ct::Card& c) { return c.rank == topRank; }))
            return i;
    }
    return firstWhere(hand, [](const ct::Card& c) { return c.rank == queen; });
}

ComputerMove computerMove(TrevalloState& s)
{
    ComputerMove move;
    if (s.currentSuit == 0) {
        s.currentSuit = mostFrequentSuit(s.computerHand);
        move.suitFixed = true;
    }
    int chosen = chooseCard(s);
    int drawn = 0;
    bool lastDrawGave = true;
    while (chosen == 0 && lastDrawGave && (drawn == 0 || s.oneCardThenPass == 0)) {
        if (s.talon.empty()) {
            // An empty talon is refilled and the turn ends as a pass.
            refillTalon(s);
            lastDrawGave = false;
            break;
        }
        lastDrawGave = takeFromTalon(s, s.computerHand);
        ++drawn;
        chosen = chooseCard(s);
    }
    s.drawnThisTurn = 0;
    if (chosen != 0) {
        move.played = true;
        move.movesAgain = playCard(s, true, chosen);
        s.computerToMove = move.movesAgain ? 1 : 0;
    } else {
        s.computerToMove = 0;
    }
    return move;
}

} // namespace trevallo
