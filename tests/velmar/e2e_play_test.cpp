// End-to-end play: the built program won in every game type from set positions, and whole
// games played from the table's state with taps only, the tally kept across runs.
#include "e2e_session.hpp"

#include <algorithm>
#include <functional>
#include <map>
#include <random>

using namespace velmar_e2e;
using e2e::ScratchDir;

namespace {

void expectFreshDeal(const json& state, int type, bool humanStarts)
{
    EXPECT_EQ(state["title"], typeNames[static_cast<std::size_t>(type)]);
    EXPECT_EQ(state["gameType"], type);
    EXPECT_TRUE(state["humanRow"].empty());
    if (humanStarts) {
        EXPECT_EQ(state["humanHand"].size(), static_cast<std::size_t>(handSize(type)));
        EXPECT_EQ(state["computerHand"].size(), static_cast<std::size_t>(handSize(type)));
        EXPECT_EQ(state["status"], "Your move!");
        EXPECT_TRUE(state["computerRow"].empty());
    } else {
        // The computer opened the deal with one card.
        EXPECT_EQ(state["humanHand"].size(), static_cast<std::size_t>(handSize(type)));
        EXPECT_EQ(state["computerHand"].size(), static_cast<std::size_t>(handSize(type) - 1));
        EXPECT_EQ(state["computerRow"].size(), 1u);
        EXPECT_EQ(state["computerAttacks"], 1);
    }
    const int stock = type == 2 || type == 3 ? 0 : type == 4 || type == 5 ? 24 : 23;
    EXPECT_EQ(state["deck"]["remaining"], stock);
}

} // namespace

TEST(VelmarGames, EveryGameTypeIsWonEitherWayAndTheTallyOutlivesTheRun)
{
    for (int type = 0; type < 6; ++type) {
        SCOPED_TRACE(typeNames[static_cast<std::size_t>(type)]);
        ScratchDir dir;
        const int dpi = 96;

        // The human opens with the last card while the stock is gone: won at once. A hand of
        // one card lies side by side (spread 2).
        const json oneCard = {{"humanHand", json::array({json::array({3, 14, 0})})},
                              {"humanHandSpread", 2},
                              {"humanHandPerRow", 7}};
        const e2e::ProgramRun won =
            headless(dir, chooseType(type) + "load " + endPosition(type, true).dump() + "\n" +
                              tapAt(handCardPoint(oneCard, 0, dpi)) + tapAt(playArea(dpi)) + "state\n");
        ASSERT_EQ(won.status, 0) << won.out << won.err;
        const auto boxes = won.ofKind("msgbox");
        ASSERT_EQ(boxes.size(), 1u) << won.out;
        EXPECT_EQ(boxes[0], (json{{"event", "msgbox"}, {"text", "You win!"}, {"caption", ""},
                                  {"buttons", "ok"}, {"icon", "information"}, {"answer", "ok"}}));
        const json afterWin = onlyState(won);
        expectFreshDeal(afterWin, type, true);
        EXPECT_EQ(afterWin["settings"]["statu"], 1);
        EXPECT_EQ(afterWin["settings"]["statc"], 0);
        EXPECT_EQ(afterWin["nextStarter"], 0);

        // The human takes; the computer gives its last card as an extra and has won.
        const e2e::ProgramRun lost =
            headless(dir, "load " + endPosition(type, false).dump() + "\n" + tapAt(actionButton(dpi)) + "state\n");
        ASSERT_EQ(lost.status, 0) << lost.out << lost.err;
        ASSERT_EQ(lost.ofKind("msgbox").size(), 1u) << lost.out;
        EXPECT_EQ(lost.ofKind("msgbox")[0]["text"], "I win!");
        const json afterLoss = onlyState(lost);
        expectFreshDeal(afterLoss, type, false);
        EXPECT_EQ(afterLoss["settings"]["statu"], 1);
        EXPECT_EQ(afterLoss["settings"]["statc"], 1);

        // A later run reads the tally and the type, and the Statistics dialog shows them.
        const e2e::ProgramRun later = headless(dir, "state\nmenu statistics\nstate\nok\n");
        ASSERT_EQ(later.status, 0) << later.out << later.err;
        const json state = onlyState(later);
        EXPECT_EQ(state["settings"]["statc"], 1);
        EXPECT_EQ(state["settings"]["statu"], 1);
        EXPECT_EQ(state["computerWins"], 1);
        EXPECT_EQ(state["humanWins"], 1);
        EXPECT_EQ(state["title"], typeNames[static_cast<std::size_t>(type)]);
        const auto dialogs = later.ofKind("dialog");
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0]["template"], 131);
        bool counted = false;
        for (const json& control : dialogs[0]["controls"])
            if (control["id"] == 1005) {
                EXPECT_EQ(control["text"], "1\n1");
                counted = true;
            }
        EXPECT_TRUE(counted);
    }
}

namespace {

// Plays games in a running program, choosing every move from the state the program reports
// and tapping only where a user would: cards of the hand, the table, the action button.
class Player {
public:
    Player(Session& session, int dpi, unsigned seed) : session_(session), dpi_(dpi), rng_(seed) { send(""); }

    // Plays until a game has been won; false if it did not end within `maxMoves` moves.
    bool playToTheEnd(int maxMoves)
    {
        result_ = json();
        for (moves_ = 0; moves_ < maxMoves && result_.is_null(); ++moves_) {
            move();
            if (::testing::Test::HasFailure())
                return false;
        }
        return !result_.is_null();
    }

    const json& result() const { return result_; }
    const json& state() const { return state_; }
    int moves() const { return moves_; }
    std::map<std::string, int> kinds;   // how often each kind of move was made

private:
    std::vector<CardValue> hand() const { return cardsOf(state_["humanHand"]); }
    int trumpSuit() const { return state_["trumpCard"]["suit"].get<int>(); }

    // The beating rule, as a player who knows the rules applies it.
    int beats(const CardValue& a, const CardValue& b) const
    {
        if ((state_["gameType"] == 4 || state_["gameType"] == 5) && b.suit == 4 && a.suit != 4)
            return -1;
        if (a.suit == trumpSuit() && b.suit != trumpSuit())
            return 1;
        if (a.suit != b.suit)
            return -1;
        return a.rank > b.rank ? 1 : 0;
    }

    bool onTable(const CardValue& card) const
    {
        for (const char* row : {"humanRow", "computerRow"})
            for (const CardValue& c : cardsOf(state_[row]))
                if (c.rank == card.rank)
                    return true;
        return false;
    }

    // Sends lines; every event is checked: no script errors, no boxes but the results and the
    // transfer question, no refusal of a legal answer.
    void send(const std::string& lines)
    {
        for (const json& e : session_.send(lines)) {
            const std::string kind = e.value("event", "");
            if (kind == "state")
                state_ = e;
            else if (isResultBox(e))
                result_ = e;
            else if (kind != "msgbox" || e["text"] != "Transfer?")
                ADD_FAILURE() << "unexpected event: " << e.dump();
        }
        const std::string status = state_.value("status", json()).is_string() ? state_["status"].get<std::string>() : "";
        EXPECT_TRUE(status != "Bad cards selected" && status.rfind("Select ", 0) != 0)
            << "a legal answer was refused: " << state_.dump();
    }

    // Selects exactly the cards at `indices` with taps on them, then taps the table; the cards
    // must have left the hand.
    void play(const std::vector<std::size_t>& indices, const char* kind)
    {
        ++kinds[kind];
        const std::vector<CardValue> before = hand();
        // While several cards are to be beaten at once, a tap toggles a card; otherwise it
        // selects that card alone (a second tap on it would put it back).
        const bool toggling = state_["computerAttacks"] == 1 && state_["computerRow"].size() > 1 &&
                              state_["humanRow"].empty();
        for (std::size_t i = 0; i < before.size(); ++i) {
            const bool wanted = std::find(indices.begin(), indices.end(), i) != indices.end();
            if (toggling ? before[i].selected != wanted : wanted && !before[i].selected)
                send(tapAt(handCardPoint(state_, i, dpi_)));
        }
        for (std::size_t i = 0; i < before.size(); ++i) {
            const bool wanted = std::find(indices.begin(), indices.end(), i) != indices.end();
            ASSERT_EQ(hand()[i].selected, wanted) << "card " << i << " after the taps: " << state_.dump();
        }
        send(tapAt(playArea(dpi_)));
        if (!result_.is_null())
            return;
        for (std::size_t i : indices)
            for (const CardValue& c : hand())
                EXPECT_FALSE(c.suit == before[i].suit && c.rank == before[i].rank)
                    << kind << ": the card stayed in the hand: " << state_.dump();
    }

    void pressAction(const char* kind)
    {
        ++kinds[kind];
        send(tapAt(actionButton(dpi_)));
    }

    // Index of the lowest card passing `ok`, non-trumps first; -1 when none.
    int lowest(const std::function<bool(const CardValue&)>& ok) const
    {
        const auto cards = hand();
        auto key = [&](const CardValue& c) { return (c.suit == trumpSuit() ? 100 : 0) + c.rank; };
        int best = -1;
        for (std::size_t i = 0; i < cards.size(); ++i)
            if (ok(cards[i]) && (best < 0 || key(cards[i]) < key(cards[static_cast<std::size_t>(best)])))
                best = static_cast<int>(i);
        return best;
    }

    bool chance(int percent) { return std::uniform_int_distribution<int>(1, 100)(rng_) <= percent; }

    void playOr(int index, const char* kind, const char* otherwise, int percent = 100)
    {
        if (index >= 0 && chance(percent))
            play({static_cast<std::size_t>(index)}, kind);
        else
            pressAction(otherwise);
    }

    void move()
    {
        const auto cards = hand();
        const auto humanRow = cardsOf(state_["humanRow"]);
        const auto computerRow = cardsOf(state_["computerRow"]);
        ASSERT_FALSE(cards.empty()) << "the human has no cards but the game goes on: " << state_.dump();
        auto rankOnTable = [this](const CardValue& c) { return onTable(c); };

        if (state_["extraCardsLeft"].get<int>() > 0)
            return playOr(lowest(rankOnTable), "extra card", "let the computer take", 60);
        if (state_["computerAttacks"] == 0) {
            if (humanRow.empty() && computerRow.empty()) {
                const int any = std::uniform_int_distribution<int>(0, static_cast<int>(cards.size()) - 1)(rng_);
                return play({static_cast<std::size_t>(chance(75) ? lowest([](const CardValue&) { return true; }) : any)},
                            "open");
            }
            const bool mayAdd = humanRow.size() < 6 && !state_["computerHand"].empty();
            return playOr(mayAdd ? lowest(rankOnTable) : -1, "add", "end the bout", 50);
        }

        ASSERT_FALSE(computerRow.empty()) << "the human defends against nothing: " << state_.dump();
        const CardValue attack = computerRow.back();
        if (state_["transferVariant"] == 1 && state_["transferOpen"] == 1 &&
            state_["computerHand"].size() >= computerRow.size() + 1 && chance(50)) {
            const int same = lowest([&](const CardValue& c) { return c.rank == attack.rank; });
            if (same >= 0) {
                if (cards[static_cast<std::size_t>(same)].suit == trumpSuit())
                    send("answer yes\n");   // "Transfer?"
                return play({static_cast<std::size_t>(same)}, "transfer");
            }
        }
        if (computerRow.size() > 1 && humanRow.empty())
            return beatSeveral(computerRow);
        playOr(lowest([&](const CardValue& c) { return beats(c, attack) > 0; }), "beat", "take", 85);
    }

    // Several attack cards at once (after a transfer): each attack card in suit order (trumps
    // last) takes the first free card of the hand in that order that beats it; the human
    // takes when that does not cover them all.
    void beatSeveral(std::vector<CardValue> attack)
    {
        auto suitOrder = [this](const CardValue& a, const CardValue& b) {
            const int sa = a.suit == trumpSuit() ? 5 : a.suit;
            const int sb = b.suit == trumpSuit() ? 5 : b.suit;
            return sa != sb ? sa < sb : a.rank < b.rank;
        };
        const auto cards = hand();
        std::vector<std::size_t> order(cards.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return suitOrder(cards[a], cards[b]); });
        std::stable_sort(attack.begin(), attack.end(), suitOrder);
        std::vector<std::size_t> chosen;
        for (const CardValue& a : attack)
            for (std::size_t i : order)
                if (std::find(chosen.begin(), chosen.end(), i) == chosen.end() && beats(cards[i], a) > 0) {
                    chosen.push_back(i);
                    break;
                }
        if (chosen.size() == attack.size() && chance(85))
            play(chosen, "beat several");
        else
            pressAction("take");
    }

    Session& session_;
    int dpi_;
    std::mt19937 rng_;
    json state_;
    json result_;
    int moves_ = 0;
};

} // namespace

TEST(VelmarGames, EveryGameTypeIsPlayedToTheEndWithTapsOnly)
{
    std::map<std::string, int> kinds;
    for (int type = 0; type < 6; ++type) {
        SCOPED_TRACE(typeNames[static_cast<std::size_t>(type)]);
        ScratchDir dir;
        // The 192-dpi table once, to show that taps land on the drawn cards at any density.
        const int dpi = type == 1 ? 192 : 96;
        Session session(dir, 20 + type, {}, dpi);
        ASSERT_TRUE(session.running());
        session.send(chooseType(type));
        Player player(session, dpi, 1000u + static_cast<unsigned>(type));
        ASSERT_EQ(player.state()["gameType"], type);
        // Three games in a row: each win deals the next one at once.
        int humanWins = 0;
        for (int game = 1; game <= 3; ++game) {
            SCOPED_TRACE("game " + std::to_string(game));
            ASSERT_TRUE(player.playToTheEnd(1500)) << "no winner after " << player.moves() << " moves";
            const bool humanWon = player.result()["text"] == "You win!";
            humanWins += humanWon ? 1 : 0;
            // The result was tallied and stored, and a new deal is on the table.
            const json& after = player.state();
            EXPECT_EQ(after["settings"]["statu"], humanWins);
            EXPECT_EQ(after["settings"]["statc"], game - humanWins);
            expectFreshDeal(after, type, humanWon);
        }
        for (const auto& [kind, count] : player.kinds)
            kinds[kind] += count;
        EXPECT_EQ(session.finish(), 0);
    }
    // Every kind of move was made somewhere, so the taps reached every part of the turn flow.
    for (const char* kind : {"open", "add", "end the bout", "beat", "take", "transfer", "extra card",
                             "let the computer take", "beat several"})
        EXPECT_GT(kinds[kind], 0) << kind;
}
