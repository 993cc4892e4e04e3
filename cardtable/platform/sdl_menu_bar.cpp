// The SDL window's menu bar along the bottom: its geometry, drawing, and the popups' mouse and keys.
#include "platform/sdl_window.hpp"

#include "platform/chrome.hpp"

#include <SDL.h>

#include <algorithm>

namespace ct {

using namespace chrome;

Rect SdlWindow::titleRect(int popup) const
{
    const int top = geometry().client.height;
    const int pad = scaled(geometry().dpi, 8);
    int left = scaled(geometry().dpi, 2);
    for (int i = 0; i < static_cast<int>(menuBar().size()); ++i) {
        const int width = canvas().textExtent(menuFont_, menuBar()[static_cast<std::size_t>(i)].title).width + 2 * pad;
        if (i == popup)
            return Rect{left, top, left + width, top + geometry().menuBarHeight};
        left += width;
    }
    return {};
}

Rect SdlWindow::popupRect(int popup) const
{
    const MenuPopup& menu = menuBar().at(static_cast<std::size_t>(popup));
    const int pad = scaled(geometry().dpi, 10);
    const int itemHeight = scaled(geometry().dpi, 20);
    int width = scaled(geometry().dpi, 90);
    for (const MenuItem& item : menu.items)
        width = std::max(width, canvas().textExtent(menuFont_, item.text).width + 2 * pad);
    const Rect title = titleRect(popup);
    const int height = static_cast<int>(menu.items.size()) * itemHeight + 2;
    // Popups open upward from the bar, as on the pocket screen.
    const int left = std::min(title.left, std::max(0, geometry().client.width - width));
    return Rect{left, title.top - height, left + width, title.top};
}

Rect SdlWindow::itemRect(int popup, int item) const
{
    const Rect box = popupRect(popup);
    const int itemHeight = scaled(geometry().dpi, 20);
    const int top = box.top + 1 + item * itemHeight;
    return Rect{box.left + 1, top, box.right - 1, top + itemHeight};
}

int SdlWindow::titleAt(int x, int y) const
{
    for (int i = 0; i < static_cast<int>(menuBar().size()); ++i) {
        const Rect r = titleRect(i);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return i;
    }
    return -1;
}

int SdlWindow::itemAt(int popup, int x, int y) const
{
    if (popup < 0)
        return -1;
    const int count = static_cast<int>(menuBar().at(static_cast<std::size_t>(popup)).items.size());
    for (int i = 0; i < count; ++i) {
        const Rect r = itemRect(popup, i);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return i;
    }
    return -1;
}

void SdlWindow::drawMenuBar(Canvas& frame) const
{
    const int top = geometry().client.height;
    frame.fillRect(Rect{0, top, frame.width(), frame.height()}, chrome::menuBar);
    frame.fillRect(Rect{0, top, frame.width(), top + 1}, border);
    for (int i = 0; i < static_cast<int>(menuBar().size()); ++i) {
        const Rect r = titleRect(i);
        const bool open = i == openPopup_;
        if (open)
            frame.fillRect(Rect{r.left, r.top + 1, r.right, r.bottom}, highlight);
        frame.drawTextInRect(menuFont_, menuBar()[static_cast<std::size_t>(i)].title, r, textCenter | textVCenter,
                             open ? paper : ink);
    }
    if (openPopup_ < 0)
        return;
    const Rect box = popupRect(openPopup_);
    frame.fillRect(box, ink);
    frame.fillRect(Rect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, paper);
    const auto& items = menuBar()[static_cast<std::size_t>(openPopup_)].items;
    const int pad = scaled(geometry().dpi, 10);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const Rect r = itemRect(openPopup_, i);
        const bool hover = i == hoverItem_;
        if (hover)
            frame.fillRect(r, highlight);
        frame.drawTextInRect(menuFont_, items[static_cast<std::size_t>(i)].text, Rect{r.left + pad, r.top, r.right, r.bottom},
                             textVCenter, hover ? paper : ink);
    }
}

// Menu input; true when the event was the menu's.
bool SdlWindow::handleMenuEvent(const SDL_Event& event)
{
    if (event.type == SDL_KEYDOWN && openPopup_ >= 0) {
        const int count = static_cast<int>(menuBar()[static_cast<std::size_t>(openPopup_)].items.size());
        const int titles = static_cast<int>(menuBar().size());
        switch (event.key.keysym.sym) {
        case SDLK_ESCAPE:
        case SDLK_F10:
            openPopup_ = -1;
            break;
        case SDLK_LEFT:
            openPopup_ = openPopup_ == 0 ? titles - 1 : openPopup_ - 1;
            hoverItem_ = 0;
            break;
        case SDLK_RIGHT:
            openPopup_ = openPopup_ + 1 >= titles ? 0 : openPopup_ + 1;
            hoverItem_ = 0;
            break;
        case SDLK_UP:
            hoverItem_ = hoverItem_ <= 0 ? count - 1 : hoverItem_ - 1;
            break;
        case SDLK_DOWN:
            hoverItem_ = hoverItem_ + 1 >= count ? 0 : hoverItem_ + 1;
            break;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            if (hoverItem_ >= 0 && hoverItem_ < count) {
                const int command = menuBar()[static_cast<std::size_t>(openPopup_)].items[static_cast<std::size_t>(hoverItem_)].command;
                openPopup_ = -1;
                presentPending_ = true;
                sendMessage(msg::command, static_cast<std::uintptr_t>(command), 0);
            }
            break;
        default:
            break;
        }
        presentPending_ = true;
        return true;
    }
    if (event.type == SDL_MOUSEMOTION && openPopup_ >= 0) {
        int x = 0, y = 0;
        framePoint(event.motion.x, event.motion.y, x, y);
        const int hover = itemAt(openPopup_, x, y);
        if (hover != hoverItem_) {
            hoverItem_ = hover;
            presentPending_ = true;
        }
        return true;
    }
    if ((event.type != SDL_MOUSEBUTTONDOWN && event.type != SDL_MOUSEBUTTONUP) || event.button.button != SDL_BUTTON_LEFT)
        return false;
    int x = 0, y = 0;
    framePoint(event.button.x, event.button.y, x, y);
    const bool onBar = y >= geometry().client.height;
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        if (openPopup_ >= 0 && itemAt(openPopup_, x, y) >= 0)
            return true;   // chosen when the button comes up
        if (onBar) {
            const int title = titleAt(x, y);
            openPopup_ = title == openPopup_ ? -1 : title;
            hoverItem_ = -1;
            presentPending_ = true;
            return true;
        }
        if (openPopup_ >= 0) {
            // A tap beside an open menu only closes it, as a pocket menu does.
            openPopup_ = -1;
            presentPending_ = true;
            return true;
        }
        return false;
    }
    // Button up.
    if (openPopup_ >= 0) {
        const int item = itemAt(openPopup_, x, y);
        if (item >= 0) {
            const int command = menuBar()[static_cast<std::size_t>(openPopup_)].items[static_cast<std::size_t>(item)].command;
            openPopup_ = -1;
            presentPending_ = true;
            sendMessage(msg::command, static_cast<std::uintptr_t>(command), 0);
        }
        return !stylusIsDown_;
    }
    return onBar && !stylusIsDown_;
}

} // namespace ct
