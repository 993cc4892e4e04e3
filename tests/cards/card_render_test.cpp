// Drawing cards on a canvas: bounds, hidden cards, the order in a set, the status line and
// trump box, icons. Faces, labels, backs and the selection are drawn afresh and compared in
// picture_cache_test.
#include "cards/card_render.hpp"
#include "cards/card_set.hpp"
#include "cards/status_line.hpp"
#include "fakes.hpp"
#include "platform/resources.hpp"

#include <functional>

using namespace ct;
using cards_test::CardsTest;

namespace {

const Color green{0, 150, 0};
const Color black{0, 0, 0};
const Color white{255, 255, 255};

Card cardAt(int suit, int rank, int x, int y)
{
    Card c;
    c.suit = suit;
    c.rank = rank;
    c.moveTo(x, y);
    return c;
}

bool anyPixel(const Canvas& canvas, const Rect& area, const std::function<bool(Color)>& test)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (test(canvas.pixel(x, y)))
                return true;
    return false;
}

} // namespace

class RenderTest : public CardsTest {
protected:
    void SetUp() override
    {
        CardsTest::SetUp();
        createDrawingResources();
        canvas.fillRect(Rect{0, 0, 80, 60}, green);
    }
    void TearDown() override
    {
        releaseDrawingResources();
        CardsTest::TearDown();
    }
    Canvas canvas{80, 60};
};

TEST_F(RenderTest, CardsStayInsideTheirBoundsAndHiddenOrUnplacedCardsDrawNothing)
{
    Card card = cardAt(3, 9, 10, 10);   // 28 x 40: pixels 10..37, 10..49
    ASSERT_TRUE(card.drawCard(canvas));
    EXPECT_EQ(canvas.pixel(37, 49), black);
    EXPECT_EQ(canvas.pixel(20, 29), white);
    EXPECT_EQ(canvas.pixel(38, 30), green) << "nothing drawn beyond the card";
    EXPECT_EQ(canvas.pixel(30, 50), green);

    // A back index out of range (a damaged setting) draws the first back instead of failing.
    card.faceDown = 1;
    card.back = 17;
    EXPECT_TRUE(card.drawCard(canvas));
    EXPECT_EQ(canvas.pixel(38, 30), green);

    canvas.fillRect(Rect{0, 0, 80, 60}, green);
    card.hidden = 1;
    EXPECT_FALSE(card.drawCard(canvas));
    EXPECT_FALSE(cardAt(1, 6, 0, -1).drawCard(canvas));
    EXPECT_FALSE(cardAt(-1, -1, 0, 0).drawCard(canvas));
    EXPECT_FALSE(anyPixel(canvas, Rect{0, 0, 80, 60}, [](Color c) { return c != green; }));

    // Later cards of a set lie on top: the second covers the first from x 14.
    CardSet set;
    set.originX = 0;
    set.originY = 0;
    set.append(1, 6);
    set.append(2, 7);
    set.relayout();
    set.at(1).selected = 1;   // grey face under a white one
    set.drawAll(canvas);
    EXPECT_EQ(canvas.pixel(28, 20), white);
    EXPECT_EQ(canvas.pixel(6, 20), (Color{200, 200, 200}));
}

TEST_F(RenderTest, StatusTextAndDamagedTableColour)
{
    EXPECT_EQ(tableColor(-1), tableColor(0));
    EXPECT_EQ(tableColor(5), tableColor(0));

    Canvas table(240, 240);
    table.fillRect(Rect{0, 0, 240, 240}, green);
    drawTrumpIndicator(table, 0, 5, 5);       // no such suit: the box only, no crash

    if (textFont().empty())
        GTEST_SKIP() << "no font on this machine";
    // Anti-aliased white text over the green table: some pixel is much brighter in red than green's 0.
    auto whitish = [](Color c) { return c.r > 160; };
    StatusLine line;
    line.configure(StatusRegion{{2, 198, 240, 237}, {2, 198, 240, 237}, 0}, nullptr);
    line.draw(table);
    EXPECT_FALSE(anyPixel(table, Rect{0, 20, 240, 240}, whitish)) << "no text shown, nothing drawn";
    line.set("Ok. Your move!");
    line.draw(table);
    EXPECT_TRUE(anyPixel(table, Rect{2, 198, 240, 237}, whitish));
    EXPECT_FALSE(anyPixel(table, Rect{0, 20, 240, 197}, whitish));
}

TEST_F(RenderTest, IconsArePaddedNeverStretched)
{
    const Icon nine = loadSmallIcon(105, 9);
    const Icon twelve = loadSmallIcon(105, 12);
    ASSERT_EQ(nine.width(), 9);
    ASSERT_EQ(twelve.height(), 12);
    // The 9-pixel picture centred on 12: the same pixels one column and row in.
    Canvas a(12, 12);
    Canvas b(12, 12);
    a.drawIcon(twelve, 0, 0);
    b.drawIcon(nine, 12 / 2 - 9 / 2, 12 / 2 - 9 / 2);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << x << "," << y;

    setScreenDensity(131, 131);
    createDrawingResources();
    EXPECT_EQ(drawingResources().suitIcons[1].width(), 12);
}
