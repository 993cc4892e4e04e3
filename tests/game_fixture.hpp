// Set-up every game's tests share: cards as (suit, rank) lists, a bare rules state, and the whole
// program on the headless window with its settings in a fresh directory.
#pragma once

#include "cards/card_set.hpp"
#include "cards/status_line.hpp"
#include "platform/headless_window.hpp"
#include "shell/game.hpp"
#include "shell/program_shell.hpp"
#include "shell/settings_store.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace game_test {

using Cards = std::vector<std::pair<int, int>>;   // (suit, rank)

inline constexpr int D = ct::diamonds, H = ct::hearts, C = ct::clubs, S = ct::spades;
inline constexpr int J = 11, Q = 12, K = 13;

ct::Card card(int suit, int rank);

// Installs the program's card style and status line (cleared), a fixed random stream from
// `seed`, and no main window. Before any state or program is made: a pack takes the style's.
void prepareFramework(const ct::ProgramInfo& info, std::int32_t seed);

// Replaces the set's cards, appended in this order; the set's own sort mode then orders them
// (-1 keeps this order).
void setCards(ct::CardSet& set, const Cards& cards);
// The cards of a set in set order.
Cards cardsOf(const ct::CardSet& set);
// [[suit, rank], ...], as `load` takes a card list.
nlohmann::json cardsJson(const Cards& cards);
// Every card of the four suits from rank `low` to `high` that none of `held` holds, suit by suit.
Cards restOfPack(int low, int high, const std::vector<Cards>& held);

// A fresh directory, removed with everything in it when the owner goes.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path path;
};

// The headless window at 96 dpi. It keeps every event it reports (message boxes, answered from
// its queue or with OK / Yes; pauses; titles) and runs `onEvent` as each one comes.
class TestWindow : public ct::HeadlessWindow {
public:
    TestWindow();
    std::vector<nlohmann::json> events;
    std::function<void(const nlohmann::json&)> onEvent;
    std::vector<nlohmann::json> boxes() const;
};

// Taps, as stylus down then up through the window procedure: the centre of a rectangle in design
// units; the middle of the card's left strip, which later cards of its set never cover.
void tapDesign(ct::Window& window, const ct::Rect& design);
void tapCard(ct::Window& window, const ct::Card& card);

// A bare rules state of the game, for rules and computer-player tests without a window.
template <class StateT>
class BareStateTest : public ::testing::Test {
protected:
    void start(const ct::ProgramInfo& info, std::int32_t seed)
    {
        prepareFramework(info, seed);
        state = std::make_unique<StateT>();
    }
    StateT& s() { return *state; }

    std::unique_ptr<StateT> state;
};

// The whole program as the shell starts it, its store in a fresh directory: each tap runs the
// game's own messages synchronously before it returns. `beforeWindow` runs after the settings are
// read and before the window and its first deal (e.g. to say who opens).
template <class GameT>
class ProgramTest : public ::testing::Test {
protected:
    void start(const ct::ProgramInfo& info, std::int32_t seed,
               const std::function<void(GameT&)>& beforeWindow = nullptr)
    {
        prepareFramework(info, seed);
        store = std::make_unique<ct::SettingsStore>(dir.path / "registry.sqlite3");
        window_ = std::make_unique<TestWindow>();
        game_ = std::make_unique<GameT>();
        shell = std::make_unique<ct::ProgramShell>(*game_, *window_, *store, true);
        shell->startUp(false);
        if (beforeWindow)
            beforeWindow(*game_);
        shell->createWindow();
    }
    GameT& game() { return *game_; }
    auto& s() { return game_->gameState(); }
    TestWindow& window() { return *window_; }
    // Every field not given keeps its value.
    void load(const nlohmann::json& fields) { game().load(fields); }
    void tapDesign(const ct::Rect& design) { game_test::tapDesign(window(), design); }
    // Taps this card of the set; a card the set does not hold fails the test.
    void tapCard(const ct::CardSet& set, int suit, int rank)
    {
        for (const ct::Card& c : set.cards)
            if (c.suit == suit && c.rank == rank)
                return game_test::tapCard(window(), c);
        ADD_FAILURE() << "no card [" << suit << ", " << rank << "] in the set";
    }
    // The status line's text, "" while none is shown.
    std::string status() const { return ct::statusLine().text() != nullptr ? ct::statusLine().text() : ""; }
    // A value in the program's own key of the store.
    std::uint32_t stored(const std::string& name) { return store->read(game().info().registryKey, name); }

    // Torn down in reverse: the shell before the game, the store before its directory.
    TempDir dir;
    std::unique_ptr<ct::SettingsStore> store;
    std::unique_ptr<TestWindow> window_;
    std::unique_ptr<GameT> game_;
    std::unique_ptr<ct::ProgramShell> shell;
};

} // namespace game_test
