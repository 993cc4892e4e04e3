// The shared main window: messages, invalidation, painting into the canvas, title, destruction.
#include "platform/window_base.hpp"

#include "platform/chrome.hpp"

#include "platform/dialog.hpp"

#include <algorithm>

namespace ct {

namespace {

// Design units to pixels, the same rounding the table layout uses.
using chrome::scaled;

} // namespace

WindowGeometry pocketGeometry(int dpi)
{
    WindowGeometry g;
    g.dpi = dpi;
    g.menuBarHeight = scaled(dpi, 26);
    g.client = Size{scaled(dpi, 240), scaled(dpi, 320) - g.menuBarHeight};
    return g;
}

WindowBase::WindowBase(const WindowGeometry& geometry)
    : geometry_(geometry), canvas_(std::make_unique<Canvas>(geometry.client.width, geometry.client.height))
{
}

WindowBase::~WindowBase() = default;

int WindowBase::runDialog(Dialog& dialog)
{
    DialogModal modal(dialog, Size{geometry_.client.width, geometry_.client.height + geometry_.menuBarHeight});
    if (!modal.done())
        runModal(modal);
    return dialog.result();
}

bool WindowBase::changeDensity(int dpi)
{
    if (dpi == geometry_.dpi)
        return true;
    if (dpi <= 0 || destroyed_ || painting_)
        return false;
    const WindowGeometry before = geometry_;
    geometry_ = pocketGeometry(dpi);
    auto previous = std::move(canvas_);
    canvas_ = std::make_unique<Canvas>(geometry_.client.width, geometry_.client.height);
    invalid_ = false;
    // Before the procedure is connected nothing has been laid out: there is nothing to ask.
    if (procedure_ && sendMessage(msg::dpiChanged, static_cast<std::uintptr_t>(dpi), 0) == 0) {
        geometry_ = before;
        canvas_ = std::move(previous);
        invalidateAll();
        return false;
    }
    geometryChanged();
    invalidateAll();
    return true;
}

bool WindowBase::translateAccelerator(const AltKey& key)
{
    if (destroyed_ || !accelerators_)
        return false;
    return accelerators_(key);
}

void WindowBase::create()
{
    sendMessage(msg::create, 0, 0);
}

void WindowBase::invalidate(const Rect& area)
{
    // Only the part on the client area counts; an area wholly outside it changes nothing.
    const Rect r{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, geometry_.client.width),
                 std::min(area.bottom, geometry_.client.height)};
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    if (!invalid_) {
        invalidArea_ = r;
        invalid_ = true;
        return;
    }
    invalidArea_.left = std::min(invalidArea_.left, r.left);
    invalidArea_.top = std::min(invalidArea_.top, r.top);
    invalidArea_.right = std::max(invalidArea_.right, r.right);
    invalidArea_.bottom = std::max(invalidArea_.bottom, r.bottom);
}

void WindowBase::invalidateAll()
{
    invalidate(Rect{0, 0, geometry_.client.width, geometry_.client.height});
}

bool WindowBase::paintIfInvalid()
{
    if (!invalid_ || painting_ || destroyed_)
        return false;
    // Every paint draws the whole table, so whatever was invalidated while it ran is drawn
    // already; keeping it invalid would only paint the same picture again and again. The flags
    // are put right even when the drawing throws, so a later paint can still happen.
    struct Painting {
        WindowBase& window;
        ~Painting()
        {
            window.invalid_ = false;
            window.painting_ = false;
        }
    } painting{*this};
    painting_ = true;
    sendMessage(msg::paint, 0, 0);
    return true;
}

std::intptr_t WindowBase::sendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    // A destroyed window takes no more messages: a chain that ran into Exit stops there.
    if (destroyed_ || !procedure_)
        return 0;
    return procedure_(*this, message, wParam, lParam);
}

void WindowBase::setTitle(std::string_view title)
{
    if (title == title_)
        return;
    title_ = std::string(title);
    titleChanged();
}

void WindowBase::destroy()
{
    if (destroying_ || destroyed_)
        return;
    destroying_ = true;
    sendMessage(msg::destroy, 0, 0);
    destroyed_ = true;
}

} // namespace ct
