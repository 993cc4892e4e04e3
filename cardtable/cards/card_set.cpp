// CardSet: sorting, placement, moving and selecting the cards of one hand, row or pile.
#include "cards/card_set.hpp"

#include "platform/density.hpp"

#include "cards/card_style.hpp"

#include <algorithm>
#include <utility>

namespace ct {

namespace {

// Suit and rank of the selected cards, taken before anything is appended: the target may be
// this very set, whose array moves while it grows.
std::vector<std::pair<int, int>> selectedValues(const std::vector<Card>& cards)
{
    std::vector<std::pair<int, int>> values;
    for (const Card& card : cards)
        if (card.selected)
            values.emplace_back(card.suit, card.rank);
    return values;
}

} // namespace

CardSet::~CardSet()
{
    // No invalidation here: program-lifetime sets die after their window, and a set that is
    // discarded while the window lives is cleared by its game first.
}

void CardSet::append(int suit, int rank)
{
    Card card;
    card.suit = suit;
    card.rank = rank;
    if (cards.empty()) {
        cardWidth = card.width;
        cardHeight = card.height;
    }
    card.keep = 1;
    card.window = window;
    card.faceDown = faceDown;
    card.back = back;
    card.trump = suit == trumpSuit ? 1 : 0;
    cards.push_back(card);
    sortCards();
}

void CardSet::sortByMode()
{
    const CardStyle& style = cardStyle();
    const SortKey* key = nullptr;
    if (sortMode == 0)
        key = &style.rankKey;
    else if (sortMode == 1)
        key = &style.suitKey;
    if (key == nullptr || !*key)
        return;
    // Stable, so that equal keys and a purge keep the order the cards already had.
    std::stable_sort(cards.begin(), cards.end(),
                     [key](const Card& a, const Card& b) { return (*key)(a) < (*key)(b); });
}

void CardSet::sortCards()
{
    if (sortMode == -1)
        return;
    for (Card& card : cards)
        card.repaintMark = 1;
    sortByMode();
    relayout();
}

void CardSet::relayout()
{
    sortByMode();
    std::vector<Rect> before;
    before.reserve(cards.size());
    for (const Card& card : cards)
        before.push_back(card.isPlaced() ? card.bounds : Rect{-1, -1, -1, -1});
    place();
    for (std::size_t i = 0; i < cards.size(); ++i) {
        Card& card = cards[i];
        card.trump = card.suit == trumpSuit ? 1 : 0;
        // A card that moved leaves its old place to be repainted as well; otherwise the
        // table would keep showing it there until something else covered the spot.
        if (before[i].left != -1 && !(before[i] == card.bounds)) {
            card.repaintMark = 1;
            if (card.window != nullptr)
                card.window->invalidate(before[i]);
        }
        card.invalidate();
    }
}

void CardSet::place()
{
    int widthDivisor = 2;
    int heightDivisor = 1;
    int factor = 1;
    switch (spread) {
    case 2: widthDivisor = 1; break;
    case 3: widthDivisor = 3; break;
    case 4: widthDivisor = 4; heightDivisor = 3; break;
    case 5: factor = 0; break;
    default: break;
    }
    const int step = (cardWidth / widthDivisor) * factor;
    const int rowAdvance = (cardHeight / heightDivisor + 1) * factor;

    column = 0;
    int y = originY;
    int inRow = 0;
    for (Card& card : cards) {
        if (column == perRow) {
            column = 0;
            inRow = 0;
            y += rowAdvance;
        }
        card.moveTo(originX + step * inRow, y);
        ++column;
        ++inRow;
    }
}

void CardSet::rescaleAll(int from, int to)
{
    auto rescale = [from, to](int& pixels) { pixels = rescalePixels(pixels, from, to); };
    for (Card* card : Card::all()) {
        rescale(card->width);
        rescale(card->height);
        if (card->x != -1 || card->y != -1) {
            rescale(card->x);
            rescale(card->y);
            card->bounds = Rect{card->x, card->y, card->x + card->width, card->y + card->height};
        } else {
            rescale(card->bounds.left);
            rescale(card->bounds.top);
            rescale(card->bounds.right);
            rescale(card->bounds.bottom);
        }
    }
    for (CardSet* set : CardSet::all()) {
        rescale(set->originX);
        rescale(set->originY);
        rescale(set->cardWidth);
        rescale(set->cardHeight);
        if (set->originX < 0 || set->originY < 0)
            continue;
        // Only what the set had placed is placed again: a card it holds unplaced (appended
        // without a relayout) stays so, as taps and drawing skip it.
        std::vector<bool> placed;
        for (const Card& card : set->cards)
            placed.push_back(card.x != -1 && card.y != -1);
        const std::vector<Card> before = set->cards;
        set->place();
        for (std::size_t i = 0; i < set->cards.size(); ++i)
            if (!placed[i]) {
                set->cards[i].x = before[i].x;
                set->cards[i].y = before[i].y;
                set->cards[i].bounds = before[i].bounds;
            }
    }
}

void CardSet::setTrump(int suit)
{
    trumpSuit = suit;
    for (Card& card : cards)
        card.trump = card.suit == trumpSuit ? 1 : 0;
}

void CardSet::setBack(int index)
{
    back = index;
    bool anyFaceDown = faceDown != 0;
    for (Card& card : cards) {
        card.back = index;
        card.repaintMark = 1;
        anyFaceDown = anyFaceDown || card.faceDown != 0;
    }
    // Only backs that show need repainting; a face-down card in a face-up set shows one too.
    if (anyFaceDown)
        relayout();
}

void CardSet::selectAll()
{
    for (Card& card : cards)
        card.setSelected(1);
    relayout();
}

void CardSet::clearSelection()
{
    for (Card& card : cards)
        card.setSelected(0);
    relayout();
}

int CardSet::firstSelected() const
{
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i].selected)
            return static_cast<int>(i) + 1;
    return 0;
}

int CardSet::findRank(int rank) const
{
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i].rank == rank)
            return static_cast<int>(i) + 1;
    return 0;
}

int CardSet::findSuit(int suit) const
{
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i].suit == suit)
            return static_cast<int>(i) + 1;
    return 0;
}

int CardSet::countSelected() const
{
    return static_cast<int>(std::count_if(cards.begin(), cards.end(), [](const Card& c) { return c.selected != 0; }));
}

int CardSet::countRank(int rank) const
{
    return static_cast<int>(std::count_if(cards.begin(), cards.end(), [rank](const Card& c) { return c.rank == rank; }));
}

void CardSet::markSelectedRemoved()
{
    for (Card& card : cards)
        if (card.selected)
            card.keep = 0;
}

void CardSet::purge()
{
    if (cards.empty())
        return;
    for (Card& card : cards)
        card.repaintMark = 1;   // the old places of every card are repainted
    relayout();
    // Removing in place keeps the survivors in the order they had.
    std::erase_if(cards, [](const Card& c) { return c.keep == 0; });
    for (Card& card : cards)
        card.repaintMark = 1;
    relayout();
}

int CardSet::moveSelectedTo(CardSet& target)
{
    const auto values = selectedValues(cards);
    for (const auto& [suit, rank] : values)
        target.append(suit, rank);
    markSelectedRemoved();
    purge();
    for (Card& card : target.cards)
        card.repaintMark = 1;
    target.relayout();
    return static_cast<int>(values.size());
}

int CardSet::copySelectedTo(CardSet& target)
{
    const auto values = selectedValues(cards);
    for (const auto& [suit, rank] : values)
        target.append(suit, rank);
    target.relayout();
    return static_cast<int>(values.size());
}

void CardSet::clear()
{
    for (Card& card : cards)
        card.repaintMark = 1;
    relayout();
    cards.clear();
}

int CardSet::cardAt(int x, int y) const
{
    // Last to first: where cards overlap, the later one lies on top.
    for (int i = count(); i >= 1; --i)
        if (cards[static_cast<std::size_t>(i - 1)].hitTest(x, y))
            return i;
    return 0;
}

int CardSet::toggleAt(int x, int y)
{
    const int index = cardAt(x, y);
    if (index == 0)
        return 0;
    Card& card = at(index);
    card.setSelected(card.selected ? 0 : 1);
    card.invalidate();
    return index;
}

int CardSet::pickAt(int x, int y)
{
    const int index = cardAt(x, y);
    if (index == 0)
        return 0;
    if (index != firstSelected()) {
        const int wasSelected = at(index).selected;
        clearSelection();
        at(index).setSelected(wasSelected ? 0 : 1);
    } else {
        at(index).setSelected(at(index).selected ? 0 : 1);
    }
    at(index).invalidate();
    return index;
}

int CardSet::selectOnlyAt(int x, int y)
{
    const int index = cardAt(x, y);
    if (index == 0)
        return 0;
    clearSelection();
    at(index).setSelected(1);
    at(index).invalidate();
    return index;
}

void CardSet::invalidateAll(bool markForRepaint)
{
    for (Card& card : cards) {
        if (markForRepaint)
            card.repaintMark = 1;
        card.invalidate();
    }
}

} // namespace ct
