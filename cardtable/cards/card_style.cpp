// The program-wide card style and the sort keys and label tables the programs choose from.
#include "cards/card_style.hpp"

#include "cards/card.hpp"

#include <utility>

namespace ct {

int defaultRankKey(const Card& card)
{
    return card.rank * 100 + card.suit + (card.trump != 0 ? 5 : 0);
}

int defaultSuitKey(const Card& card)
{
    return card.trump == 1 ? card.suit * 1000 + card.rank : card.suit * 100 + card.rank;
}

int queensLastRankKey(const Card& card)
{
    return card.rank == 12 ? card.rank * 1000 + card.suit : card.rank * 100 + card.suit;
}

int plainSuitKey(const Card& card)
{
    return card.suit * 100 + card.rank;
}

SortKey calledSuitKey(std::function<int()> calledSuit)
{
    return [calledSuit = std::move(calledSuit)](const Card& card) {
        if (card.rank == 12)
            return card.suit * 10000 + card.rank;
        if (calledSuit && card.suit == calledSuit())
            return card.suit * 1000 + card.rank;
        return card.suit * 100 + card.rank;
    };
}

std::array<std::string_view, 16> defaultRankLabels()
{
    return {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A", ""};
}

std::array<std::string_view, 16> tenHighRankLabels()
{
    auto labels = defaultRankLabels();
    labels[14] = "10";
    labels[15] = "A";
    return labels;
}

CardStyle defaultCardStyle()
{
    CardStyle style;
    style.rankKey = defaultRankKey;
    style.suitKey = defaultSuitKey;
    style.rankLabels = defaultRankLabels();
    return style;
}

namespace {

CardStyle& currentStyle()
{
    static CardStyle style = defaultCardStyle();
    return style;
}

unsigned& styleGeneration()
{
    static unsigned generation = 0;
    return generation;
}

} // namespace

void useCardStyle(CardStyle style)
{
    // A program that configures only some fields still sorts: missing keys fall back.
    if (!style.rankKey)
        style.rankKey = defaultRankKey;
    if (!style.suitKey)
        style.suitKey = defaultSuitKey;
    currentStyle() = std::move(style);
    ++styleGeneration();
}

unsigned cardStyleGeneration()
{
    return styleGeneration();
}

const CardStyle& cardStyle()
{
    return currentStyle();
}

} // namespace ct
