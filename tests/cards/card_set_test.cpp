// Card set: sort orders, card size, placement in the five spreads, moving, copying, purging.
#include "cards/card_set.hpp"
#include "fakes.hpp"

#include <utility>

using namespace ct;
using cards_test::CardsTest;
using cards_test::RecordingWindow;

namespace {

using Values = std::vector<std::pair<int, int>>;

Values values(const CardSet& set)
{
    Values out;
    for (const Card& c : set.cards)
        out.emplace_back(c.suit, c.rank);
    return out;
}

void fill(CardSet& set, const Values& cards)
{
    for (auto [suit, rank] : cards)
        set.append(suit, rank);
}

const Values exampleHand{{4, 6}, {1, 14}, {4, 14}, {2, 6}};

} // namespace

class CardSetTest : public CardsTest {};

TEST_F(CardSetTest, SortOrdersOfTheExampleHand)
{
    CardSet bySuit;
    bySuit.trumpSuit = 4;
    bySuit.sortMode = 1;
    fill(bySuit, exampleHand);
    EXPECT_EQ(values(bySuit), (Values{{1, 14}, {2, 6}, {4, 6}, {4, 14}}));

    CardSet byRank;
    byRank.trumpSuit = 4;
    byRank.sortMode = 0;
    fill(byRank, exampleHand);
    EXPECT_EQ(values(byRank), (Values{{2, 6}, {4, 6}, {1, 14}, {4, 14}}));

    // Trumps go after the other suits, not in suit order: with trump diamonds they come last.
    CardSet diamonds;
    diamonds.trumpSuit = 1;
    diamonds.sortMode = 1;
    fill(diamonds, exampleHand);
    EXPECT_EQ(values(diamonds), (Values{{2, 6}, {4, 6}, {4, 14}, {1, 14}}));
}

TEST_F(CardSetTest, ConfiguredKeysOfTheOtherPrograms)
{
    CardStyle style = defaultCardStyle();
    style.rankKey = queensLastRankKey;
    int called = 3;
    style.suitKey = calledSuitKey([&called] { return called; });
    useCardStyle(style);

    CardSet byRank;
    byRank.sortMode = 0;
    fill(byRank, {{1, 12}, {2, 13}, {3, 6}, {2, 12}, {4, 14}});
    EXPECT_EQ(values(byRank), (Values{{3, 6}, {2, 13}, {4, 14}, {1, 12}, {2, 12}}));

    // Queens last, the called suit just before them, the other suits first.
    CardSet bySuit;
    bySuit.sortMode = 1;
    fill(bySuit, {{3, 7}, {1, 12}, {4, 9}, {1, 6}, {3, 13}, {2, 14}});
    EXPECT_EQ(values(bySuit), (Values{{1, 6}, {2, 14}, {4, 9}, {3, 7}, {3, 13}, {1, 12}}));

    called = 4;
    bySuit.relayout();
    EXPECT_EQ(values(bySuit), (Values{{1, 6}, {2, 14}, {3, 7}, {3, 13}, {4, 9}, {1, 12}}));

    // The plain suit key ignores trumps.
    style.suitKey = plainSuitKey;
    useCardStyle(style);
    CardSet plain;
    plain.trumpSuit = 1;
    plain.sortMode = 1;
    fill(plain, {{2, 3}, {1, 13}, {1, 2}});
    EXPECT_EQ(values(plain), (Values{{1, 2}, {1, 13}, {2, 3}}));
}

TEST_F(CardSetTest, InsertionOrderWithoutSortModeAndNoPlacement)
{
    CardSet set;
    set.originX = 10;
    set.originY = 10;
    fill(set, exampleHand);
    EXPECT_EQ(values(set), exampleHand);
    for (const Card& c : set.cards) {
        EXPECT_EQ(c.x, -1) << "append without a sort mode must not place";
        EXPECT_EQ(c.keep, 1);
    }
    set.relayout();
    EXPECT_EQ(set.cards[0].x, 10);
}

TEST_F(CardSetTest, CardSizeComesFromTheFirstCardAndTheDensity)
{
    setScreenDensity(192, 192);
    Card big;
    EXPECT_EQ(big.width, 56);
    EXPECT_EQ(big.height, 80);

    setScreenDensity(96, 96);
    CardSet set;
    set.append(1, 6);
    EXPECT_EQ(set.cardWidth, 28);
    EXPECT_EQ(set.cardHeight, 40);
    setScreenDensity(192, 192);
    set.append(1, 7);
    EXPECT_EQ(set.cardWidth, 28) << "a non-empty set keeps its card size";
    EXPECT_EQ(set.last().width, 56);

    // The small-card program configures its own design size.
    CardStyle small = defaultCardStyle();
    small.designWidth = 21;
    small.designHeight = 30;
    useCardStyle(small);
    setScreenDensity(131, 131);
    Card sarvotte;
    EXPECT_EQ(sarvotte.width, (131 * 21 + 48) / 96);
    EXPECT_EQ(sarvotte.height, (131 * 30 + 48) / 96);
}

TEST_F(CardSetTest, SeventeenthCardWrapsToASecondRow)
{
    CardSet set;
    set.originX = 10;
    set.originY = 20;
    for (int i = 0; i < 17; ++i)
        set.append(1 + i % 4, 1 + i % 13);
    set.relayout();
    EXPECT_EQ(set.cards[15].x, 10 + 15 * 14);
    EXPECT_EQ(set.cards[15].y, 20);
    EXPECT_EQ(set.cards[16].x, 10);
    EXPECT_EQ(set.cards[16].y, 20 + 40 + 1);
    EXPECT_EQ(set.cards[16].bounds, (Rect{10, 61, 38, 101}));
}

TEST_F(CardSetTest, FiveSpreads)
{
    struct Case {
        int spread;
        int step;
        int rowAdvance;
    };
    for (const Case& c : {Case{1, 14, 41}, Case{2, 28, 41}, Case{3, 9, 41}, Case{4, 7, 14}, Case{5, 0, 0},
                          Case{9, 14, 41}}) {
        CardSet set;
        set.originX = 5;
        set.originY = 7;
        set.perRow = 2;
        set.spread = c.spread;
        fill(set, {{1, 6}, {1, 7}, {1, 8}});
        set.relayout();
        SCOPED_TRACE(c.spread);
        EXPECT_EQ(set.cards[0].x, 5);
        EXPECT_EQ(set.cards[1].x, 5 + c.step);
        EXPECT_EQ(set.cards[1].y, 7);
        EXPECT_EQ(set.cards[2].x, 5);
        EXPECT_EQ(set.cards[2].y, 7 + c.rowAdvance);
    }
}

TEST_F(CardSetTest, UnsetOriginLeavesTheFirstRowUnplaced)
{
    RecordingWindow window;
    CardSet set;
    set.window = &window;
    set.originX = 0;
    fill(set, {{1, 6}, {2, 6}});
    set.relayout();
    EXPECT_EQ(set.cards[0].y, -1);
    EXPECT_FALSE(set.cards[0].isPlaced());
    EXPECT_TRUE(window.invalidated.empty()) << "unplaced cards are not invalidated";
}

TEST_F(CardSetTest, MoveSelectedTo)
{
    CardSet hand;
    CardSet row;
    hand.sortMode = 0;
    fill(hand, {{1, 6}, {2, 7}, {3, 8}, {4, 9}});
    row.append(2, 14);

    EXPECT_EQ(hand.moveSelectedTo(row), 0);
    EXPECT_EQ(hand.count(), 4);
    EXPECT_EQ(row.count(), 1);

    hand.at(2).selected = 1;
    hand.at(4).selected = 1;
    EXPECT_EQ(hand.moveSelectedTo(row), 2);
    EXPECT_EQ(values(hand), (Values{{1, 6}, {3, 8}}));
    EXPECT_EQ(values(row), (Values{{2, 14}, {2, 7}, {4, 9}}));
    EXPECT_EQ(hand.countSelected(), 0);
    EXPECT_EQ(row.countSelected(), 0) << "moved cards arrive unselected";
}

TEST_F(CardSetTest, MoveSelectedToItselfMovesThemToTheEnd)
{
    CardSet set;
    fill(set, {{1, 6}, {2, 7}, {3, 8}});
    set.at(1).selected = 1;
    EXPECT_EQ(set.moveSelectedTo(set), 1);
    EXPECT_EQ(values(set), (Values{{2, 7}, {3, 8}, {1, 6}}));
    EXPECT_EQ(set.countSelected(), 0);
}

TEST_F(CardSetTest, CopySelectedToKeepsTheSource)
{
    CardSet hand;
    CardSet row;
    fill(hand, {{1, 6}, {2, 7}, {3, 8}});
    hand.at(1).selected = 1;
    hand.at(3).selected = 1;
    EXPECT_EQ(hand.copySelectedTo(row), 2);
    EXPECT_EQ(hand.count(), 3);
    EXPECT_EQ(hand.countSelected(), 2);
    EXPECT_EQ(values(row), (Values{{1, 6}, {3, 8}}));
    EXPECT_EQ(row.countSelected(), 0);
}

TEST_F(CardSetTest, PurgeKeepsTheSurvivorsInOrder)
{
    CardSet set;   // insertion order, as a computer hand that depends on it
    fill(set, {{4, 9}, {1, 6}, {3, 13}, {2, 7}, {1, 11}, {4, 6}});
    set.cards[1].keep = 0;
    set.cards[4].keep = 0;
    set.purge();
    EXPECT_EQ(values(set), (Values{{4, 9}, {3, 13}, {2, 7}, {4, 6}}));

    set.cards[0].selected = 1;
    set.markSelectedRemoved();
    set.purge();
    EXPECT_EQ(values(set), (Values{{3, 13}, {2, 7}, {4, 6}}));

    CardSet empty;
    empty.purge();
    EXPECT_TRUE(empty.empty());
}

TEST_F(CardSetTest, FindersAndCountersAreOneBased)
{
    CardSet set;
    fill(set, {{3, 9}, {1, 6}, {1, 9}, {2, 12}});
    EXPECT_EQ(set.findRank(9), 1);
    EXPECT_EQ(set.findRank(12), 4);
    EXPECT_EQ(set.findRank(14), 0);
    EXPECT_EQ(set.findSuit(1), 2);
    EXPECT_EQ(set.findSuit(4), 0);
    EXPECT_EQ(set.countRank(9), 2);
    EXPECT_EQ(set.firstSelected(), 0);
    set.at(3).selected = 1;
    EXPECT_EQ(set.firstSelected(), 3);
    set.selectAll();
    EXPECT_EQ(set.countSelected(), 4);
    set.clearSelection();
    EXPECT_EQ(set.countSelected(), 0);

    CardSet empty;
    EXPECT_EQ(empty.findRank(6), 0);
    EXPECT_EQ(empty.firstSelected(), 0);
    EXPECT_EQ(empty.countSelected(), 0);
}

TEST_F(CardSetTest, TrumpAndBack)
{
    RecordingWindow window;
    CardSet set;
    set.window = &window;
    set.originX = 0;
    set.originY = 0;
    fill(set, {{1, 6}, {2, 6}});
    set.setTrump(2);
    EXPECT_EQ(set.cards[0].trump, 0);
    EXPECT_EQ(set.cards[1].trump, 1);
    EXPECT_TRUE(window.invalidated.empty()) << "setTrump does not repaint";

    set.setBack(4);
    EXPECT_EQ(set.cards[1].back, 4);
    EXPECT_TRUE(window.invalidated.empty()) << "face-up cards show no back";
    set.faceDown = 1;
    set.setBack(2);
    EXPECT_EQ(window.invalidated.size(), 2u);
}

TEST_F(CardSetTest, InvalidationOfOldAndNewPlaces)
{
    RecordingWindow window;
    CardSet set;
    set.window = &window;
    set.originX = 0;
    set.originY = 0;
    set.spread = 2;
    fill(set, {{1, 6}, {2, 6}, {3, 6}});
    set.relayout();
    EXPECT_EQ(window.invalidated.size(), 3u);

    window.invalidated.clear();
    set.cards[0].selected = 1;
    set.markSelectedRemoved();
    set.purge();
    // The third card's old place must be repainted, or the table would still show it there.
    EXPECT_TRUE(window.wasInvalidated(Rect{56, 0, 84, 40}));

    window.invalidated.clear();
    set.clear();
    EXPECT_TRUE(window.wasInvalidated(Rect{0, 0, 28, 40}));
    EXPECT_TRUE(window.wasInvalidated(Rect{28, 0, 56, 40}));
    EXPECT_TRUE(set.empty());
    EXPECT_EQ(set.cardWidth, 28) << "clear keeps the set's other fields";
}

TEST_F(CardSetTest, RepaintMarksRepaintOnlyChangedCards)
{
    CardStyle style = defaultCardStyle();
    style.useRepaintMark = true;
    useCardStyle(style);

    RecordingWindow window;
    CardSet row;
    row.window = &window;
    row.originX = 2;
    row.originY = 2;
    row.spread = 2;
    fill(row, {{1, 6}, {2, 7}, {3, 8}});
    row.relayout();
    EXPECT_EQ(window.invalidated.size(), 3u);

    window.invalidated.clear();
    row.relayout();
    EXPECT_TRUE(window.invalidated.empty()) << "nothing changed since the last repaint";

    row.at(2).setSelected(1);
    row.relayout();
    EXPECT_EQ(window.invalidated, (std::vector<Rect>{row.at(2).bounds}));

    window.invalidated.clear();
    row.clearSelection();
    EXPECT_EQ(window.invalidated, (std::vector<Rect>{row.at(2).bounds})) << "only the card whose flag changed";

    window.invalidated.clear();
    row.at(1).setHidden(1);
    EXPECT_EQ(window.invalidated, (std::vector<Rect>{row.at(1).bounds})) << "hiding a card repaints it";
    row.at(1).setHidden(0);

    window.invalidated.clear();
    CardSet stock;
    stock.window = &window;
    stock.originX = 201;
    stock.originY = 2;
    stock.spread = 5;
    stock.append(4, 13);
    stock.relayout();
    window.invalidated.clear();
    stock.at(1).selected = 1;
    stock.moveSelectedTo(row);
    EXPECT_EQ(window.invalidated.size(), 5u) << "the stock card's old place and every card of the row";

    window.invalidated.clear();
    row.clear();
    EXPECT_EQ(window.invalidated.size(), 4u) << "clearing repaints every old place";
}
