// Scaling of design units, hit testing of cards and the three stylus selections.
#include "cards/card_set.hpp"
#include "fakes.hpp"

using namespace ct;
using cards_test::CardsTest;
using cards_test::RecordingWindow;

class ScaleTest : public CardsTest {};

TEST_F(ScaleTest, DesignUnitsAtThreeDensities)
{
    for (int n : {0, 1, 9, 28, 40, 239, 320})
        EXPECT_EQ(scaleX(n), n);
    setScreenDensity(192, 192);
    for (int n : {0, 1, 9, 28, 40, 239, 320})
        EXPECT_EQ(scaleY(n), 2 * n);
    setScreenDensity(131, 131);
    EXPECT_EQ(scaleX(28), 38);
    EXPECT_EQ(scaleX(9), 12);
    EXPECT_EQ(scaleX(1), 1);   // (131 + 48) / 96: halves round up
    EXPECT_EQ(scaleX(-1), 0);  // truncates toward zero

    setScreenDensity(96, 192);
    EXPECT_EQ(scaleRect(2, 198, 240, 237), (Rect{2, 396, 240, 474}));

    setScreenDensity(0, -5);
    EXPECT_EQ(screenDensityX(), 96) << "an impossible density is ignored";
    EXPECT_EQ(screenDensityY(), 192);
}

class HitTest : public CardsTest {
protected:
    Card placed(int x, int y)
    {
        Card c;
        c.suit = 1;
        c.rank = 6;
        c.moveTo(x, y);
        return c;
    }
};

TEST_F(HitTest, SensitiveStripIsShiftedTwoPixelsLeft)
{
    const Card c = placed(10, 20);   // drawn over x 10..37, y 20..59
    EXPECT_TRUE(c.hitTest(8, 20));
    EXPECT_FALSE(c.hitTest(7, 20));
    EXPECT_TRUE(c.hitTest(36, 60));
    EXPECT_FALSE(c.hitTest(37, 30)) << "the last drawn columns are not sensitive";
    EXPECT_FALSE(c.hitTest(20, 19));
    EXPECT_FALSE(c.hitTest(20, 61));
}

TEST_F(HitTest, HiddenAndUnplacedCardsAreNeverHit)
{
    Card c = placed(10, 20);
    c.hidden = 1;
    EXPECT_FALSE(c.hitTest(20, 30));

    Card blank;
    blank.moveTo(10, 20);
    EXPECT_FALSE(blank.hitTest(20, 30)) << "no suit or rank";

    Card unplaced = placed(-1, 20);
    EXPECT_FALSE(unplaced.hitTest(0, 30));
}

class StylusTest : public CardsTest {
protected:
    void SetUp() override
    {
        CardsTest::SetUp();
        hand.window = &window;
        hand.originX = 10;
        hand.originY = 100;
        for (int rank = 6; rank <= 9; ++rank)
            hand.append(1, rank);
        hand.relayout();   // spread 1: cards at x 10, 24, 38, 52
        window.invalidated.clear();
    }
    RecordingWindow window;
    CardSet hand;
};

TEST_F(StylusTest, LaterCardWinsWhereCardsOverlap)
{
    EXPECT_EQ(hand.cardAt(30, 110), 2);
    EXPECT_EQ(hand.cardAt(50, 110), 4);
    EXPECT_EQ(hand.cardAt(78, 110), 4);   // 52 + 28 - 2
    EXPECT_EQ(hand.cardAt(79, 110), 0);
    hand.at(4).hidden = 1;
    EXPECT_EQ(hand.cardAt(50, 110), 3) << "a hidden card lets the one below be hit";
}

TEST_F(StylusTest, PickAtSelectsOneCard)
{
    EXPECT_EQ(hand.pickAt(12, 110), 1);
    EXPECT_EQ(hand.firstSelected(), 1);
    EXPECT_EQ(hand.pickAt(30, 110), 2);
    EXPECT_EQ(hand.countSelected(), 1) << "a tap on another card selects it alone";
    EXPECT_EQ(hand.firstSelected(), 2);
    EXPECT_EQ(hand.pickAt(30, 110), 2);
    EXPECT_EQ(hand.countSelected(), 0) << "a tap on the selected card deselects it";

    // A selected card that is not the first selected: the tap clears the whole selection.
    hand.at(1).selected = 1;
    hand.at(3).selected = 1;
    EXPECT_EQ(hand.pickAt(40, 110), 3);
    EXPECT_EQ(hand.countSelected(), 0);
}

TEST_F(StylusTest, PickAtOnEmptySpaceChangesNothing)
{
    hand.at(2).selected = 1;
    EXPECT_EQ(hand.pickAt(200, 200), 0);
    EXPECT_EQ(hand.firstSelected(), 2);
    EXPECT_EQ(hand.countSelected(), 1);
    EXPECT_TRUE(window.invalidated.empty());
}

TEST_F(StylusTest, ToggleAtKeepsOtherSelections)
{
    EXPECT_EQ(hand.toggleAt(12, 110), 1);
    EXPECT_EQ(hand.toggleAt(40, 110), 3);
    EXPECT_EQ(hand.countSelected(), 2);
    EXPECT_EQ(window.invalidated, (std::vector<Rect>{hand.at(1).bounds, hand.at(3).bounds}));
    EXPECT_EQ(hand.toggleAt(12, 110), 1);
    EXPECT_EQ(hand.countSelected(), 1);
    EXPECT_EQ(hand.toggleAt(5, 300), 0);
}

TEST_F(StylusTest, SelectOnlyAt)
{
    hand.at(1).selected = 1;
    hand.at(2).selected = 1;
    EXPECT_EQ(hand.selectOnlyAt(40, 110), 3);
    EXPECT_EQ(hand.countSelected(), 1);
    EXPECT_EQ(hand.firstSelected(), 3);
    EXPECT_EQ(hand.selectOnlyAt(40, 110), 3) << "a second double tap keeps it selected";
    EXPECT_EQ(hand.countSelected(), 1);
    EXPECT_EQ(hand.selectOnlyAt(0, 0), 0);
    EXPECT_EQ(hand.countSelected(), 1);
}
