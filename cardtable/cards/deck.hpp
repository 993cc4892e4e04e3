// Deck: which cards of a 36- or 52-card pack are still undealt; a draw takes a random one.
#pragma once

#include "cards/card_style.hpp"

#include <array>

namespace ct {

class Deck {
public:
    struct Slot {
        int rank = 0;
        int suit = 0;
        int present = 0;
    };

    // 36 or 52 cards, in the template's slot order. Every slot present.
    void setUp(PackTemplate pack);
    void reset();                  // every slot present again
    int remaining() const { return remaining_; }
    int total() const { return total_; }
    // The new remaining count, or -1 when the pack is empty (then rank and suit are untouched).
    int draw(int& rank, int& suit);

    const std::array<Slot, 52>& slots() const { return slots_; }
    // For load/state: marks exactly the given cards present (others dealt).
    void setPresent(int rank, int suit, bool present);

private:
    std::array<Slot, 52> slots_{};
    int remaining_ = 0;
    int total_ = 0;
};

} // namespace ct
