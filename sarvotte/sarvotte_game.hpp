// The Sarvotte program as the shell sees it: its description, settings, hooks and headless state.
#pragma once

#include "sarvotte/game_state.hpp"
#include "sarvotte/invariants.hpp"
#include "sarvotte/turn_flow.hpp"

#include "shell/game.hpp"

#include <memory>

namespace sarvotte {

// Everything fixed about the program: strings, key, accelerators, small cards, status region.
ct::ProgramInfo sarvotteProgramInfo();
// Small one-corner cards of the 52-card pack that repaint only when marked.
ct::CardStyle sarvotteCardStyle();

class SarvotteGame : public ct::Game {
public:
    SarvotteGame();

    const ct::ProgramInfo& info() const override { return info_; }
    void attach(ct::Shell& shell) override;
    // Stored settings: "Patience mode" (1017, "sol") and "All cards" (1018, "all") in Options;
    // "Computer", "Human", "Patience" (the record "cc") in Statistics, where Clear empties all three.
    ct::SettingsList settingsList() override;
    void startValues(bool showComputerHand) override;
    void windowCreated() override;
    void gameMessage(int code) override;
    void newGame() override;
    void stylusDown(int x, int y) override;
    void drawTable(ct::Canvas& canvas) override;
    void tearDown() override;
    nlohmann::json state() const override;
    void load(const nlohmann::json& fields) override;
    std::vector<std::string> consistencyViolations() const override;
    std::vector<ct::FocusStop> focusStops() const override;
    std::vector<ct::Rect> monkeyTargets() const override;

    void applyCardBack(int back);

    SarvotteState& gameState() { return state_; }
    const SarvotteState& gameState() const { return state_; }
    TurnFlow& flow() { return *flow_; }

private:
    ct::ProgramInfo info_;
    SarvotteState state_;
    ct::Shell* shell_ = nullptr;
    std::unique_ptr<TurnFlow> flow_;
    mutable InvariantMemory memory_;
};

} // namespace sarvotte
