// The script commands of an open dialog in a headless run: they act on the dialog as a user
// would, and nothing else can be done until it is closed.
#pragma once

#include "platform/dialog.hpp"
#include "shell/script_runner.hpp"

namespace ct {

// check ID 0|1, select ID INDEX, click ID, ok, cancel, state, and shot FILE (the table with the
// dialog over it). Meant for an exclusive scope of `runner` while the dialog is open.
ScriptRunner::Commands dialogScriptCommands(Dialog& dialog, ScriptRunner& runner, WindowBase& window);

// Runs a modal layer from the script: an open dialog gets its own commands until it is closed.
void driveModalFromScript(ScriptRunner& runner, WindowBase& window, Modal& modal);

} // namespace ct
