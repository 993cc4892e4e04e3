// Table elements: hit tests, invalidation and painting of buttons, text boxes, suit buttons, lines.
#include "cards/table_elements.hpp"

#include "cards/card_render.hpp"
#include "platform/density.hpp"
#include "platform/fonts.hpp"

#include <algorithm>
#include <cstdio>

namespace ct {

bool TapArea::hit(int x, int y) const { return pointInRect(x, y, scaleRect(area)); }

void TapArea::invalidate(Invalidator* window) const
{
    if (window != nullptr)
        window->invalidate(scaleRect(area));
}

void IconButton::draw(Canvas& canvas, const Icon* face, bool pressed) const
{
    if (face != nullptr)
        canvas.drawIcon(*face, scaleX(area.left), scaleY(area.top), pressed ? IconDraw::maskOnly : IconDraw::normal);
}

void TextBox::draw(Canvas& canvas, std::string_view text, Color ink, const Color* background) const
{
    drawIn(canvas, scaleRect(area), text, ink, background);
}

void TextBox::drawIn(Canvas& canvas, const Rect& box, std::string_view text, Color ink, const Color* background) const
{
    if (background != nullptr) {
        const Size extent = canvas.textExtent(textFont(), text);
        const int left = (format & textCenter) != 0 ? box.left + (box.width() - extent.width) / 2 : box.left;
        const int top = (format & textVCenter) != 0 ? box.top + (box.height() - extent.height) / 2 : box.top;
        // Never above the box: whatever lies just over it keeps its last row.
        canvas.fillRect(Rect{left, std::max(top, box.top), left + extent.width, top + extent.height}, *background);
    }
    canvas.drawTextInRect(textFont(), text, box, format, ink);
}

void TextBox::drawNumber(Canvas& canvas, int n, Color ink, const Color* background, const char* numberFormat) const
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, numberFormat, n);
    draw(canvas, buffer, ink, background);
}

void TextBox::invalidate(Invalidator* window) const
{
    if (window != nullptr)
        window->invalidate(scaleRect(area));
}

Rect SuitButtons::area(int suit) const
{
    const int down = (suit - 1) * pitch;
    return Rect{first.left, first.top + down, first.right, first.bottom + down};
}

int SuitButtons::suitAt(int x, int y) const
{
    for (int suit = 1; suit <= 4; ++suit)
        if (pointInRect(x, y, scaleRect(area(suit))))
            return suit;
    return 0;
}

void SuitButtons::draw(Canvas& canvas) const
{
    const DrawingResources& res = drawingResources();
    const int pip = scaleX(9);
    for (int suit = 1; suit <= 4; ++suit) {
        const Rect r = area(suit);
        const Rect box = scaleRect(r.left + inset, r.top + inset, r.left + inset + square, r.top + inset + square);
        canvas.fillRect(box, res.white);
        const Icon& icon = res.suitIcons[static_cast<std::size_t>(suit)];
        canvas.drawIconSized(icon, box.left + (box.width() - pip) / 2, box.top + (box.height() - pip) / 2, pip);
    }
}

void SuitButtons::invalidate(Invalidator* window, int suit) const
{
    if (window != nullptr && suit >= 1 && suit <= 4)
        window->invalidate(scaleRect(area(suit)));
}

void WhiteLine::draw(Canvas& canvas) const { canvas.fillRect(scaleRect(area), drawingResources().white); }

} // namespace ct
