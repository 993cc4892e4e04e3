// The Zembrola program in-process, for a position load refuses: a lead nothing can answer.
#include "zembrola_fixture.hpp"

#include "zembrola/strings.hpp"
#include "zembrola/table.hpp"

namespace zembrola_test {
namespace {

using namespace zembrola;
using nlohmann::json;

json cardsJson(const Cards& cards)
{
    json out = json::array();
    for (const auto& [suit, rank] : cards)
        out.push_back({suit, rank});
    return out;
}

// The computer has led the last trick of a round: the human answers with one card.
json lastTrick(const Cards& human, int humanPoints, int humanPenalty, int computerPenalty)
{
    return {{"trumpCard", {{"suit", H}, {"rank", A}, {"hidden", 1}}},
            {"stockCard", {{"hidden", 1}}},
            {"deck", {{"cards", json::array()}}},
            {"humanHand", cardsJson(human)},
            {"computerHand", json::array()},
            {"humanRow", json::array()},
            {"computerRow", cardsJson({{S, 6}})},
            {"computerLeads", 1},
            {"humanPoints", humanPoints},
            {"computerPoints", 120 - humanPoints},
            {"humanPenalty", humanPenalty},
            {"computerPenalty", computerPenalty},
            {"penaltyFactor", 1},
            {"awaitingTap", 0}};
}

TEST_F(GameTest, LeadWithNothingToAnswerItGoesBackToTheHand)
{
    // Hands of unequal size: load refuses such a position, so the computer's card is taken here.
    game().load(lastTrick({{D, 6}}, 40, 0, 0));
    s().computerRow.clear();
    s().computerLeads = 0;
    tapCard(D, 6);
    tap(area::okButton);
    EXPECT_EQ(status(), "Error 1");
    EXPECT_EQ(cardsOf(s().humanHand), (Cards{{D, 6}}));
    EXPECT_TRUE(s().humanRow.empty());
    EXPECT_EQ(s().awaitingTap, 0);
}

} // namespace
} // namespace zembrola_test
