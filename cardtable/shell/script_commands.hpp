// The program's script commands: stylus, menu, keys, message box answers, state, shot, load, quit.
#pragma once

#include "shell/program_shell.hpp"
#include "shell/script_runner.hpp"

namespace ct {

// Registers the commands of a program's headless run on `runner`; `window` is the shell's.
void addProgramCommands(ScriptRunner& runner, ProgramShell& shell, HeadlessWindow& window);

// "alt+n", "alt+/", "alt+f4" as an Alt key; throws ScriptError for anything else.
AltKey parseAltKey(const std::string& text);

// Writes one event as a line of JSON on standard output and flushes it.
void writeEventLine(const nlohmann::json& event);
// False once an event could not be written (or standard output was found closed at start).
bool eventsWritten();
void noteOutputClosed();

} // namespace ct
