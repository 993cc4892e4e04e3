// Zembrola rules: the deal, who leads, beating, scoring, refilling and the end of round and game.
#include "zembrola/rules.hpp"

namespace zembrola {

ZembrolaState::ZembrolaState()
{
    deck.setUp(ct::PackTemplate::TenHigh36);
}

int cardPoints(int rank)
{
    switch (rank) {
    case 11: return 2;
    case 12: return 3;
    case 13: return 4;
    case 14: return 10;
    case 15: return 11;
    default: return 0;
    }
}

int setPoints(const ct::CardSet& set)
{
    int sum = 0;
    for (const ct::Card& card : set.cards)
        sum += cardPoints(card.rank);
    return sum;
}

bool dealRound(ZembrolaState& s)
{
    s.humanPoints = -1;
    s.computerPoints = -1;
    s.taken.clear();
    // A single pass always leaves four cards each and empty rows; the loop only guards that.
    do {
        s.deck.reset();
        int rank = 0;
        int suit = 0;
        s.deck.draw(rank, suit);
        s.trumpCard.suit = suit;
        s.trumpCard.rank = rank;
        s.trumpCard.trump = 1;
        s.trumpCard.setHidden(0);
        s.stockCard.setHidden(0);
        for (CDesk* desk : {&s.humanHand, &s.computerHand, &s.humanRow, &s.computerRow}) {
            desk->clear();
            desk->setTrump(suit);
        }
        for (int i = 0; i < handSize; ++i) {
            s.deck.draw(rank, suit);
            s.humanHand.append(suit, rank);
            s.deck.draw(rank, suit);
            s.computerHand.append(suit, rank);
        }
    } while (s.humanHand.count() != handSize || s.computerHand.count() != handSize || !s.humanRow.empty() ||
             !s.computerRow.empty());
    return chooseFirstLeader(s);
}

namespace {

// The first trump of a rank-ordered hand, or null.
const ct::Card* lowestTrump(const CDesk& hand, int trumpSuit)
{
    for (const ct::Card& card : hand.cards)
        if (card.suit == trumpSuit)
            return &card;
    return nullptr;
}

} // namespace

bool chooseFirstLeader(ZembrolaState& s)
{
    s.humanHand.sortMode = 0;
    s.humanHand.sortCards();
    s.computerHand.sortMode = 0;
    s.computerHand.sortCards();
    bool humanLeads = false;
    if (s.lastWinner == -1) {
        const ct::Card* computerTrump = lowestTrump(s.computerHand, s.trumpSuit());
        const ct::Card* humanTrump = lowestTrump(s.humanHand, s.trumpSuit());
        if (computerTrump == nullptr)
            humanLeads = true;
        else if (humanTrump == nullptr)
            humanLeads = false;
        else
            humanLeads = computerTrump->rank > humanTrump->rank;
    } else {
        humanLeads = s.lastWinner == 0;
    }
    s.computerLeads = humanLeads ? 0 : 1;
    return humanLeads;
}

int beats(const ct::Card& a, const ct::Card& b)
{
    if (a.trump == 1 && b.trump != 1)
        return 1;
    if (a.suit != b.suit)
        return -1;
    return a.rank > b.rank ? 1 : 0;
}

bool sameSuitSelected(const ZembrolaState& s)
{
    int suit = -1;
    for (const ct::Card& card : s.humanHand.cards) {
        if (!card.selected)
            continue;
        if (suit != -1 && card.suit != suit)
            return false;
        suit = card.suit;
    }
    return true;
}

int checkAnswer(ZembrolaState& s)
{
    if (s.computerRow.empty() || s.humanRow.empty() || s.computerRow.count() != s.humanRow.count())
        return -1;
    s.humanRow.sortMode = 1;
    s.humanRow.sortCards();
    s.computerRow.sortMode = 1;
    s.computerRow.sortCards();
    for (int i = 1; i <= s.humanRow.count(); ++i)
        if (beats(s.humanRow.at(i), s.computerRow.at(i)) <= 0)
            return 0;
    return 1;
}

void scoreTrick(ZembrolaState& s, bool humanTakes)
{
    const int trick = setPoints(s.humanRow) + setPoints(s.computerRow);
    int& points = humanTakes ? s.humanPoints : s.computerPoints;
    points = (points == -1 ? 0 : points) + trick;
}

void clearRows(ZembrolaState& s)
{
    for (CDesk* row : {&s.humanRow, &s.computerRow}) {
        for (const ct::Card& card : row->cards)
            s.taken.push_back(CardFace{card.suit, card.rank});
        row->clear();
    }
}

void drawOne(ZembrolaState& s, CDesk& hand)
{
    int rank = 0;
    int suit = 0;
    if (s.deck.draw(rank, suit) >= 0) {
        hand.append(suit, rank);
        return;
    }
    if (!s.trumpCard.hidden) {
        hand.append(s.trumpCard.suit, s.trumpCard.rank);
        s.trumpCard.setHidden(1);
    }
    s.stockCard.setHidden(1);
    hand.relayout();
}

namespace {

bool allTrumps(const CDesk& hand, int trumpSuit)
{
    if (hand.count() != handSize)
        return false;
    for (const ct::Card& card : hand.cards)
        if (card.suit != trumpSuit)
            return false;
    return true;
}

} // namespace

int refillHands(ZembrolaState& s)
{
    int error = 0;
    if (s.humanHand.count() != s.computerHand.count())
        error = handsUnequalBefore;
    CDesk& first = s.lastWinner == 0 ? s.humanHand : s.computerHand;
    CDesk& second = s.lastWinner == 0 ? s.computerHand : s.humanHand;
    while ((s.humanHand.count() < handSize || s.computerHand.count() < handSize) && !s.trumpCard.hidden) {
        if (first.count() < handSize)
            drawOne(s, first);
        if (second.count() < handSize)
            drawOne(s, second);
    }
    if (s.humanHand.count() != s.computerHand.count())
        error = handsUnequalAfter;
    if (allTrumps(s.computerHand, s.trumpSuit()))
        s.computerLeads = 1;
    if (allTrumps(s.humanHand, s.trumpSuit()))
        s.computerLeads = 0;
    return error;
}

int basePenalty(int loserPoints)
{
    if (loserPoints < 0)
        return 6;
    if (loserPoints <= 30)
        return 4;
    return 2;
}

RoundOutcome finishRound(ZembrolaState& s)
{
    RoundOutcome outcome;
    if (s.deck.remaining() != 0 || !s.trumpCard.hidden || !s.humanHand.empty() || !s.computerHand.empty())
        return outcome;
    s.buttonPressed = 0;
    if (s.humanPoints == s.computerPoints) {
        s.penaltyFactor = 2;
        outcome.round = RoundResult::draw;
    } else if (s.humanPoints < 60) {
        s.humanPenalty += basePenalty(s.humanPoints) * s.penaltyFactor;
        s.lastWinner = 1;
        s.penaltyFactor = 1;
        outcome.round = RoundResult::computerWon;
    } else {
        s.computerPenalty += basePenalty(s.computerPoints) * s.penaltyFactor;
        s.lastWinner = 0;
        s.penaltyFactor = 1;
        outcome.round = RoundResult::humanWon;
    }
    if (s.computerPenalty >= gameEndPenalty)
        outcome.game = GameResult::humanWon;
    else if (s.humanPenalty >= gameEndPenalty)
        outcome.game = GameResult::computerWon;
    s.humanPoints = -1;
    s.computerPoints = -1;
    return outcome;
}

void endGame(ZembrolaState& s)
{
    s.humanPenalty = 0;
    s.computerPenalty = 0;
    s.penaltyFactor = 1;
    s.humanPoints = -1;
    s.computerPoints = -1;
}

void newGame(ZembrolaState& s)
{
    s.computerPoints = 0;
    s.humanPoints = 0;
    s.computerPenalty = 0;
    s.humanPenalty = 0;
    s.awaitingTap = 0;
}

} // namespace zembrola
