// The computer's choice of move in the shared row.
#include "sarvotte/computer_player.hpp"

namespace sarvotte {

std::optional<Move> bestMove(const ct::CardSet& row)
{
    std::optional<Move> chosen;
    int bestRank = 0;
    // Right to left, and only a strictly higher rank replaces the choice: ties keep the
    // rightmost moving card, and its neighbour before the card three places left.
    for (int i = row.count() - 1; i >= 1; --i) {
        const ct::Card& moving = row.cards[static_cast<std::size_t>(i)];
        for (const int distance : {1, 3}) {
            if (i < distance)
                continue;
            const ct::Card& target = row.cards[static_cast<std::size_t>(i - distance)];
            if (cardsMatch(moving, target) && target.rank > bestRank) {
                bestRank = target.rank;
                chosen = Move{i, i - distance};
            }
        }
    }
    return chosen;
}

} // namespace sarvotte
