// Rectangles, points and colours shared by the platform layer and everything above it.
#pragma once

#include <cstdint>

namespace ct {

// A rectangle as the table code uses it: four ints, left/top/right/bottom.
// Hit tests treat all four edges as inside (pointInRect); fills treat right and
// bottom as exclusive, as a window system's rectangle fill does (Canvas::fillRect).
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// 1 when left <= x <= right and top <= y <= bottom: every edge belongs to the rectangle.
inline bool pointInRect(int x, int y, const Rect& r)
{
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

// Whatever can be told that part of its client area must be repainted.
// The window implements it; cards and sets hold a pointer to it ("their window").
class Invalidator {
public:
    virtual ~Invalidator() = default;
    // Marks the rectangle (device pixels) for the next paint; never erases or paints now.
    virtual void invalidate(const Rect& area) = 0;
};

} // namespace ct
