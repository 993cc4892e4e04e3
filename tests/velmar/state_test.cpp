// The Velmar headless state: round trips, load laying out the sets, the invariants, and whole
// games played by taps that must keep every card and always come to an end. Refused loads are
// pinned by the load-refused replay.
#include "velmar_fixture.hpp"

#include "velmar/rules.hpp"
#include "velmar/state_json.hpp"
#include "velmar/table.hpp"

#include "cards/random.hpp"
#include "platform/density.hpp"

#include <algorithm>
#include <functional>
#include <map>
#include <random>

using namespace velmar_test;
using nlohmann::json;

namespace {

class State : public GameTest {};

TEST_F(State, RoundTripsIntoAnotherGame)
{
    // A position in the middle of a bout, with a selection and an unsorted computer hand.
    load({{"gameType", 3}, {"trumpCard", trumpJson(C, 9, 1)}, {"deck", {{"cards", json::array()}}},
          {"computerRow", cardsJson({{D, 9}, {S, 9}})},
          {"humanHand", json::array({json::array({D, 6, 1}), json::array({C, 10, 0}), json::array({H, 7, 1})})},
          {"computerHand", cardsJson({{S, A}, {D, 7}, {C, 9}})}, {"computerHandSortMode", -1},
          {"computerAttacks", 1}, {"computerHandSpread", 5}, {"showStockCount", 1}, {"humanWins", 7}});
    const json saved = game->state();

    Program other;
    other.game.load(saved);
    EXPECT_EQ(other.game.state(), saved);
    EXPECT_EQ(other.window.title(), "Bulk. Transfer");
    EXPECT_EQ(cardsOf(other.game.gameState().computerHand), (Cards{{S, A}, {D, 7}, {C, 9}}));
    EXPECT_EQ(other.game.consistencyViolations(), std::vector<std::string>{});
}

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

TEST_F(State, ViolationsNameLostAndDoubledCards)
{
    expectConsistent();
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

// Plays whole games in every game type with taps only, each move chosen from the table as a
// player who knows the rules would choose it, with some random choices. After every tap the
// table must be one the rules produce and a legal answer must not have been refused; every
// game must come to an end, and each win deals the next game at once.
class WholeGames : public GameTest {
protected:
    bool chance(int percent) { return std::uniform_int_distribution<int>(1, 100)(rng) <= percent; }

    // The lowest card of the hand passing `ok`, non-trumps first; none: empty.
    Cards lowest(const std::function<bool(const ct::Card&)>& ok)
    {
        auto key = [this](const ct::Card& c) { return (s().isTrump(c) ? 100 : 0) + c.rank; };
        const ct::Card* best = nullptr;
        for (const ct::Card& c : s().humanHand.cards)
            if (ok(c) && (best == nullptr || key(c) < key(*best)))
                best = &c;
        return best ? Cards{{best->suit, best->rank}} : Cards{};
    }

    // The text of the result box shown since `boxesBefore`; empty while the game goes on.
    std::string result()
    {
        for (std::size_t i = boxesBefore; i < window().boxes.size(); ++i)
            if (window().boxes[i]["text"] != "Transfer?")
                return window().boxes[i]["text"].get<std::string>();
        return "";
    }

    void check(const std::string& move)
    {
        ++kinds[move];
        expectConsistent();
        EXPECT_TRUE(status() != "Bad cards selected" && status().rfind("Select ", 0) != 0)
            << move << ": a legal answer was refused: " << game->state().dump();
    }

    // Selects exactly `chosen` with taps on the cards, then taps the table; the cards must have
    // left the hand.
    void play(const Cards& chosen, const std::string& move)
    {
        // While several cards are to be beaten at once a tap toggles a card; otherwise it
        // selects that card alone (a second tap would put it back).
        const bool toggling = s().computerAttacks == 1 && s().computerRow.count() > 1 && s().humanRow.empty();
        const std::vector<ct::Card> before = s().humanHand.cards;
        for (const ct::Card& c : before) {
            const bool wanted = std::find(chosen.begin(), chosen.end(), std::pair{c.suit, c.rank}) != chosen.end();
            if (toggling ? (c.selected != 0) != wanted : wanted && !c.selected)
                tapCard(c.suit, c.rank);
        }
        ASSERT_EQ(s().humanHand.countSelected(), static_cast<int>(chosen.size())) << game->state().dump();
        tap(velmar::area::playArea);
        check(move);
        const Cards hand = cardsOf(s().humanHand);
        for (const auto& card : chosen)
            EXPECT_TRUE(!result().empty() || std::find(hand.begin(), hand.end(), card) == hand.end())
                << move << ": the card stayed in the hand: " << game->state().dump();
    }

    void playOr(const Cards& chosen, const std::string& move, const std::string& otherwise, int percent = 100)
    {
        if (!chosen.empty() && chance(percent))
            return play(chosen, move);
        tap(velmar::area::actionButton);
        check(otherwise);
    }

    void move()
    {
        ASSERT_FALSE(s().humanHand.empty()) << "the human has no cards but the game goes on";
        auto onTable = [this](const ct::Card& c) { return velmar::rankOnTable(s(), c.rank); };
        if (s().extraCardsLeft > 0)
            return playOr(lowest(onTable), "extra card", "let the computer take", 60);
        if (s().computerAttacks == 0) {
            if (s().humanRow.empty() && s().computerRow.empty()) {
                const int any = std::uniform_int_distribution<int>(0, s().humanHand.count() - 1)(rng);
                const ct::Card& c = s().humanHand.cards[static_cast<std::size_t>(any)];
                return play(chance(75) ? lowest([](const ct::Card&) { return true; }) : Cards{{c.suit, c.rank}},
                            "open");
            }
            const bool mayAdd = s().humanRow.count() < velmar::maxRowCards && !s().computerHand.empty();
            return playOr(mayAdd ? lowest(onTable) : Cards{}, "add", "end the bout", 50);
        }
        ASSERT_FALSE(s().computerRow.empty()) << "the human defends against nothing";
        const ct::Card attack = s().computerRow.cards.back();
        if (s().transferVariant && s().transferOpen && s().computerHand.count() > s().computerRow.count() &&
            chance(50)) {
            // A trump of that rank asks "Transfer?", answered Yes.
            const Cards same = lowest([&](const ct::Card& c) { return c.rank == attack.rank; });
            if (!same.empty())
                return play(same, "transfer");
        }
        if (s().computerRow.count() > 1 && s().humanRow.empty())
            return beatSeveral();
        playOr(lowest([&](const ct::Card& c) { return velmar::beats(s(), c, attack) > 0; }), "beat", "take", 97);
    }

    // Several attack cards at once (after a transfer): the match the rules accept, on copies.
    void beatSeveral()
    {
        ct::CardSet attack, answer;
        for (ct::CardSet* set : {&attack, &answer})
            set->setTrump(s().trumpSuit());
        for (const auto& [suit, rank] : cardsOf(s().computerRow))
            attack.append(suit, rank);
        for (const auto& [suit, rank] : cardsOf(s().humanHand))
            answer.append(suit, rank);
        Cards chosen;
        if (velmar::beatAll(s(), attack, answer) == 0)
            for (const ct::Card& c : answer.cards)
                if (c.selected)
                    chosen.emplace_back(c.suit, c.rank);
        playOr(chosen, "beat several", "take", 85);
    }

    std::mt19937 rng{20240611};
    std::size_t boxesBefore = 0;
    std::map<std::string, int> kinds;
};

TEST_F(WholeGames, EveryGameTypeIsPlayedToTheEndWithTapsOnly)
{
    for (int type = 0; type < velmar::gameTypeCount; ++type) {
        SCOPED_TRACE("game type " + std::to_string(type));
        game->changeGameType(type);
        for (int played = 1; played <= 3; ++played) {
            SCOPED_TRACE("game " + std::to_string(played));
            const int humanWins = s().humanWins, computerWins = s().computerWins;
            boxesBefore = window().boxes.size();
            for (int moves = 0; moves < 1500 && result().empty() && !HasFatalFailure(); ++moves)
                move();
            ASSERT_FALSE(HasFailure());
            ASSERT_NE(result(), "") << "no winner after 1500 moves";
            const bool humanWon = result() == "You win!";
            EXPECT_TRUE(humanWon || result() == "I win!") << result();
            EXPECT_EQ(s().humanWins, humanWins + (humanWon ? 1 : 0));
            EXPECT_EQ(s().computerWins, computerWins + (humanWon ? 0 : 1));
            EXPECT_EQ(shell->settings().read("statu"), static_cast<std::uint32_t>(s().humanWins));
            EXPECT_EQ(shell->settings().read("statc"), static_cast<std::uint32_t>(s().computerWins));
            // The winner opens the next deal.
            EXPECT_EQ(s().computerAttacks, humanWon ? 0 : 1);
            EXPECT_EQ(s().computerRow.count(), humanWon ? 0 : 1);
            EXPECT_EQ(s().humanHand.count(), velmar::handSize(s()));
        }
    }
    EXPECT_LE(window().deepest, 8);
    // Every kind of move was made somewhere, so the taps reached every part of the turn flow.
    for (const char* kind : {"open", "add", "end the bout", "beat", "take", "transfer", "extra card",
                             "let the computer take", "beat several"})
        EXPECT_GT(kinds[kind], 0) << kind;
}

} // namespace
