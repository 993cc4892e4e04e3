// The status line's text and region, and the formatted error and alert boxes.
#include "cards/status_line.hpp"

#include "platform/density.hpp"
#include "platform/window.hpp"

#include <cstdarg>
#include <cstdio>

namespace ct {

namespace {

Window* theMainWindow = nullptr;

// vsnprintf into a buffer of limit + 1 characters; the count of characters kept.
int formatInto(char* buffer, int limit, const char* format, va_list args)
{
    buffer[0] = '\0';
    if (format == nullptr)
        return 0;
    const int wanted = std::vsnprintf(buffer, static_cast<std::size_t>(limit) + 1, format, args);
    if (wanted < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return wanted > limit ? limit : wanted;
}

} // namespace

void StatusLine::configure(const StatusRegion& region, Window* window)
{
    region_ = region;
    window_ = window;
}

void StatusLine::set(const char* format, ...)
{
    if (format == nullptr) {
        shown_ = false;
        buffer_[0] = '\0';
    } else {
        va_list args;
        va_start(args, format);
        formatInto(buffer_.data(), limit, format, args);
        va_end(args);
        shown_ = true;
    }
    // Even the same text again repaints: the table under it may have changed.
    Window* window = window_ != nullptr ? window_ : theMainWindow;
    if (window != nullptr)
        window->invalidate(scaleRect(region_.invalidated));
}

StatusLine& statusLine()
{
    static StatusLine line;
    return line;
}

int errorBox(Window* owner, const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    const int count = formatInto(text, 254, format, args);
    va_end(args);
    Window* window = owner != nullptr ? owner : theMainWindow;
    if (window != nullptr)
        window->messageBox(text, "", MsgBoxButtons::ok, MsgBoxIcon::none);
    return count;
}

int alertBox(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    formatInto(text, 1023, format, args);
    va_end(args);
    if (theMainWindow == nullptr)
        return 0;
    return static_cast<int>(theMainWindow->messageBox(text, "", MsgBoxButtons::ok, MsgBoxIcon::none));
}

void setMainWindow(Window* window)
{
    theMainWindow = window;
}

Window* mainWindow()
{
    return theMainWindow;
}

} // namespace ct
