// Trevallo rules: the deal, legal play, the effects of the special cards, drawing and the
// end of a round.
#include "trevallo/rules.hpp"

#include "trevallo/table.hpp"

#include "cards/status_line.hpp"

#include <array>

namespace trevallo {

int cardValue(int rank)
{
    switch (rank) {
    case 10: return 10;
    case 11: return 2;
    case 12: return 20;
    case 13: return 4;
    case 14: return 11;
    default: return 0;
    }
}

int cardPoints(const ct::CardSet& hand)
{
    int points = 0;
    for (const ct::Card& card : hand.cards)
        points += cardValue(card.rank);
    return points;
}

bool legalPlay(int suit, int rank, int topRank, int suitInForce, bool rankAndSuit)
{
    if (topRank == 0 || suitInForce == 0)
        return true;
    if (suit == suitInForce)
        return true;
    if (rank == queen)
        return true;
    if (rank == 6 && topRank == 6)
        return true;
    return rankAndSuit && rank == topRank;
}

bool isLegal(const TrevalloState& s, const ct::Card& card)
{
    const int topRank = s.discardPile.empty() ? 0 : s.discardPile.last().rank;
    return legalPlay(card.suit, card.rank, topRank, s.currentSuit, s.rankAndSuitPlay != 0);
}

int mostFrequentSuit(const ct::CardSet& hand)
{
    std::array<int, 5> counts{};
    for (const ct::Card& card : hand.cards)
        if (card.suit >= 1 && card.suit <= 4)
            ++counts[static_cast<std::size_t>(card.suit)];
    int best = 0;
    int bestCount = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        if (counts[static_cast<std::size_t>(suit)] > bestCount) {
            best = suit;
            bestCount = counts[static_cast<std::size_t>(suit)];
        }
    }
    return best;
}

void dealRound(TrevalloState& s, int back)
{
    ct::statusLine().clear();
    s.suitChoicePending = 0;
    s.currentSuit = 0;
    s.mayPass = 0;
    s.drawnThisTurn = 0;
    s.buttonPressed = 0;
    s.plays.clear();
    s.humanHand.clear();
    s.computerHand.clear();
    s.talon.clear();
    s.discardPile.clear();
    setUpSets(s, back);

    if (s.deck.total() == 0)
        s.deck.setUp(ct::PackTemplate::Standard36);
    s.deck.reset();
    int rank = 0;
    int suit = 0;
    for (int i = 0; i < handSize; ++i) {
        if (s.deck.draw(rank, suit) >= 0)
            s.computerHand.append(suit, rank);
        if (s.deck.draw(rank, suit) >= 0)
            s.humanHand.append(suit, rank);
    }
    while (s.deck.draw(rank, suit) >= 0)
        s.talon.append(suit, rank);

    s.computerHand.relayout();
    s.talon.relayout();
    s.discardPile.relayout();
    layoutHumanHand(s);

    if (s.nextStarter == -1)
        s.computerToMove = cardPoints(s.computerHand) > cardPoints(s.humanHand) ? 1 : 0;
    else
        s.computerToMove = s.nextStarter == 1 ? 1 : 0;
}

namespace {

// Moves card `index` (1-based) of `from` to the end of `to`.
void moveOne(ct::CardSet& from, int index, ct::CardSet& to)
{
    from.clearSelection();
    from.at(index).selected = 1;
    from.moveSelectedTo(to);
    to.clearSelection();
}

} // namespace

void refillTalon(TrevalloState& s)
{
    const int under = s.discardPile.count() - 1;
    if (under <= 0)
        return;
    for (int i = 1; i <= under; ++i)
        s.talon.append(s.discardPile.at(i).suit, s.discardPile.at(i).rank);
    s.discardPile.cards.erase(s.discardPile.cards.begin(), s.discardPile.cards.begin() + under);
    s.discardPile.relayout();
    s.talon.relayout();
}

bool takeFromTalon(TrevalloState& s, ct::CardSet& hand)
{
    if (s.talon.empty())
        return false;
    moveOne(s.talon, s.talon.count(), hand);
    if (&hand == &s.humanHand)
        layoutHumanHand(s);
    return true;
}

bool penaltyDraw(TrevalloState& s, ct::CardSet& hand)
{
    if (s.talon.empty())
        refillTalon(s);
    return takeFromTalon(s, hand);
}

DrawResult humanDraw(TrevalloState& s)
{
    if (s.oneCardThenPass != 0 && s.drawnThisTurn > 0) {
        s.mayPass = 1;
        return DrawResult::nothing;
    }
    if (s.talon.empty()) {
        refillTalon(s);
        s.mayPass = 1;
        return DrawResult::talonEnd;
    }
    takeFromTalon(s, s.humanHand);
    ++s.drawnThisTurn;
    if (s.oneCardThenPass != 0)
        s.mayPass = 1;
    return DrawResult::took;
}

bool playCard(TrevalloState& s, bool computer, int index)
{
    ct::CardSet& hand = computer ? s.computerHand : s.humanHand;
    ct::CardSet& opponent = computer ? s.humanHand : s.computerHand;
    const ct::Card card = hand.at(index);

    PlayRecord record;
    record.suit = card.suit;
    record.rank = card.rank;
    record.topSuit = s.discardPile.empty() ? 0 : s.discardPile.last().suit;
    record.topRank = s.discardPile.empty() ? 0 : s.discardPile.last().rank;
    record.suitInForce = s.currentSuit;
    record.rankAndSuit = s.rankAndSuitPlay;
    record.byComputer = computer ? 1 : 0;
    s.plays.push_back(record);

    moveOne(hand, index, s.discardPile);
    if (!computer)
        layoutHumanHand(s);
    s.currentSuit = card.suit;
    s.suitChoicePending = 0;

    switch (card.rank) {
    case 6:
        penaltyDraw(s, opponent);
        penaltyDraw(s, opponent);
        return true;
    case 7:
        penaltyDraw(s, opponent);
        return true;
    case 14:
        return true;
    case queen:
        if (computer)
            s.currentSuit = mostFrequentSuit(s.computerHand);
        else
            s.suitChoicePending = 1;
        return s.passAfterQueen == 0;
    default:
        return false;
    }
}

RoundResult judgeRound(TrevalloState& s)
{
    RoundResult result;
    int loserScore = 0;
    if (s.computerHand.empty()) {
        result.end = RoundEnd::computerWins;
        s.humanScore += cardPoints(s.humanHand);
        loserScore = s.humanScore;
        s.nextStarter = 1;
    } else if (s.humanHand.empty()) {
        result.end = RoundEnd::humanWins;
        s.computerScore += cardPoints(s.computerHand);
        loserScore = s.computerScore;
        s.nextStarter = 0;
    } else {
        return result;
    }
    s.computerToMove = 0;
    s.buttonPressed = 0;
    s.currentSuit = 0;
    s.suitChoicePending = 0;
    s.mayPass = 0;
    s.drawnThisTurn = 0;
    result.gameOver = loserScore >= losingScore;
    return result;
}

void resetGame(TrevalloState& s)
{
    s.computerScore = 0;
    s.humanScore = 0;
    s.nextStarter = -1;
    ++s.gameNumber;
}

} // namespace trevallo
