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

int densityToFit(int width, int height, int lowest, int highest)
{
    for (int dpi = highest; dpi > lowest; --dpi)
        if (scaleBy(dpi, screenDesignWidth) <= width && scaleBy(dpi, screenDesignHeight) <= height)
            return dpi;
    return lowest;
}

int rescalePixels(int pixels, int from, int to)
{
    if (pixels < 0 || from <= 0 || to <= 0 || from == to)
        return pixels;
    const std::int64_t guess = static_cast<std::int64_t>(pixels) * 96 / from;
    for (std::int64_t n = guess - 2; n <= guess + 2; ++n)
        if (n >= 0 && n <= 0x7FFFFFFF / 480 && scaleBy(from, static_cast<int>(n)) == pixels)
            return scaleBy(to, static_cast<int>(n));
    return static_cast<int>((static_cast<std::int64_t>(pixels) * to + from / 2) / from);
}

Rect scaleRect(const Rect& design)
{
    return Rect{scaleX(design.left), scaleY(design.top), scaleX(design.right), scaleY(design.bottom)};
}

} // namespace ct
