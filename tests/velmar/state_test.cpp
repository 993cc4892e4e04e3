// The Velmar headless state: every variable by name, loading positions safely, the invariants,
// and long random play that must keep every card and always come to an end.
#include "velmar_fixture.hpp"

#include "velmar/state_json.hpp"
#include "velmar/table.hpp"

#include "cards/layout.hpp"
#include "cards/random.hpp"

#include <random>

using namespace velmar_test;
using nlohmann::json;

namespace {

class State : public GameTest {};

TEST_F(State, NamesEveryVariable)
{
    const json state = game->state();
    for (const char* name :
         {"gameType", "transferVariant", "humanHand", "computerHand", "humanRow", "computerRow", "trumpCard",
          "stockCard", "deck", "discarded", "computerAttacks", "computerOpened", "transferOpen", "extraCardsLeft",
          "humanCountAtOpening", "computerCountAtOpening", "nextStarter", "computerHandFaceDown",
          "computerHandSpread", "buttonPressed", "doubleTapPlay", "showStockCount", "humanWins", "computerWins"})
        EXPECT_TRUE(state.contains(name)) << name;
    EXPECT_EQ(state["deck"]["remaining"], 23);
    EXPECT_EQ(state["deck"]["cards"].size(), 23u);
    EXPECT_EQ(state["humanHand"].size(), 6u);
    EXPECT_EQ(state["humanHand"][0].size(), 3u);   // [suit, rank, selected]
    EXPECT_TRUE(state["trumpCard"].contains("hidden"));
}

TEST_F(State, RoundTripsIntoAnotherGame)
{
    // A position in the middle of a bout, with a selection and an unsorted computer hand.
    load({{"gameType", 3},
          {"trumpCard", json{{"suit", C}, {"rank", 9}, {"hidden", 1}}},
          {"deck", json{{"cards", json::array()}}},
          {"computerRow", cardsJson({{D, 9}, {S, 9}})},
          {"humanHand", json::array({json::array({D, 6, 1}), json::array({C, 10, 0}), json::array({H, 7, 1})})},
          {"computerHand", cardsJson({{S, A}, {D, 7}, {C, 9}})},
          {"computerHandSortMode", -1},
          {"computerAttacks", 1},
          {"computerHandSpread", 5},
          {"showStockCount", 1},
          {"humanWins", 7}});
    const json saved = game->state();

    RecordingShell otherShell;
    velmar::VelmarGame other;
    startGame(other, otherShell);
    other.load(saved);
    EXPECT_EQ(other.state(), saved);
    EXPECT_EQ(otherShell.recorder().title(), "Bulk. Transfer");
    EXPECT_EQ(cardsOf(other.gameState().computerHand), (Cards{{S, A}, {D, 7}, {C, 9}}));
    EXPECT_EQ(other.consistencyViolations(), std::vector<std::string>{});
    other.tearDown();
}

TEST_F(State, LoadLaysOutTheSetsAsADealDoes)
{
    Cards many;
    for (int suit = 1; suit <= 3; ++suit)
        for (int rank = 6; rank <= 14; ++rank)
            many.emplace_back(suit, rank);
    load({{"trumpCard", json{{"suit", S}, {"rank", 6}, {"hidden", 0}}},
          {"humanHand", cardsJson(many)},
          {"computerHand", cardsJson({{S, 7}, {S, 8}, {S, 9}})},
          {"computerHandSpread", 5}});
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
    EXPECT_EQ(game->consistencyViolations(), std::vector<std::string>{});
}

TEST_F(State, TheHandKeepsItsFanUntilTheBoutEnds)
{
    // Seven cards lie half over each other; one played leaves six still fanned that way until
    // the bout ends, and state and load carry that so a script can find the cards.
    load({{"trumpCard", json{{"suit", S}, {"rank", 6}, {"hidden", 0}}},
          {"humanHand", cardsJson({{H, 6}, {H, 7}, {H, 8}, {H, 9}, {H, 10}, {C, 6}, {C, 7}})},
          {"computerHand", cardsJson({{D, 6}, {D, 7}, {D, 8}, {D, 9}, {D, 10}, {D, J}})}});
    EXPECT_EQ(game->state()["humanHandSpread"], 1);
    EXPECT_EQ(game->state()["humanHandPerRow"], 12);
    tapCard(H, 6);
    tap(velmar::area::playArea);
    ASSERT_EQ(s().humanHand.count(), 6);
    EXPECT_EQ(s().humanHand.spread, 1);
    const json mid = game->state();
    EXPECT_EQ(mid["humanHandSpread"], 1);

    load({{"humanHandSpread", 2}, {"humanHandPerRow", 7}});
    EXPECT_EQ(s().humanHand.at(2).x - s().humanHand.at(1).x, ct::scaleX(28));
    load(json{{"humanHandSpread", mid["humanHandSpread"]}, {"humanHandPerRow", mid["humanHandPerRow"]}});
    EXPECT_EQ(s().humanHand.at(2).x - s().humanHand.at(1).x, ct::scaleX(28) / 2);
    EXPECT_THROW(game->load({{"humanHandSpread", 5}}), std::invalid_argument);
    EXPECT_THROW(game->load({{"humanHandPerRow", 0}}), std::invalid_argument);
}

TEST_F(State, BadInputIsRefusedWithoutChangingAnything)
{
    const json before = game->state();
    auto refused = [&](const json& fields, const std::string& expectedPart) {
        try {
            game->load(fields);
            ADD_FAILURE() << "accepted " << fields.dump();
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(expectedPart), std::string::npos) << e.what();
        }
        EXPECT_EQ(game->state(), before) << fields.dump();
    };
    refused({{"showStockCount", 1}, {"gameType", 9}}, "gameType");
    refused({{"showStockCount", 1}, {"nosuchfield", 1}}, "nosuchfield");
    refused({{"humanHand", json::array({json::array({H, 15})})}}, "humanHand");
    refused({{"humanHand", cardsJson({{H, 6}, {H, 6}})}}, "[2, 6]");
    refused({{"extraCardsLeft", 3}}, "extra cards");
    refused({{"computerRow", cardsJson({{H, 6}})}, {"computerAttacks", 0}}, "defender");
    refused({{"deck", json{{"remaining", 3}, {"cards", cardsJson({{H, 6}})}}}}, "remaining");
    refused({{"trumpCard", json{{"hidden", 1}}}}, "trumpCard");
    refused({{"humanHand", json::array()}, {"deck", json{{"cards", json::array()}}},
             {"trumpCard", json{{"hidden", 1}}}},
            "won");
    refused(json::array(), "object");
    refused({{"computerHandSpread", 3}}, "computerHandSpread");
}

TEST_F(State, JapaneseGetsItsInvisibleTrumpAndBack)
{
    load({{"gameType", 4}});
    EXPECT_EQ(s().transferVariant, 0);
    EXPECT_EQ(s().trumpSuit(), D);
    EXPECT_EQ(s().trumpCard.rank, velmar::phantomRank);
    EXPECT_EQ(s().trumpCard.hidden, 1);
    EXPECT_EQ(game->consistencyViolations(), std::vector<std::string>{});
    EXPECT_EQ(window().title(), "Japanese");

    // Leaving "Japanese" needs a real turned-up card.
    EXPECT_THROW(game->load({{"gameType", 0}}), std::invalid_argument);
    const Cards held = cardsOf(s().humanHand);
    load({{"gameType", 1}, {"trumpCard", json{{"suit", held[0].first}, {"rank", held[0].second}, {"hidden", 1}}},
          {"humanHand", cardsJson(Cards(held.begin() + 1, held.end()))}, {"deck", json{{"cards", json::array()}}}});
    EXPECT_EQ(s().transferVariant, 1);
    EXPECT_EQ(game->consistencyViolations(), std::vector<std::string>{});
}

TEST_F(State, ViolationsNameLostAndDoubledCards)
{
    EXPECT_EQ(game->consistencyViolations(), std::vector<std::string>{});
    const ct::Card first = s().humanHand.at(1);
    s().humanHand.at(1).selected = 1;
    s().humanHand.markSelectedRemoved();
    s().humanHand.purge();
    const auto lost = game->consistencyViolations();
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_NE(lost[0].find("missing"), std::string::npos);

    s().humanHand.append(first.suit, first.rank);
    s().computerHand.append(first.suit, first.rank);
    const auto doubled = game->consistencyViolations();
    ASSERT_EQ(doubled.size(), 1u);
    EXPECT_NE(doubled[0].find("2 times"), std::string::npos);
}

// ---------------------------------------------------------------- random play

// Plays many games with random taps (and random answers to the transfer question) in every
// game type; after every tap the position must be one the rules produce, and games must end.
TEST_F(State, RandomPlayKeepsEveryCardAndFinishesGames)
{
    std::mt19937 pick(20240611);
    for (int type = 0; type < velmar::gameTypeCount; ++type) {
        SCOPED_TRACE("game type " + std::to_string(type));
        game->changeGameType(type);
        const int winsBefore = s().humanWins + s().computerWins;
        int taps = 0;
        while (s().humanWins + s().computerWins - winsBefore < 4 && taps < 20000) {
            window().answers.push_back(pick() % 2 ? ct::MsgBoxAnswer::yes : ct::MsgBoxAnswer::no);
            const auto targets = game->monkeyTargets();
            ASSERT_GE(targets.size(), 3u);
            const unsigned roll = pick() % 10;
            ct::Rect target;
            if (roll < 1)
                target = targets[2];                         // sort
            else if (roll < 2)
                target = targets[1];                         // take or end the bout
            else if (roll < 5 || targets.size() == 3)
                target = targets[0];                         // play
            else
                target = targets[3 + pick() % (targets.size() - 3)];   // a card of the hand
            const int x = target.left + 2;
            const int y = (target.top + target.bottom) / 2;
            game->stylusDown(x, y);
            game->stylusUp(x, y);
            if (pick() % 8 == 0)
                game->doubleTap(x, y);
            ++taps;
            const auto problems = game->consistencyViolations();
            ASSERT_EQ(problems, std::vector<std::string>{}) << "after tap " << taps << ": " << game->state().dump();
            ASSERT_LE(window().deepestSend, 8);
        }
        EXPECT_GE(s().humanWins + s().computerWins - winsBefore, 4) << "games do not come to an end";
        window().answers.clear();
    }
}

} // namespace
