// The programs' command line: options, their checks, and the usage text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ct {

struct CommandLine {
    int dpi = 192;
    std::int32_t seed = 0;          // 0: the clock seeds the deal
    std::string configDir;          // empty: the environment or the default place
    bool headless = false;
    std::string script;             // empty or "-": standard input
    long monkey = -1;               // -1: no random play
    bool help = false;
    bool version = false;
    bool showComputerHand = false;  // "k5W" somewhere on the command line
    std::string selftestShot;       // hidden: save the first picture of the real window and quit
};

struct CommandLineResult {
    CommandLine options;
    std::string error;              // one line; empty when the command line is good
    bool ok() const { return error.empty(); }
};

inline constexpr int minimumDpi = 48;
inline constexpr int maximumDpi = 480;
inline constexpr long maximumMonkeyEvents = 100000000;

// Parses the arguments after the program name.
CommandLineResult parseCommandLine(const std::vector<std::string>& args);

// The usage text for `program`, several lines, ending with a newline.
std::string usageText(std::string_view program);

} // namespace ct
