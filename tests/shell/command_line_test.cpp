// The command line: options, their values, the show-hand switch, every kind of bad input; --help
// and the manual page: every term explained, and troff that cannot be misread (that the installed
// page explains each term --help does is checked by the desktop install test).
#include "shell/command_line.hpp"
#include "shell/program_manual.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace ct;

// The plain spellings are what every replay and end-to-end test starts a program with (the
// hidden --selftest-shot among them).
TEST(CommandLineParse, OptionsWithEqualsAndTheShowHandSwitchAnywhere)
{
    const CommandLineResult equals = parseCommandLine({"--dpi=131", "--headless", "--monkey=2000", "--seed=2147483647"});
    ASSERT_TRUE(equals.ok()) << equals.error;
    EXPECT_EQ(equals.options.dpi, 131);
    EXPECT_EQ(equals.options.monkey, 2000);
    EXPECT_EQ(equals.options.seed, 2147483647);
    EXPECT_FALSE(equals.options.showComputerHand);

    EXPECT_TRUE(parseCommandLine({"--dpi", "96", "xk5Wy"}).options.showComputerHand);
    EXPECT_TRUE(parseCommandLine({"--config-dir", "/tmp/k5W"}).options.showComputerHand);
    EXPECT_FALSE(parseCommandLine({"k5w"}).ok()) << "the switch is case-sensitive; anything else is an error";
}

TEST(CommandLineParse, BadInputIsRefusedWithOneLine)
{
    const std::vector<std::vector<std::string>> bad{
        {"--bogus"},
        {"-x"},
        {"stray"},
        {"--dpi"},
        {"--dpi", "abc"},
        {"--dpi", "96x"},
        {"--dpi", "47"},
        {"--dpi", "481"},
        {"--dpi="},
        {"--seed", "0"},
        {"--seed", "2147483648"},
        {"--seed", "99999999999999999999"},
        {"--config-dir"},
        {"--config-dir", ""},
        {"--script", "a.txt"},                    // needs --headless
        {"--monkey", "10"},                       // needs --headless
        {"--headless", "--monkey", "-1"},
        {"--headless", "--monkey", "ten"},
        {"--headless", "--monkey", "5", "--script", "a.txt"},
        {"--headless", "--selftest-shot", "a.png"},
        {"--headless=1"},
        {"--help=yes"},
    };
    for (const auto& args : bad) {
        const CommandLineResult result = parseCommandLine(args);
        EXPECT_FALSE(result.ok()) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_EQ(result.error.find('\n'), std::string::npos) << result.error;
    }
    EXPECT_NE(parseCommandLine({"--dpi", "1000"}).error.find("48"), std::string::npos);
    EXPECT_NE(parseCommandLine({"--frobnicate"}).error.find("--frobnicate"), std::string::npos);

    // The usage text names every option a user may give, and not the hidden one.
    const std::string usage = usageText("velmar");
    for (const char* option : {"--dpi", "--seed", "--config-dir", "--headless", "--script", "--monkey", "--help",
                               "--version", "k5W"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    EXPECT_EQ(usage.find("selftest"), std::string::npos);
}

namespace {

ProgramInfo sampleInfo()
{
    ProgramInfo info;
    info.id = "zembrola";
    info.strings = {{1, "Zembrola"}};
    info.accelerators = {{Accelerator::Kind::altChar, '/', command::about},
                         {Accelerator::Kind::altKey, 'N', command::newGame},
                         {Accelerator::Kind::altF4, 0, command::exit}};
    info.tableKeys = {{"O", "the OK button"}};
    return info;
}

} // namespace

TEST(ProgramManual, HelpExplainsEachOptionKeyFileAndStatusOnALineOfItsOwn)
{
    const std::string help = helpText(sampleInfo(), {"zembrola", "org.test.zembrola", "Zembrola", "A trick game", "", ""});
    // Each option, each of the program's own keys, the settings file, the environment, the exit statuses.
    for (const char* term : {"--dpi N", "--manual-page", "k5W", "Alt+/", "Alt+N", "Alt+F4", "F10", "Tab, Shift+Tab",
                             "Space, Enter", "O", "$XDG_DATA_HOME/qv/registry.sqlite3", "QV_CONFIG_DIR", "0", "1", "2"})
        EXPECT_TRUE(help.find("\n  " + std::string(term) + " ") != std::string::npos ||
                    help.find("\n  " + std::string(term) + "\n") != std::string::npos)
            << term;
    EXPECT_EQ(help.rfind("Usage: zembrola ", 0), 0u);
    EXPECT_NE(help.find("Zembrola: A trick game"), std::string::npos);
}

TEST(ProgramManual, TextCannotBecomeTroffRequests)
{
    const ProgramMetadata metadata{"velmar", "", "Velmar", "back\\slash", ".so /etc/passwd", ""};
    const std::string page = manualPage(sampleInfo(), metadata, "1");
    EXPECT_NE(page.find("\\&.so /etc/passwd"), std::string::npos);
    EXPECT_NE(page.find("back\\eslash"), std::string::npos);
    EXPECT_NE(page.find("\n.B \\-\\-dpi N\n"), std::string::npos) << "a hyphen in an option stays a hyphen";
    // Every request line is one of the few macros the page is written with.
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && (line[0] == '.' || line[0] == '\'')) {
            EXPECT_TRUE(line.rfind(".TH ", 0) == 0 || line.rfind(".SH ", 0) == 0 || line == ".TP" ||
                        line.rfind(".B ", 0) == 0)
                << line;
        }
    }
}
