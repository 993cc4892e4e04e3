// Canvas drawing: fills, inversion, scaled images and icons, and text in its formats.
#include "platform/canvas.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

using namespace ct;

namespace {

constexpr Color green{0, 150, 0};
constexpr Color white{255, 255, 255};
constexpr Color black{0, 0, 0};

// Sets one pixel of an image (ARGB).
void put(Image& image, int x, int y, Uint32 argb)
{
    SDL_Surface* s = image.surface();
    static_cast<Uint32*>(s->pixels)[y * (s->pitch / 4) + x] = argb;
}

// The bounding box (right and bottom inclusive) of every pixel of `area` that differs from
// `background`; empty when none does.
Rect inkBox(const Canvas& canvas, Color background, Rect area = Rect{0, 0, 10000, 10000})
{
    Rect box{canvas.width(), canvas.height(), -1, -1};
    for (int y = area.top; y < std::min(area.bottom, canvas.height()); ++y)
        for (int x = area.left; x < std::min(area.right, canvas.width()); ++x)
            if (canvas.pixel(x, y) != background)
                box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    return box.right < 0 ? Rect{} : box;
}

// Whether an ink box (right and bottom inclusive) lies inside an area (right and bottom excluded).
bool inside(const Rect& ink, const Rect& area)
{
    return ink.left >= area.left && ink.top >= area.top && ink.right < area.right && ink.bottom < area.bottom;
}

class TextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        font = Font::open(10, 96, false);
        if (font.empty())
            GTEST_SKIP() << "no DejaVu Sans font on this machine";
        canvas.fillRect(Rect{0, 0, 200, 200}, green);
        lineHeight = canvas.textExtent(font, "x").height;
    }
    Font font;
    Canvas canvas{200, 200};
    int lineHeight = 0;
};

} // namespace

TEST(CanvasFill, RightAndBottomEdgesAreExcludedAndFillsAreClipped)
{
    Canvas canvas(20, 20);
    canvas.fillRect(Rect{0, 0, 20, 20}, green);
    canvas.fillRect(Rect{5, 5, 10, 8}, white);
    EXPECT_EQ(inkBox(canvas, green), (Rect{5, 5, 9, 7}));

    // Partly or wholly off the canvas, or inside out: no crash, only the visible part.
    canvas.fillRect(Rect{-10, -10, 2, 2}, black);
    canvas.fillRect(Rect{18, 18, 100, 100}, black);
    canvas.fillRect(Rect{15, 15, 10, 10}, white);
    canvas.fillRect(Rect{500, 500, 600, 600}, white);
    canvas.invertRect(Rect{-5, -5, 50, 50});
    canvas.invertRect(Rect{-5, -5, 50, 50});
    EXPECT_EQ(canvas.pixel(0, 0), black);
    EXPECT_EQ(canvas.pixel(2, 2), green);
    EXPECT_EQ(canvas.pixel(19, 19), black);
    EXPECT_EQ(canvas.pixel(12, 12), green);
    // Reading outside the canvas gives black instead of reading past the pixels.
    EXPECT_EQ(canvas.pixel(-1, 0), black);
    EXPECT_EQ(canvas.pixel(20, 0), black);

    // A blit copies only its rectangle.
    Canvas to(20, 20);
    to.blit(canvas, Rect{2, 3, 6, 6});
    EXPECT_EQ(inkBox(to, black), (Rect{2, 3, 5, 5}));
    EXPECT_EQ(to.pixel(5, 5), white);
}

TEST(CanvasImages, StretchScalesUpAndAveragesDown)
{
    Image image = Image::blank(2, 2);
    ASSERT_FALSE(image.empty());
    put(image, 0, 0, 0xFFFF0000u);
    put(image, 1, 0, 0xFF00FF00u);
    put(image, 0, 1, 0xFF0000FFu);
    put(image, 1, 1, 0xFFFFFFFFu);

    Canvas canvas(8, 8);
    canvas.stretchImage(image, Rect{2, 2, 6, 6});
    EXPECT_EQ(canvas.pixel(2, 2), (Color{255, 0, 0}));
    EXPECT_EQ(canvas.pixel(5, 2), (Color{0, 255, 0}));
    EXPECT_EQ(canvas.pixel(2, 5), (Color{0, 0, 255}));
    EXPECT_EQ(canvas.pixel(5, 5), white);
    EXPECT_EQ(inkBox(canvas, black), (Rect{2, 2, 5, 5})) << "nothing outside the target";

    // Shrunk to one pixel the picture is the average of its four pixels.
    Canvas one(1, 1);
    one.stretchImage(image, Rect{0, 0, 1, 1});
    for (int channel : {one.pixel(0, 0).r, one.pixel(0, 0).g, one.pixel(0, 0).b})
        EXPECT_NEAR(channel, (255 + 255) / 4, 1);

    canvas.stretchImage(Image{}, Rect{0, 0, 8, 8});   // an empty image draws nothing
    EXPECT_EQ(canvas.pixel(0, 0), black);
}

TEST(CanvasImages, IconsBlendOrShowTheirSilhouetteAndScale)
{
    Icon icon = Image::blank(2, 1);
    put(icon, 0, 0, 0x80FFFFFFu);   // half-transparent white
    put(icon, 1, 0, 0x00FF0000u);   // fully transparent red

    Canvas canvas(2, 1);
    canvas.drawIcon(icon, 0, 0, IconDraw::normal);
    EXPECT_NEAR(canvas.pixel(0, 0).r, 128, 1);
    EXPECT_EQ(canvas.pixel(1, 0), black);   // transparent: the table shows
    Icon edge = Image::blank(3, 1);
    put(edge, 0, 0, 0xFFFF0000u);
    put(edge, 2, 0, 0xFF0000FFu);
    canvas.drawIcon(edge, -1, 0, IconDraw::normal);   // clipped at the left: each pixel in its place
    EXPECT_NEAR(canvas.pixel(0, 0).r, 128, 1);          // under the transparent pixel: unchanged
    EXPECT_EQ(canvas.pixel(1, 0), (Color{0, 0, 255}));

    canvas.fillRect(Rect{0, 0, 2, 1}, green);
    canvas.drawIcon(icon, 0, 0, IconDraw::maskOnly);
    EXPECT_EQ(canvas.pixel(0, 0), black);   // silhouette wherever there is coverage
    EXPECT_EQ(canvas.pixel(1, 0), green);

    Canvas big(8, 8);
    big.drawIconSized(icon, 0, 0, 8);
    EXPECT_NEAR(big.pixel(3, 7).r, 128, 1);   // size x size: stretched both ways
    EXPECT_EQ(big.pixel(5, 3), black);
}

TEST(CanvasImages, BadPngDataAndUnwritablePathsFailCleanly)
{
    EXPECT_TRUE(Image::fromPng({}).empty());
    EXPECT_TRUE(Image::fromPng(std::vector<unsigned char>(100, 0x42)).empty());
    EXPECT_FALSE(Canvas(6, 4).savePng("/nonexistent-dir/x.png"));
}

TEST_F(TextTest, ExtentAndLinesStayInTheirBox)
{
    const Size extent = canvas.textExtent(font, "Queen");
    EXPECT_EQ(canvas.textExtent(font, "").width, 0);
    EXPECT_EQ(canvas.textExtent(Font{}, "x"), Size{});
    EXPECT_NEAR(canvas.textExtent(Font::open(10, 192, false), "Queen").height, 2 * extent.height, 2);

    canvas.drawText(font, "Queen", 10, 5, white);
    EXPECT_TRUE(inside(inkBox(canvas, green), Rect{10, 5, 11 + extent.width, 6 + extent.height}));

    // Left format: lines break at line breaks only, "\r" draws nothing, a long line is cut.
    canvas.fillRect(Rect{0, 0, 200, 200}, green);
    canvas.drawTextInRect(font, "first line,\r\n second", Rect{0, 0, 200, 60}, textLeft, white);
    EXPECT_NE(inkBox(canvas, green, Rect{0, lineHeight + 1, 200, 2 * lineHeight + 2}), Rect{});
    EXPECT_EQ(inkBox(canvas, green, Rect{0, 2 * lineHeight + 3, 200, 200}), Rect{});
    EXPECT_EQ(canvas.textHeightInRect(font, "a\r\nb", 200, textLeft), canvas.textHeightInRect(font, "a\nb", 200, textLeft));
    canvas.fillRect(Rect{0, 0, 200, 200}, green);
    canvas.drawTextInRect(font, "a long line that does not fit", Rect{10, 10, 60, 40}, textLeft, white);
    EXPECT_TRUE(inside(inkBox(canvas, green), Rect{10, 10, 60, 11 + lineHeight}));
}

TEST_F(TextTest, CentredAndWrappedTextStaysInItsRectangle)
{
    const Rect area{10, 10, 90, 50};
    canvas.drawTextInRect(font, "24", area, textCenter | textVCenter, white);
    const Rect ink = inkBox(canvas, green);
    EXPECT_NEAR(ink.left - area.left, area.right - 1 - ink.right, 2);
    EXPECT_NEAR(ink.top - area.top, area.bottom - 1 - ink.bottom, 4);   // digits sit above the descender line

    // Centred only horizontally: each line on its own, from the top.
    canvas.fillRect(Rect{0, 0, 200, 200}, green);
    canvas.drawTextInRect(font, "wide line\nx", Rect{0, 0, 100, 60}, textCenter, white);
    const Rect second = inkBox(canvas, green, Rect{0, lineHeight, 100, 60});
    EXPECT_NEAR(second.left + second.right, 100, 4);
    EXPECT_LT(inkBox(canvas, green).top, lineHeight);

    // Word wrap in a 72-pixel column; a rectangle too short for all lines clips the rest.
    const std::string text = "Your penalty points: 12. I take the trick and lead Supercalifragilistic";
    for (int height : {160, lineHeight}) {
        canvas.fillRect(Rect{0, 0, 200, 200}, green);
        const Rect column{20, 20, 92, 20 + height};
        canvas.drawTextInRect(font, text, column, textCenter | textWordBreak, white);
        const Rect wrapped = inkBox(canvas, green);
        ASSERT_LT(wrapped.left, wrapped.right);
        EXPECT_TRUE(inside(wrapped, column)) << height;
        if (height > lineHeight) {
            EXPECT_GT(wrapped.bottom - wrapped.top, 3 * lineHeight) << "wrapped onto several lines";
        }
    }
    EXPECT_GT(canvas.textHeightInRect(font, text, 72, textWordBreak), 3 * lineHeight);
    EXPECT_EQ(canvas.textHeightInRect(font, "short", 72, textWordBreak), canvas.textExtent(font, "short").height);
}
