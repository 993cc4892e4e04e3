// The keys that play on the table, from SDL's key events to the window's virtual keys.
#include "platform/sdl_table_keys.hpp"

#include "platform/window.hpp"

namespace ct {

bool tableKey(const SDL_KeyboardEvent& event, unsigned& virtualKey, bool& shift)
{
    const SDL_Keysym& key = event.keysym;
    if ((key.mod & (KMOD_ALT | KMOD_CTRL | KMOD_GUI)) != 0)
        return false;
    shift = (key.mod & KMOD_SHIFT) != 0;
    switch (key.sym) {
    case SDLK_TAB: virtualKey = vk::tab; return true;
    case SDLK_RETURN: case SDLK_KP_ENTER: virtualKey = vk::enter; return event.repeat == 0;
    case SDLK_SPACE: virtualKey = vk::space; return event.repeat == 0;
    case SDLK_HOME: virtualKey = vk::home; return true;
    case SDLK_END: virtualKey = vk::end; return true;
    case SDLK_LEFT: virtualKey = vk::left; return true;
    case SDLK_RIGHT: virtualKey = vk::right; return true;
    case SDLK_UP: virtualKey = vk::up; return true;
    case SDLK_DOWN: virtualKey = vk::down; return true;
    default: break;
    }
    if (event.repeat != 0)
        return false;
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) {
        virtualKey = static_cast<unsigned>(key.sym - SDLK_a + 'A');
        return true;
    }
    if (key.sym >= SDLK_0 && key.sym <= SDLK_9) {
        virtualKey = static_cast<unsigned>(key.sym - SDLK_0 + '0');
        return true;
    }
    return false;
}

} // namespace ct
