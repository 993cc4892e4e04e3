// The window's own furniture (menu bar, message boxes, dialogs) shares one palette and a few
// drawing helpers, so that everything around the table looks like one program.
#pragma once

#include "platform/canvas.hpp"
#include "platform/geometry.hpp"

namespace ct::chrome {

// Design units to pixels for a density; the platform layer sits below the card layout's scaling.
inline int scaled(int dpi, int n) { return (dpi * n + 48) / 96; }

inline constexpr Color ink{0, 0, 0};
inline constexpr Color paper{255, 255, 255};
inline constexpr Color border{96, 96, 96};
inline constexpr Color face{226, 226, 226};
inline constexpr Color facePressed{176, 176, 176};
inline constexpr Color highlight{0, 92, 200};
inline constexpr Color titleBar{16, 72, 160};
inline constexpr Color menuBar{214, 219, 230};

// An outline of the given thickness inside r.
inline void frameRect(Canvas& canvas, const Rect& r, Color color, int thickness = 1)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    canvas.fillRect(Rect{r.left, r.top, r.right, r.top + thickness}, color);
    canvas.fillRect(Rect{r.left, r.bottom - thickness, r.right, r.bottom}, color);
    canvas.fillRect(Rect{r.left, r.top, r.left + thickness, r.bottom}, color);
    canvas.fillRect(Rect{r.right - thickness, r.top, r.right, r.bottom}, color);
}

} // namespace ct::chrome
