// A game that records every hook the shell calls, and that game running headless on a store,
// for the shell's own tests.
#pragma once

#include "cards/card_style.hpp"
#include "platform/headless_window.hpp"
#include "shell/game.hpp"
#include "shell/program_shell.hpp"
#include "shell/shell.hpp"

#include <algorithm>
#include <filesystem>

#include <stdexcept>
#include <string>
#include <vector>

namespace shell_test {

class FakeGame : public ct::Game {
public:
    FakeGame()
    {
        info_.id = "fake";
        info_.registryKey = "Software\\qv\\fake";
        info_.strings = {{1, "Fake Game"}};
        info_.aboutTemplate = "%s %d.%d";
        info_.accelerators = {{ct::Accelerator::Kind::altKey, 'N', ct::command::newGame}};
        info_.cardStyle = ct::defaultCardStyle();
    }

    const ct::ProgramInfo& info() const override { return info_; }
    void attach(ct::Shell& shell) override
    {
        shell_ = &shell;
        log.push_back("attach");
    }
    ct::SettingsList settingsList() override
    {
        ct::SettingsList list;
        if (!rows.empty()) {
            list.rows = rows;
            return list;
        }
        ct::Setting hidevRow = ct::stored("hidev", &hidev);
        hidevRow.readAtStartUp = false;
        list.rows = {ct::stored("cidc", &cidc), ct::tally("cc", &cc, "Patience"), hidevRow};
        list.rows[1].fromStored = [](int v) { return v == 0 ? 100 : v; };
        return list;
    }
    void startValues(bool showHand) override
    {
        log.push_back(std::string("startValues ") + (showHand ? "1" : "0") + " cidc=" + std::to_string(cidc));
    }
    void windowSetUp() override { log.push_back("windowSetUp"); }
    void windowCreated() override
    {
        log.push_back("windowCreated");
        shell_->window().setTitle("Fake Game");
        shell_->sendGameMessage(0);
    }
    void gameMessage(int code) override { log.push_back("gameMessage " + std::to_string(code)); }
    void newGame() override {}
    void stylusDown(int x, int y) override
    {
        log.push_back("down " + std::to_string(x) + " " + std::to_string(y));
        if (throwOnTap)
            throw std::logic_error("tap went wrong");
    }
    void stylusUp(int x, int y) override { log.push_back("up " + std::to_string(x) + " " + std::to_string(y)); }
    void doubleTap(int x, int y) override { log.push_back("dbl " + std::to_string(x) + " " + std::to_string(y)); }
    void drawTable(ct::Canvas&) override
    {
        if (throwOnPaint)
            throw std::logic_error("paint went wrong");
    }
    void tearDown() override { log.push_back("tearDown"); }
    nlohmann::json state() const override { return {{"cards", 3}, {"event", "overridden?"}, {"title", "no"}}; }
    void load(const nlohmann::json&) override {}
    std::vector<std::string> consistencyViolations() const override { return violations; }
    std::vector<ct::Rect> monkeyTargets() const override { return targets; }

    ct::ProgramInfo info_;
    std::vector<ct::Setting> rows;   // the settings list when given, else cidc, cc and hidev
    ct::Shell* shell_ = nullptr;
    std::vector<std::string> log;
    int cidc = -1;
    int cc = -1;
    int hidev = -1;
    bool throwOnTap = false;
    bool throwOnPaint = false;
    std::vector<std::string> violations;
    std::vector<ct::Rect> targets;
};

// The fake game in a headless program on the store at `file`, started with its window created;
// every event it prints, store errors among them, is kept.
struct RunningFake {
    explicit RunningFake(const std::filesystem::path& file, std::vector<ct::Setting> settings = {}, bool showHand = false)
        : store(file)
    {
        game.rows = std::move(settings);
        shell.setHeadlessEvents([this](const nlohmann::json& e) { events.push_back(e); });
        shell.startUp(showHand);
        shell.createWindow();
    }
    std::vector<nlohmann::json> ofKind(const std::string& kind) const
    {
        std::vector<nlohmann::json> out;
        std::copy_if(events.begin(), events.end(), std::back_inserter(out),
                     [&kind](const nlohmann::json& e) { return e.value("event", "") == kind; });
        return out;
    }
    FakeGame game;
    std::vector<nlohmann::json> events;
    ct::HeadlessWindow window{ct::pocketGeometry(96), [this](const nlohmann::json& e) { events.push_back(e); }};
    ct::SettingsStore store;
    ct::ProgramShell shell{game, window, store, true};
};

} // namespace shell_test
