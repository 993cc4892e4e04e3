// The status line on the table and the two formatted message boxes used for internal reports.
#pragma once

#include "platform/geometry.hpp"

#include <array>
#include <string>

namespace ct {

class Canvas;
class Window;

// Where a program draws its status text, in design units, and how.
struct StatusRegion {
    Rect invalidated;       // repainted on every change
    Rect drawn;             // text rectangle
    unsigned format = 0;    // TextFormat flags (canvas.hpp): 0 = left/top, lines break at "\r\n"
};

class StatusLine {
public:
    static constexpr int limit = 254;   // characters formatted at most

    void configure(const StatusRegion& region, Window* window);
    // printf-style; a null format clears the line. Either way the region is invalidated.
    void set(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void clear() { set(nullptr); }
    // The text shown, or null when the line is empty.
    const char* text() const { return shown_ ? buffer_.data() : nullptr; }
    bool isShown() const { return shown_; }
    // Draws the text (white on the table) when one is shown.
    void draw(Canvas& canvas) const;
    const StatusRegion& region() const { return region_; }

private:
    std::array<char, limit + 1> buffer_{};
    bool shown_ = false;
    StatusRegion region_{};
    Window* window_ = nullptr;
};

// The program's status line.
StatusLine& statusLine();

// Formats (at most 254 characters) and shows an OK box with an empty caption over owner.
// Returns the number of characters formatted.
int errorBox(Window* owner, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Formats (at most 1023 characters; null or empty format: empty text) and shows an OK box with
// an empty caption over the program's main window. Returns the box's answer.
int alertBox(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The window that alert boxes and status invalidation use; set by the shell at creation.
void setMainWindow(Window* window);
Window* mainWindow();

} // namespace ct
