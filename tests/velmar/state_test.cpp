// The Velmar headless state: load lays out the sets as a deal does. Round trips, refused loads,
// the invariants and whole games are pinned by the replays (load-refused, monkey, game-*).
#include "velmar_fixture.hpp"

#include "velmar/table.hpp"

#include "platform/density.hpp"

using namespace velmar_test;
using nlohmann::json;

namespace {

class State : public GameTest {};

TEST_F(State, LoadLaysOutTheSetsAsADealDoes)
{
    Cards many;
    for (int suit = 1; suit <= 3; ++suit)
        for (int rank = 6; rank <= 14; ++rank)
            many.emplace_back(suit, rank);
    load({{"trumpCard", trumpJson(S, 6)}, {"humanHand", cardsJson(many)},
          {"computerHand", cardsJson({{S, 7}, {S, 8}, {S, 9}})}, {"computerHandSpread", 5}});
    EXPECT_EQ(s().humanHand.count(), 27);
    EXPECT_EQ(s().humanHand.spread, 3);
    EXPECT_EQ(s().humanHand.perRow, 18);
    EXPECT_EQ(s().humanHand.at(19).x, ct::scaleX(2));   // the second row
    EXPECT_GT(s().humanHand.at(19).y, s().humanHand.at(18).y);
    for (const ct::Card& c : s().computerHand.cards) {
        EXPECT_EQ(c.x, ct::scaleX(2));
        EXPECT_EQ(c.faceDown, 1);
        EXPECT_EQ(c.trump, 1);
    }
    EXPECT_EQ(s().humanRow.trumpSuit, S);
    EXPECT_EQ(s().stock(), 5);
    EXPECT_EQ(s().trumpCard.x, ct::scaleX(205));
    expectConsistent();
}

TEST_F(State, TheHandKeepsItsFanUntilTheBoutEnds)
{
    // Seven cards lie half over each other; one played leaves six still fanned that way until
    // the bout ends, and state and load carry that so a script can find the cards.
    load({{"trumpCard", trumpJson(S, 6)}, {"humanHand", cardsJson({{H, 6}, {H, 7}, {H, 8}, {H, 9}, {H, 10}, {C, 6}, {C, 7}})},
          {"computerHand", cardsJson({{D, 6}, {D, 7}, {D, 8}, {D, 9}, {D, 10}, {D, J}})}});
    EXPECT_EQ(game().state()["humanHandSpread"], 1);
    EXPECT_EQ(game().state()["humanHandPerRow"], 12);
    tapCard(H, 6);
    tapDesign(velmar::area::playArea);
    ASSERT_EQ(s().humanHand.count(), 6);
    EXPECT_EQ(s().humanHand.spread, 1);
    const json mid = game().state();
    EXPECT_EQ(mid["humanHandSpread"], 1);

    load({{"humanHandSpread", 2}, {"humanHandPerRow", 7}});
    EXPECT_EQ(s().humanHand.at(2).x - s().humanHand.at(1).x, ct::scaleX(28));
    load(json{{"humanHandSpread", mid["humanHandSpread"]}, {"humanHandPerRow", mid["humanHandPerRow"]}});
    EXPECT_EQ(s().humanHand.at(2).x - s().humanHand.at(1).x, ct::scaleX(28) / 2);
    EXPECT_THROW(game().load({{"humanHandSpread", 5}}), std::invalid_argument);
    EXPECT_THROW(game().load({{"humanHandPerRow", 0}}), std::invalid_argument);
}

} // namespace
