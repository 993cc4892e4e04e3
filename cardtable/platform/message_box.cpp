// Layout, drawing and input of the message box drawn over the table.
#include "platform/message_box.hpp"

#include "platform/chrome.hpp"

#include <algorithm>
#include <cmath>

namespace ct {

namespace {

using namespace chrome;

// The question/information disc: the caption colour, lighter so the white sign reads on it.
constexpr Color iconColor{0, 90, 200};

} // namespace

void fillDisc(Canvas& canvas, int x, int y, int size, Color color)
{
    const double radius = size / 2.0;
    for (int row = 0; row < size; ++row) {
        const double dy = row + 0.5 - radius;
        const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
        const int left = x + static_cast<int>(std::lround(radius - half));
        const int right = x + static_cast<int>(std::lround(radius + half));
        canvas.fillRect(Rect{left, y + row, right, y + row + 1}, color);
    }
}

MessageBoxModal::MessageBoxModal(std::string text, std::string caption, MsgBoxButtons buttons, MsgBoxIcon icon,
                                 int dpi, Size client)
    : text_(std::move(text)), caption_(std::move(caption)), buttons_(buttons), icon_(icon), dpi_(dpi),
      font_(Font::open(9, dpi, false)), bold_(Font::open(9, dpi, true))
{
    const int margin = scaled(dpi, 8);
    const int pad = scaled(dpi, 8);
    const int captionHeight = scaled(dpi, 20);
    const int iconSize = icon == MsgBoxIcon::none ? 0 : scaled(dpi, 24);
    buttonWidth_ = scaled(dpi, 56);
    buttonHeight_ = scaled(dpi, 22);
    buttonGap_ = scaled(dpi, 10);

    box_.left = margin;
    box_.right = std::max(client.width - margin, box_.left + 1);
    const int textLeft = box_.left + pad + (iconSize > 0 ? iconSize + pad : 0);
    const int textWidth = std::max(box_.right - pad - textLeft, 1);
    const Canvas measure(1, 1);
    int textHeight = measure.textHeightInRect(font_, text_, textWidth, textWordBreak);
    // A text taller than the table is cut rather than pushing the buttons off the screen.
    const int fixed = captionHeight + 3 * pad + buttonHeight_ + 2;
    const int maxText = std::max(client.height - 2 * margin - fixed, scaled(dpi, 12));
    textHeight = std::min(textHeight, maxText);
    const int bodyHeight = std::max(textHeight, iconSize);
    const int height = fixed + bodyHeight;
    box_.top = std::max((client.height - height) / 2, 0);
    box_.bottom = box_.top + height;

    captionBar_ = Rect{box_.left + 1, box_.top + 1, box_.right - 1, box_.top + 1 + captionHeight};
    const int bodyTop = captionBar_.bottom + pad;
    iconRect_ = Rect{box_.left + pad, bodyTop, box_.left + pad + iconSize, bodyTop + iconSize};
    textRect_ = Rect{textLeft, bodyTop, textLeft + textWidth, bodyTop + textHeight};
    buttonTop_ = bodyTop + bodyHeight + pad;
}

Rect MessageBoxModal::buttonRect(int index) const
{
    const int count = buttonCount();
    const int total = count * buttonWidth_ + (count - 1) * buttonGap_;
    const int left = box_.left + (box_.width() - total) / 2 + index * (buttonWidth_ + buttonGap_);
    return Rect{left, buttonTop_, left + buttonWidth_, buttonTop_ + buttonHeight_};
}

MsgBoxAnswer MessageBoxModal::buttonAnswer(int index) const
{
    if (buttons_ == MsgBoxButtons::ok)
        return MsgBoxAnswer::ok;
    return index == 0 ? MsgBoxAnswer::yes : MsgBoxAnswer::no;
}

int MessageBoxModal::buttonAt(int x, int y) const
{
    for (int i = 0; i < buttonCount(); ++i) {
        const Rect r = buttonRect(i);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return i;
    }
    return -1;
}

void MessageBoxModal::draw(Canvas& frame)
{
    frame.fillRect(box_, ink);
    frame.fillRect(Rect{box_.left + 1, box_.top + 1, box_.right - 1, box_.bottom - 1}, face);
    frame.fillRect(captionBar_, titleBar);
    const int inset = scaled(dpi_, 6);
    frame.drawTextInRect(bold_, caption_, Rect{captionBar_.left + inset, captionBar_.top, captionBar_.right - inset,
                                                captionBar_.bottom},
                         textVCenter, paper);
    if (icon_ != MsgBoxIcon::none) {
        fillDisc(frame, iconRect_.left, iconRect_.top, iconRect_.width(), iconColor);
        frame.drawTextInRect(bold_, icon_ == MsgBoxIcon::information ? "i" : "?", iconRect_, textCenter | textVCenter,
                             paper);
    }
    frame.drawTextInRect(font_, text_, textRect_, textWordBreak, ink);
    for (int i = 0; i < buttonCount(); ++i) {
        const Rect r = buttonRect(i);
        const bool pressed = i == pressed_;
        frame.fillRect(r, ink);
        frame.fillRect(Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, pressed ? ink : menuBar);
        if (i == 0)
            frameRect(frame, r, ink, std::max(1, scaled(dpi_, 2)));   // the default button
        const char* label = buttons_ == MsgBoxButtons::ok ? "OK" : (i == 0 ? "Yes" : "No");
        frame.drawTextInRect(font_, label, r, textCenter | textVCenter, pressed ? paper : ink);
    }
}

void MessageBoxModal::stylusDown(int x, int y) { pressed_ = buttonAt(x, y); }

void MessageBoxModal::stylusUp(int x, int y)
{
    // A button answers only when the stylus goes down and up on it, as a push button does.
    const int hit = buttonAt(x, y);
    if (pressed_ >= 0 && hit == pressed_)
        finish(buttonAnswer(hit));
    pressed_ = -1;
}

void MessageBoxModal::key(ModalKey key)
{
    switch (key) {
    case ModalKey::enter:
    case ModalKey::space:
        finish(buttonAnswer(0));
        break;
    case ModalKey::escape:
        cancel();
        break;
    default:
        break;
    }
}

void MessageBoxModal::cancel()
{
    finish(buttons_ == MsgBoxButtons::ok ? MsgBoxAnswer::ok : MsgBoxAnswer::no);
}

void MessageBoxModal::finish(MsgBoxAnswer answer)
{
    if (done_)
        return;
    answer_ = answer;
    done_ = true;
}

} // namespace ct
