// The computer's choice of move with its tie-breaks, legal moves, and the rule checks that
// random play relies on.
#include "sarvotte_fixture.hpp"

#include "sarvotte/computer_player.hpp"
#include "sarvotte/invariants.hpp"
#include "sarvotte/rules.hpp"

#include <optional>
#include <random>

using namespace sarvotte;
using namespace sarvotte_test;

namespace {

class RowTest : public ::testing::Test {
protected:
    void SetUp() override { prepareFramework(); }
    ct::CardSet row;
};

} // namespace

TEST_F(RowTest, BestMoveCoversTheHighestRankWithItsTieBreaks)
{
    struct Case {
        const char* why;
        Cards cards;
        std::optional<Move> expected;
    };
    const std::vector<Case> cases{
        {"one card has no move", {{H, 5}}, std::nullopt},
        {"no rank or suit in common", {{H, 5}, {S, 6}, {D, 7}}, std::nullopt},
        {"two places left never counts", {{H, 5}, {S, 6}, {H, 7}}, std::nullopt},
        {"neighbour by suit", {{S, 2}, {H, 5}, {H, 7}}, Move{2, 1}},
        {"neighbour by rank", {{S, 2}, {H, 9}, {C, 9}}, Move{2, 1}},
        {"an ace is worth covering", {{S, 1}, {S, 5}}, Move{1, 0}},
        {"three places left", {{D, 4}, {S, 2}, {H, 6}, {D, 8}}, Move{3, 0}},
        {"matching both at equal ranks: the neighbour", {{D, 9}, {C, 1}, {S, 9}, {H, 9}}, Move{3, 2}},
        {"equal ranks: the rightmost moving card", {{C, 8}, {D, 1}, {H, 5}, {S, 8}, {S, 4}}, Move{4, 3}},
        {"a higher rank three places left beats the neighbour", {{H, K}, {S, 1}, {H, 3}, {H, 6}}, Move{3, 0}},
        {"a lower-ranked neighbour further left does not replace", {{C, 7}, {C, 2}, {D, 7}, {D, 3}}, Move{3, 2}},
        {"a higher rank further left wins", {{H, Q}, {H, 3}, {S, 5}, {S, 4}}, Move{1, 0}},
    };
    for (const Case& c : cases) {
        setRow(row, c.cards);
        EXPECT_EQ(bestMove(row), c.expected) << c.why;
    }
}

TEST_F(RowTest, LegalMovesAreOneOrThreePlacesLeftOnRankOrSuit)
{
    setRow(row, {{H, 5}, {S, 5}, {H, 2}, {C, 9}, {H, 9}});
    struct Case {
        int source, target;
        bool legal;
    };
    const std::vector<Case> cases{
        {1, 0, true},  {4, 3, true},   {3, 0, false}, {4, 1, false}, {2, 0, false}, {4, 0, false},
        {0, 1, false}, {1, 1, false},  {5, 4, false}, {4, 2, false}, {-1, 0, false}, {3, -1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isLegalMove(row, c.source, c.target), c.legal) << c.source << " -> " << c.target;
    setRow(row, {{H, 5}, {S, 7}, {D, 2}, {H, 9}});
    EXPECT_TRUE(isLegalMove(row, 3, 0));
}

TEST_F(RowTest, AMoveScoresTheCoveredRankAndTheMovingCardTakesItsPlace)
{
    SarvotteState s;
    setRow(s.cardRow, {{H, Q}, {S, 4}, {D, 3}, {H, 6}, {C, 6}});
    makeMove(s, Move{3, 0}, Mover::human);
    EXPECT_EQ(s.humanScore, Q);
    EXPECT_EQ(s.computerScore, 0);
    Cards after;
    for (const ct::Card& c : s.cardRow.cards)
        after.emplace_back(c.suit, c.rank);
    EXPECT_EQ(after, (Cards{{H, 6}, {S, 4}, {D, 3}, {C, 6}}));
    EXPECT_EQ(s.leftPlay, (std::vector<CardFace>{{H, Q}}));
    makeMove(s, Move{3, 0}, Mover::computer);   // clubs 6 onto hearts 6
    EXPECT_EQ(s.computerScore, 6);
    EXPECT_EQ(s.humanScore, Q);
}

TEST_F(RowTest, TheRuleChecksReportLostCardsIllegalMovesAndEarlyEnds)
{
    SarvotteState s;
    dealNewGame(s, 0);
    InvariantMemory memory;
    EXPECT_TRUE(cardViolations(s).empty());
    EXPECT_TRUE(ruleViolations(s, memory).empty());

    s.leftPlay.push_back({H, 1});   // one card twice
    EXPECT_FALSE(cardViolations(s).empty());
    s.leftPlay.clear();
    s.stock.cards.pop_back();        // one card lost
    EXPECT_FALSE(cardViolations(s).empty());

    s.moves.push_back({Mover::human, 4, 2, {H, 5}, {H, 7}, false});
    EXPECT_FALSE(ruleViolations(s, memory).empty()) << "two places left";
    s.moves.back() = {Mover::human, 4, 3, {H, 5}, {S, 7}, false};
    EXPECT_FALSE(ruleViolations(s, memory).empty()) << "no match";
    s.moves.back() = {Mover::computer, 4, 1, {H, 5}, {S, 5}, true};
    EXPECT_FALSE(ruleViolations(s, memory).empty()) << "the computer in patience mode";
    s.moves.clear();

    s.ends.push_back({{{H, 5}, {S, 5}}, 0, false});
    EXPECT_FALSE(ruleViolations(s, memory).empty()) << "over with a move left";
    s.ends.back() = {{{H, 5}, {S, 6}}, 3, false};
    EXPECT_FALSE(ruleViolations(s, memory).empty()) << "over with stock cards left";
    s.ends.clear();

    s.bestPatience = 20;
    EXPECT_TRUE(ruleViolations(s, memory).empty());
    s.bestPatience = 21;
    EXPECT_FALSE(ruleViolations(s, memory).empty()) << "the record rose";
    clearRecord(s);
    EXPECT_TRUE(ruleViolations(s, memory).empty()) << "cleared by Statistics";
}

// Whole games played in-process by a random player that mostly makes legal moves, with every
// rule check after every tap: two-player, patience, and with the whole pack dealt at once.
TEST(SarvotteWholeGames, RandomPlayKeepsEveryRuleInBothModes)
{
    struct Mode {
        int patience;
        int allCards;
    };
    for (const Mode mode : {Mode{0, 0}, Mode{1, 0}, Mode{0, 1}, Mode{1, 1}}) {
        prepareFramework();
        TempDir dir;
        Program program(dir.path, 1);
        SarvotteState& s = program.game.gameState();
        s.patienceMode = mode.patience;
        s.allCards = mode.allCards;
        int boxes = 0;
        int records = 0;
        program.window.setSink([&](const nlohmann::json& e) { boxes += e.value("event", "") == "msgbox" ? 1 : 0; });
        auto send = [&](unsigned message, std::uintptr_t w, std::intptr_t l) { program.window.sendMessage(message, w, l); };
        send(ct::msg::command, ct::command::newGame, 0);
        std::mt19937 rng(17);
        auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        auto tapAt = [&](int x, int y) {
            send(ct::msg::stylusDown, 0, ct::pointParam(x, y));
            send(ct::msg::stylusUp, 0, ct::pointParam(x, y));
        };
        auto tapCard = [&](int i) {
            const ct::Card& c = s.cardRow.cards.at(static_cast<std::size_t>(i));
            tapAt(c.x + c.width / 2, c.y + c.height / 2);
        };
        const int finishedGoal = 12;
        int finished = 0;
        for (int event = 0; event < 6000 && finished < finishedGoal; ++event) {
            const int roll = pick(10);
            std::vector<std::pair<int, int>> legal;
            for (int i = 1; i < s.cardRow.count(); ++i)
                for (const int d : {1, 3})
                    if (i >= d && isLegalMove(s.cardRow, i, i - d))
                        legal.emplace_back(i, i - d);
            if (roll < 2) {
                tapAt(220, 20);                                 // the stock
            } else if (roll < 4 && s.cardRow.count() > 0) {
                tapCard(pick(s.cardRow.count()));
            } else if (!legal.empty()) {
                const auto [from, to] = legal[static_cast<std::size_t>(pick(static_cast<int>(legal.size())))];
                s.cardRow.clearSelection();
                tapCard(from);
                tapCard(to);
            } else {
                tapAt(100, 180);                                // beside the cards
            }
            if (s.patienceOver) {
                ++finished;
                records += s.bestPatience < noRecord ? 1 : 0;
                send(ct::msg::command, ct::command::newGame, 0);
            }
            if (mode.patience == 0)
                finished = boxes;
            const auto violations = program.game.consistencyViolations();
            ASSERT_EQ(violations, std::vector<std::string>{}) << "event " << event << " patience " << mode.patience;
        }
        EXPECT_EQ(finished, finishedGoal) << "patience " << mode.patience << " all " << mode.allCards;
        if (mode.patience == 0)
            EXPECT_LE(s.computerWins + s.humanWins, boxes);
        else
            EXPECT_GT(records, 0);
    }
}
