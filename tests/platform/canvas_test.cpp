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

// The bounding box of every pixel that differs from `background`; empty when none does.
Rect inkBox(const Canvas& canvas, Color background)
{
    Rect box{canvas.width(), canvas.height(), -1, -1};
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box.right < 0 ? Rect{} : box;
}

// Whether some pixel of the area is neither of the given colours.
bool anyOther(const Canvas& canvas, const Rect& area, Color a, Color b)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.pixel(x, y) != a && canvas.pixel(x, y) != b)
                return true;
    return false;
}

bool anyInk(const Canvas& canvas, const Rect& area, Color background) { return anyOther(canvas, area, background, background); }

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
    }
    Font font;
};

} // namespace

TEST(CanvasFill, RightAndBottomEdgesAreExcludedAndFillsAreClipped)
{
    Canvas canvas(20, 20);
    canvas.fillRect(Rect{0, 0, 20, 20}, green);
    canvas.fillRect(Rect{5, 5, 10, 8}, white);
    EXPECT_EQ(canvas.pixel(5, 5), white);
    EXPECT_EQ(canvas.pixel(9, 7), white);
    EXPECT_EQ(canvas.pixel(10, 7), green);   // right edge excluded
    EXPECT_EQ(canvas.pixel(9, 8), green);    // bottom edge excluded
    EXPECT_EQ(canvas.pixel(4, 5), green);

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
    EXPECT_EQ(to.pixel(5, 5), white);
    EXPECT_EQ(to.pixel(2, 3), green);
    EXPECT_EQ(to.pixel(6, 5), black);
    EXPECT_EQ(to.pixel(1, 3), black);
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
    EXPECT_EQ(canvas.pixel(1, 1), black);   // nothing outside the target
    EXPECT_EQ(canvas.pixel(6, 6), black);

    // Shrunk to one pixel the picture is the average of its four pixels.
    Canvas one(1, 1);
    one.stretchImage(image, Rect{0, 0, 1, 1});
    const Color mean = one.pixel(0, 0);
    EXPECT_NEAR(mean.r, (255 + 255) / 4, 1);
    EXPECT_NEAR(mean.g, (255 + 255) / 4, 1);
    EXPECT_NEAR(mean.b, (255 + 255) / 4, 1);

    // An empty image draws nothing.
    canvas.stretchImage(Image{}, Rect{0, 0, 8, 8});
    EXPECT_EQ(canvas.pixel(0, 0), black);
}

TEST(CanvasImages, IconsBlendOrShowTheirSilhouetteAndScale)
{
    Icon icon = Image::blank(2, 1);
    put(icon, 0, 0, 0x80FFFFFFu);   // half-transparent white
    put(icon, 1, 0, 0x00FF0000u);   // fully transparent red

    Canvas canvas(2, 1);
    canvas.fillRect(Rect{0, 0, 2, 1}, black);
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
    EXPECT_NEAR(big.pixel(3, 3).r, 128, 1);
    EXPECT_EQ(big.pixel(5, 3), black);
    EXPECT_NEAR(big.pixel(3, 7).r, 128, 1);   // size x size: stretched both ways
}

TEST(CanvasImages, BadPngDataAndUnwritablePathsFailCleanly)
{
    EXPECT_TRUE(Image::fromPng({}).empty());
    const std::vector<unsigned char> garbage(100, 0x42);
    EXPECT_TRUE(Image::fromPng(garbage).empty());
    Canvas canvas(6, 4);
    EXPECT_FALSE(canvas.savePng("/nonexistent-dir/x.png"));
}

TEST_F(TextTest, ExtentAndPlainTextStayInTheirBox)
{
    Canvas canvas(120, 40);
    canvas.fillRect(Rect{0, 0, 120, 40}, green);
    const Size extent = canvas.textExtent(font, "Queen");
    EXPECT_GT(extent.width, 20);
    EXPECT_GE(extent.height, 10);
    EXPECT_LE(extent.height, 14);   // 10 points at 96 dpi: a 13-pixel cell at most
    EXPECT_EQ(canvas.textExtent(font, "").width, 0);
    EXPECT_EQ(canvas.textExtent(Font{}, "x"), Size{});

    canvas.drawText(font, "Queen", 10, 5, white);
    EXPECT_TRUE(inside(inkBox(canvas, green), Rect{10, 5, 11 + extent.width, 6 + extent.height}));
    EXPECT_TRUE(anyOther(canvas, Rect{0, 0, 120, 40}, green, white)) << "anti-aliased edges";

    // The bold face is wider.
    const Font bold = Font::open(10, 96, true);
    ASSERT_FALSE(bold.empty());
    EXPECT_GT(canvas.textExtent(bold, "Queen of hearts").width, canvas.textExtent(font, "Queen of hearts").width);
    // Twice the density, about twice the height.
    const Font big = Font::open(10, 192, false);
    EXPECT_NEAR(canvas.textExtent(big, "Queen").height, 2 * extent.height, 2);
}

TEST_F(TextTest, LeftFormatBreaksLinesOnlyAtLineBreaks)
{
    Canvas canvas(200, 60);
    canvas.fillRect(Rect{0, 0, 200, 60}, green);
    const Rect area{0, 0, 200, 60};
    canvas.drawTextInRect(font, "first line,\r\n second", area, textLeft, white);
    const int lineHeight = canvas.textExtent(font, "X").height;
    // Ink in the first and the second line band, nothing below them.
    EXPECT_TRUE(anyInk(canvas, Rect{0, 0, 200, lineHeight}, green));
    EXPECT_TRUE(anyInk(canvas, Rect{0, lineHeight + 1, 200, 2 * lineHeight + 2}, green));
    EXPECT_FALSE(anyInk(canvas, Rect{0, 2 * lineHeight + 3, 200, 60}, green));
    // No "\r" glyph box: the second line starts with its blank, then "second".
    EXPECT_EQ(canvas.textHeightInRect(font, "a\r\nb", 200, textLeft), canvas.textHeightInRect(font, "a\nb", 200, textLeft));

    // A line longer than the rectangle is cut at its right edge, not wrapped.
    Canvas narrow(100, 40);
    narrow.fillRect(Rect{0, 0, 100, 40}, green);
    narrow.drawTextInRect(font, "a long line that does not fit", Rect{10, 10, 60, 40}, textLeft, white);
    EXPECT_TRUE(inside(inkBox(narrow, green), Rect{10, 10, 60, 11 + lineHeight}));
}

TEST_F(TextTest, CentredTextIsCentredBothWays)
{
    Canvas canvas(100, 60);
    canvas.fillRect(Rect{0, 0, 100, 60}, green);
    const Rect area{10, 10, 90, 50};
    canvas.drawTextInRect(font, "24", area, textCenter | textVCenter, white);
    const Rect ink = inkBox(canvas, green);
    const int leftGap = ink.left - area.left;
    const int rightGap = area.right - 1 - ink.right;
    EXPECT_NEAR(leftGap, rightGap, 2);
    const int topGap = ink.top - area.top;
    const int bottomGap = area.bottom - 1 - ink.bottom;
    EXPECT_NEAR(topGap, bottomGap, 4);   // digits sit above the descender line

    // Centred only horizontally: each line on its own, from the top.
    Canvas two(100, 60);
    two.fillRect(Rect{0, 0, 100, 60}, green);
    two.drawTextInRect(font, "wide line\nx", Rect{0, 0, 100, 60}, textCenter, white);
    const int lineHeight = two.textExtent(font, "x").height;
    const Rect second = [&] {
        Canvas only(100, 60);
        only.fillRect(Rect{0, 0, 100, 60}, green);
        only.blit(two, Rect{0, lineHeight, 100, 60});
        return inkBox(only, green);
    }();
    EXPECT_NEAR(second.left + second.right, 100, 4);
    EXPECT_LT(inkBox(two, green).top, lineHeight);
}

TEST_F(TextTest, WordWrapStaysInsideItsRectangle)
{
    Canvas canvas(200, 200);
    canvas.fillRect(Rect{0, 0, 200, 200}, green);
    const Rect area{20, 20, 92, 180};   // 72 pixels wide, like a narrow status column
    const std::string text = "Your penalty points: 12. I take the trick and lead Supercalifragilistic";
    canvas.drawTextInRect(font, text, area, textCenter | textWordBreak, white);
    const Rect ink = inkBox(canvas, green);
    ASSERT_LT(ink.left, ink.right);
    EXPECT_TRUE(inside(ink, area));
    const int lineHeight = canvas.textExtent(font, "x").height;
    EXPECT_GT(ink.bottom - ink.top, 3 * lineHeight);   // wrapped onto several lines
    EXPECT_GT(canvas.textHeightInRect(font, text, 72, textWordBreak), 3 * lineHeight);
    EXPECT_EQ(canvas.textHeightInRect(font, "short", 72, textWordBreak), canvas.textExtent(font, "short").height);

    // A rectangle too short for all lines clips the rest.
    Canvas clipped(200, 200);
    clipped.fillRect(Rect{0, 0, 200, 200}, green);
    clipped.drawTextInRect(font, text, Rect{20, 20, 92, 20 + lineHeight}, textWordBreak, white);
    EXPECT_FALSE(anyInk(clipped, Rect{0, 20 + lineHeight, 200, 200}, green));
}
