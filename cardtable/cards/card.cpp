// Card: construction at the program's card size, placement, invalidation and hit testing.
#include "cards/card.hpp"

#include "cards/card_set.hpp"

#include "cards/card_style.hpp"
#include "platform/density.hpp"

namespace ct {

template <class T>
detail::LiveList<T>*& detail::LiveList<T>::head()
{
    static LiveList* first = nullptr;
    return first;
}

template <class T>
void detail::LiveList<T>::link()
{
    next_ = head();
    if (next_ != nullptr)
        next_->prev_ = this;
    head() = this;
}

template <class T>
void detail::LiveList<T>::unlink()
{
    (prev_ != nullptr ? prev_->next_ : head()) = next_;
    if (next_ != nullptr)
        next_->prev_ = prev_;
}

template class detail::LiveList<Card>;
template class detail::LiveList<CardSet>;

Card::Card()
    : height(scaleY(cardStyle().designHeight)), width(scaleX(cardStyle().designWidth))
{
}

void Card::moveTo(int newX, int newY)
{
    x = newX;
    y = newY;
    bounds = Rect{x, y, x + width, y + height};
}

void Card::invalidate()
{
    if (!isPlaced() || window == nullptr)
        return;
    if (cardStyle().useRepaintMark) {
        // Only cards that changed since their last repaint are repainted.
        if (repaintMark == 0)
            return;
        repaintMark = 0;
    }
    window->invalidate(bounds);
}

void Card::setHidden(int flag)
{
    // With repaint marks a card that appears or disappears must still be repainted.
    if (hidden != flag)
        repaintMark = 1;
    hidden = flag;
    invalidate();
}

void Card::setSelected(int flag)
{
    if (selected != flag)
        repaintMark = 1;
    selected = flag;
}

bool Card::hitTest(int px, int py) const
{
    if (!isPlaced() || hidden)
        return false;
    // The sensitive strip lies two pixels left of the drawn card.
    return x - 2 <= px && px <= x + width - 2 && y <= py && py <= y + height;
}

} // namespace ct
