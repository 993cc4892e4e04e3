// Shared set-up for the Velmar tests: the program on the headless window, bare states for the
// rules and the computer player, and helpers for positions.
#pragma once

#include "velmar/game_state.hpp"
#include "velmar/velmar_game.hpp"

#include "platform/headless_window.hpp"
#include "shell/program_shell.hpp"
#include "shell/settings_store.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velmar_test {

using Cards = std::vector<std::pair<int, int>>;   // (suit, rank)

inline constexpr int D = ct::diamonds, H = ct::hearts, C = ct::clubs, S = ct::spades;
inline constexpr int J = 11, Q = 12, K = 13, A = 14;

inline ct::Card card(int suit, int rank)
{
    ct::Card c;
    c.suit = suit;
    c.rank = rank;
    return c;
}

// The headless window at 96 dpi. It keeps the message boxes it showed (answered from its queue:
// OK, or Yes for a question, when the queue is empty) and runs `onBox` as each one is shown.
class TestWindow : public ct::HeadlessWindow {
public:
    TestWindow();
    std::vector<nlohmann::json> boxes;
    std::function<void()> onBox;
};

// A fresh directory, removed with everything in it when the owner goes.
struct TempDir {
    TempDir();
    ~TempDir();
    std::filesystem::path path;
};

// The Velmar program as the shell starts it, its settings in a fresh directory; its first deal
// is one the human opens.
struct Program {
    Program();

    TempDir dir;
    ct::SettingsStore store;
    TestWindow window;
    velmar::VelmarGame game;
    ct::ProgramShell shell;
};

// Installs the card style and a fixed random stream; resets the status line.
void prepareFramework();

// A bare state for rules and computer-player tests: trump suit set on every set.
class StateTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Turned-up card (hidden or not) and the trump suit of every set.
    void setTrump(int suit, int rank = 6, int hidden = 0);
    // Replaces the set's cards, in this order (sortMode -1 keeps it; others re-sort).
    static void setCards(ct::CardSet& set, const Cards& cards);
    // Exactly n cards left in the pack (its first n slots that no set holds).
    void setStock(int n);

    std::unique_ptr<velmar::VelmarState> state;
    velmar::VelmarState& s() { return *state; }
};

// A whole program: the game's own message runs synchronously inside each tap.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Loads a position (every field not given keeps its current value).
    void load(const nlohmann::json& fields) { game->load(fields); }
    // Taps the centre of a design rectangle, stylus down then up.
    void tap(const ct::Rect& design);
    // Taps the card of the human's hand with this suit and rank.
    void tapCard(int suit, int rank);
    std::string status() const;
    void expectConsistent() { EXPECT_EQ(game->consistencyViolations(), std::vector<std::string>{}); }
    TestWindow& window() { return program->window; }
    velmar::VelmarState& s() { return game->gameState(); }

    std::unique_ptr<Program> program;
    velmar::VelmarGame* game = nullptr;
    ct::ProgramShell* shell = nullptr;
};

// The cards of a set in set order.
Cards cardsOf(const ct::CardSet& set);

// JSON of a card list: [[suit, rank], ...].
nlohmann::json cardsJson(const Cards& cards);

// JSON of the turned-up card.
inline nlohmann::json trumpJson(int suit, int rank, int hidden = 0)
{
    return {{"suit", suit}, {"rank", rank}, {"hidden", hidden}};
}

} // namespace velmar_test
