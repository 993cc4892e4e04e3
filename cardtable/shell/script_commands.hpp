// The program's script commands: stylus, menu, keys, message box answers, state, shot, load, quit.
#pragma once

#include "shell/program_shell.hpp"
#include "shell/script_runner.hpp"

namespace ct {

// Registers the commands of a program's headless run on `runner`; `window` is the shell's.
void addProgramCommands(ScriptRunner& runner, ProgramShell& shell, HeadlessWindow& window);

// "alt+n", "alt+/", "alt+f4" as an Alt key; throws ScriptError for anything else.
AltKey parseAltKey(const std::string& text);

// A table key by name ("tab", "shift+tab", "left", "home", "space", "shift+enter", "o", "1") as the
// virtual key of msg::keyDown; false for anything else.
bool parseTableKey(const std::string& text, unsigned& virtualKey, bool& shift);

// Writes one event as a line of JSON on standard output and flushes it.
void writeEventLine(const nlohmann::json& event);
// False once an event could not be written (or standard output was found closed at start).
bool eventsWritten();
void noteOutputClosed();

} // namespace ct
