// The shell every program runs in: start-up, the main window procedure and its hooks into the
// game, the menu commands, and the program's state for headless scripts.
#pragma once

#include "platform/window_base.hpp"
#include "shell/game.hpp"
#include "shell/settings_store.hpp"
#include "shell/shell.hpp"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ct {

// Fills %s and %d (also %i, %u) from `values` in order, "%%" gives "%". A placeholder without a
// value stays empty, so a template can never read past what it is given.
std::string fillTemplate(std::string_view pattern, const std::vector<std::string>& values);

// The menu bar every program shows: "Game" (New, Statistics, Options, Exit), "Help" (Rules, About).
MenuBar standardMenuBar();

class ProgramShell : public Shell {
public:
    // Calls game.attach(*this). The window and the store must outlive the shell.
    ProgramShell(Game& game, WindowBase& window, SettingsStore& store, bool headless);
    ~ProgramShell() override;
    ProgramShell(const ProgramShell&) = delete;
    ProgramShell& operator=(const ProgramShell&) = delete;

    // Start-up before the window is created, in the programs' order: About text, drawing
    // resources, button icons, stored settings, the game's start values.
    void startUp(bool showComputerHand);
    // Connects the window procedure and accelerators and sends the creation message.
    void createWindow();
    // After the message loop: destroys the window if that has not happened, releases the
    // button icons and the drawing resources.
    void shutDown();

    // The main window procedure.
    std::intptr_t windowProcedure(Window& window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    // Looks an Alt key up in the program's accelerator table; true when it was one (its
    // command has then been sent).
    bool translateAccelerator(const AltKey& key);

    const std::string& aboutText() const { return aboutText_; }
    // String 2 with 99 for its number: the rules page at its first anchor.
    std::string helpLink() const;
    // {"event":"state","program":…,"status":…,"title":…,"settings":{…}, …the game's fields}
    nlohmann::json stateEvent() const;

    // Options (40014) and Statistics (40015) run these; without one the command does nothing.
    void setOptionsHandler(std::function<void()> handler) { optionsHandler_ = std::move(handler); }
    void setStatisticsHandler(std::function<void()> handler) { statisticsHandler_ = std::move(handler); }
    void setTableColorIndex(int index) override { tableColorIndex_ = index; }
    void setCardBackIndex(int index) override { cardBackIndex_ = index; }
    // Headless runs report a failed store write as this event instead of a message box.
    void setHeadlessEvents(std::function<void(const nlohmann::json&)> sink) { headlessEvents_ = std::move(sink); }
    // True once a write to the store has failed in this run (the run then ends with status 1).
    bool storeFailed() const { return settings_.failed(); }
    Game& game() { return game_; }
    const KeyboardFocus& focus() const { return focus_; }
    WindowBase& windowBase() { return window_; }

    Window& window() override { return window_; }
    ProgramSettings& settings() override { return settings_; }
    const std::string& string(int id) const override;
    const Icon& buttonIcon(int resource) const override;
    int tableColorIndex() const override { return tableColorIndex_; }
    int cardBackIndex() const override { return cardBackIndex_; }
    bool headless() const override { return headless_; }
    void recordWin(Winner winner) override;

private:
    void paint();
    // Fonts, pictures, icons and every card at another density; false when it cannot be had.
    bool followDensity(int dpi);
    void loadButtonIcons();
    std::intptr_t command(int id);
    void storeFailure(const std::string& file, const std::string& reason);

    Game& game_;
    WindowBase& window_;
    ProgramSettings settings_;
    bool headless_ = false;
    std::string aboutText_;
    std::map<int, Icon> buttonIcons_;
    int tableColorIndex_ = 0;
    int cardBackIndex_ = 0;
    bool resourcesCreated_ = false;
    std::function<void()> optionsHandler_;
    std::function<void()> statisticsHandler_;
    std::function<void(const nlohmann::json&)> headlessEvents_;
    bool windowGone_ = false;
    KeyboardFocus focus_;
};

} // namespace ct
