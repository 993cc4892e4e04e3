// The help launcher: links to bundled pages, refused links, and a detached start without zombies.
#include "platform/help_launcher.hpp"

#include "settings/test_dir.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

using namespace ct;
using settings_test::TestDir;

TEST(HelpPageUrl, MapsAPlainPageBesideTheProgramAndRefusesEverythingElse)
{
    TestDir dir;
    std::ofstream(dir / "velmar.0409.htm") << "<html></html>";
    const std::string page = "file://" + (dir / "velmar.0409.htm").string();
    EXPECT_EQ(helpPageUrl("file:velmar.0409.htm#99", dir.path()), page + "#99");
    EXPECT_EQ(helpPageUrl("file:velmar.0409.htm", dir.path()), page);

    // A directory with a blank in it is written as a URL must be.
    std::filesystem::create_directory(dir / "my games");
    std::ofstream(dir / "my games" / "velmar.0409.htm") << "x";
    const std::string url = helpPageUrl("file:velmar.0409.htm#99", dir / "my games");
    EXPECT_NE(url.find("my%20games/velmar.0409.htm#99"), std::string::npos) << url;

    std::filesystem::create_directory(dir / "sub.htm");   // a directory is not a page
    for (const char* link : {"file:zembrola.0409.htm#99", "http://example.org/velmar.0409.htm", "file:../velmar.0409.htm#99",
                             "file:/etc/passwd", "file:velmar.0409.htm#99;rm -rf", "file:", "file:sub.htm"})
        EXPECT_EQ(helpPageUrl(link, dir.path()), "") << link;
    EXPECT_EQ(helpPageUrl("file:velmar.0409.htm#99", ""), "");
}

TEST(LaunchDetached, ReturnsAtOnceAndLeavesNoChildBehind)
{
    TestDir dir;
    const auto marker = dir / "started";
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(launchDetached("/bin/sh", {"-c", "sleep 0.3; echo done > \"" + marker.string() + "\""}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));   // did not wait
    // The only child there was has been reaped already: the viewer belongs to init.
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    for (int i = 0; i < 100 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(std::filesystem::exists(marker));

    EXPECT_FALSE(findInPath("sh").empty());
    EXPECT_EQ(findInPath("no-such-program-here"), "");
    EXPECT_FALSE(programDirectory().empty());
}
