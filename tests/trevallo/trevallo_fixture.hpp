// Shared set-up for the Trevallo tests: bare states for the rules and the computer player, and
// the whole program on the headless window.
#pragma once

#include "trevallo/game_state.hpp"
#include "trevallo/trevallo_game.hpp"

#include "platform/density.hpp"
#include "platform/headless_window.hpp"
#include "shell/program_shell.hpp"
#include "shell/settings_store.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

namespace trevallo_test {

using Cards = std::vector<std::pair<int, int>>;   // (suit, rank)

inline constexpr int D = ct::diamonds, H = ct::hearts, C = ct::clubs, S = ct::spades;
inline constexpr int J = 11, Q = 12, K = 13, A = 14;

// Installs the program's card style and a fixed random stream; clears the status line.
void prepareFramework();
// Replaces the set's cards in this order (the set's sort mode then applies).
void setCards(ct::CardSet& set, const Cards& cards);
Cards cardsOf(const ct::CardSet& set);
nlohmann::json cardsJson(const Cards& cards);

class StateTest : public ::testing::Test {
protected:
    void SetUp() override;
    std::unique_ptr<trevallo::TrevalloState> state;
    trevallo::TrevalloState& s() { return *state; }
};

struct Program {
    Program();
    std::filesystem::path dir;
    std::unique_ptr<ct::SettingsStore> store;
    ct::HeadlessWindow window{ct::pocketGeometry(96), {}};
    trevallo::TrevalloGame game;
    std::unique_ptr<ct::ProgramShell> shell;
    ~Program();
};

} // namespace trevallo_test
