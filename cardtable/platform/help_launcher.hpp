// The help launcher: turns a program's help link into its bundled page and opens it in the
// desktop's viewer without waiting for it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ct {

// "file:NAME#ANCHOR" -> "file:///DIR/NAME#ANCHOR" for the page NAME in programDir.
// Empty when the link has another form, NAME is not a plain file name, or the page is missing.
std::string helpPageUrl(std::string_view link, const std::filesystem::path& programDir);

// The directory of the running executable; empty when it cannot be found.
std::filesystem::path programDirectory();

// Where rules pages are looked for, in order: beside the program (the build tree), then the
// installed data directory relative to the program (so an installed tree may be moved).
std::vector<std::filesystem::path> helpPageDirectories(const std::filesystem::path& programDir);

// helpPageUrl for the first of helpPageDirectories(programDirectory()) that has the page.
std::string findHelpPage(std::string_view link);

// The full path of a program found on PATH; empty when there is none.
std::string findInPath(std::string_view name);

// Starts the program detached (its own session, stdin from /dev/null): returns at once and
// leaves no zombie behind. False when it could not even be forked.
bool launchDetached(const std::string& programPath, const std::vector<std::string>& args);

// findHelpPage + xdg-open; does nothing when either is missing.
void openHelpPage(std::string_view link);

} // namespace ct
