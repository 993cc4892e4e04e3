// Design units: every table position is given for a 96-dpi screen of 240 x 320 and scaled here.
#pragma once

#include "platform/geometry.hpp"

namespace ct {

// The screen density is read once per run; the shell sets it from --dpi before any card exists.
// Until it is set both densities are 96, so design units equal pixels.
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

} // namespace ct
