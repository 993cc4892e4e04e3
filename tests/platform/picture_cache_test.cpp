// Prepared pictures (faces, backs, trump indicators, text lines) against fresh drawing: after every
// change of density, back and table colour the table must look exactly as if nothing were kept.
#include "cards/card.hpp"
#include "cards/card_render.hpp"
#include "cards/card_style.hpp"
#include "platform/density.hpp"

#include <SDL.h>

#include <gtest/gtest.h>

#include <string>

using namespace ct;

namespace {

// Pixels that differ between two canvases of the same size (every pixel when the sizes differ).
long differences(const Canvas& a, const Canvas& b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return static_cast<long>(a.width()) * a.height() + 1;
    long n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) == b.pixel(x, y) ? 0 : 1;
    return n;
}

struct Table {
    int back = 0;
    int colour = 0;
    int step = 0;   // which cards are selected
};

constexpr int canvasWidth = 480;
constexpr int canvasHeight = 200;

// The cards of the test table: every rank of one suit per row, alternate ones selected, the
// last row face down with the chosen back, its second card selected (inverted). Rows lie partly
// off the left, top and right edges, where a copy must clip as drawing does.
std::vector<Card> tableCards(int back, int step)
{
    std::vector<Card> cards;
    const int w = scaleX(cardStyle().designWidth);
    const int h = scaleY(cardStyle().designHeight);
    for (int suit = 1; suit <= 5; ++suit) {
        for (int rank = 6; rank <= 15; ++rank) {
            Card c;
            c.suit = suit == 5 ? 1 : suit;
            c.rank = rank;
            c.width = w;
            c.height = h;
            c.back = back;
            c.faceDown = suit == 5 ? 1 : 0;
            c.selected = ((rank + step) % 2 == 0) != (suit == 5);
            c.moveTo((rank - 6) * (w / 2 + 3) + (suit == 4 ? canvasWidth - 5 * w : 0) - (suit == 2 || suit == 5 ? w / 2 : 0),
                     (suit - 1) * h / 3 - (suit == 1 ? h / 4 : 0));
            cards.push_back(c);
        }
    }
    // A taller card of the same width: a picture prepared for one size must not serve the other.
    for (int faceDown = 0; faceDown <= 1; ++faceDown) {
        Card tall = cards[static_cast<std::size_t>(12 + 30 * faceDown)];
        tall.height += scaleY(6);
        tall.moveTo(canvasWidth - 3 * w + faceDown * w, canvasHeight - tall.height);
        cards.push_back(tall);
    }
    return cards;
}

// The table through the prepared pictures, as a program paints it.
void paintCached(Canvas& canvas, const Table& t)
{
    canvas.fillRect(Rect{0, 0, canvasWidth, canvasHeight}, tableColor(t.colour));
    for (const Card& c : tableCards(t.back, t.step))
        c.drawCard(canvas);
    for (int suit = 1; suit <= 4; ++suit)
        drawTrumpIndicator(canvas, suit, 20 * suit, canvasHeight - 20);
    canvas.drawTextInRect(textFont(), "Your move!", Rect{100, canvasHeight - 30, 300, canvasHeight},
                          textCenter | textVCenter, Color{255, 255, 255});
}

// The same table drawn from the stored pictures and fonts alone, every text rendered afresh and
// every pip blended pixel by pixel.
void paintFresh(Canvas& canvas, const Table& t)
{
    clearTextCache();
    const DrawingResources& res = drawingResources();
    canvas.fillRect(Rect{0, 0, canvasWidth, canvasHeight}, tableColor(t.colour));
    const int pip = scaleX(9);
    for (const Card& c : tableCards(t.back, t.step)) {
        if (c.faceDown) {
            canvas.stretchImage(storedBack(c.back), c.bounds);
            if (c.selected)
                canvas.invertRect(c.bounds);
            continue;
        }
        canvas.fillRect(c.bounds, res.black);
        canvas.fillRect(Rect{c.x + 1, c.y + 1, c.x + c.width - 1, c.y + c.height - 1}, c.selected ? res.grey : res.white);
        const Icon& icon = res.suitIcons[static_cast<std::size_t>(c.suit)];
        const std::string_view label = cardStyle().rankLabels[static_cast<std::size_t>(c.rank)];
        const Color ink = isRedSuit(c.suit) ? Color{255, 0, 0} : Color{0, 0, 0};
        if (cardStyle().face == FaceLayout::OneCorner) {
            const int px = c.x + c.width - scaleX(2) - scaleX(9), py = c.y + c.height - scaleY(2) - scaleY(9);
            canvas.stretchImage(icon, Rect{px, py, px + pip, py + pip});
            canvas.drawText(labelFont(), label, c.x + 2, c.y, ink);
            continue;
        }
        canvas.stretchImage(icon, Rect{c.x + c.width - pip - 2, c.y + 2, c.x + c.width - 2, c.y + 2 + pip});
        canvas.stretchImage(icon, Rect{c.x + 2, c.y + c.height - pip - 2, c.x + 2 + pip, c.y + c.height - 2});
        const Size extent = canvas.textExtent(labelFont(), label);
        canvas.drawText(labelFont(), label, c.x + 2, c.y, ink);
        canvas.drawText(labelFont(), label, c.x + c.width - extent.width - 1, c.y + c.height - extent.height - 2, ink);
    }
    for (int suit = 1; suit <= 4; ++suit) {
        const int x = 20 * suit;
        const int y = canvasHeight - 20;
        canvas.fillRect(Rect{x, y, x + pip + 2, y + pip + 2}, res.white);
        canvas.stretchImage(res.suitIcons[static_cast<std::size_t>(suit)], Rect{x + 1, y + 2, x + 1 + pip, y + 2 + pip});
    }
    canvas.drawTextInRect(textFont(), "Your move!", Rect{100, canvasHeight - 30, 300, canvasHeight},
                          textCenter | textVCenter, Color{255, 255, 255});
}

class PictureCacheTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        releaseDrawingResources();
        clearTextCache();
        setScreenDensity(96, 96);
        useCardStyle(defaultCardStyle());
    }
    static void setDensity(int dpi)
    {
        setScreenDensity(dpi, dpi);
        createDrawingResources();
    }
};

} // namespace

// One run of changes, each compared with a fresh drawing: the prepared pictures of the state
// before must never show. Both face layouts; the second style also has wider labels ("10").
TEST_F(PictureCacheTest, EveryChangeDrawsAsFresh)
{
    CardStyle oneCorner = defaultCardStyle();
    oneCorner.face = FaceLayout::OneCorner;
    oneCorner.rankLabels = tenHighRankLabels();
    oneCorner.designWidth = 22;
    oneCorner.designHeight = 30;
    struct Step {
        const char* what;
        int dpi;       // 0: unchanged
        int back;
        int colour;
    };
    const Step steps[] = {
        {"start", 96, 0, 0},     {"back", 0, 3, 0},       {"colour", 0, 3, 2},   {"density up", 192, 3, 2},
        {"back again", 0, 1, 2}, {"colour again", 0, 1, 4}, {"odd density", 131, 1, 4}, {"density down", 96, 4, 1},
    };
    for (const CardStyle& style : {defaultCardStyle(), oneCorner}) {
        useCardStyle(style);
        int index = 0;
        for (const Step& step : steps) {
            SCOPED_TRACE(std::string(step.what) + (style.face == FaceLayout::OneCorner ? " (one corner)" : ""));
            if (step.dpi != 0)
                setDensity(step.dpi);
            const Table table{step.back, step.colour, index++};
            Canvas cached(canvasWidth, canvasHeight);
            Canvas fresh(canvasWidth, canvasHeight);
            paintCached(cached, table);
            paintCached(cached, table);   // the second paint comes from the prepared pictures
            paintFresh(fresh, table);
            EXPECT_EQ(differences(cached, fresh), 0);
            if (step.dpi == 192)   // for looking at
                cached.savePng(std::string(TEST_PICTURE_DIR) + "/picture_cache_" +
                               (style.face == FaceLayout::OneCorner ? "one" : "two") + "_corner.png");
        }
    }
}

// Texts are kept by colour too (the prepared faces and fresh drawing would share a mix-up), and the
// number kept stays bounded.
TEST_F(PictureCacheTest, TextLinesByColourWithinTheBound)
{
    setDensity(96);
    Canvas black(120, 40), red(120, 40);
    black.drawText(labelFont(), "10 Q", 4, 4, Color{0, 0, 0});
    red.drawText(labelFont(), "10 Q", 4, 4, Color{255, 0, 0});
    EXPECT_GT(differences(black, red), 0);

    Canvas canvas(200, 40);
    for (int i = 0; i < static_cast<int>(textCacheLimit) + 50; ++i)
        canvas.drawText(textFont(), std::to_string(i), 0, 0, Color{255, 255, 255});
    EXPECT_EQ(cachedTextCount(), textCacheLimit);
}

// A window's frame is drawn straight into the window's own picture: the same pixels as a canvas of
// its own, in its area only; a picture laid out otherwise, or an area beside it, gets no view.
TEST_F(PictureCacheTest, CanvasOverAnotherPictureDrawsAsItsOwn)
{
    setDensity(131);
    const Table table{2, 1, 1};
    constexpr int left = 25, top = 30;
    SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(0, canvasWidth + 2 * left, canvasHeight + 2 * top, 32,
                                                         SDL_PIXELFORMAT_RGB888);
    ASSERT_NE(window, nullptr);
    SDL_FillRect(window, nullptr, 0x123456);
    const Rect area{left, top, left + canvasWidth, top + canvasHeight};
    auto view = Canvas::over(window, area);
    ASSERT_NE(view, nullptr);
    Canvas own(canvasWidth, canvasHeight);
    paintCached(*view, table);
    paintCached(own, table);
    EXPECT_EQ(differences(*view, own), 0);
    auto whole = Canvas::over(window, Rect{0, 0, window->w, window->h});
    const Color outside{0x12, 0x34, 0x56};
    EXPECT_EQ(whole->pixel(left - 1, top), outside);
    EXPECT_EQ(whole->pixel(area.right, area.bottom - 1), outside);
    EXPECT_EQ(whole->pixel(left, area.bottom), outside);
    EXPECT_EQ(Canvas::over(window, Rect{left, top, window->w + 1, top + 10}), nullptr);
    SDL_Surface* deep16 = SDL_CreateRGBSurfaceWithFormat(0, 40, 40, 16, SDL_PIXELFORMAT_RGB565);
    EXPECT_EQ(Canvas::over(deep16, Rect{0, 0, 40, 40}), nullptr);
    SDL_FreeSurface(deep16);
    whole.reset();
    view.reset();
    SDL_FreeSurface(window);
}
