// The keys that play on the table, from SDL's key events to the window's virtual keys.
#pragma once

#include <SDL.h>

namespace ct {

// Tab, the arrows, Home, End, Space, Enter and plain letters and digits as msg::keyDown's virtual
// key, with Shift; false for anything else (Alt and Ctrl combinations included). A held key repeats
// only the keys that move the focus: holding Space or a shortcut taps once.
bool tableKey(const SDL_KeyboardEvent& event, unsigned& virtualKey, bool& shift);

} // namespace ct
