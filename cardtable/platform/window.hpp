// The window the shell runs in, as the game and the framework see it; backends implement it.
#pragma once

#include "platform/geometry.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace ct {

class Dialog;

// Window messages: numbered, delivered to a window procedure, sent synchronously.
namespace msg {
inline constexpr unsigned create = 0x0001;
inline constexpr unsigned destroy = 0x0002;
inline constexpr unsigned activate = 0x0006;      // wParam low word 0 = inactive
inline constexpr unsigned paint = 0x000F;
inline constexpr unsigned close = 0x0010;
inline constexpr unsigned settingChange = 0x001A;
inline constexpr unsigned keyDown = 0x0100;      // wParam = virtual key (vk::), lParam 1 = Shift held
inline constexpr unsigned command = 0x0111;       // wParam low word = command id
inline constexpr unsigned dpiChanged = 0x02E0;    // wParam = the new density; 0 back refuses it
inline constexpr unsigned stylusDown = 0x0201;    // lParam = x | y << 16
inline constexpr unsigned stylusUp = 0x0202;
inline constexpr unsigned doubleTap = 0x0203;
inline constexpr unsigned user = 0x0400;          // the first number free for programs
inline constexpr unsigned game = user;            // the game's own message; wParam = step code
} // namespace msg

// Virtual keys of msg::keyDown besides letters and digits, which are their upper-case characters.
namespace vk {
inline constexpr unsigned tab = 0x09;
inline constexpr unsigned enter = 0x0D;
inline constexpr unsigned space = 0x20;
inline constexpr unsigned end = 0x23;
inline constexpr unsigned home = 0x24;
inline constexpr unsigned left = 0x25;
inline constexpr unsigned up = 0x26;
inline constexpr unsigned right = 0x27;
inline constexpr unsigned down = 0x28;
} // namespace vk

inline std::intptr_t pointParam(int x, int y) { return (x & 0xFFFF) | ((y & 0xFFFF) << 16); }
inline int paramX(std::intptr_t lParam) { return static_cast<std::int16_t>(lParam & 0xFFFF); }
inline int paramY(std::intptr_t lParam) { return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF); }

enum class MsgBoxButtons { ok, yesNo };
enum class MsgBoxIcon { none, information, question };
enum class MsgBoxAnswer { ok = 1, cancel = 2, yes = 6, no = 7 };

class Window : public Invalidator {
public:
    // Marks an area (device pixels, client coordinates) for the next paint, without erasing.
    void invalidate(const Rect& area) override = 0;
    virtual void invalidateAll() = 0;
    // Paints whatever is invalid right now instead of when the program is next idle.
    virtual void updateNow() = 0;
    // Synchronous: the window procedure has handled the message when this returns.
    virtual std::intptr_t sendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // Modal; returns when the user has answered (or the headless script answered for them).
    virtual MsgBoxAnswer messageBox(std::string_view text, std::string_view caption,
                                    MsgBoxButtons buttons, MsgBoxIcon icon) = 0;
    virtual void setTitle(std::string_view title) = 0;
    virtual std::string title() const = 0;
    // Client area in device pixels (the table, without the menu bar).
    virtual Size clientSize() const = 0;
    // Blocks the window's thread (after updateNow) for a visible pause; headless reports it.
    virtual void pause(int milliseconds) = 0;
    // Opens the bundled rules page at the link's anchor; never waits, never fails loudly.
    virtual void openHelp(std::string_view link) = 0;
    // Ends the message loop after the destroy message has run.
    virtual void destroy() = 0;
    // Runs a dialog modally over the window (begin, input, painting) until it ends; returns the
    // dialog's result. A window that cannot show dialogs cancels them.
    virtual int runDialog(Dialog& /*dialog*/) { return 2; }
};

} // namespace ct
