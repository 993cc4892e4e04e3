// The Zembrola program as the shell sees it: its description, settings, hooks and headless state.
#pragma once

#include "zembrola/game_state.hpp"
#include "zembrola/invariants.hpp"
#include "zembrola/turn_flow.hpp"

#include "shell/game.hpp"

#include <memory>

namespace zembrola {

// Everything fixed about the program: strings, key, accelerators, buttons, status region.
ct::ProgramInfo zembrolaProgramInfo();

class ZembrolaGame : public ct::Game {
public:
    ZembrolaGame();

    const ct::ProgramInfo& info() const override { return info_; }
    void attach(ct::Shell& shell) override;
    // Stored settings: "cidc" with its check box 1009, "wc" written as 0, and the tally
    // (computer wins, then the human's, in static 1004; "Clear" is button 1010).
    ct::SettingsList settingsList() override;
    void startValues(bool showComputerHand) override;
    void windowCreated() override;
    void gameMessage(int code) override;
    void newGame() override;
    void stylusDown(int x, int y) override;
    void stylusUp(int x, int y) override;
    void drawTable(ct::Canvas& canvas) override;
    void tearDown() override;
    nlohmann::json state() const override;
    void load(const nlohmann::json& fields) override;
    std::vector<std::string> consistencyViolations() const override;
    std::vector<ct::FocusStop> focusStops() const override;
    std::vector<ct::Rect> monkeyTargets() const override;

    // A new card back for both hands and the stock card.
    void applyCardBack(int back);

    ZembrolaState& gameState() { return state_; }
    TurnFlow& turnFlow() { return *flow_; }

private:
    ct::ProgramInfo info_;
    ZembrolaState state_;
    ct::Shell* shell_ = nullptr;
    std::unique_ptr<TurnFlow> flow_;
    mutable PenaltyWatch penalties_;
};

} // namespace zembrola
