// What a game supplies to the shell: its description, its hooks, its state for scripts.
// The shell's window procedure calls these from fixed places; a game never sees SDL.
#pragma once

#include "cards/card_style.hpp"
#include "cards/status_line.hpp"
#include "platform/canvas.hpp"
#include "shell/keyboard_focus.hpp"
#include "shell/settings_list.hpp"

#include <nlohmann/json.hpp>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ct {

class Shell;

// Menu commands.
namespace command {
inline constexpr int ok = 1;
inline constexpr int cancel = 2;
inline constexpr int exit = 40002;
inline constexpr int about = 40003;
inline constexpr int newGame = 40012;
inline constexpr int rules = 40013;
inline constexpr int options = 40014;
inline constexpr int statistics = 40015;
} // namespace command

// Accelerator keys: Alt+letter (virtual key), Alt+character, Alt+F4.
struct Accelerator {
    enum class Kind { altKey, altChar, altF4 };
    Kind kind;
    char key;        // 'N' or '/' ; unused for altF4
    int command;
};

// Everything fixed about one program.
struct ProgramInfo {
    std::string id;                         // "velmar": state JSON, rules page, executable
    std::string registryKey;                // "Software\\qv\\vlm"
    std::map<int, std::string> strings;     // string table: 1 title, 2 help link, 3 class, 4 "About", game texts
    std::string aboutTemplate;              // filled with the title and the numbers 1 and 3
    bool doubleTaps = true;                 // the window class asks for double taps
    std::vector<Accelerator> accelerators;
    std::vector<int> buttonIcons{};         // loaded at 32 design units at start-up, in this order
    CardStyle cardStyle;
    StatusRegion statusRegion;
    // The shortcut keys the game's focus stops declare, with what they do, for the manual page.
    std::vector<std::pair<std::string, std::string>> tableKeys{};
};

class Game {
public:
    virtual ~Game() = default;

    virtual const ProgramInfo& info() const = 0;
    // Called once before anything else; the shell outlives the game's use of it.
    virtual void attach(Shell& shell) = 0;
    // The program's stored settings beside the shell's own "blackbg" and "back": start-up
    // reading, the Options and Statistics dialogs and the state dump all come from it.
    virtual SettingsList settingsList() { return defaultSettingsList(); }
    // After the settings are read: the show-hand switch and the game's start values.
    virtual void startValues(bool /*showComputerHand*/) {}
    // An Options switch marked OnChange::resetNewGame changed: clear the running game (scores,
    // turn) before the new game starts.
    virtual void resetRunningState() {}

    // Window creation, before the menu bar exists (e.g. building name lists).
    virtual void windowSetUp() {}
    // Window creation, after the menu bar: seeding, title, first deal in the program's order.
    virtual void windowCreated() = 0;
    // The game's own message (msg::user) with its step code.
    virtual void gameMessage(int code) = 0;
    // Menu command New.
    virtual void newGame() = 0;
    virtual void stylusDown(int x, int y) = 0;
    virtual void stylusUp(int /*x*/, int /*y*/) {}
    virtual void doubleTap(int /*x*/, int /*y*/) {}
    // Paints the table over the background fill.
    virtual void drawTable(Canvas& canvas) = 0;
    // The screen density changed and every card and card set has been moved and sized for it
    // (design places scale exactly, sets are placed again). Only a game that keeps pixel values
    // of its own beside its cards needs to do anything here; the table is repainted after.
    virtual void densityChanged() {}
    // Window destruction: empty the card sets.
    virtual void tearDown() {}

    // Headless scripts: the game's variables by their names, and setting them back.
    virtual nlohmann::json state() const = 0;
    virtual void load(const nlohmann::json& fields) = 0;
    // Descriptions of every broken invariant (all cards accounted for, set limits, ...).
    virtual std::vector<std::string> consistencyViolations() const { return {}; }
    // The places the keyboard focus stops at, in Tab order: the human's cards, the rows and
    // piles that take a tap, then the buttons. Asked again at every key and paint, so a stop
    // that is not there now (an empty hand, buttons not on show) is left out.
    virtual std::vector<FocusStop> focusStops() const { return {}; }
    // Device-pixel rectangles worth tapping for random play; every focus place unless a game
    // weighs its own.
    virtual std::vector<Rect> monkeyTargets() const
    {
        std::vector<Rect> targets;
        for (const FocusStop& stop : focusStops())
            targets.insert(targets.end(), stop.places.begin(), stop.places.end());
        return targets;
    }
};

} // namespace ct
