// The framework's test table: a dealt row of ten cards to tap, a face-down pack and a deal
// button. It exercises every hook of the shell before a real game exists.
#pragma once

#include "cards/card.hpp"
#include "cards/card_set.hpp"
#include "cards/deck.hpp"
#include "shell/game.hpp"
#include "shell/shell.hpp"

namespace tabletest {

// Its game message codes.
inline constexpr int dealStep = 0;

// Design-unit places on the table.
inline constexpr ct::Rect dealButtonDesign{200, 150, 236, 172};
inline constexpr int rowOriginX = 10;
inline constexpr int rowOriginY = 60;
inline constexpr int packX = 205;
inline constexpr int packY = 2;
inline constexpr int rowSize = 10;

// The program's one table: everything the state, load and consistency checks look at.
struct Table {
    ct::CardSet row;
    ct::Deck deck;
    ct::Card packCard;
    int deals = 0;              // deals since the program started
    int starts = 0;             // stored as "starts": the program's starts, across runs
    int showFaceUp = 0;         // "k5W": the pack card is shown face up
};

class TableTestGame : public ct::Game {
public:
    TableTestGame();

    const ct::ProgramInfo& info() const override { return info_; }
    void attach(ct::Shell& shell) override { shell_ = &shell; }
    void startValues(bool showComputerHand) override;
    void windowCreated() override;
    void gameMessage(int code) override;
    void newGame() override;
    void stylusDown(int x, int y) override;
    void doubleTap(int x, int y) override;
    void drawTable(ct::Canvas& canvas) override;
    void tearDown() override;
    nlohmann::json state() const override;
    void load(const nlohmann::json& fields) override;
    std::vector<std::string> consistencyViolations() const override;
    std::vector<ct::Rect> monkeyTargets() const override;
    // "starts", and the Options switch "Show the pack face up" (tabletest/options.cpp).
    ct::SettingsList settingsList() override;

    const Table& table() const { return table_; }

private:
    void deal();
    void placePackCard();
    ct::Rect dealButton() const;

    ct::ProgramInfo info_;
    ct::Shell* shell_ = nullptr;
    Table table_;
};

} // namespace tabletest
