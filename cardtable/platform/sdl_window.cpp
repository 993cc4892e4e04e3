// The SDL backend: window, event loop, modal loops and presenting the canvas (the menu bar is in
// sdl_menu_bar.cpp).
#include "platform/sdl_window.hpp"

#include "platform/chrome.hpp"
#include "platform/density.hpp"

#include "platform/help_launcher.hpp"
#include "platform/message_box.hpp"
#include "platform/resources.hpp"
#include "platform/sdl_table_keys.hpp"

#include <SDL.h>
#include <SDL_image.h>
#ifdef QV_HAVE_X11
#include <X11/Xlib.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
// SDL opens the desktop bus and, by design, never shuts its library down (that would break
// other users of the bus in the process); the leak checker is told not to count that library's
// global state as our leak.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n";
}
#endif

namespace ct {

namespace {

using namespace chrome;

#ifdef QV_HAVE_X11
XErrorHandler previousXErrorHandler = nullptr;

// SDL sends itself wake-up events on a second connection; one that reaches the window just
// destroyed gets BadWindow, which Xlib's default handler turns into exit status 1 on a
// normal quit. Only that one error is let pass; any other ends the program as before.
int toleratingXErrorHandler(Display* display, XErrorEvent* error)
{
    constexpr unsigned char sendEventRequest = 25;   // X_SendEvent
    if (error->error_code == BadWindow && error->request_code == sendEventRequest)
        return 0;
    if (previousXErrorHandler != nullptr)
        return previousXErrorHandler(display, error);
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "X Error: %s (request %d)\n", text, error->request_code);
    std::exit(1);
}

// Installed before SDL starts its video: SDL keeps the handler it finds and puts it back when it
// closes its connections, which is exactly when the stray error is read.
void tolerateSendEventToDestroyedWindow()
{
    const XErrorHandler previous = XSetErrorHandler(toleratingXErrorHandler);
    if (previous != toleratingXErrorHandler)
        previousXErrorHandler = previous;
}
#endif

// A window larger than the desktop's usable area is made smaller, keeping its shape (the
// picture is scaled down when presented, see framePlace), and placed at the area's top: the
// title and the menu bar at the bottom of the window stay on the screen.
void keepOnScreen(SDL_Window* window, int width, int height)
{
    const int display = SDL_GetWindowDisplayIndex(window);
    SDL_Rect usable{};
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0 || usable.w <= 0 || usable.h <= 0 ||
        (width <= usable.w && height <= usable.h))
        return;
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0)
        top = left = bottom = right = 0;
    const int roomW = std::max(1, usable.w - left - right);
    const int roomH = std::max(1, usable.h - top - bottom);
    const double scale = std::min({1.0, static_cast<double>(roomW) / width, static_cast<double>(roomH) / height});
    const int w = std::max(1, static_cast<int>(width * scale));
    const int h = std::max(1, static_cast<int>(height * scale));
    SDL_SetWindowSize(window, w, h);
    SDL_SetWindowPosition(window, usable.x + left + (roomW - w) / 2, usable.y + top);
}

} // namespace

SdlWindow::SdlWindow(const WindowGeometry& geometry, std::string_view title, bool doubleTaps,
                     const WindowIdentity& identity, bool fitDisplay)
    : WindowBase(geometry), doubleTaps_(doubleTaps), fitDisplay_(fitDisplay)
{
    // The X11 class and the Wayland app id tie the window to its desktop entry; read when the
    // video subsystem starts. A user's own setting wins.
    if (!identity.appId.empty()) {
        setenv("SDL_VIDEO_X11_WMCLASS", identity.appId.c_str(), 0);
        setenv("SDL_VIDEO_WAYLAND_WMCLASS", identity.appId.c_str(), 0);
    }
    // A card game should not keep the screen saver away.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
#ifdef QV_HAVE_X11
    tolerateSendEventToDestroyedWindow();
#endif
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    // The table is a finished software picture; where the driver can take it as it is (X11's
    // shared memory), that is cheaper than bringing up a whole graphics stack to copy it.
    // An environment setting of the same hint still wins.
    const char* driver = SDL_GetCurrentVideoDriver();
    // With no display SDL falls back to an invisible window, which would leave the program
    // waiting for a user who can never see it. Only an explicit request gets one.
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    if (driver && (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0) &&
        (!requested || SDL_strcasecmp(requested, driver) != 0)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("cannot open a window: no display (run it on a desktop, or use --headless)");
    }
    if (driver && (SDL_strcmp(driver, "x11") == 0 || SDL_strcmp(driver, "offscreen") == 0))
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Rect usable{};
    if (fitDisplay_ && SDL_GetDisplayUsableBounds(0, &usable) == 0) {
        // Nothing has been laid out yet: the geometry is simply replaced before the procedure exists.
        changeDensity(densityToFit(usable.w, usable.h));
    }
    const int width = WindowBase::geometry().client.width;
    const int height = WindowBase::geometry().client.height + WindowBase::geometry().menuBarHeight;
    const std::string titleText(title);
    window_ = SDL_CreateWindow(titleText.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!window_) {
        const std::string error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("cannot open a window: " + error);
    }
    keepOnScreen(window_, width, height);
    // Keys are only accelerators and box answers here: no input method is wanted.
    SDL_StopTextInput();
    const Image icon = Image::fromPng(
        resourceData(identity.iconResource.empty() ? "icon101_32.png" : identity.iconResource));
    if (!icon.empty())
        SDL_SetWindowIcon(window_, icon.surface());
    // Never smaller than the table at the lowest density; a fixed density shows its table
    // scaled down in a smaller window.
    const WindowGeometry smallest = pocketGeometry(lowestFittedDensity);
    SDL_SetWindowMinimumSize(window_, smallest.client.width, smallest.client.height + smallest.menuBarHeight);
    geometryChanged();
}

void SdlWindow::geometryChanged()
{
    frame_.reset();
    frameOwned_ = false;
    menuFont_ = Font::open(9, geometry().dpi, false);
    openPopup_ = -1;
    hoverItem_ = -1;
    presentPending_ = true;
}

SDL_Rect SdlWindow::framePlace() const
{
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    const int fw = geometry().client.width, fh = geometry().client.height + geometry().menuBarHeight;
    if (w <= 0 || h <= 0 || (w >= fw && h >= fh))
        return SDL_Rect{std::max(0, (w - fw) / 2), std::max(0, (h - fh) / 2), fw, fh};   // centred
    // A window smaller than the table (a fixed density larger than the screen): the whole table
    // is shown scaled down, keeping its shape, so the menu bar stays in reach.
    const double scale = std::min(static_cast<double>(w) / fw, static_cast<double>(h) / fh);
    const int sw = std::max(1, static_cast<int>(fw * scale)), sh = std::max(1, static_cast<int>(fh * scale));
    return SDL_Rect{(w - sw) / 2, (h - sh) / 2, sw, sh};
}

void SdlWindow::followWindowSize()
{
    resizePending_ = false;
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    if (fitDisplay_ && w > 0 && h > 0)
        changeDensity(densityToFit(w, h));
    presentPending_ = true;
}

SdlWindow::~SdlWindow()
{
    frame_.reset();
    if (window_)
        SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    // The last user of SDL shuts it down completely, which also closes its desktop-bus connection.
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
        SDL_Quit();
}

void SdlWindow::show()
{
    SDL_ShowWindow(window_);
    presentPending_ = true;
}

void SdlWindow::titleChanged()
{
    SDL_SetWindowTitle(window_, title().c_str());
}

void SdlWindow::framePoint(int windowX, int windowY, int& x, int& y) const
{
    const SDL_Rect place = framePlace();
    // Points beside the picture stay outside the frame (negative), whatever the scale.
    x = windowX < place.x ? -1 : (windowX - place.x) * geometry().client.width / place.w;
    y = windowY < place.y ? -1 : (windowY - place.y) * (geometry().client.height + geometry().menuBarHeight) / place.h;
}

// ---- events ----

void SdlWindow::handleAltKey(const SDL_Event& event)
{
    const SDL_Keycode sym = event.key.keysym.sym;
    AltKey key;
    if (sym == SDLK_F4) {
        key.f4 = true;
    } else if (sym >= 'a' && sym <= 'z') {
        key.virtualKey = static_cast<char>(std::toupper(static_cast<int>(sym)));
        key.character = static_cast<char>(sym);
    } else if (sym >= '0' && sym <= '9') {
        key.virtualKey = static_cast<char>(sym);
        key.character = static_cast<char>(sym);
    } else if (sym > ' ' && sym < 127) {
        key.character = static_cast<char>(sym);
    } else {
        return;
    }
    translateAccelerator(key);
}

void SdlWindow::handleMainEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        sendMessage(msg::close, 0, 0);
        return;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            sendMessage(msg::close, 0, 0);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            presentPending_ = true;
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            // SDL makes the window a new picture: a view into the old one must not outlive it.
            if (!frameOwned_)
                frame_.reset();
            resizePending_ = true;
            presentPending_ = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            sendMessage(msg::activate, 1, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            sendMessage(msg::activate, 0, 0);
            break;
        default:
            break;
        }
        return;
    default:
        break;
    }
    if (handleMenuEvent(event))
        return;
    if (event.type == SDL_KEYDOWN) {
        // F10 opens the first popup, so the menu can be used without a pointer.
        if (event.key.keysym.sym == SDLK_F10 && !menuBar().empty() && !stylusIsDown_) {
            openPopup_ = 0;
            hoverItem_ = 0;
            presentPending_ = true;
        } else if ((event.key.keysym.mod & KMOD_ALT) != 0) {
            handleAltKey(event);
        } else if (unsigned key = 0; !stylusIsDown_) {
            if (bool shift = false; tableKey(event.key, key, shift))
                sendMessage(msg::keyDown, key, shift ? 1 : 0);
        }
        return;
    }
    if ((event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) &&
        event.button.button == SDL_BUTTON_LEFT) {
        int x = 0, y = 0;
        framePoint(event.button.x, event.button.y, x, y);
        if (event.type == SDL_MOUSEBUTTONDOWN) {
            // The backdrop around the table takes no taps.
            if (x < 0 || y < 0 || x >= geometry().client.width || y >= geometry().client.height)
                return;
            stylusIsDown_ = true;
            // The second click of a pair arrives as a double tap where the program asks for
            // double taps; elsewhere it is one more tap.
            const bool second = event.button.clicks >= 2 && event.button.clicks % 2 == 0;
            sendMessage(second && doubleTaps_ ? msg::doubleTap : msg::stylusDown, 0, pointParam(x, y));
        } else if (stylusIsDown_) {
            // Lifting always follows a press on the table, wherever the stylus is lifted.
            stylusIsDown_ = false;
            x = std::clamp(x, 0, geometry().client.width - 1);
            y = std::clamp(y, 0, geometry().client.height - 1);
            sendMessage(msg::stylusUp, 0, pointParam(x, y));
        }
    }
}

void SdlWindow::runMessageLoop()
{
    while (!destroyed()) {
        if (quitPending_) {
            quitPending_ = false;
            sendMessage(msg::close, 0, 0);
            continue;
        }
        // The table follows a new window size here, between steps, never while one runs (a
        // pause or a box): the cards are then where the program has finished putting them.
        if (resizePending_ && !stylusIsDown_)
            followWindowSize();
        if (paintIfInvalid())
            presentPending_ = true;
        if (presentPending_)
            present(nullptr);
        if (!shotPath_.empty()) {
            saveShot();
            sendMessage(msg::close, 0, 0);
            continue;
        }
        SDL_Event event;
        if (!deferred_.empty()) {
            // Input that arrived during a pause, in the order it came.
            event = deferred_.front();
            deferred_.pop_front();
            handlingDeferred_ = true;
            handleMainEvent(event);
            handlingDeferred_ = false;
            continue;
        }
        // Sleeps until something happens: an idle program uses no processor time.
        if (SDL_WaitEvent(&event) == 0) {
            sendMessage(msg::close, 0, 0);
            continue;
        }
        handleMainEvent(event);
    }
}

void SdlWindow::runModal(Modal& modal)
{
    // A box opened while the window is being created (a round decided by the computer's first
    // moves) shows the window: a box on a window never shown could not be answered.
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_HIDDEN) != 0)
        show();
    openPopup_ = -1;
    bool down = false;
    bool dirty = true;
    while (!modal.done()) {
        if (quitPending_ || destroyed()) {
            modal.cancel();
            break;
        }
        // The table behind the box is painted as it changes, as the main loop would.
        if (paintIfInvalid())
            dirty = true;
        if (dirty || presentPending_)
            present(&modal);
        dirty = false;
        SDL_Event event;
        if (handlingDeferred_ && !deferred_.empty()) {
            // Typed ahead during a pause, after the input that opened this box: it is the box's
            // input (left waiting, it would keep open a box the user has already answered).
            // A box a step opens itself leaves input made during the step for the table.
            event = deferred_.front();
            deferred_.pop_front();
        } else if (SDL_WaitEvent(&event) == 0) {
            modal.cancel();
            break;
        }
        switch (event.type) {
        case SDL_QUIT:
            // Closing the program while a box is open answers the box as Escape would, then
            // closes once the chain that showed it has returned.
            quitPending_ = true;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE)
                quitPending_ = true;
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                resizePending_ = true;
            dirty = true;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT) {
                int x = 0, y = 0;
                framePoint(event.button.x, event.button.y, x, y);
                if (event.type == SDL_MOUSEBUTTONDOWN) {
                    down = true;
                    modal.stylusDown(x, y);
                } else if (down) {
                    down = false;
                    modal.stylusUp(x, y);
                }
                dirty = true;
            }
            break;
        case SDL_KEYDOWN:
            // Alt+F4 closes the box in front, as Cancel would; the next one closes the program.
            if (event.key.keysym.sym == SDLK_F4 && (event.key.keysym.mod & KMOD_ALT) != 0) {
                modal.cancel();
                dirty = true;
                break;
            }
            switch (event.key.keysym.sym) {
            case SDLK_RETURN:
            case SDLK_KP_ENTER:
                modal.key(ModalKey::enter);
                break;
            case SDLK_ESCAPE:
                modal.key(ModalKey::escape);
                break;
            case SDLK_TAB:
                modal.key((event.key.keysym.mod & KMOD_SHIFT) != 0 ? ModalKey::backTab : ModalKey::tab);
                break;
            case SDLK_UP:
                modal.key(ModalKey::up);
                break;
            case SDLK_DOWN:
                modal.key(ModalKey::down);
                break;
            case SDLK_LEFT:
                modal.key(ModalKey::left);
                break;
            case SDLK_RIGHT:
                modal.key(ModalKey::right);
                break;
            case SDLK_SPACE:
                modal.key(ModalKey::space);
                break;
            default:
                break;
            }
            dirty = true;
            break;
        default:
            break;
        }
    }
    // The stylus that went down on the table before the box opened was lifted inside it.
    stylusIsDown_ = false;
    presentPending_ = true;
}

MsgBoxAnswer SdlWindow::messageBox(std::string_view text, std::string_view caption, MsgBoxButtons buttons,
                                   MsgBoxIcon icon)
{
    MessageBoxModal box{std::string(text), std::string(caption), buttons, icon, geometry().dpi, geometry().client};
    runModal(box);
    return box.answer();
}

void SdlWindow::updateNow()
{
    if (paintIfInvalid())
        present(nullptr);
}

void SdlWindow::pause(int milliseconds)
{
    // A pause is there to be seen: a step made while the window is being created (a first move
    // at start-up) shows the window rather than keeping the user waiting in front of nothing.
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_HIDDEN) != 0)
        show();
    updateNow();
    if (presentPending_)
        present(nullptr);
    // Sleeps on the event queue rather than in SDL_Delay, so that a window uncovered, moved or
    // resized meanwhile is painted again. Input waits in deferred_ and is handled once the
    // step that paused has returned; closing is remembered and done by the main loop.
    const Uint32 start = SDL_GetTicks();
    for (;;) {
        const Uint32 elapsed = SDL_GetTicks() - start;
        if (milliseconds <= 0 || elapsed >= static_cast<Uint32>(milliseconds))
            break;
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, static_cast<int>(static_cast<Uint32>(milliseconds) - elapsed)) == 0)
            continue;
        switch (event.type) {
        case SDL_QUIT:
            quitPending_ = true;
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
            case SDL_WINDOWEVENT_CLOSE:
                quitPending_ = true;
                break;
            case SDL_WINDOWEVENT_SIZE_CHANGED:
                resizePending_ = true;
                present(nullptr);
                break;
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_MOVED:
            case SDL_WINDOWEVENT_SHOWN:
            case SDL_WINDOWEVENT_RESTORED:
                present(nullptr);
                break;
            default:
                // Focus changes wait like input: activation is a message to the program.
                deferred_.push_back(event);
                break;
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_KEYDOWN:
            deferred_.push_back(event);
            break;
        default:
            break;   // motion, key releases, text input: nothing the program reads
        }
    }
}

void SdlWindow::openHelp(std::string_view link)
{
    openHelpPage(link);
}

const Canvas& SdlWindow::presentedFrame() const
{
    static const Canvas none(0, 0);
    return frame_ ? *frame_ : none;
}

void SdlWindow::present(Modal* modal)
{
    presentPending_ = false;
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target)
        return;
    const int fw = geometry().client.width, fh = geometry().client.height + geometry().menuBarHeight;
    const SDL_Rect place = framePlace();
    if (target->w != fw || target->h != fh) {
        const Color color = backdrop();
        SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, color.r, color.g, color.b));
    }
    // No second whole-window picture where the window takes the frame as it is.
    std::unique_ptr<Canvas> view;
    if (place.w == fw && place.h == fh)
        view = Canvas::over(target, Rect{place.x, place.y, place.x + fw, place.y + fh});
    if (view) {
        frame_ = std::move(view);
        frameOwned_ = false;
    } else if (!frameOwned_ || frame_->width() != fw || frame_->height() != fh) {
        frame_ = std::make_unique<Canvas>(fw, fh);
        frameOwned_ = true;
    }
    const Rect client{0, 0, geometry().client.width, geometry().client.height};
    frame_->blit(canvas(), client);
    drawMenuBar(*frame_);
    if (modal)
        modal->draw(*frame_);
    if (frameOwned_) {
        SDL_Surface* source = frame_->surface();
        SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
        SDL_Rect dst = place;
        if (place.w == fw && place.h == fh)
            SDL_BlitSurface(source, nullptr, target, &dst);
        else
            SDL_BlitScaled(source, nullptr, target, &dst);
    }
    SDL_UpdateWindowSurface(window_);
}

void SdlWindow::saveShot()
{
    // The pixels as they went to the window: read back from the window's own surface.
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    shotSaved_ = target && IMG_SavePNG(target, shotPath_.c_str()) == 0;
    shotPath_.clear();
}

} // namespace ct
