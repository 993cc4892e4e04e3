// Deck: the undealt cards of a pack in fixed slot order; a draw takes a random present slot.
#include "cards/deck.hpp"

#include "cards/random.hpp"

namespace ct {

namespace {

constexpr std::array<int, 13> ranks52{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
constexpr std::array<int, 9> ranks36{14, 6, 7, 8, 9, 10, 11, 12, 13};
constexpr std::array<int, 9> ranksTenHigh{15, 6, 7, 8, 9, 14, 11, 12, 13};

template <std::size_t N>
int fill(std::array<Deck::Slot, 52>& slots, const std::array<int, N>& ranks)
{
    std::size_t i = 0;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank : ranks)
            slots[i++] = Deck::Slot{rank, suit, 1};
    return static_cast<int>(i);
}

} // namespace

void Deck::setUp(PackTemplate pack)
{
    slots_ = {};
    switch (pack) {
    case PackTemplate::Standard52: total_ = fill(slots_, ranks52); break;
    case PackTemplate::Standard36: total_ = fill(slots_, ranks36); break;
    case PackTemplate::TenHigh36: total_ = fill(slots_, ranksTenHigh); break;
    }
    remaining_ = total_;
}

void Deck::reset()
{
    for (int i = 0; i < total_; ++i)
        slots_[static_cast<std::size_t>(i)].present = 1;
    remaining_ = total_;
}

int Deck::draw(int& rank, int& suit)
{
    // The first number is drawn even from an empty pack: later draws of the same
    // generator (deals and the computer's choices) depend on it.
    int r = randomInt(0, total_ - 1);
    if (remaining_ == 0)
        return -1;
    auto present = [this](int i) { return slots_[static_cast<std::size_t>(i)].present != 0; };
    for (int tries = 0; tries < 3 && !present(r); ++tries)
        r = randomInt(0, total_ - 1);
    if (!present(r)) {
        int found = -1;
        for (int i = r - 1; i >= 0 && found < 0; --i)
            if (present(i))
                found = i;
        for (int i = r + 1; i < total_ && found < 0; ++i)
            if (present(i))
                found = i;
        if (found < 0)
            return -1;
        r = found;
    }
    Slot& slot = slots_[static_cast<std::size_t>(r)];
    rank = slot.rank;
    suit = slot.suit;
    slot.present = 0;
    --remaining_;
    return remaining_;
}

void Deck::setPresent(int rank, int suit, bool present)
{
    for (int i = 0; i < total_; ++i) {
        Slot& slot = slots_[static_cast<std::size_t>(i)];
        if (slot.rank == rank && slot.suit == suit) {
            const int now = present ? 1 : 0;
            remaining_ += now - slot.present;
            slot.present = now;
            return;
        }
    }
}

} // namespace ct
