// The shell as a game sees it: the window, the store, strings, icons and the table colour.
#pragma once

#include "platform/canvas.hpp"
#include "platform/window.hpp"
#include "shell/settings_store.hpp"

#include <string>

namespace ct {

// Whose tally a finished game counts in: "statc", "statu", or the patience count "cc".
enum class Winner { computer, human, patience };

class Shell {
public:
    virtual ~Shell() = default;
    virtual Window& window() = 0;
    // The program's own key in the store.
    virtual ProgramSettings& settings() = 0;
    // String table lookup; an unknown id gives an empty string.
    virtual const std::string& string(int id) const = 0;
    // A button picture loaded at start-up (resource 117, 119 or 124); empty if not loaded.
    virtual const Icon& buttonIcon(int resource) const = 0;
    // "blackbg" and "back" as read at start-up and changed by the Options dialog.
    virtual int tableColorIndex() const = 0;
    virtual int cardBackIndex() const = 0;
    // Stores a new "blackbg" or "back" for the rest of the run (the Options dialog writes it).
    virtual void setTableColorIndex(int index) = 0;
    virtual void setCardBackIndex(int index) = 0;
    // Sends the game's own message synchronously (msg::game with the step code).
    void sendGameMessage(int code) { window().sendMessage(msg::game, static_cast<unsigned>(code), 0); }
    // Counts a won game in the tally and stores it at once.
    virtual void recordWin(Winner winner) = 0;
    // True under --headless.
    virtual bool headless() const = 0;
};

} // namespace ct
