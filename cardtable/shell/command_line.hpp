// The programs' command line: options, their checks, and the usage text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ct {

struct CommandLine {
    int dpi = 192;                  // headless, or the window's when --dpi is given
    bool dpiGiven = false;          // false: the window takes the density that fits the display
    std::int32_t seed = 0;          // 0: the clock seeds the deal
    std::string configDir;          // empty: the environment or the default place
    bool headless = false;
    std::string script;             // empty or "-": standard input
    long monkey = -1;               // -1: no random play
    bool help = false;
    bool version = false;
    bool manualPage = false;        // print the manual page (troff) and stop
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

// One option as --help and the manual page describe it.
struct OptionHelp {
    std::string name;       // "--dpi"
    std::string argument;   // "N", or empty
    std::string text;
};

// Every option a user may give, in the order they are explained.
const std::vector<OptionHelp>& optionHelp();

// "velmar [--dpi N] ..." : the command line in one line.
std::string synopsisText(std::string_view program);

// The usage text for `program`, several lines, ending with a newline.
std::string usageText(std::string_view program);

} // namespace ct
