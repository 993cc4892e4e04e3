// The Zembrola program played in-process: whole games under the rule invariants, the taps of a
// trick, New during a shown trick, and the end of a game with its boxes and tally.
#include "zembrola_fixture.hpp"

#include "zembrola/strings.hpp"
#include "zembrola/table.hpp"

#include <random>

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

TEST_F(GameTest, LastTrickEndsRoundAndGameWithBoxesAndTally)
{
    struct Case {
        Cards human;
        int humanPoints, humanPenalty, computerPenalty;
        std::vector<std::string> boxes;
        int humanWins, computerWins;
    } cases[] = {
        {{{D, 6}}, 40, 10, 0, {"I won the round!", "I won the game!"}, 0, 1},
        {{{H, 7}}, 80, 0, 10, {"You won the round!", "You won the game!"}, 1, 1},
        {{{H, 7}}, 60, 0, 0, {"A draw!"}, 1, 1},
        {{{D, 6}}, 59, 0, 0, {"I won the round!"}, 1, 1},
    };
    for (const Case& c : cases) {
        game().load(lastTrick(c.human, c.humanPoints, c.humanPenalty, c.computerPenalty));
        program->boxes.clear();
        tapCard(c.human[0].first, c.human[0].second);
        tap(area::okButton);
        EXPECT_EQ(program->boxes, c.boxes) << c.humanPoints;
        EXPECT_EQ(s().humanWins, c.humanWins);
        EXPECT_EQ(s().computerWins, c.computerWins);
        EXPECT_EQ(program->shell.settings().read("statu"), static_cast<std::uint32_t>(c.humanWins));
        EXPECT_EQ(program->shell.settings().read("statc"), static_cast<std::uint32_t>(c.computerWins));
        EXPECT_EQ(s().humanHand.count(), 4);   // the next round is dealt
        EXPECT_EQ(game().consistencyViolations(), std::vector<std::string>{});
    }
    // After the draw the next round charges double; the round after that single again.
    EXPECT_EQ(s().humanPenalty, 2);
    EXPECT_EQ(s().penaltyFactor, 1);
}

TEST_F(GameTest, AnswerOfTheWrongSizeIsRefused)
{
    json position = lastTrick({{D, 6}, {D, 7}}, 40, 0, 0);
    position["computerHand"] = cardsJson({{C, 6}});
    position["humanHand"] = cardsJson({{D, 6}, {D, 7}});
    position["computerRow"] = cardsJson({{S, 6}, {S, 7}});
    game().load(position);
    tapCard(D, 6);
    tap(area::playArea);
    EXPECT_EQ(status(), "Select 2 card(s).");
    EXPECT_EQ(s().humanHand.count(), 2);
    EXPECT_EQ(s().humanRow.count(), 0);
    tap(area::okButton);
    EXPECT_EQ(status(), "Select 2 card(s).");
    // Nothing selected: a different refusal.
    tapCard(D, 6);
    tap(area::okButton);
    EXPECT_EQ(status(), "Please select a card!");
}

TEST_F(GameTest, TapOnlyClosesTheShownTrickAndNewForgetsIt)
{
    for (int round = 0; round < 2; ++round) {
        // A human lead, whatever the deal: the computer's opening trick is answered first.
        json position = {{"computerLeads", 0}, {"computerRow", json::array()}, {"humanRow", json::array()},
                         {"lastWinner", 0}};
        game().load(position);
        s().humanHand.clearSelection();
        tapCard(s().humanHand.at(1).suit, s().humanHand.at(1).rank);
        tap(area::okButton);
        ASSERT_EQ(s().awaitingTap, 1);
        EXPECT_TRUE(status() == "My trick.Tap for continue..." || status() == "Your trick.Tap for continue...");
        EXPECT_EQ(s().humanRow.count(), 1);
        EXPECT_EQ(s().computerRow.count(), 1);
        if (round == 0) {
            // A tap on the sort button only closes the trick.
            const int sortMode = s().humanHand.sortMode;
            tap(area::sortButton);
            EXPECT_EQ(s().awaitingTap, 0);
            EXPECT_EQ(s().buttonPressed, 0);
            EXPECT_EQ(s().humanHand.sortMode, sortMode);
            EXPECT_EQ(s().humanRow.count(), 0);
            EXPECT_EQ(s().humanHand.count(), 4);
        } else {
            // New while the trick is shown: the first tap of the new deal must not sweep the
            // computer's new lead off the table.
            s().lastWinner = 1;
            game().newGame();
            EXPECT_EQ(s().awaitingTap, 0);
            EXPECT_EQ(s().computerLeads, 1);
            const Cards lead = cardsOf(s().computerRow);
            ASSERT_FALSE(lead.empty());
            tap(area::sortButton);
            EXPECT_EQ(cardsOf(s().computerRow), lead);
            EXPECT_EQ(s().humanPenalty, 0);
            EXPECT_EQ(s().humanPoints, -1);
        }
        EXPECT_EQ(game().consistencyViolations(), std::vector<std::string>{});
    }
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

// Whole games at random: legal and illegal plays, sorts, stray taps and New, with every rule
// invariant checked after every event.
TEST_F(GameTest, WholeGamesKeepTheRuleInvariants)
{
    std::mt19937 rng(20261206);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    int gamesEnded = 0;
    for (int event = 0; event < 40000 && gamesEnded < 6; ++event) {
        const std::size_t boxesBefore = program->boxes.size();
        const int choice = pick(100);
        if (s().awaitingTap == 1 || choice < 5) {
            tap(area::playArea);
        } else if (choice < 8) {
            tap(area::sortButton);
        } else if (choice == 8 && pick(20) == 0) {
            game().newGame();
        } else if (!s().humanHand.empty()) {
            // Select a legal or an illegal play, then play it.
            s().humanHand.clearSelection();
            const int want = s().computerLeads == 1 ? s().computerRow.count() + (pick(10) == 0 ? 1 : 0)
                                                    : 1 + pick(s().humanHand.count());
            for (int i = 1; i <= s().humanHand.count() && i <= want; ++i)
                tapCard(s().humanHand.at(i).suit, s().humanHand.at(i).rank);
            tap(pick(2) == 0 ? area::okButton : area::playArea);
        }
        for (std::size_t b = boxesBefore; b < program->boxes.size(); ++b)
            if (program->boxes[b] == "You won the game!" || program->boxes[b] == "I won the game!")
                ++gamesEnded;
        const auto violations = game().consistencyViolations();
        ASSERT_EQ(violations, std::vector<std::string>{}) << "after event " << event;
        ASSERT_TRUE(ct::statusLine().text() == nullptr || std::string(ct::statusLine().text()).rfind("Error", 0) != 0)
            << ct::statusLine().text();
    }
    EXPECT_GE(gamesEnded, 6);
    EXPECT_EQ(s().humanWins + s().computerWins, gamesEnded);
}

} // namespace
} // namespace zembrola_test
