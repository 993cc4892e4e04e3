// Table elements: hit rectangles scaled with their edges inside, the pressed look, text boxes
// filled only behind their text, suit buttons one under the other.
#include "cards/card_render.hpp"
#include "cards/table_elements.hpp"
#include "fakes.hpp"
#include "platform/density.hpp"

using namespace ct;
using cards_test::CardsTest;

namespace {
const Color green{0, 150, 0};
const Color red{200, 0, 0};
const Color white{255, 255, 255};
} // namespace

TEST_F(CardsTest, ElementsAreHitOnTheirScaledRectangleEdgesIncluded)
{
    setScreenDensity(192, 192);
    const TapArea area{{10, 20, 30, 40}};   // pixels 20, 40 to 60, 80
    const SuitButtons suits{{204, 2, 236, 34}};
    struct Case { int x, y; bool inArea; int suit; };
    for (const Case c : {Case{20, 40, true, 0}, Case{60, 80, true, 0}, Case{19, 40, false, 0}, Case{60, 81, false, 0},
                         Case{408, 4, false, 1}, Case{472, 68, false, 1}, Case{408, 70, false, 2},
                         Case{440, 266, false, 4}, Case{440, 267, false, 0}, Case{407, 100, false, 0}}) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(area.hit(c.x, c.y), c.inArea);
        EXPECT_EQ(suits.suitAt(c.x, c.y), c.suit);
    }
    EXPECT_EQ(suits.area(3), (Rect{204, 68, 236, 100}));

    cards_test::RecordingWindow window;
    IconButton{{{1, 2, 3, 4}}}.invalidate(&window);
    suits.invalidate(&window, 4);
    suits.invalidate(&window, 5);   // no such suit: nothing
    IconButton{{{1, 2, 3, 4}}}.invalidate(nullptr);
    EXPECT_EQ(window.invalidated, (std::vector<Rect>{{2, 4, 6, 8}, {408, 202, 472, 266}}));
}

TEST_F(CardsTest, ElementsPaintFacesMasksTextsAndLines)
{
    createDrawingResources();
    Canvas canvas{240, 120};
    canvas.fillRect(Rect{0, 0, 240, 120}, green);

    // Pressed, a button shows only its mask: black where the face has any colour.
    const Icon face = loadIcon(117, 32);
    ASSERT_FALSE(face.empty());
    IconButton{{{0, 0, 32, 32}}}.draw(canvas, &face, false);
    IconButton{{{40, 0, 72, 32}}}.draw(canvas, &face, true);
    IconButton{{{80, 0, 112, 32}}}.draw(canvas, nullptr, true);
    EXPECT_EQ(canvas.pixel(16, 16), white);
    EXPECT_EQ(canvas.pixel(56, 16), (Color{0, 0, 0}));
    EXPECT_EQ(canvas.pixel(96, 16), green);

    // A number on a background: the fill covers the text's extent, centred, never above the box
    // (here the text is taller than the box).
    if (!textFont().empty()) {
        const TextBox box{{120, 20, 200, 24}};
        box.drawNumber(canvas, 42, white, &red);
        const Size extent = canvas.textExtent(textFont(), "42");
        ASSERT_GT(extent.height, 4);
        const int left = 160 - extent.width / 2;
        EXPECT_NE(canvas.pixel(left, 21), green);
        EXPECT_NE(canvas.pixel(left, 19), red);
        EXPECT_EQ(canvas.pixel(left - 2, 21), green);
        EXPECT_EQ(canvas.pixel(121, 21), green);
    }

    // A suit button is a white square inside its rectangle; the inset stays table.
    SuitButtons{{200, 40, 232, 72}}.draw(canvas);
    EXPECT_EQ(canvas.pixel(203, 43), white);
    EXPECT_EQ(canvas.pixel(202, 43), green);
    EXPECT_EQ(canvas.pixel(228, 40 + 2 * 33 + 3), white);   // suit 3, one pitch per suit further down
    WhiteLine{{0, 100, 240, 102}}.draw(canvas);
    EXPECT_EQ(canvas.pixel(5, 101), white);
    EXPECT_EQ(canvas.pixel(5, 102), green);
    releaseDrawingResources();
}
