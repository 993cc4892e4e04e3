// Screen density scaling: design units to device pixels, the one rounding rule every position goes through.
#include "platform/density.hpp"

#include <cstdint>

namespace ct {

namespace {

struct Density {
    int x = 96;
    int y = 96;
};

Density& density()
{
    static Density value;
    return value;
}

int scaleBy(int dpi, int n)
{
    // 64-bit so that no design value can overflow; the division truncates toward zero
    // exactly as the 32-bit rule does for every value that fits.
    return static_cast<int>((static_cast<std::int64_t>(dpi) * n + 48) / 96);
}

} // namespace

void setScreenDensity(int dpiX, int dpiY)
{
    // A density that cannot be right (0 or negative) would turn every size to nothing or
    // below; such a value keeps the density already in force.
    if (dpiX > 0)
        density().x = dpiX;
    if (dpiY > 0)
        density().y = dpiY;
}

int screenDensityX() { return density().x; }
int screenDensityY() { return density().y; }

int scaleX(int n) { return scaleBy(density().x, n); }
int scaleY(int n) { return scaleBy(density().y, n); }

Rect scaleRect(const Rect& design)
{
    return Rect{scaleX(design.left), scaleY(design.top), scaleX(design.right), scaleY(design.bottom)};
}

} // namespace ct
