// The Velmar program as the shell sees it: its description, settings, hooks and headless state.
#pragma once

#include "velmar/game_state.hpp"
#include "velmar/turn_flow.hpp"

#include "cards/clpa.hpp"
#include "shell/game.hpp"

#include <memory>

namespace velmar {

// Everything fixed about the program: strings, keys, accelerators, buttons, status region.
ct::ProgramInfo velmarProgramInfo();

class VelmarGame : public ct::Game {
public:
    VelmarGame();

    const ct::ProgramInfo& info() const override { return info_; }
    void attach(ct::Shell& shell) override;
    // Stored settings: the game type, "hidev", "cidc", "wc" with their Options rows (colours in
    // 1006), and the tally: computer wins, then the human's, in static 1005, "Clear" button 1012.
    ct::SettingsList settingsList() override;
    void startValues(bool showComputerHand) override;
    void windowSetUp() override;
    void windowCreated() override;
    void gameMessage(int code) override;
    void newGame() override;
    void stylusDown(int x, int y) override;
    void stylusUp(int x, int y) override;
    void doubleTap(int x, int y) override;
    void drawTable(ct::Canvas& canvas) override;
    void tearDown() override;
    nlohmann::json state() const override;
    void load(const nlohmann::json& fields) override;
    std::vector<std::string> consistencyViolations() const override;
    std::vector<ct::FocusStop> focusStops() const override;
    std::vector<ct::Rect> monkeyTargets() const override;

    // The Options dialog chose a game type: a new deal at once if it changed; always stored.
    void changeGameType(int type);
    // After gameType has been given a new value: transfer rule, new deal, title.
    void gameTypeChanged();
    // A new card back for the hands and the stock card.
    void applyCardBack(int back);
    // The six game-type names in type order (the title and the Options dialog's list).
    const ct::CLPA& gameTypeNames() const { return gameTypeNames_; }
    // The same names as the Options dialog's "Game type" items.
    std::vector<std::string> gameTypeItems() const;
    // The name of the current game type: the window's title.
    std::string gameTypeTitle() const;

    VelmarState& gameState() { return state_; }
    const VelmarState& gameState() const { return state_; }

private:
    ct::ProgramInfo info_;
    VelmarState state_;
    ct::Shell* shell_ = nullptr;
    std::unique_ptr<TurnFlow> flow_;
    ct::CLPA gameTypeNames_;
    std::vector<std::string> starterViolations_;   // of the current deal's opening move
};

} // namespace velmar
