// The part of the main window both backends share: the window procedure, the invalid area,
// the off-screen canvas of the client area, the title, the menu bar model and modal layers.
#pragma once

#include "platform/canvas.hpp"
#include "platform/window.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ct {

// The window procedure: every message of the window goes through it, synchronously.
using WindowProc = std::function<std::intptr_t(Window&, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)>;

struct MenuItem {
    std::string text;
    int command = 0;
};

struct MenuPopup {
    std::string title;
    std::vector<MenuItem> items;
};

// The menu bar along the bottom of the window: popups from left to right.
using MenuBar = std::vector<MenuPopup>;

// A key pressed together with Alt, tidied up for an accelerator table.
struct AltKey {
    bool f4 = false;
    char virtualKey = 0;   // a letter or digit key as its upper-case virtual key ('N')
    char character = 0;    // the character the key types ('/'), 0 when none
};

// Pixel sizes of the window at its density; they change only with the density.
struct WindowGeometry {
    int dpi = 96;
    Size client;            // the table
    int menuBarHeight = 0;  // below the table
};

// The pocket screen (240 x 320 design units at 96 dpi) at a density, less the menu bar.
WindowGeometry pocketGeometry(int dpi);

// Keys a modal layer understands.
enum class ModalKey { enter, escape, tab, up, down, left, right, space, backTab };

// Something modal drawn over the table (a message box, a dialog). The backend feeds it input
// until it is done; the SDL backend runs a nested event loop, the headless one a script.
class Modal {
public:
    virtual ~Modal() = default;
    // Draws itself over the painted table; `frame` has the client area at its top-left.
    virtual void draw(Canvas& frame) = 0;
    virtual void stylusDown(int x, int y) = 0;
    virtual void stylusUp(int x, int y) = 0;
    virtual void key(ModalKey key) = 0;
    // Closed from outside (the program is closing or the script ended): as Escape would.
    virtual void cancel() = 0;
    virtual bool done() const = 0;
};

class WindowBase : public Window {
public:
    explicit WindowBase(const WindowGeometry& geometry);
    ~WindowBase() override;

    void setProcedure(WindowProc procedure) { procedure_ = std::move(procedure); }
    // Called with an Alt key before anything else sees it; true when it was an accelerator.
    void setAcceleratorHandler(std::function<bool(const AltKey&)> handler) { accelerators_ = std::move(handler); }
    bool translateAccelerator(const AltKey& key);
    void setMenuBar(MenuBar menuBar) { menuBar_ = std::move(menuBar); }
    const MenuBar& menuBar() const { return menuBar_; }

    const WindowGeometry& geometry() const { return geometry_; }
    // Lays the window out at another density: the client canvas takes the new size and
    // msg::dpiChanged lets the program follow. False, with nothing changed, when the program
    // refuses it. The same density is accepted at once; before the procedure is connected the
    // new geometry is simply taken.
    bool changeDensity(int dpi);
    // The colour around the table when the window is larger than the table (the table colour).
    void setBackdrop(Color color) { backdrop_ = color; }
    Color backdrop() const { return backdrop_; }
    // The off-screen picture of the client area that msg::paint draws into.
    Canvas& canvas() { return *canvas_; }
    const Canvas& canvas() const { return *canvas_; }

    // Sends msg::create: the procedure builds the menu bar and starts the first game.
    void create();
    bool destroyed() const { return destroyed_; }

    bool needsPaint() const { return invalid_; }
    // The bounding box of everything invalidated since the last paint (empty when none).
    Rect invalidArea() const { return invalid_ ? invalidArea_ : Rect{}; }
    // Sends msg::paint when something is invalid; true when it painted.
    bool paintIfInvalid();

    // Shows a modal layer and returns when it is done.
    virtual void runModal(Modal& modal) = 0;
    // Runs a dialog as a modal layer over the table and the menu bar; its result.
    int runDialog(Dialog& dialog) override;

    void invalidate(const Rect& area) override;
    void invalidateAll() override;
    std::intptr_t sendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void setTitle(std::string_view title) override;
    std::string title() const override { return title_; }
    Size clientSize() const override { return geometry_.client; }
    void destroy() override;

protected:
    // The title changed (the backend shows or reports it).
    virtual void titleChanged() {}
    // The geometry changed with the density (the backend resizes what it draws around the table).
    virtual void geometryChanged() {}

private:
    WindowGeometry geometry_;
    std::unique_ptr<Canvas> canvas_;
    WindowProc procedure_;
    std::function<bool(const AltKey&)> accelerators_;
    MenuBar menuBar_;
    std::string title_;
    Color backdrop_{0, 150, 0};
    bool invalid_ = false;
    Rect invalidArea_{};
    bool painting_ = false;
    bool destroying_ = false;
    bool destroyed_ = false;
};

} // namespace ct
