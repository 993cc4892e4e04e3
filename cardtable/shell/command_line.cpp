// Parsing and checking the programs' command line.
#include "shell/command_line.hpp"

#include <algorithm>
#include <charconv>
#include <optional>

namespace ct {

namespace {

// A whole decimal number within [low, high]; nothing else (no sign games, no trailing text).
std::optional<long> wholeNumber(std::string_view text, long low, long high)
{
    long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (text.empty())
        return std::nullopt;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

CommandLineResult parseCommandLine(const std::vector<std::string>& args)
{
    CommandLineResult result;
    CommandLine& o = result.options;
    bool scriptGiven = false;

    for (const std::string& arg : args)
        if (arg.find("k5W") != std::string::npos)
            o.showComputerHand = true;

    auto fail = [&result](std::string message) {
        if (result.error.empty())
            result.error = std::move(message);
    };

    for (std::size_t i = 0; i < args.size() && result.ok(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (name.rfind("--", 0) == 0) {
            if (const auto eq = name.find('='); eq != std::string::npos) {
                inlineValue = name.substr(eq + 1);
                name = name.substr(0, eq);
            }
        }
        // The value of an option: "--name=value" or the next argument.
        auto value = [&](std::string& out) {
            if (inlineValue) {
                out = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                fail(name + " needs a value");
                return false;
            }
            out = args[++i];
            return true;
        };
        auto noValue = [&] {
            if (inlineValue)
                fail(name + " takes no value");
        };

        std::string text;
        if (name == "--dpi") {
            if (!value(text))
                break;
            const auto n = wholeNumber(text, minimumDpi, maximumDpi);
            if (!n)
                fail("--dpi needs a whole number from " + std::to_string(minimumDpi) + " to " +
                     std::to_string(maximumDpi) + ", not \"" + text + "\"");
            else
                o.dpi = static_cast<int>(*n), o.dpiGiven = true;
        } else if (name == "--seed") {
            if (!value(text))
                break;
            const auto n = wholeNumber(text, 1, 2147483647L);
            if (!n)
                fail("--seed needs a whole number from 1 to 2147483647, not \"" + text + "\"");
            else
                o.seed = static_cast<std::int32_t>(*n);
        } else if (name == "--config-dir") {
            if (!value(text))
                break;
            if (text.empty())
                fail("--config-dir needs a directory");
            o.configDir = text;
        } else if (name == "--headless") {
            noValue();
            o.headless = true;
        } else if (name == "--script") {
            if (!value(text))
                break;
            if (text.empty())
                fail("--script needs a file name (or - for standard input)");
            o.script = text;
            scriptGiven = true;
        } else if (name == "--monkey") {
            if (!value(text))
                break;
            const auto n = wholeNumber(text, 0, maximumMonkeyEvents);
            if (!n)
                fail("--monkey needs a number of events from 0 to " + std::to_string(maximumMonkeyEvents) +
                     ", not \"" + text + "\"");
            else
                o.monkey = *n;
        } else if (name == "--selftest-shot") {
            if (!value(text))
                break;
            if (text.empty())
                fail("--selftest-shot needs a file name");
            o.selftestShot = text;
        } else if (name == "--help" || name == "-h") {
            noValue();
            o.help = true;
        } else if (name == "--version") {
            noValue();
            o.version = true;
        } else if (name == "--manual-page") {
            noValue();
            o.manualPage = true;
        } else if (name.find("k5W") != std::string::npos) {
            // The show-hand switch may stand anywhere, as a word of its own.
        } else if (!name.empty() && name[0] == '-') {
            fail("unknown option " + name);
        } else {
            fail("unexpected argument \"" + name + "\"");
        }
    }
    if (!result.ok())
        return result;
    if (scriptGiven && !o.headless)
        fail("--script needs --headless");
    else if (o.monkey >= 0 && !o.headless)
        fail("--monkey needs --headless");
    else if (o.monkey >= 0 && scriptGiven)
        fail("--monkey and --script cannot be used together");
    else if (!o.selftestShot.empty() && o.headless)
        fail("--selftest-shot needs the real window, not --headless");
    return result;
}

const std::vector<OptionHelp>& optionHelp()
{
    static const std::vector<OptionHelp> options = {
        {"--dpi", "N",
         "screen density, " + std::to_string(minimumDpi) + " to " + std::to_string(maximumDpi) +
             " (default: the largest at which the window fits the screen, at least 96; resizing the window"
             " then lays the table out again; 192 with --headless)"},
        {"--seed", "N", "deal from a fixed seed (1 to 2147483647) instead of the clock"},
        {"--config-dir", "DIR", "where the settings database lives (also QV_CONFIG_DIR)"},
        {"--headless", "", "no window: run a script, one JSON event per output line"},
        {"--script", "FILE", "the script for --headless (default or -: standard input)"},
        {"--monkey", "N", "with --headless: N random taps, checking the table after each"},
        {"--help", "", "print this usage text and exit"},
        {"--version", "", "print the program's name and version and exit"},
        {"--manual-page", "", "print the manual page (troff) and exit"},
        {"k5W", "", "anywhere on the command line: the computer's hand face up"},
    };
    return options;
}

std::string synopsisText(std::string_view program)
{
    return std::string(program) +
           " [--dpi N] [--seed N] [--config-dir DIR] [--headless [--script FILE]] [--monkey N] [--help] [--version]";
}

std::string usageText(std::string_view program)
{
    std::string text = "Usage: " + synopsisText(program) + "\n\n";
    for (const OptionHelp& option : optionHelp()) {
        std::string left = option.name + (option.argument.empty() ? "" : " " + option.argument);
        left.resize(std::max<std::size_t>(left.size() + 2, 18), ' ');
        text += "  " + left + option.text + "\n";
    }
    return text;
}

} // namespace ct
