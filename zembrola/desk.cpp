// CDesk: a card set with a fixed capacity, allocated once; an overflow is refused, never grown into.
#include "zembrola/desk.hpp"

#include "cards/status_line.hpp"

#include <algorithm>

namespace zembrola {

CDesk::CDesk(int capacity) : capacity(capacity)
{
    cards.reserve(static_cast<std::size_t>(std::max(capacity, 0)));
}

void CDesk::append(int suit, int rank)
{
    if (count() + 1 > capacity) {
        ct::errorBox(nullptr, "add: out of range");
        return;
    }
    ct::CardSet::append(suit, rank);
}

int CDesk::copySelectedTo(ct::CardSet& target)
{
    int copied = 0;
    // Values first: the target may be this desk.
    std::vector<std::pair<int, int>> values;
    for (ct::Card& card : cards) {
        if (card.selected) {
            values.emplace_back(card.suit, card.rank);
            card.setSelected(0);
        }
    }
    for (const auto& [suit, rank] : values) {
        target.append(suit, rank);
        ++copied;
    }
    target.relayout();
    return copied;
}

int CDesk::countSuit(int suit) const
{
    return static_cast<int>(std::count_if(cards.begin(), cards.end(), [suit](const ct::Card& c) { return c.suit == suit; }));
}

void CDesk::selectSuit(int suit)
{
    for (ct::Card& card : cards)
        if (card.suit == suit)
            card.selected = 1;
}

int moveSelectedInto(ct::CardSet& from, CDesk& to)
{
    const int selected = from.countSelected();
    if (selected > to.room()) {
        ct::errorBox(nullptr, "add: out of range");
        return 0;
    }
    return from.moveSelectedTo(to);
}

} // namespace zembrola
