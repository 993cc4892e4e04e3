// The SDL backend on SDL's off-screen video driver: how mouse, keyboard and window events
// become stylus messages, menu commands and accelerators, and how message boxes run inside.
#include "platform/sdl_window.hpp"

#include "platform/chrome.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace ct;

namespace {

class SdlWindowTest : public ::testing::Test {
protected:
    // Skipped here, in SetUp, a test without off-screen video never runs its body.
    void SetUp() override { open(true); }
    void open(bool doubleTaps)
    {
        ::setenv("SDL_VIDEODRIVER", "offscreen", 1);
        window.reset();
        try {
            window = std::make_unique<SdlWindow>(pocketGeometry(96), "Test", doubleTaps);
        } catch (const std::exception& error) {
            GTEST_SKIP() << "no off-screen SDL video: " << error.what();
        }
        window->setMenuBar(MenuBar{MenuPopup{"Game", {{"New", 40012}, {"Statistics", 40015}, {"Options", 40014}, {"Exit", 40002}}},
                                   MenuPopup{"Help", {{"Rules", 40013}, {"About", 40003}}}});
        window->setProcedure([this](Window& w, unsigned m, std::uintptr_t wp, std::intptr_t lp) -> std::intptr_t {
            const std::string at = " " + std::to_string(paramX(lp)) + " " + std::to_string(paramY(lp));
            if (m == msg::paint) {
                static_cast<SdlWindow&>(w).canvas().fillRect(Rect{0, 0, 240, 294}, Color{0, 150, 0});
            } else if (m == msg::close) {
                log.push_back("close");
                w.destroy();
            } else if (m == msg::command) {
                log.push_back("command " + std::to_string(wp));
            } else if (m == msg::stylusUp || m == msg::doubleTap) {
                log.push_back((m == msg::stylusUp ? "up" : "dbl") + at);
            } else if (m == msg::stylusDown) {
                log.push_back("down" + at);
                if (askOnTap) {
                    const MsgBoxAnswer a = w.messageBox("Transfer?", "", MsgBoxButtons::yesNo, MsgBoxIcon::question);
                    log.push_back(a == MsgBoxAnswer::yes ? "yes" : a == MsgBoxAnswer::no ? "no" : "other");
                }
            }
            return 0;
        });
        window->setAcceleratorHandler([this](const AltKey& key) {
            log.push_back(std::string("alt ") + (key.f4 ? "f4" : std::string(1, key.virtualKey ? key.virtualKey : '-')) +
                          (key.character ? std::string(1, key.character) : std::string("-")));
            return true;
        });
        window->invalidateAll();
        window->show();
    }
    void TearDown() override { window.reset(); }

    static void mouse(Uint32 type, int x, int y, int clicks = 1)
    {
        SDL_Event e{};
        e.type = type;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = static_cast<Uint8>(clicks);
        e.button.x = x;
        e.button.y = y;
        SDL_PushEvent(&e);
    }
    static void click(int x, int y, int clicks = 1)
    {
        mouse(SDL_MOUSEBUTTONDOWN, x, y, clicks);
        mouse(SDL_MOUSEBUTTONUP, x, y, clicks);
    }
    static void key(SDL_Keycode sym, Uint16 mod = KMOD_NONE)
    {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    }
    static void quit()
    {
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
    }
    // Closes the window after the events pushed so far and returns what the program saw. Events
    // of the window's own start (shown, exposed, focus) come first and change nothing here.
    std::vector<std::string> played()
    {
        quit();
        window->runMessageLoop();
        return log;
    }

    std::unique_ptr<SdlWindow> window;
    std::vector<std::string> log;
    bool askOnTap = false;
};

// The "Game" and "Help" titles at 96 dpi and their popups, which open upward from the bar.
constexpr int barY = 294 + 13;
constexpr int gameX = 15;
constexpr int helpX = 65;

} // namespace

TEST_F(SdlWindowTest, ClicksBecomeStylusMessagesAndSecondClicksDoubleTapsWhereWanted)
{
    for (bool doubleTaps : {true, false}) {
        open(doubleTaps);
        log.clear();
        click(10, 20);
        click(10, 20, 2);
        mouse(SDL_MOUSEBUTTONDOWN, 30, 40);
        mouse(SDL_MOUSEBUTTONUP, 500, 500);   // lifted outside: still lifted, at the nearest table point
        mouse(SDL_MOUSEBUTTONUP, 30, 40);     // no press before it: nothing
        const std::vector<std::string> expected{"down 10 20", "up 10 20", doubleTaps ? "dbl 10 20" : "down 10 20",
                                                "up 10 20",   "down 30 40", "up 239 293", "close"};
        EXPECT_EQ(played(), expected) << doubleTaps;
        EXPECT_TRUE(window->destroyed());
    }
}

TEST_F(SdlWindowTest, MenuPopupsAndAltKeysSendTheirCommandsFromTheMouseAndTheKeyboard)
{
    key(SDLK_n, KMOD_LALT);    // Alt keys go to the accelerator table
    key(SDLK_SLASH, KMOD_RALT);
    key(SDLK_F4, KMOD_LALT);
    key(SDLK_n);               // without Alt: not an accelerator
    key(SDLK_LALT, KMOD_LALT); // Alt alone
    click(gameX, barY);        // opens Game
    click(20, 220);            // New, the first of four items above the bar
    click(helpX, barY);        // opens Help
    key(SDLK_ESCAPE);          // closes it
    click(100, 100);           // an ordinary tap again
    click(helpX, barY);
    click(100, 100);           // a tap beside an open popup only closes it
    click(helpX, barY);
    click(70, 280);            // About, the second of two items
    click(230, barY);          // the bar beside the titles: nothing
    key(SDLK_F10);             // Game, first item highlighted
    key(SDLK_DOWN);
    key(SDLK_DOWN);
    key(SDLK_RETURN);          // Options
    key(SDLK_F10);
    key(SDLK_LEFT);            // from Game round to Help
    key(SDLK_DOWN);
    key(SDLK_RETURN);          // About
    key(SDLK_F10);
    key(SDLK_RIGHT);           // Help
    key(SDLK_RETURN);          // Rules
    key(SDLK_F10);
    key(SDLK_F10);             // closed again: Enter is no menu key now
    key(SDLK_RETURN);
    click(gameX, barY);        // left open for the picture below
    const std::vector<std::string> expected{"alt Nn", "alt -/", "alt f4-", "command 40012", "down 100 100", "up 100 100", "command 40003",
                                            "command 40014", "command 40003", "command 40013", "close"};
    EXPECT_EQ(played(), expected);

    // The last picture: the Game popup open above the bar, its title highlighted.
    const Canvas& frame = window->presentedFrame();
    EXPECT_EQ(frame.pixel(120, 50), (Color{0, 150, 0}));
    EXPECT_EQ(frame.pixel(85, 215), (Color{255, 255, 255}));   // inside the popup
    EXPECT_EQ(frame.pixel(200, 316), (ct::chrome::menuBar));  // the bar
    EXPECT_EQ(frame.pixel(4, 297), (ct::chrome::highlight)); // the open title
    frame.savePng(std::string(TEST_PICTURE_DIR) + "/sdl_menu_96.png");
}

TEST_F(SdlWindowTest, MessageBoxesRunInsideTheTapThatShowsThem)
{
    askOnTap = true;
    click(10, 20);             // the box opens inside the press; the release goes to the box
    key(SDLK_ESCAPE);          // No
    click(10, 20);
    key(SDLK_RETURN);          // Yes
    mouse(SDL_MOUSEBUTTONDOWN, 10, 20);   // closing with a box open: the box says No, then the program closes
    const std::vector<std::string> expected{"down 10 20", "no", "down 10 20", "yes", "down 10 20", "no", "close"};
    EXPECT_EQ(played(), expected);
}

TEST_F(SdlWindowTest, APauseRepaintsAnUncoveredWindowAndHoldsInputBackUntilAfterIt)
{
    window->updateNow();                       // the green table is on screen
    SDL_PumpEvents();                          // the window's own start events are not wanted here
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    EXPECT_EQ(window->presentedFrame().pixel(120, 50), (Color{0, 150, 0}));
    // The off-screen picture changes without an invalidation: only a repaint of the window
    // itself (as after being uncovered) can bring it to the screen.
    window->canvas().fillRect(Rect{0, 0, 240, 294}, Color{200, 0, 0});
    SDL_Event exposed{};
    exposed.type = SDL_WINDOWEVENT;
    exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
    SDL_PushEvent(&exposed);
    click(10, 20);
    key(SDLK_n, KMOD_LALT);
    const Uint32 start = SDL_GetTicks();
    window->pause(120);
    EXPECT_GE(SDL_GetTicks() - start, 120u);
    EXPECT_EQ(window->presentedFrame().pixel(120, 50), (Color{200, 0, 0}));
    EXPECT_TRUE(log.empty()) << "input was handled during the pause";
    EXPECT_EQ(played(), (std::vector<std::string>{"down 10 20", "up 10 20", "alt Nn", "close"})) << "afterwards, in order";
}

TEST(SdlWindowWithoutDisplay, RefusesAnInvisibleWindowInsteadOfWaitingForever)
{
    if (std::filesystem::exists("/dev/dri"))
        GTEST_SKIP() << "a console graphics device could take the window here";
    std::vector<std::pair<std::string, std::string>> saved;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        if (const char* value = std::getenv(name))
            saved.emplace_back(name, value);
        ::unsetenv(name);
    }
    try {
        SdlWindow window(pocketGeometry(96), "Test", true);
        ADD_FAILURE() << "a window opened without a display";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("no display"), std::string::npos) << error.what();
    }
    for (const auto& [name, value] : saved)
        ::setenv(name.c_str(), value.c_str(), 1);
}
