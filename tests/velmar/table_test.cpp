// The Velmar table as painted: which row lies on top, the trump indicator and the stock count.
#include "velmar_fixture.hpp"

#include "velmar/table.hpp"

#include "cards/card_render.hpp"
#include "platform/canvas.hpp"

using namespace velmar_test;
using nlohmann::json;

namespace {

class Table : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        ct::createDrawingResources();
    }
    void TearDown() override
    {
        ct::releaseDrawingResources();
        GameTest::TearDown();
    }
    // A fresh picture of the table on the green background.
    std::unique_ptr<ct::Canvas> paint()
    {
        auto canvas = std::make_unique<ct::Canvas>(240, 320);
        canvas->fillRect(ct::Rect{0, 0, 240, 320}, green);
        velmar::drawTable(s(), *canvas, velmar::PaintResources{});
        return canvas;
    }
    static bool hasWhite(const ct::Canvas& canvas, const ct::Rect& area)
    {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (canvas.pixel(x, y).r > 160 && canvas.pixel(x, y).b > 160)
                    return true;
        return false;
    }
    const ct::Color green{0, 150, 0};
    const ct::Color white{255, 255, 255};
    const ct::Color grey{200, 200, 200};
};

TEST_F(Table, TheDefendersCardsLieOverTheAttackers)
{
    // A plain spot where the two rows overlap, away from labels and pips.
    const int x = 14, y = 84;
    load({{"trumpCard", json{{"suit", H}, {"rank", A}, {"hidden", 0}}},
          {"computerRow", cardsJson({{C, 9}})},
          {"humanRow", cardsJson({{C, 10}})},
          {"humanHand", cardsJson({{D, 6}})},
          {"computerHand", cardsJson({{D, 7}})},
          {"computerAttacks", 1}});
    s().computerRow.at(1).selected = 1;   // the attacker's card grey, the defender's white
    EXPECT_EQ(paint()->pixel(x, y), white);
    s().computerRow.at(1).selected = 0;
    s().humanRow.at(1).selected = 1;
    EXPECT_EQ(paint()->pixel(x, y), grey);

    load({{"computerRow", cardsJson({{C, 10}})}, {"humanRow", cardsJson({{C, 9}})}, {"computerAttacks", 0}});
    s().humanRow.at(1).selected = 1;
    EXPECT_EQ(paint()->pixel(x, y), white);
}

TEST_F(Table, TrumpIndicatorOnlyOnceTheTurnedUpCardIsGone)
{
    const int x = 215, y = 73;   // inside the indicator's white box, below the turned-up card
    EXPECT_EQ(s().trumpCard.hidden, 0);
    EXPECT_EQ(paint()->pixel(x, y), green);
    load({{"gameType", 4}});
    EXPECT_EQ(paint()->pixel(x, y), white);
}

TEST_F(Table, StockCountFollowsTheOption)
{
    if (ct::drawingResources().textFont.empty())
        GTEST_SKIP() << "no font on this machine";
    const ct::Rect count{203, 75, 236, 95};
    EXPECT_FALSE(hasWhite(*paint(), count));
    load({{"showStockCount", 1}});
    EXPECT_TRUE(hasWhite(*paint(), count));
    // "Bulk": the stock is empty and the turned-up card taken, so no count is drawn.
    game->changeGameType(2);
    EXPECT_FALSE(hasWhite(*paint(), ct::Rect{203, 84, 236, 95}));
}

TEST_F(Table, JapaneseCountLiesBelowAWholeIndicator)
{
    if (ct::drawingResources().textFont.empty())
        GTEST_SKIP() << "no font on this machine";
    load({{"gameType", 4}, {"showStockCount", 1}});
    const auto canvas = paint();
    // The indicator's white box keeps its lower corners; the count is drawn under it.
    EXPECT_EQ(canvas->pixel(214, 82), white);
    EXPECT_EQ(canvas->pixel(224, 82), white);
    EXPECT_EQ(canvas->pixel(214, 79), white);
    EXPECT_TRUE(hasWhite(*canvas, ct::Rect{203, 84, 236, 96}));
    EXPECT_FALSE(hasWhite(*canvas, ct::Rect{203, 60, 236, 71}));
}

} // namespace
