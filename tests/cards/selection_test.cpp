// Scaling of design units, hit testing of cards and the three stylus selections.
#include "cards/card_set.hpp"
#include "fakes.hpp"

using namespace ct;
using cards_test::CardsTest;
using cards_test::RecordingWindow;

class ScaleTest : public CardsTest {};

TEST_F(ScaleTest, RoundsHalvesUpTruncatesNegativesAndIgnoresImpossibleDensities)
{
    setScreenDensity(131, 131);
    EXPECT_EQ(scaleX(28), 38);
    EXPECT_EQ(scaleX(1), 1);   // (131 + 48) / 96: halves round up
    EXPECT_EQ(scaleX(-1), 0);  // truncates toward zero

    setScreenDensity(96, 192);
    EXPECT_EQ(scaleRect(2, 198, 240, 237), (Rect{2, 396, 240, 474}));
    setScreenDensity(0, -5);
    EXPECT_EQ(screenDensityX(), 96) << "an impossible density is ignored";
    EXPECT_EQ(screenDensityY(), 192);
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
        hand.relayout();   // spread 1: cards at x 10, 24, 38, 52, drawn 28 x 40
        window.invalidated.clear();
    }
    RecordingWindow window;
    CardSet hand;
};

TEST_F(StylusTest, SensitiveStripIsShiftedTwoPixelsLeftAndLaterCardsLieOnTop)
{
    EXPECT_EQ(hand.cardAt(8, 100), 1);
    EXPECT_EQ(hand.cardAt(7, 100), 0);
    EXPECT_EQ(hand.cardAt(30, 110), 2);
    EXPECT_EQ(hand.cardAt(50, 140), 4);
    EXPECT_EQ(hand.cardAt(78, 110), 4);   // 52 + 28 - 2
    EXPECT_EQ(hand.cardAt(79, 110), 0) << "the last drawn columns are not sensitive";
    EXPECT_EQ(hand.cardAt(20, 99), 0);
    EXPECT_EQ(hand.cardAt(20, 141), 0);
    hand.at(4).hidden = 1;
    EXPECT_EQ(hand.cardAt(50, 110), 3) << "a hidden card lets the one below be hit";

    Card blank;   // no suit or rank
    blank.moveTo(10, 20);
    EXPECT_FALSE(blank.hitTest(20, 30));
    Card unplaced;
    unplaced.suit = 1;
    unplaced.rank = 6;
    unplaced.moveTo(-1, 20);
    EXPECT_FALSE(unplaced.hitTest(0, 30));
}

// pickAt and toggleAt selecting and deselecting are pinned by the replays' taps; what toggleAt
// repaints and the other cards selectOnlyAt clears are not.
TEST_F(StylusTest, ToggleAtRepaintsItsCardSelectOnlyAtClearsTheOthers)
{
    EXPECT_EQ(hand.toggleAt(12, 110), 1);
    EXPECT_EQ(hand.toggleAt(40, 110), 3);
    EXPECT_EQ(window.invalidated, (std::vector<Rect>{hand.at(1).bounds, hand.at(3).bounds}));
    EXPECT_EQ(hand.selectOnlyAt(50, 110), 4);
    EXPECT_EQ(hand.selectOnlyAt(50, 110), 4) << "a second double tap keeps it selected";
    EXPECT_EQ(hand.selectOnlyAt(0, 0), 0);
    EXPECT_EQ(hand.countSelected(), 1);
    EXPECT_EQ(hand.firstSelected(), 4);
}
