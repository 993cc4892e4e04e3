// The desktop window: a real SDL window of the pocket screen with a menu bar along the bottom,
// message boxes drawn over the table, and an event loop that sleeps while nothing happens.
#pragma once

#include "platform/window_base.hpp"

#include <SDL_events.h>
#include <SDL_rect.h>

#include <deque>
#include <memory>
#include <string>

struct SDL_Window;

namespace ct {

// How the desktop knows the window: its class / app id (the desktop entry's name) and its icon.
struct WindowIdentity {
    std::string appId;          // empty: the executable's name
    std::string iconResource;   // an embedded PNG; empty: the shared card-fan icon
};

class SdlWindow : public WindowBase {
public:
    // Opens the window, hidden until show(). Throws std::runtime_error when there is no display.
    // With `fitDisplay` the density is not the geometry's but the largest at which the window fits
    // the display's usable area (geometry().dpi tells which), and a resized window lays the table
    // out again at the largest density that fits; otherwise the density stays as given. Either
    // way the spare area of a larger window is filled with the backdrop around the table.
    SdlWindow(const WindowGeometry& geometry, std::string_view title, bool doubleTaps,
              const WindowIdentity& identity = {}, bool fitDisplay = false);
    ~SdlWindow() override;

    void show();
    // Dispatches events until the window is destroyed.
    void runMessageLoop();
    // Saves the window's pixels to `path` after the first present, then closes the window.
    void setSelftestShot(std::string path) { shotPath_ = std::move(path); }
    bool selftestShotSaved() const { return shotSaved_; }
    // The whole window as last presented: table, menu bar, open popup, modal layer.
    const Canvas& presentedFrame() const;

    MsgBoxAnswer messageBox(std::string_view text, std::string_view caption, MsgBoxButtons buttons,
                            MsgBoxIcon icon) override;
    void updateNow() override;
    // Shows the step now and keeps the window painted for `milliseconds`; taps and keys made
    // meanwhile are handled after the step, a close request once the step has returned.
    void pause(int milliseconds) override;
    void openHelp(std::string_view link) override;
    void runModal(Modal& modal) override;

protected:
    void titleChanged() override;
    void geometryChanged() override;

private:
    // Frame coordinates of a window point: the frame sits centred in a larger window, scaled
    // down in a smaller one.
    void framePoint(int windowX, int windowY, int& x, int& y) const;
    // Where the table's picture goes in the window, and at what size.
    SDL_Rect framePlace() const;
    // After a resize, at a point where no step or box is running: the density that fits.
    void followWindowSize();
    void handleMainEvent(const SDL_Event& event);
    bool handleMenuEvent(const SDL_Event& event);
    void handleAltKey(const SDL_Event& event);
    void present(Modal* modal);
    void saveShot();

    // Menu bar geometry, frame coordinates.
    Rect titleRect(int popup) const;
    Rect popupRect(int popup) const;
    Rect itemRect(int popup, int item) const;
    int titleAt(int x, int y) const;
    int itemAt(int popup, int x, int y) const;
    void drawMenuBar(Canvas& frame) const;

    SDL_Window* window_ = nullptr;
    // The frame is drawn straight into the window's own picture where that shows it 1:1 (a view,
    // remade at every present); only a window showing it scaled needs a picture of its own.
    std::unique_ptr<Canvas> frame_;
    bool frameOwned_ = false;
    Font menuFont_;
    bool doubleTaps_ = true;
    bool fitDisplay_ = false;
    bool resizePending_ = false;
    bool stylusIsDown_ = false;
    bool quitPending_ = false;
    bool presentPending_ = true;
    int openPopup_ = -1;
    int hoverItem_ = -1;
    std::string shotPath_;
    bool shotSaved_ = false;
    // Taps and keys that arrived during a pause, handled by the main loop afterwards.
    std::deque<SDL_Event> deferred_;
    // A deferred event is being handled: a box it opens takes the rest of the deferred input.
    bool handlingDeferred_ = false;
};

} // namespace ct
