// CardSet: an owning, sorted, laid-out group of cards (a hand, a table row, a pile).
#pragma once

#include "cards/card.hpp"

#include <vector>

namespace ct {

class Canvas;

// Indices returned to callers are 1-based; 0 means none.
// Every change re-sorts, re-places and invalidates the whole set: sets are small.
class CardSet : public detail::LiveList<CardSet> {
public:
    CardSet() = default;
    virtual ~CardSet();
    CardSet(const CardSet&) = delete;
    CardSet& operator=(const CardSet&) = delete;

    // Cards in set order. Games read them directly and may change flags, then relayout().
    std::vector<Card> cards;
    int sortMode = -1;       // -1 insertion order, 0 by rank, 1 by suit
    int perRow = 16;
    int back = 0;
    int column = 0;          // scratch while placing
    int faceDown = 0;
    int trumpSuit = 0;
    Invalidator* window = nullptr;
    int originX = -1;
    int originY = -1;
    int cardWidth = -1;
    int cardHeight = -1;
    int spread = 1;          // 1 half width, 2 side by side, 3 third, 4 quarter (+rows by a third), 5 stacked

    int count() const { return static_cast<int>(cards.size()); }
    bool empty() const { return cards.empty(); }
    Card& at(int index1) { return cards.at(static_cast<std::size_t>(index1 - 1)); }  // 1-based
    const Card& at(int index1) const { return cards.at(static_cast<std::size_t>(index1 - 1)); }
    Card& last() { return cards.back(); }
    const Card& last() const { return cards.back(); }

    // Adds one card at the end (taking the set's window, back, faceDown, trump), then sortCards().
    virtual void append(int suit, int rank);
    void sortCards();
    void relayout();
    void place();
    void setTrump(int suit);
    void setBack(int index);
    void selectAll();
    void clearSelection();
    int firstSelected() const;
    int findRank(int rank) const;
    int findSuit(int suit) const;
    int countSelected() const;
    int countRank(int rank) const;
    void markSelectedRemoved();
    virtual void purge();
    int moveSelectedTo(CardSet& target);
    virtual int copySelectedTo(CardSet& target);
    virtual void clear();

    void drawAll(Canvas& canvas) const;

    // Stylus selection (all return the 1-based index of the card hit, or 0).
    int cardAt(int x, int y) const;        // topmost card under the point
    int toggleAt(int x, int y);
    int pickAt(int x, int y);
    int selectOnlyAt(int x, int y);

    // Every card and set now alive, laid out at density `from`, moved and sized for density `to`:
    // sizes and places given in design units scale exactly, each set's placed cards are placed
    // again from its origin. Run when the window changes density; the caller repaints.
    static void rescaleAll(int from, int to);

protected:
    void sortByMode();
    // Invalidates every card (with repaint marks: marks them first where the operation requires).
    void invalidateAll(bool markForRepaint);
};

} // namespace ct
