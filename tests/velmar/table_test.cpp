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
    // The table painted afresh, as the window paints it, on the green background.
    const ct::Canvas& paint()
    {
        window().invalidateAll();
        window().paintIfInvalid();
        return window().canvas();
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
    load({{"trumpCard", trumpJson(H, A)}, {"computerRow", cardsJson({{C, 9}})}, {"humanRow", cardsJson({{C, 10}})},
          {"humanHand", cardsJson({{D, 6}})}, {"computerHand", cardsJson({{D, 7}})}, {"computerAttacks", 1}});
    s().computerRow.at(1).selected = 1;   // the attacker's card grey, the defender's white
    EXPECT_EQ(paint().pixel(x, y), white);
    s().computerRow.at(1).selected = 0;
    s().humanRow.at(1).selected = 1;
    EXPECT_EQ(paint().pixel(x, y), grey);

    load({{"computerRow", cardsJson({{C, 10}})}, {"humanRow", cardsJson({{C, 9}})}, {"computerAttacks", 0}});
    s().humanRow.at(1).selected = 1;
    EXPECT_EQ(paint().pixel(x, y), white);
}

TEST_F(Table, TrumpIndicatorAndStockCount)
{
    const int x = 215, y = 73;   // inside the indicator's white box, below the turned-up card
    ASSERT_EQ(s().trumpCard.hidden, 0);
    EXPECT_EQ(paint().pixel(x, y), green);
    load({{"gameType", 4}});
    EXPECT_EQ(paint().pixel(x, y), white);

    if (ct::textFont().empty())
        GTEST_SKIP() << "no font on this machine";
    const ct::Rect count{203, 84, 236, 96};
    EXPECT_FALSE(hasWhite(paint(), count));
    load({{"showStockCount", 1}});
    const ct::Canvas& japanese = paint();
    // The count lies under the indicator, whose white box keeps its lower corners.
    EXPECT_TRUE(hasWhite(japanese, count));
    EXPECT_EQ(japanese.pixel(214, 82), white);
    EXPECT_EQ(japanese.pixel(224, 82), white);
    EXPECT_EQ(japanese.pixel(214, 79), white);
    EXPECT_FALSE(hasWhite(japanese, ct::Rect{203, 60, 236, 71}));
    // "Thrown up" counts the turned-up card; "Bulk" has no stock and draws no count.
    game().changeGameType(0);
    EXPECT_TRUE(hasWhite(paint(), ct::Rect{203, 75, 236, 95}));
    game().changeGameType(2);
    EXPECT_FALSE(hasWhite(paint(), count));
}

} // namespace
