// Design units: every table position is given for a 96-dpi screen of 240 x 320 and scaled here.
#pragma once

#include "platform/geometry.hpp"

namespace ct {

// The shell sets the density from --dpi (or the display) before any card exists, and again when
// the window is resized to another density. Until it is set both densities are 96.
void setScreenDensity(int dpiX, int dpiY);
int screenDensityX();
int screenDensityY();

// (density * n + 48) / 96 with integer division truncating toward zero.
int scaleX(int n);
int scaleY(int n);

// A design rectangle in device pixels: left/right through scaleX, top/bottom through scaleY.
Rect scaleRect(const Rect& design);
inline Rect scaleRect(int left, int top, int right, int bottom) { return scaleRect(Rect{left, top, right, bottom}); }

// The pocket screen in design units; the menu bar takes the bottom strip of it.
inline constexpr int screenDesignWidth = 240;
inline constexpr int screenDesignHeight = 320;
inline constexpr int menuBarDesignHeight = 26;

// The densities a window chooses from when it follows its own size.
inline constexpr int lowestFittedDensity = 96;
inline constexpr int highestFittedDensity = 480;

// The largest density in [lowest, highest] at which the whole pocket screen (table and menu
// bar) fits in width x height pixels; `lowest` when even that does not fit.
int densityToFit(int width, int height, int lowest = lowestFittedDensity, int highest = highestFittedDensity);

// A pixel value laid out at density `from`, at density `to`: a design value scaled exactly
// (every value from 96 dpi up is the scaling of exactly one design value), anything else in
// proportion. Negative values (the "not placed" mark) stay as they are.
int rescalePixels(int pixels, int from, int to);

} // namespace ct
