// The command line: options, their values, the show-hand switch, and every kind of bad input.
#include "shell/command_line.hpp"

#include <gtest/gtest.h>

using namespace ct;

TEST(CommandLineParse, EveryOptionInBothSpellingsAndTheShowHandSwitchAnywhere)
{
    const CommandLineResult all =
        parseCommandLine({"--dpi", "96", "--seed", "42", "--config-dir", "/tmp/x", "--headless", "--script", "-"});
    ASSERT_TRUE(all.ok()) << all.error;
    EXPECT_EQ(all.options.dpi, 96);
    EXPECT_EQ(all.options.seed, 42);
    EXPECT_EQ(all.options.configDir, "/tmp/x");
    EXPECT_TRUE(all.options.headless);
    EXPECT_EQ(all.options.script, "-");
    EXPECT_FALSE(all.options.showComputerHand);

    const CommandLineResult equals = parseCommandLine({"--dpi=131", "--headless", "--monkey=2000", "--seed=2147483647"});
    ASSERT_TRUE(equals.ok()) << equals.error;
    EXPECT_EQ(equals.options.dpi, 131);
    EXPECT_EQ(equals.options.monkey, 2000);
    EXPECT_EQ(equals.options.seed, 2147483647);
    EXPECT_EQ(parseCommandLine({"--selftest-shot", "a.png"}).options.selftestShot, "a.png");

    EXPECT_TRUE(parseCommandLine({"k5W"}).options.showComputerHand);
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
        {"--dpi", "-96"},
        {"--dpi="},
        {"--seed", "0"},
        {"--seed", "-5"},
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
