// Card set: sort orders, placement in the five spreads, moving, copying and what each change
// repaints.
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

} // namespace

class CardSetTest : public CardsTest {
protected:
    // A set shown in the recording window at (0, 0).
    void show(CardSet& set, int spread = 1)
    {
        set.window = &window;
        set.originX = 0;
        set.originY = 0;
        set.spread = spread;
    }
    RecordingWindow window;
};

// The default keys (trumps last by rank and by suit), the sort mode and insertion order
// without one are pinned by the replays: breaking any of them changes a dealt hand. Queens last
// and the row spreads other than the first two are not, so they are checked here.
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
}

TEST_F(CardSetTest, FiveSpreadsAndRowWrapping)
{
    struct Case {
        int spread;
        int step;
        int rowAdvance;
    };
    // An unknown spread is laid out as the first.
    for (const Case& c : {Case{1, 14, 41}, Case{2, 28, 41}, Case{3, 9, 41}, Case{4, 7, 14}, Case{5, 0, 0},
                          Case{9, 14, 41}}) {
        SCOPED_TRACE(c.spread);
        CardSet set;
        set.originX = 5;
        set.originY = 7;
        set.perRow = 2;
        set.spread = c.spread;
        fill(set, {{1, 6}, {1, 7}, {1, 8}});
        set.relayout();
        EXPECT_EQ(set.cards[1].x, 5 + c.step);
        EXPECT_EQ(set.cards[1].y, 7);
        EXPECT_EQ(set.cards[2].bounds, (Rect{5, 7 + c.rowAdvance, 33, 47 + c.rowAdvance}));
    }

    // Without an origin the cards stay unplaced, and nothing is repainted for them.
    CardSet unplaced;
    unplaced.window = &window;
    unplaced.originX = 0;
    fill(unplaced, {{1, 6}, {2, 6}});
    unplaced.relayout();
    EXPECT_FALSE(unplaced.cards[0].isPlaced());
    EXPECT_TRUE(window.invalidated.empty());
}

TEST_F(CardSetTest, MoveIntoItself)
{
    // Moving into the same set (whose array grows while it is read) puts the cards at its end.
    CardSet row;
    fill(row, {{2, 7}, {2, 14}, {4, 9}});
    row.at(2).selected = 1;
    EXPECT_EQ(row.moveSelectedTo(row), 1);
    EXPECT_EQ(values(row), (Values{{2, 7}, {4, 9}, {2, 14}}));
    EXPECT_EQ(row.countSelected(), 0) << "moved cards arrive unselected";
}

TEST_F(CardSetTest, OldPlacesAndShownBacksAreRepainted)
{
    CardSet set;
    show(set, 2);
    fill(set, {{1, 6}, {2, 6}, {3, 6}});
    set.relayout();
    window.invalidated.clear();
    set.cards[0].selected = 1;
    set.markSelectedRemoved();
    set.purge();
    // The third card's old place must be repainted, or the table would still show it there.
    EXPECT_TRUE(window.wasInvalidated(Rect{56, 0, 84, 40}));

    // A set laid out elsewhere (a new origin or fan) repaints where its cards were.
    window.invalidated.clear();
    set.originX = 100;
    set.relayout();
    EXPECT_TRUE(window.wasInvalidated(Rect{0, 0, 28, 40}));

    // A new back repaints only cards that show it.
    window.invalidated.clear();
    set.setBack(4);
    EXPECT_TRUE(window.invalidated.empty()) << "face-up cards show no back";
    set.faceDown = 1;
    set.setBack(2);
    EXPECT_EQ(window.invalidated.size(), 2u);

    window.invalidated.clear();
    set.clear();
    EXPECT_TRUE(window.wasInvalidated(Rect{128, 0, 156, 40}));
    EXPECT_TRUE(set.empty());
    EXPECT_EQ(set.cardWidth, 28) << "clear keeps the set's other fields";
}

TEST_F(CardSetTest, RepaintMarksRepaintOnlyChangedCards)
{
    CardStyle style = defaultCardStyle();
    style.useRepaintMark = true;
    useCardStyle(style);

    CardSet row;
    show(row, 2);
    fill(row, {{1, 6}, {2, 7}, {3, 8}});
    row.relayout();
    window.invalidated.clear();
    row.relayout();
    EXPECT_TRUE(window.invalidated.empty()) << "nothing changed since the last repaint";

    row.at(2).setSelected(1);
    row.relayout();
    row.clearSelection();
    row.at(1).setHidden(1);
    EXPECT_EQ(window.invalidated, (std::vector<Rect>{row.at(2).bounds, row.at(2).bounds, row.at(1).bounds}))
        << "the selected card, the one whose flag was cleared, the hidden one";

    CardSet stock;
    show(stock, 5);
    stock.originX = 201;
    stock.append(4, 13);
    stock.relayout();
    window.invalidated.clear();
    stock.at(1).selected = 1;
    stock.moveSelectedTo(row);
    EXPECT_EQ(window.invalidated.size(), 5u) << "the stock card's old place and every card of the row";
}
