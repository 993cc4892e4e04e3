// What each program configures about its cards: size, sort keys, labels, face layout, pack.
#pragma once

#include <array>
#include <functional>
#include <string_view>

namespace ct {

struct Card;

enum class PackTemplate {
    Standard52,     // suit 1 ranks 1..13, then suits 2, 3, 4
    Standard36,     // suit 1 ranks 14, 6..13, then suits 2, 3, 4
    TenHigh36,      // suit 1 ranks 15, 6, 7, 8, 9, 14, 11, 12, 13, ... (ten = 14, ace = 15)
};

enum class FaceLayout {
    TwoCorners,     // labels top-left and bottom-right, pips top-right and bottom-left
    OneCorner,      // one label top-left, one pip bottom-right
};

// Sort key of a card under sortMode 0 (by rank) or 1 (by suit); ascending.
using SortKey = std::function<int(const Card&)>;

// One per program, installed with useCardStyle() at start-up before any card is built.
struct CardStyle {
    int designWidth = 28;
    int designHeight = 40;
    // Cards repaint only when marked changed since their last repaint (the small-card program).
    bool useRepaintMark = false;
    SortKey rankKey;                    // sortMode 0
    SortKey suitKey;                    // sortMode 1
    std::array<std::string_view, 16> rankLabels{};  // index = rank code
    FaceLayout face = FaceLayout::TwoCorners;
    PackTemplate pack = PackTemplate::Standard36;
};

// Keys and labels the programs choose from.
int defaultRankKey(const Card& card);     // rank*100 + suit, +5 for a trump
int defaultSuitKey(const Card& card);     // suit*1000 + rank for a trump, else suit*100 + rank
int queensLastRankKey(const Card& card);  // rank*1000 + suit for a queen, else rank*100 + suit
int plainSuitKey(const Card& card);       // suit*100 + rank, no trump grouping
// Queens last, then the called suit, then the others: suit*10000 / *1000 / *100 + rank.
SortKey calledSuitKey(std::function<int()> calledSuit);

std::array<std::string_view, 16> defaultRankLabels();   // 1 and 14 "A"
std::array<std::string_view, 16> tenHighRankLabels();   // 14 "10", 15 "A"

// The standard style: 28 x 40, default keys and labels, two-corner faces, 36-card pack.
CardStyle defaultCardStyle();

void useCardStyle(CardStyle style);
const CardStyle& cardStyle();
// Changes with every useCardStyle: pictures prepared for one style are not used with another.
unsigned cardStyleGeneration();

} // namespace ct
