// The entry point every program's main() calls: command line, start-up, message loop.
#pragma once

#include "shell/game.hpp"

namespace ct {

// Returns the process exit status (0 normally, 2 for bad options or script errors,
// 1 when a --monkey run found a broken invariant).
int runProgram(Game& game, int argc, char** argv);

} // namespace ct
