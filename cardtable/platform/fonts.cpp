// The label and text fonts, opened at the screen density.
#include "platform/fonts.hpp"

#include "platform/density.hpp"

namespace ct {

namespace {

struct Fonts {
    Font label;
    Font text;
};

Fonts& fonts()
{
    static Fonts value;
    return value;
}

} // namespace

const Font& labelFont() { return fonts().label; }
const Font& textFont() { return fonts().text; }

void createFonts()
{
    fonts().label = Font::open(10, screenDensityY(), true);
    fonts().text = Font::open(8, screenDensityY(), false);
}

void releaseFonts() { fonts() = Fonts{}; }

} // namespace ct
