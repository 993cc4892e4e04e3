// The Zembrola computer player: which cards it leads and how it answers the human's lead.
#include "zembrola/computer_player.hpp"

#include "zembrola/rules.hpp"

#include <array>

namespace zembrola {

int suitPoints(const ct::CardSet& set, int suit)
{
    int sum = 0;
    for (const ct::Card& card : set.cards)
        if (card.suit == suit)
            sum += cardPoints(card.rank);
    return sum;
}

void computerLead(ZembrolaState& s)
{
    if (s.deck.remaining() < 20 || s.humanPoints > 30)
        safeLead(s);
    else
        plainLead(s);
}

namespace {

void startLead(ZembrolaState& s)
{
    s.computerRow.clear();
    s.computerHand.clearSelection();
    s.computerHand.sortMode = 1;
    s.computerHand.sortCards();
    s.computerLeads = 1;
}

void leadSuit(ZembrolaState& s, int suit)
{
    s.computerHand.selectSuit(suit);
    moveSelectedInto(s.computerHand, s.computerRow);
}

} // namespace

void plainLead(ZembrolaState& s)
{
    startLead(s);
    if (s.computerHand.empty())
        return;
    std::array<int, 5> count{};
    std::array<int, 5> points{};
    int longest = 0;
    int maxCount = 0;
    int cheapest = 0;
    int cheapestPoints = 99;
    for (int suit = 1; suit <= 4; ++suit) {
        count[suit] = s.computerHand.countSuit(suit);
        points[suit] = suitPoints(s.computerHand, suit);
        if (count[suit] > maxCount) {
            maxCount = count[suit];
            longest = suit;
        }
        if (count[suit] != 0 && points[suit] < cheapestPoints) {
            cheapestPoints = points[suit];
            cheapest = suit;
        }
    }
    if (maxCount >= 3) {
        leadSuit(s, longest);
        return;
    }
    if (maxCount == 2) {
        for (int suit = 1; suit <= 4; ++suit) {
            if (count[suit] == 2 && points[suit] < 10) {
                leadSuit(s, suit);
                return;
            }
        }
    }
    leadSuit(s, cheapest);
}

void safeLead(ZembrolaState& s)
{
    startLead(s);
    s.humanHand.sortMode = 1;
    s.humanHand.sortCards();
    if (s.computerHand.empty())
        return;
    const int safe = safeSuit(s.computerHand, s.humanHand, s.trumpSuit());
    if (safe >= 1 && safe <= 4) {
        leadSuit(s, safe);
        return;
    }
    s.computerHand.clearSelection();
    int cheapest = 0;
    int cheapestPoints = 99;
    for (int suit = 1; suit <= 4; ++suit) {
        if (suit == s.trumpSuit() || s.computerHand.countSuit(suit) == 0)
            continue;
        const int points = suitPoints(s.computerHand, suit);
        if (points < cheapestPoints) {
            cheapestPoints = points;
            cheapest = suit;
        }
    }
    if (cheapest != 0 && cheapestPoints <= 2) {
        leadSuit(s, cheapest);
        return;
    }
    s.computerHand.sortMode = 0;
    s.computerHand.sortCards();
    s.computerHand.at(1).setSelected(1);
    moveSelectedInto(s.computerHand, s.computerRow);
}

int safeSuit(CDesk& hand, const CDesk& opponent, int trumpSuit)
{
    CDesk probe(4);
    int best = 0;
    int bestPoints = -1;
    for (int suit = 1; suit <= 4; ++suit) {
        if (hand.countSuit(suit) == 0)
            continue;
        hand.selectSuit(suit);
        probe.clear();
        hand.copySelectedTo(probe);
        hand.clearSelection();
        if (canCover(probe, opponent, trumpSuit) > 0) {
            const int points = suitPoints(hand, suit);
            if (points > bestPoints) {
                bestPoints = points;
                best = suit;
            }
        }
    }
    return best;
}

int canCover(const ct::CardSet& cards, const ct::CardSet& opponent, int trumpSuit)
{
    if (opponent.empty() || cards.empty() || cards.count() > opponent.count())
        return -1;
    int j = 0;
    int covered = 0;
    for (const ct::Card& a : cards.cards) {
        for (int k = j; k < opponent.count(); ++k) {
            const ct::Card& b = opponent.cards[static_cast<std::size_t>(k)];
            if ((a.suit != trumpSuit && b.suit == trumpSuit) || (b.suit == a.suit && b.rank > a.rank)) {
                j = k + 1;
                ++covered;
                break;
            }
        }
    }
    return covered == cards.count() ? 0 : 1;
}

namespace {

// Selects, for each led card from the highest down, the highest free card that beats it.
// Returns the number selected.
int selectBeaters(ZembrolaState& s, bool trumpsAllowed)
{
    int selected = 0;
    for (int i = s.humanRow.count(); i >= 1; --i) {
        const ct::Card& led = s.humanRow.at(i);
        for (int k = s.computerHand.count(); k >= 1; --k) {
            ct::Card& card = s.computerHand.at(k);
            if (card.selected || (!trumpsAllowed && card.trump == 1))
                continue;
            if (beats(card, led) > 0) {
                card.setSelected(1);
                ++selected;
                break;
            }
        }
    }
    return selected;
}

} // namespace

int computerAnswer(ZembrolaState& s)
{
    if (s.computerHand.empty() || s.humanRow.empty())
        return -1;
    s.computerHand.clearSelection();
    s.humanRow.sortMode = 0;
    s.humanRow.sortCards();
    s.computerHand.sortMode = 0;
    s.computerHand.sortCards();
    const int led = s.humanRow.count();
    if (selectBeaters(s, false) != led) {
        s.computerHand.clearSelection();
        selectBeaters(s, true);
    }
    if (s.computerHand.countSelected() == led) {
        moveSelectedInto(s.computerHand, s.computerRow);
        scoreTrick(s, false);
        s.lastWinner = 1;
        s.computerLeads = 1;
        return 1;
    }
    s.computerHand.clearSelection();
    s.computerHand.sortCards();
    for (int i = 1; i <= led && i <= s.computerHand.count(); ++i)
        s.computerHand.at(i).setSelected(1);
    moveSelectedInto(s.computerHand, s.computerRow);
    scoreTrick(s, true);
    s.lastWinner = 0;
    s.computerLeads = 0;
    return 0;
}

} // namespace zembrola
