// Sarvotte: the computer's choice of move with its tie-breaks, the rule checks random play relies
// on, and what a transcript cannot show: the table during the computer's pause, the win stored
// before its box opens, the computer ending a game it cannot move in. Legal moves are pinned by
// the replays.
#include "game_fixture.hpp"

#include "sarvotte/computer_player.hpp"
#include "sarvotte/invariants.hpp"
#include "sarvotte/rules.hpp"
#include "sarvotte/sarvotte_game.hpp"
#include "sarvotte/table.hpp"

#include <optional>

using namespace game_test;
using namespace sarvotte;

namespace {

constexpr std::int32_t seed = 4187839;

// A bare row of cards.
class RowTest : public ::testing::Test {
protected:
    void SetUp() override { prepareFramework(sarvotteProgramInfo(), seed); }
    ct::CardSet row;
};

// The program as the shell starts it; the first game is the human's.
class GameTest : public ProgramTest<SarvotteGame> {
protected:
    void SetUp() override
    {
        start(sarvotteProgramInfo(), seed, [](SarvotteGame& g) { g.gameState().computerToMove = 0; });
    }
    // A position: the row, the stock (its last card on top), every other card out of play.
    void position(const Cards& row, const Cards& stock, nlohmann::json more = nlohmann::json::object())
    {
        more["cardRow"] = cardsJson(row);
        more["stock"] = cardsJson(stock);
        more["leftPlay"] = cardsJson(restOfPack(1, 13, {row, stock}));
        load(more);
        window().events.clear();
    }
};

// A tap beside the cards: on the table below the row, above the status line.
const ct::Rect beside{100, 170, 101, 171};

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
        setCards(row, c.cards);
        EXPECT_EQ(bestMove(row), c.expected) << c.why;
    }
}

TEST_F(RowTest, TheRuleChecksReportLostCardsIllegalMovesAndEarlyEnds)
{
    SarvotteState s;
    dealNewGame(s, 0);
    InvariantMemory memory;
    auto check = [&] { return consistencyViolations(s, memory); };
    EXPECT_EQ(check(), std::vector<std::string>{});

    s.leftPlay.push_back({H, 1});   // one card twice
    EXPECT_FALSE(check().empty());
    s.leftPlay.clear();
    s.stock.cards.pop_back();        // one card lost
    EXPECT_FALSE(check().empty());
    dealNewGame(s, 0);

    s.moves.push_back({Mover::human, 4, 2, {H, 5}, {H, 7}, false});
    EXPECT_FALSE(check().empty()) << "two places left";
    s.moves.back() = {Mover::human, 4, 3, {H, 5}, {S, 7}, false};
    EXPECT_FALSE(check().empty()) << "no match";
    s.moves.back() = {Mover::computer, 4, 1, {H, 5}, {S, 5}, true};
    EXPECT_FALSE(check().empty()) << "the computer in patience mode";
    s.moves.clear();

    s.ends.push_back({{{H, 5}, {S, 5}}, 0, false});
    EXPECT_FALSE(check().empty()) << "over with a move left";
    s.ends.back() = {{{H, 5}, {S, 6}}, 3, false};
    EXPECT_FALSE(check().empty()) << "over with stock cards left";
    s.ends.clear();

    s.bestPatience = 20;
    EXPECT_TRUE(check().empty());
    s.bestPatience = 21;
    EXPECT_FALSE(check().empty()) << "the record rose";
    clearRecord(s);
    EXPECT_TRUE(check().empty()) << "cleared by Statistics";
}

TEST_F(GameTest, AfterTheHumansMoveTheComputerShowsItsMoveSelectedThenMakesIt)
{
    // The human covers spades 9 (9 points); the computer then covers the queen of hearts with
    // hearts 4, three places left (12), rather than its neighbour, hearts 2.
    position({{H, Q}, {S, 9}, {C, 9}, {H, 2}, {H, 4}}, {{S, 3}});
    int selectedDuringPause = 0;
    window().onEvent = [&](const nlohmann::json& e) {
        if (e.value("event", "") != "pause")
            return;
        for (const ct::Card& c : s().cardRow.cards)
            selectedDuringPause += c.selected;
        // The table as it stands on screen during the pause, for looking at.
        window().canvas().savePng(std::string(SARVOTTE_SHOT_DIR) + "/computer_move_96.png");
    };
    tapCard(s().cardRow, C, 9);
    tapCard(s().cardRow, S, 9);
    EXPECT_EQ(s().computerScore, Q);
    EXPECT_EQ(selectedDuringPause, 2);
    ASSERT_EQ(window().events.size(), 1u);
    EXPECT_EQ(window().events[0]["event"], "pause");
    EXPECT_EQ(cardsOf(s().cardRow), (Cards{{H, 4}, {C, 9}, {H, 2}}));
    EXPECT_EQ(s().cardRow.firstSelected(), 0) << "nothing selected";
}

TEST_F(GameTest, TheWinIsStoredBeforeItsBoxOpens)
{
    for (const auto& [computer, human, name] : {std::tuple{20, 13, "statc"}, std::tuple{5, 6, "statu"}}) {
        position({{H, 8}, {S, 1}, {C, 2}}, {}, {{"computerScore", computer}, {"humanScore", human}});
        std::uint32_t storedAtBox = 0;
        window().onEvent = [&, name = name](const nlohmann::json& e) {
            if (e.value("event", "") == "msgbox")
                storedAtBox = stored(name);
        };
        tapDesign(beside);
        EXPECT_EQ(storedAtBox, 1u) << name;
    }
}

TEST_F(GameTest, TheComputerEndsTheGameWhenItHasNoMoveAndNoStock)
{
    position({{H, 8}, {S, 1}}, {}, {{"humanScore", 3}});
    window().sendMessage(ct::msg::game, step::computerTurn, 0);
    ASSERT_EQ(window().boxes().size(), 1u);
    EXPECT_EQ(window().boxes()[0]["text"], "You win!");
    EXPECT_EQ(status(), "") << "the computer's end shows no status text";
}
