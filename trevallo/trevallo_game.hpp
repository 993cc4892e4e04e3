// The Trevallo program as the shell sees it: its description, settings, hooks and headless state.
#pragma once

#include "trevallo/game_state.hpp"
#include "trevallo/invariants.hpp"
#include "trevallo/turn_flow.hpp"

#include "shell/game.hpp"

#include <memory>

namespace trevallo {

ct::ProgramInfo trevalloProgramInfo();

class TrevalloGame : public ct::Game {
public:
    TrevalloGame();
    ~TrevalloGame() override;

    const ct::ProgramInfo& info() const override { return info_; }
    void attach(ct::Shell& shell) override;
    // Stored settings: "hidev", the three rule switches with their Options rows (colours in
    // 1005), and the tally.
    ct::SettingsList settingsList() override;
    // A changed rule switch: the running game's scores go, the leader by points.
    void resetRunningState() override;
    void startValues(bool showComputerHand) override;
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

    TrevalloState& gameState() { return state_; }
    const TrevalloState& gameState() const { return state_; }

    // A new card back for the computer's hand, the talon and the pile.
    void applyCardBack(int back);

private:
    ct::ProgramInfo info_;
    TrevalloState state_;
    ct::Shell* shell_ = nullptr;
    std::unique_ptr<TurnFlow> flow_;
    mutable ScoreWatch watch_;
};

} // namespace trevallo
