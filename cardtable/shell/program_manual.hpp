// What a program says about itself to the desktop and the user: its metadata, --help and the
// manual page, all built from the same lists so that they cannot disagree.
#pragma once

#include "shell/game.hpp"

#include <string>
#include <utility>
#include <vector>

namespace ct {

// The per-program description the build writes from the game's add_card_game() call.
struct ProgramMetadata {
    std::string id;            // "velmar": the executable
    std::string appId;         // "org.qvcardgames.velmar": desktop entry, icon and window class
    std::string title;         // "Velmar"
    std::string summary;       // one line, no full stop
    std::string description;   // one paragraph
    std::string icon;          // the embedded window icon, "velmar_64.png"; empty: the shared one
};

// Called once by the build's generated source of each program, before main().
bool registerProgramMetadata(ProgramMetadata metadata);

// The registered metadata; without any (test programs) one made from the game's own id and title.
ProgramMetadata programMetadata(const ProgramInfo& info);

// One titled part of --help and of the manual page: a paragraph and/or term-explanation pairs.
struct ManualSection {
    std::string title;                                      // "KEYS"
    std::string paragraph;
    std::vector<std::pair<std::string, std::string>> items;
};

// OPTIONS, KEYS, FILES, ENVIRONMENT and EXIT STATUS for this program.
std::vector<ManualSection> manualSections(const ProgramInfo& info);

// What --help prints: the usage line, the summary, then every section.
std::string helpText(const ProgramInfo& info, const ProgramMetadata& metadata);

// The manual page in section 6, in troff (man macros).
std::string manualPage(const ProgramInfo& info, const ProgramMetadata& metadata, std::string_view version);

} // namespace ct
