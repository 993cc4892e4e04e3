// A dialog run by the SDL window's nested event loop (the headless one is run by the
// test table's golden replays).
#include "cards/card_render.hpp"
#include "dialogs/dialog_fakes.hpp"
#include "platform/sdl_window.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#ifndef QV_DIALOG_SHOTS
#define QV_DIALOG_SHOTS "dialog_shots"
#endif

namespace {

void pushKey(SDL_Keycode key, Uint16 mod = KMOD_NONE)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

void pushTap(int x, int y)
{
    for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event event{};
        event.type = type;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }
}

TEST(DialogOnSdlWindow, NestedLoopFeedsKeysAndTapsUntilTheDialogEnds)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::unique_ptr<ct::SdlWindow> window;
    try {
        window = std::make_unique<ct::SdlWindow>(ct::pocketGeometry(96), "Dialogs", true);
    } catch (const std::exception& error) {
        GTEST_SKIP() << "no SDL video: " << error.what();
    }
    ct::createDrawingResources();   // the fonts a program loads at start-up, for the picture
    dialog_test::Recorder recorder;
    ct::Dialog dialog(dialog_test::sampleTemplate(), recorder.procedure());
    pushKey(SDLK_TAB);                 // the first list -> the second
    pushKey(SDLK_TAB);                 // -> the check box
    pushKey(SDLK_SPACE);               // tick it
    pushKey(SDLK_TAB, KMOD_LSHIFT);    // back to the second list
    pushKey(SDLK_DOWN);                // its first item
    pushKey(SDLK_LEFT);                // means nothing here
    pushTap(60, 310);                  // "OK" on the menu bar along the bottom of the 240 x 320 screen
    EXPECT_EQ(window->runDialog(dialog), 1);
    EXPECT_EQ(dialog.isChecked(1011), 1);
    EXPECT_EQ(dialog.selection(1006), 0);
    const std::vector<int> ids{1011, 1006, 1};
    ASSERT_EQ(recorder.commands.size(), ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(recorder.commands[i].first, ids[i]);

    // The last picture shown: the dialog over the whole screen, the menu bar included.
    const ct::Canvas& frame = window->presentedFrame();
    EXPECT_EQ(frame.pixel(2, 2), (ct::Color{16, 72, 160}));     // title bar
    EXPECT_EQ(frame.pixel(230, 200), (ct::Color{255, 255, 255}));
    EXPECT_NE(frame.pixel(230, 316), ct::tableColor(0));          // no table below
    std::filesystem::create_directories(QV_DIALOG_SHOTS);
    frame.savePng(std::string(QV_DIALOG_SHOTS) + "/sdl_options.png");
    ct::releaseDrawingResources();
}

} // namespace
