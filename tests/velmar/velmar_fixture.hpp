// Shared set-up for the Velmar tests: a recording window and shell, and helpers for positions.
#pragma once

#include "velmar/game_state.hpp"
#include "velmar/velmar_game.hpp"

#include "platform/window.hpp"
#include "shell/shell.hpp"

#include <gtest/gtest.h>

#include <deque>
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

// A window that records what the game asks of it. Message boxes are answered from `answers`
// (OK or Yes when empty); sendMessage hands the game's own message to `onGameMessage`.
class RecordingWindow : public ct::Window {
public:
    struct Box {
        std::string text;
        std::string caption;
        ct::MsgBoxButtons buttons;
        ct::MsgBoxIcon icon;
    };

    void invalidate(const ct::Rect& area) override;
    void invalidateAll() override {}
    void updateNow() override {}
    std::intptr_t sendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    ct::MsgBoxAnswer messageBox(std::string_view text, std::string_view caption, ct::MsgBoxButtons buttons,
                                ct::MsgBoxIcon icon) override;
    void setTitle(std::string_view title) override { title_ = title; }
    std::string title() const override { return title_; }
    ct::Size clientSize() const override { return {240, 294}; }
    void pause(int) override {}
    void openHelp(std::string_view) override {}
    void destroy() override {}

    std::function<void(int code)> onGameMessage;
    std::function<void(const Box&)> onBox;
    std::deque<ct::MsgBoxAnswer> answers;
    std::vector<Box> boxes;
    std::vector<ct::Rect> invalidated;
    int sendDepth = 0;
    int deepestSend = 0;

private:
    std::string title_;
};

// A shell over the recording window and a settings store in a fresh temporary directory.
class RecordingShell : public ct::Shell {
public:
    RecordingShell();
    ~RecordingShell() override;
    ct::Window& window() override { return window_; }
    ct::ProgramSettings& settings() override { return *settings_; }
    const std::string& string(int id) const override;
    const ct::Icon& buttonIcon(int) const override { return noIcon_; }
    int tableColorIndex() const override { return 0; }
    int cardBackIndex() const override { return 0; }
    void setTableColorIndex(int) override {}
    void setCardBackIndex(int) override {}
    bool headless() const override { return true; }

    RecordingWindow& recorder() { return window_; }

private:
    std::filesystem::path dir_;
    RecordingWindow window_;
    std::unique_ptr<ct::SettingsStore> store_;
    std::unique_ptr<ct::ProgramSettings> settings_;
    ct::Icon noIcon_;
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

// Attaches the game to the shell, routes its own message back to it and starts it as window
// creation does (a deal that the human opens).
void startGame(velmar::VelmarGame& game, RecordingShell& shell);

// A whole game wired to the recording shell: the game's own message runs synchronously.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Loads a position (every field not given keeps the value of a fresh "Thrown up" deal).
    void load(const nlohmann::json& fields);
    // Taps the centre of a design rectangle, stylus down then up.
    void tap(const ct::Rect& design);
    // Taps the card of the human's hand with this suit and rank.
    void tapCard(int suit, int rank);
    std::string status() const;
    RecordingWindow& window() { return shell->recorder(); }

    std::unique_ptr<RecordingShell> shell;
    std::unique_ptr<velmar::VelmarGame> game;
    velmar::VelmarState& s() { return game->gameState(); }
};

// The cards of a set in set order.
Cards cardsOf(const ct::CardSet& set);

// JSON of a card list: [[suit, rank], ...].
nlohmann::json cardsJson(const Cards& cards);

} // namespace velmar_test
