// Velmar rules: beating, the several-cards match, hand size, the deal and refilling hands.
#include "velmar/rules.hpp"

namespace velmar {

VelmarState::VelmarState()
{
    deck.setUp(ct::PackTemplate::Standard36);
}

int handSize(const VelmarState& s)
{
    return s.bulk() ? 18 : 6;
}

int beats(const VelmarState& s, const ct::Card& a, const ct::Card& b)
{
    if (s.japanese() && b.suit == ct::spades && a.suit != ct::spades)
        return -1;
    if (s.isTrump(a) && !s.isTrump(b))
        return 1;
    if (a.suit != b.suit)
        return -1;
    return a.rank > b.rank ? 1 : 0;
}

int beatAll(const VelmarState& s, ct::CardSet& attack, ct::CardSet& candidates)
{
    if (candidates.empty() || attack.empty() || attack.count() > candidates.count())
        return -1;
    attack.sortMode = 1;
    attack.sortCards();
    attack.sortMode = -1;
    candidates.sortMode = 1;
    candidates.sortCards();
    candidates.sortMode = -1;

    // Greedy, in suit order: each attack card takes the first free candidate that beats it.
    int matched = 0;
    for (const ct::Card& attackCard : attack.cards) {
        for (ct::Card& candidate : candidates.cards) {
            if (!candidate.selected && beats(s, candidate, attackCard) > 0) {
                candidate.setSelected(1);
                ++matched;
                break;
            }
        }
    }
    if (matched == attack.count())
        return 0;
    candidates.clearSelection();
    return 1;
}

void refillHand(VelmarState& s, ct::CardSet& hand)
{
    const int size = handSize(s);
    int rank = 0;
    int suit = 0;
    while (hand.count() < size && s.deck.remaining() > 0) {
        if (s.deck.draw(rank, suit) < 0)
            break;
        hand.append(suit, rank);
    }
    if (hand.count() < size && s.deck.remaining() == 0 && !s.trumpCard.hidden) {
        hand.append(s.trumpCard.suit, s.trumpCard.rank);
        s.trumpCard.setHidden(1);
    }
    if (s.deck.remaining() == 0)
        s.stockCard.setHidden(1);
}

void startDeal(VelmarState& s)
{
    s.humanHand.clear();
    s.computerHand.clear();
    s.humanRow.clear();
    s.computerRow.clear();
    s.computerOpened = 0;
    s.transferOpen = 1;
    s.extraCardsLeft = -1;
    s.humanCountAtOpening = 0;
    s.computerCountAtOpening = 0;
    s.discarded.clear();

    s.deck.reset();
    // Fresh records: their size follows the screen density in force now.
    s.trumpCard = ct::Card{};
    if (s.japanese()) {
        s.trumpCard.suit = japaneseTrumpSuit;
        s.trumpCard.rank = phantomRank;
        s.trumpCard.hidden = 1;
    } else {
        int rank = 0;
        int suit = 0;
        s.deck.draw(rank, suit);
        s.trumpCard.suit = suit;
        s.trumpCard.rank = rank;
        s.trumpCard.hidden = 0;
    }
    s.stockCard = ct::Card{};
    s.stockCard.suit = ct::diamonds;   // placeholders: the stock card shows only its back
    s.stockCard.rank = 1;
    s.stockCard.faceDown = 1;
    s.stockCard.hidden = 0;

    for (ct::CardSet* set : {&s.humanHand, &s.computerHand, &s.humanRow, &s.computerRow})
        set->setTrump(s.trumpSuit());
}

int firstMover(VelmarState& s)
{
    s.humanHand.sortMode = 0;
    s.humanHand.sortCards();
    s.computerHand.sortMode = 0;
    s.computerHand.sortCards();

    if (s.nextStarter == 0)
        return 0;
    if (s.nextStarter == 1)
        return 1;
    // First deal since the start: the lower trump begins. In rank order the first card of
    // the trump suit is the lowest trump.
    const int computerTrump = s.computerHand.findSuit(s.trumpSuit());
    if (computerTrump == 0)
        return 0;
    const int humanTrump = s.humanHand.findSuit(s.trumpSuit());
    if (humanTrump == 0)
        return 1;
    return s.computerHand.at(computerTrump).rank < s.humanHand.at(humanTrump).rank ? 1 : 0;
}

bool rankOnTable(const VelmarState& s, int rank)
{
    return s.humanRow.findRank(rank) != 0 || s.computerRow.findRank(rank) != 0;
}

void discardRows(VelmarState& s)
{
    for (const ct::CardSet* row : {&s.computerRow, &s.humanRow})
        for (const ct::Card& card : row->cards)
            s.discarded.push_back(CardFace{card.suit, card.rank});
    s.computerRow.clear();
    s.humanRow.clear();
}

void moveAll(ct::CardSet& from, ct::CardSet& to)
{
    if (from.empty())
        return;
    from.selectAll();
    from.moveSelectedTo(to);
    from.clear();
}

void moveOne(ct::CardSet& from, int index, ct::CardSet& to)
{
    if (index < 1 || index > from.count())
        return;
    unselectAll(from);
    from.at(index).setSelected(1);
    from.moveSelectedTo(to);
}

void unselectAll(ct::CardSet& set)
{
    for (ct::Card& card : set.cards) {
        if (card.selected) {
            card.setSelected(0);
            card.invalidate();
        }
    }
}

} // namespace velmar
