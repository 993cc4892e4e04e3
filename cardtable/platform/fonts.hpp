// The two fonts every program draws with, made once for the screen density in force.
#pragma once

#include "platform/canvas.hpp"

namespace ct {

// Bold, 10 points of the screen density: card labels and dialog titles.
const Font& labelFont();
// Regular, 8 points: status line, counters, message and dialog texts.
const Font& textFont();

// Opens both fonts at the current density (after setScreenDensity); a font that cannot be
// opened stays empty and its text is not drawn.
void createFonts();
void releaseFonts();

} // namespace ct
