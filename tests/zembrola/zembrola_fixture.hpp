// Shared set-up for the Zembrola tests: bare states for the rules and the computer player, and
// the whole program on the headless window.
#pragma once

#include "zembrola/game_state.hpp"
#include "zembrola/zembrola_game.hpp"

#include "cards/card_style.hpp"
#include "platform/density.hpp"
#include "platform/window_base.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"
#include "platform/headless_window.hpp"
#include "shell/program_shell.hpp"
#include "shell/settings_store.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zembrola_test {

using Cards = std::vector<std::pair<int, int>>;   // (suit, rank)

inline constexpr int D = ct::diamonds, H = ct::hearts, C = ct::clubs, S = ct::spades;
inline constexpr int J = 11, Q = 12, K = 13, T = 14, A = 15;

inline void prepareFramework()
{
    ct::useCardStyle(zembrola::zembrolaProgramInfo().cardStyle);
    ct::randomState() = {};
    ct::setFixedSeed(918273);
    ct::setMainWindow(nullptr);
    ct::statusLine().configure(zembrola::zembrolaProgramInfo().statusRegion, nullptr);
    ct::statusLine().clear();
}

// Replaces a desk's cards in this order, keeping its sort mode for later sorts.
inline void setCards(ct::CardSet& set, const Cards& cards)
{
    set.clear();
    const int mode = set.sortMode;
    set.sortMode = -1;
    for (const auto& [suit, rank] : cards)
        set.append(suit, rank);
    set.sortMode = mode;
}

inline Cards cardsOf(const ct::CardSet& set)
{
    Cards out;
    for (const ct::Card& card : set.cards)
        out.emplace_back(card.suit, card.rank);
    return out;
}

// A bare state: trump suit on every desk, a pack of `stock` cards no desk holds.
class StateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prepareFramework();
        state = std::make_unique<zembrola::ZembrolaState>();
        setTrump(H);
        setStock(20);
    }
    void setTrump(int suit, int rank = 6, int hidden = 0)
    {
        s().trumpCard.suit = suit;
        s().trumpCard.rank = rank;
        s().trumpCard.hidden = hidden;
        s().stockCard.hidden = hidden;
        for (ct::CardSet* set : {&s().humanHand, &s().computerHand, &s().humanRow, &s().computerRow})
            set->setTrump(suit);
    }
    void setStock(int n)
    {
        for (int i = 0; i < s().deck.total(); ++i) {
            const auto& slot = s().deck.slots()[static_cast<std::size_t>(i)];
            s().deck.setPresent(slot.rank, slot.suit, i < n);
        }
    }
    std::unique_ptr<zembrola::ZembrolaState> state;
    zembrola::ZembrolaState& s() { return *state; }
};

// The program as the shell starts it, its settings in a fresh directory; message boxes are
// answered with OK and their texts kept.
struct Program {
    explicit Program(const std::filesystem::path& dir)
        : store(dir / "registry.sqlite3"), window(ct::pocketGeometry(96), {}), shell(game, window, store, true)
    {
        window.setSink([this](const nlohmann::json& event) {
            if (event.value("event", "") == "msgbox")
                boxes.push_back(event.value("text", ""));
        });
        shell.startUp(false);
        shell.createWindow();
    }
    ct::SettingsStore store;
    ct::HeadlessWindow window;
    zembrola::ZembrolaGame game;
    ct::ProgramShell shell;
    std::vector<std::string> boxes;
};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prepareFramework();
        dir = std::filesystem::path(::testing::TempDir()) /
              ("zembrola-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        program = std::make_unique<Program>(dir);
    }
    void TearDown() override
    {
        program.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    zembrola::ZembrolaGame& game() { return program->game; }
    zembrola::ZembrolaState& s() { return program->game.gameState(); }
    // Taps the centre of a design rectangle, stylus down then up.
    void tap(const ct::Rect& design);
    // Taps the card of the human's hand with this suit and rank.
    void tapCard(int suit, int rank);
    std::string status() const
    {
        const char* text = ct::statusLine().text();
        return text != nullptr ? text : "";
    }
    std::filesystem::path dir;
    std::unique_ptr<Program> program;
};

inline void GameTest::tap(const ct::Rect& design)
{
    const ct::Rect r = ct::scaleRect(design);
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    game().stylusDown(x, y);
    game().stylusUp(x, y);
}

inline void GameTest::tapCard(int suit, int rank)
{
    for (const ct::Card& card : s().humanHand.cards) {
        if (card.suit == suit && card.rank == rank) {
            const int x = card.bounds.left + card.width / 2;
            const int y = card.bounds.top + card.height / 2;
            game().stylusDown(x, y);
            game().stylusUp(x, y);
            return;
        }
    }
    ADD_FAILURE() << "no card " << suit << "/" << rank << " in the human's hand";
}

} // namespace zembrola_test
