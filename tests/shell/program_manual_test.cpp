// --help and the manual page: the same terms in both, and troff that cannot be misread.
#include "shell/command_line.hpp"
#include "shell/program_manual.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace ct;

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

TEST(ProgramManual, HelpAndManualPageExplainTheSameTerms)
{
    const ProgramInfo info = sampleInfo();
    const ProgramMetadata metadata{"zembrola", "org.test.zembrola", "Zembrola", "A trick game", "Lead and follow.", ""};
    const std::string help = helpText(info, metadata);
    const std::string page = manualPage(info, metadata, "9.8.7");

    std::vector<std::string> terms;
    for (const ManualSection& section : manualSections(info))
        for (const auto& item : section.items)
            terms.push_back(item.first);
    // Each option, each of the program's own keys, the settings file, the environment, the exit statuses.
    for (const char* expected : {"--dpi N", "--manual-page", "k5W", "Alt+/", "Alt+N", "Alt+F4", "F10", "Tab, Shift+Tab", "Space, Enter", "O",
                                 "$XDG_DATA_HOME/qv/registry.sqlite3", "QV_CONFIG_DIR", "0", "1", "2"})
        EXPECT_NE(std::find(terms.begin(), terms.end(), expected), terms.end()) << expected;
    for (const std::string& term : terms) {
        // A term stands at the start of its line, followed by its explanation or (long terms) a line break.
        EXPECT_TRUE(help.find("\n  " + term + " ") != std::string::npos ||
                    help.find("\n  " + term + "\n") != std::string::npos)
            << term;
        std::string troffTerm;
        for (char c : term)
            troffTerm += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(page.find("\n.B " + troffTerm + "\n"), std::string::npos) << term;
    }
    EXPECT_EQ(help.rfind("Usage: zembrola ", 0), 0u);
    EXPECT_NE(help.find("Zembrola: A trick game"), std::string::npos);
    EXPECT_EQ(page.rfind(".TH ZEMBROLA 6 ", 0), 0u);
    EXPECT_NE(page.find("9.8.7"), std::string::npos);
    EXPECT_NE(page.find("zembrola \\- A trick game"), std::string::npos);
}

TEST(ProgramManual, TextCannotBecomeTroffRequests)
{
    const ProgramMetadata metadata{"velmar", "", "Velmar", "back\\slash", ".so /etc/passwd", ""};
    const std::string page = manualPage(sampleInfo(), metadata, "1");
    EXPECT_NE(page.find("\\&.so /etc/passwd"), std::string::npos);
    EXPECT_NE(page.find("back\\eslash"), std::string::npos);
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

TEST(ProgramManual, MetadataOfAnotherProgramIsNotUsed)
{
    registerProgramMetadata({"velmar", "org.test.velmar", "Velmar", "attack", "", "velmar_64.png"});
    ProgramInfo velmar;
    velmar.id = "velmar";
    EXPECT_EQ(programMetadata(velmar).appId, "org.test.velmar");
    // A program without metadata of its own (a test table) falls back to its id and title.
    const ProgramMetadata other = programMetadata(sampleInfo());
    EXPECT_EQ(other.id, "zembrola");
    EXPECT_EQ(other.title, "Zembrola");
    EXPECT_TRUE(other.icon.empty());
}
