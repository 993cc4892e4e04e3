// The entry point every program's main() calls: command line, start-up, message loop.
#pragma once

#include "platform/headless_window.hpp"
#include "shell/game.hpp"
#include "shell/settings_store.hpp"

#include <istream>

namespace ct {

// Returns the process exit status (0 normally, 2 for bad options or script errors,
// 1 when a --monkey run found a broken invariant).
int runProgram(Game& game, int argc, char** argv);

// One headless script run on a fresh window and shell: 2 when a line was refused, 1 when the
// store or the output failed, else 0. The density and card style must already be set.
int runHeadlessScript(Game& game, std::istream& input, SettingsStore& store, const EventSink& events, int dpi,
                      bool showComputerHand = false);

} // namespace ct
