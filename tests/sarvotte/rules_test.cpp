// The computer's choice of move with its tie-breaks, legal moves, and the rule checks that
// random play relies on.
#include "sarvotte_fixture.hpp"

#include "sarvotte/computer_player.hpp"
#include "sarvotte/invariants.hpp"
#include "sarvotte/rules.hpp"

#include <optional>

using namespace sarvotte;
using namespace sarvotte_test;

namespace {

class RowTest : public ::testing::Test {
protected:
    void SetUp() override { prepareFramework(sarvotte::sarvotteProgramInfo(), 4187839); }
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
        setCards(row, c.cards);
        EXPECT_EQ(bestMove(row), c.expected) << c.why;
    }
}

TEST_F(RowTest, LegalMovesAreOneOrThreePlacesLeftOnRankOrSuit)
{
    setCards(row, {{H, 5}, {S, 5}, {H, 2}, {C, 9}, {H, 9}});
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
    setCards(row, {{H, 5}, {S, 7}, {D, 2}, {H, 9}});
    EXPECT_TRUE(isLegalMove(row, 3, 0));
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
