// The Velmar computer player: fixed sequences of tests, no look-ahead, no randomness.
#include "velmar/computer_player.hpp"

#include "velmar/rules.hpp"

namespace velmar {

namespace {

void playCard(VelmarState& s, int index)
{
    moveOne(s.computerHand, index, s.computerRow);
}

void sortHand(ct::CardSet& hand, int mode)
{
    hand.sortMode = mode;
    hand.sortCards();
}

bool humanHolds(const VelmarState& s, int rank)
{
    return s.humanHand.findRank(rank) != 0;
}

} // namespace

int maySpendTrump(const VelmarState& s, const ct::Card& card)
{
    if (!s.isTrump(card))
        return 1;
    const int r = card.rank;
    const int stock = s.stock();
    const int n = s.computerHand.countRank(s.trumpCard.rank);
    // The computer attacks, or answers a transfer by the human: it may spend trumps sooner.
    const bool attacking = s.computerAttacks == 1;
    if (n < 2 && stock > (attacking ? 4 : 16))
        return 0;
    if (r > 7 && stock > 20)
        return 0;
    if (r > 10 && stock > 18)
        return 0;
    if (r > 11 && stock > 16)
        return 0;
    if (r == 12)
        return stock <= (attacking ? 4 : 10) ? 1 : 0;
    if (r == 13)
        return stock <= (attacking ? 0 : 5) ? 1 : 0;
    if (r == 14)
        return stock <= (attacking ? 0 : 2) ? 1 : 0;
    return 1;
}

int maySpendSpade(const VelmarState& s, const ct::Card& card)
{
    if (!s.japanese() || card.suit != ct::spades)
        return 1;
    const int r = card.rank;
    const int stock = s.stock();
    if (r > 10 && stock > 20)
        return 0;
    if (r > 11 && stock > 18)
        return 0;
    if (r == 12)
        return stock <= 10 ? 1 : 0;
    if (r == 13 || r == 14)
        return stock <= 8 ? 1 : 0;
    return 1;
}

int transferWorthwhile(const VelmarState& s, int rank)
{
    if (s.computerHand.count() - 1 <= s.humanRow.count() + 1)
        return 1;
    const int m = s.computerHand.countRank(rank);
    if (m == 0)
        return 0;
    if (m == 2 || s.stock() > 0)
        return 1;
    return humanHolds(s, rank) ? 0 : 1;
}

int endgameBeat(VelmarState& s)
{
    if (s.stock() != 0 || s.humanRow.empty() || s.humanRow.count() > s.computerRow.count() + 1)
        return 0;
    const ct::Card toBeat = s.humanRow.last();
    for (int i = 1; i <= s.computerHand.count(); ++i) {
        const ct::Card& card = s.computerHand.at(i);
        if (beats(s, card, toBeat) > 0 && !humanHolds(s, card.rank)) {
            playCard(s, i);
            return 1;
        }
    }
    return 0;
}

Defence computerDefend(VelmarState& s)
{
    if (s.humanRow.empty())
        return Defence::takes;
    const ct::Card toBeat = s.humanRow.last();
    const int suit = toBeat.suit;
    const int rank = toBeat.rank;
    const bool holdsSuit = s.computerHand.findSuit(suit) != 0;
    sortHand(s.computerHand, 1);

    // Transfer: pass the attack back with a card of the same rank.
    if (s.transferVariant == 1 && s.transferOpen == 1 && s.computerHand.findRank(rank) != 0
        && transferWorthwhile(s, rank) == 1) {
        const int c = s.computerHand.findRank(rank);
        const ct::Card& card = s.computerHand.at(c);
        const bool keepTrump = s.isTrump(card) && maySpendTrump(s, card) == 0;
        if (!keepTrump && s.humanHand.count() >= s.humanRow.count() + 1) {
            moveAll(s.humanRow, s.computerRow);
            playCard(s, c);
            s.transferOpen = 1;
            s.computerAttacks = 1;
            return Defence::transfers;
        }
    }
    s.transferOpen = 0;

    // Several cards at once (the human transferred).
    if (s.computerRow.empty() && s.humanRow.count() >= 2) {
        s.computerAttacks = 0;
        if (beatAll(s, s.humanRow, s.computerHand) == 0) {
            s.computerHand.moveSelectedTo(s.computerRow);
            return Defence::beats;
        }
        return Defence::takes;
    }

    if (endgameBeat(s) == 1)
        return Defence::beats;

    // Same suit, higher: the lowest such card late in the game or on a trump, else the highest.
    if (holdsSuit) {
        auto allowed = [&](const ct::Card& card) {
            return card.suit == suit && card.rank > rank && maySpendSpade(s, card) == 1
                && maySpendTrump(s, card) == 1;
        };
        const int n = s.computerHand.count();
        int found = 0;
        if (s.stock() < 16 || suit == s.trumpSuit()) {
            for (int i = 1; i <= n && found == 0; ++i)
                if (allowed(s.computerHand.at(i)))
                    found = i;
        } else {
            for (int i = n; i >= 1 && found == 0; --i)
                if (allowed(s.computerHand.at(i)))
                    found = i;
        }
        if (found != 0) {
            playCard(s, found);
            return Defence::beats;
        }
    }

    if (s.japanese() && suit == ct::spades)
        return Defence::takes;
    if (suit == s.trumpSuit())
        return Defence::takes;
    if (s.computerHand.findSuit(s.trumpSuit()) == 0)
        return Defence::takes;
    for (int i = 1; i <= s.computerHand.count(); ++i) {
        const ct::Card& card = s.computerHand.at(i);
        if (s.isTrump(card) && card.rank == rank && maySpendTrump(s, card) == 1) {
            playCard(s, i);
            return Defence::beats;
        }
    }
    for (int i = 1; i <= s.computerHand.count(); ++i) {
        const ct::Card& card = s.computerHand.at(i);
        if (s.isTrump(card) && maySpendTrump(s, card) == 1) {
            playCard(s, i);
            return Defence::beats;
        }
    }
    return Defence::takes;
}

int bestGroupRank(const VelmarState& s)
{
    int highest = 11;
    if (s.bulk())
        highest = s.humanHand.count() <= 8 ? 14 : 11;
    else if (s.stock() > 10)
        highest = 11;
    else if (s.stock() >= 1)
        highest = 13;
    else
        highest = 14;

    int best = 0;
    int bestCount = 0;
    for (int rank = 6; rank <= highest; ++rank) {
        const int count = s.computerHand.countRank(rank);
        if (count > bestCount) {
            best = rank;
            bestCount = count;
        }
    }
    return bestCount >= 2 ? best : 0;
}

int unbeatableLead(VelmarState& s)
{
    sortHand(s.computerHand, 1);
    if (s.computerHand.empty())
        return 0;
    if (s.humanHand.empty())
        return 1;
    for (int i = 1; i <= s.computerHand.count(); ++i) {
        const ct::Card& card = s.computerHand.at(i);
        if (s.computerHand.count() >= 3 && s.transferVariant == 1 && humanHolds(s, card.rank))
            continue;
        bool beaten = false;
        for (const ct::Card& answer : s.humanHand.cards)
            beaten = beaten || beats(s, answer, card) > 0;
        if (!beaten)
            return i;
    }
    return 0;
}

int spadeLead(VelmarState& s)
{
    const int k = s.computerHand.findSuit(ct::spades);
    if (k == 0)
        return 0;
    if (s.stock() == 0) {
        playCard(s, k);
        return 1;
    }
    if (s.stock() >= 5)
        return 0;
    const int rank = s.computerHand.at(k).rank;
    if (s.computerHand.countRank(rank) >= 2) {
        playCard(s, s.computerHand.findRank(rank));
        return 1;
    }
    return 0;
}

int ordinaryLead(VelmarState& s)
{
    const int group = bestGroupRank(s);
    if (group != 0 && s.humanHand.count() >= 3 && s.computerHand.findRank(group) != 0) {
        playCard(s, s.computerHand.findRank(group));
        return 1;
    }
    int lowest = 0;
    for (int i = 1; i <= s.computerHand.count(); ++i) {
        const ct::Card& card = s.computerHand.at(i);
        if (!s.isTrump(card) && (lowest == 0 || card.rank < s.computerHand.at(lowest).rank))
            lowest = i;
    }
    if (lowest == 0) {
        // Only trumps: the lowest of them.
        for (int i = 1; i <= s.computerHand.count(); ++i)
            if (lowest == 0 || s.computerHand.at(i).rank < s.computerHand.at(lowest).rank)
                lowest = i;
    }
    if (lowest == 0)
        return 0;
    playCard(s, lowest);
    return 1;
}

int computerOpen(VelmarState& s)
{
    s.transferOpen = 1;
    s.humanCountAtOpening = s.humanHand.count();
    s.computerOpened = 1;
    if (s.stock() == 0 && (s.humanHand.count() <= 2 || s.computerHand.count() <= 2)) {
        const int safe = unbeatableLead(s);
        if (safe != 0) {
            playCard(s, safe);
            return 1;
        }
    }
    if (s.japanese() && spadeLead(s) == 1)
        return 1;
    return ordinaryLead(s);
}

int computerThrowIn(VelmarState& s, bool secondPass)
{
    sortHand(s.computerHand, 0);
    s.transferOpen = 0;
    if (s.humanHand.empty())
        return 0;
    for (int i = 1; i <= s.computerHand.count(); ++i) {
        const ct::Card& card = s.computerHand.at(i);
        if (s.isTrump(card))
            continue;
        if (maySpendSpade(s, card) == 1 && maySpendTrump(s, card) == 1 && rankOnTable(s, card.rank)) {
            playCard(s, i);
            return 1;
        }
    }
    if (!secondPass)
        return 0;
    for (int i = 1; i <= s.computerHand.count(); ++i) {
        const ct::Card& card = s.computerHand.at(i);
        if (maySpendTrump(s, card) == 1 && rankOnTable(s, card.rank)) {
            playCard(s, i);
            return 1;
        }
    }
    return 0;
}

int computerAttack(VelmarState& s)
{
    s.computerAttacks = 1;
    if (!s.computerRow.empty())
        return computerThrowIn(s, true);
    if (s.humanRow.empty())
        return computerOpen(s);
    return -1;
}

int throwInExtras(VelmarState& s, int n)
{
    int added = 0;
    while (added < n && computerThrowIn(s, false) == 1)
        ++added;
    return added;
}

} // namespace velmar
