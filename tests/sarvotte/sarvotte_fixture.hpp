// Shared set-up for the Sarvotte tests: the program on the headless window, with its pauses and
// message boxes recorded, and positions given as row and stock.
#pragma once

#include "sarvotte/sarvotte_game.hpp"

#include "platform/headless_window.hpp"
#include "shell/program_shell.hpp"
#include "shell/settings_store.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace sarvotte_test {

using Cards = std::vector<std::pair<int, int>>;   // (suit, rank)

inline constexpr int D = ct::diamonds, H = ct::hearts, C = ct::clubs, S = ct::spades;
inline constexpr int J = 11, Q = 12, K = 13;

// Installs the small-card style, a fixed random stream and the status line.
void prepareFramework();

// A row in this order (card 0 first), nothing selected.
void setRow(ct::CardSet& row, const Cards& cards);

// The headless window at 96 dpi, keeping every event it reports (message boxes, pauses).
class TestWindow : public ct::HeadlessWindow {
public:
    TestWindow();
    std::vector<nlohmann::json> events;
    std::vector<std::string> eventNames() const;
    int count(const std::string& name) const;
};

struct TempDir {
    TempDir();
    ~TempDir();
    std::filesystem::path path;
};

// The program as the shell starts it, its store in `dir`; the first game is the human's.
struct Program {
    explicit Program(const std::filesystem::path& dir, int computerToMove = 0);
    ct::SettingsStore store;
    TestWindow window;
    sarvotte::SarvotteGame game;
    ct::ProgramShell shell;
};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    // A position: the row, the stock (its last card on top), every other card out of play.
    void position(const Cards& row, const Cards& stock, nlohmann::json more = nlohmann::json::object());
    // Taps the middle of row card `index` (from 0), of a design rectangle, or a device point.
    void tapCard(int index);
    void tapDesign(const ct::Rect& design);
    void tapPoint(int x, int y);
    std::string status() const;
    Cards row() const;
    int selectedIndex() const;   // -1 when none

    sarvotte::SarvotteGame& game() { return program->game; }
    const sarvotte::SarvotteGame& game() const { return program->game; }
    sarvotte::SarvotteState& s() { return program->game.gameState(); }
    TestWindow& window() { return program->window; }
    std::uint32_t stored(const std::string& name) { return program->store.read(sarvotteKey, name); }

    static constexpr const char* sarvotteKey = "Software\\qv\\ruvane";
    TempDir dir;
    std::unique_ptr<Program> program;
};

} // namespace sarvotte_test
