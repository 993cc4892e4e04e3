// The win tally under a desktop's troubles: two running copies, a locked or unwritable store,
// a count at its limit. Wins go through the shell as a game records them.
#include "settings/test_dir.hpp"
#include "shell/program_shell.hpp"

#include "platform/headless_window.hpp"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace ct;
using nlohmann::json;

namespace {

// A game that only keeps the two win counts.
class CountingGame : public Game {
public:
    CountingGame()
    {
        info_.id = "counting";
        info_.registryKey = "Software\\qv\\counting";
        info_.strings = {{1, "Counting"}};
        info_.cardStyle = defaultCardStyle();
    }
    const ProgramInfo& info() const override { return info_; }
    void attach(Shell&) override {}
    SettingsList settingsList() override
    {
        SettingsList list;
        list.rows = {tally("statc", &statc, "Computer"), tally("statu", &statu, "Human ")};
        return list;
    }
    void windowCreated() override {}
    void gameMessage(int) override {}
    void newGame() override {}
    void stylusDown(int, int) override {}
    void drawTable(Canvas&) override {}
    json state() const override { return json::object(); }
    void load(const json&) override {}
    std::vector<Rect> monkeyTargets() const override { return {}; }

    int statc = -1;
    int statu = -1;

private:
    ProgramInfo info_;
};

// One running copy of a program: its game, window, store connection and shell.
struct Copy {
    explicit Copy(const std::filesystem::path& file)
        : window(pocketGeometry(96), [this](const json& e) { events.push_back(e); }), store(file),
          shell(game, window, store, true)
    {
        shell.setHeadlessEvents([this](const json& e) { events.push_back(e); });
        shell.startUp(false);
        shell.createWindow();
    }
    int errors() const
    {
        return static_cast<int>(std::count_if(events.begin(), events.end(),
                                              [](const json& e) { return e.value("event", "") == "error"; }));
    }
    std::vector<json> events;
    CountingGame game;
    HeadlessWindow window;
    SettingsStore store;
    ProgramShell shell;
};

const std::string key = "Software\\qv\\counting";

// Another program holding the database's write lock until it is destroyed.
class Lock {
public:
    explicit Lock(const std::filesystem::path& file)
    {
        sqlite3_open(file.c_str(), &db_);
        sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    ~Lock()
    {
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }

private:
    sqlite3* db_ = nullptr;
};

double secondsFor(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST(Tally, TwoCopiesWinningInTurnAddUp)
{
    settings_test::TestDir dir;
    const auto file = dir / "registry.sqlite3";
    SettingsStore(file).write(key, "statu", 5);
    Copy first(file), second(file);
    for (int i = 0; i < 3; ++i) {
        first.shell.recordWin(Winner::human);
        second.shell.recordWin(Winner::human);
    }
    EXPECT_EQ(SettingsStore(file).read(key, "statu"), 11u);
    // Each copy shows what the store held after its own win.
    EXPECT_EQ(first.game.statu, 10);
    EXPECT_EQ(second.game.statu, 11);
    // A copy left open over many wins of another does not take the tally back.
    for (int i = 0; i < 10; ++i)
        second.shell.recordWin(Winner::human);
    first.shell.recordWin(Winner::human);
    EXPECT_EQ(SettingsStore(file).read(key, "statu"), 22u);
    EXPECT_EQ(first.errors() + second.errors(), 0);
}

TEST(Tally, LockedStoreNeitherFreezesNorLowersTheTally)
{
    settings_test::TestDir dir;
    const auto file = dir / "registry.sqlite3";
    SettingsStore(file).write(key, "statu", 250);
    std::unique_ptr<Copy> copy;
    {
        Lock lock(file);
        EXPECT_LT(secondsFor([&] { copy = std::make_unique<Copy>(file); }), 1.0) << "start-up waits once, briefly";
        EXPECT_LT(secondsFor([&] { copy->shell.recordWin(Winner::human); }), 1.0);
        EXPECT_EQ(copy->game.statu, 1) << "the read failed: the count shown starts from 0";
        EXPECT_EQ(copy->errors(), 1) << "the kept write is told once";
        copy->shell.recordWin(Winner::human);
        EXPECT_EQ(copy->errors(), 1);
    }
    EXPECT_EQ(SettingsStore(file).read(key, "statu"), 250u) << "nothing written while locked";
    copy->shell.recordWin(Winner::human);   // the two kept wins go in with this one
    EXPECT_EQ(copy->game.statu, 253);
    copy->shell.recordWin(Winner::computer);
    copy.reset();
    EXPECT_EQ(SettingsStore(file).read(key, "statu"), 253u);
    EXPECT_EQ(SettingsStore(file).read(key, "statc"), 1u);
}

TEST(Tally, SaturatesAtTheLargestCountAndNeverShowsNegative)
{
    settings_test::TestDir dir;
    const auto file = dir / "registry.sqlite3";
    SettingsStore(file).write(key, "statu", 0x7FFFFFFE);
    SettingsStore(file).write(key, "statc", 0xFFFFFFFF);   // damaged
    Copy copy(file);
    EXPECT_EQ(copy.game.statc, 0x7FFFFFFF);
    copy.shell.recordWin(Winner::human);
    copy.shell.recordWin(Winner::human);
    copy.shell.recordWin(Winner::computer);
    EXPECT_EQ(copy.game.statu, 0x7FFFFFFF);
    EXPECT_EQ(copy.game.statc, 0x7FFFFFFF);
    EXPECT_EQ(SettingsStore(file).read(key, "statu"), 0x7FFFFFFFu);
    EXPECT_EQ(SettingsStore(file).read(key, "statc"), 0x7FFFFFFFu);
}

TEST(Tally, FailedWritesAreToldOnceNamingTheFile)
{
    struct Case {
        const char* name;
        std::function<std::filesystem::path(const std::filesystem::path& dir)> prepare;
    };
    const std::vector<Case> cases{
        {"table without the expected key",
         [](const std::filesystem::path& dir) {
             sqlite3* db = nullptr;
             sqlite3_open((dir / "registry.sqlite3").c_str(), &db);
             sqlite3_exec(db, "CREATE TABLE registry_value (key TEXT, name TEXT, type INTEGER, data BLOB)", nullptr,
                          nullptr, nullptr);
             sqlite3_close(db);
             return dir / "registry.sqlite3";
         }},
        {"config dir is a file",
         [](const std::filesystem::path& dir) {
             settings_test::writeFile(dir / "plain", std::vector<char>{'x'});
             return dir / "plain" / "registry.sqlite3";
         }},
        {"read-only folder",
         [](const std::filesystem::path& dir) {
             std::filesystem::create_directory(dir / "ro");
             std::filesystem::permissions(dir / "ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
             return dir / "ro" / "registry.sqlite3";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name) == "read-only folder" && ::geteuid() == 0)
            continue;   // root writes anywhere
        settings_test::TestDir dir;
        const auto file = c.prepare(dir.path());
        Copy copy(file);
        copy.shell.recordWin(Winner::human);
        copy.shell.recordWin(Winner::human);
        EXPECT_EQ(copy.game.statu, 2);
        ASSERT_EQ(copy.errors(), 1);
        EXPECT_TRUE(copy.shell.storeFailed());
        EXPECT_NE(copy.events.back()["text"].get<std::string>().find(file.string()), std::string::npos);
    }
}

TEST(Tally, FullDiskIsToldAndTheFileKeepsItsCount)
{
    settings_test::TestDir dir;
    const auto file = dir / "registry.sqlite3";
    SettingsStore(file).write(key, "statu", 41);
    const auto sizeBefore = std::filesystem::file_size(file);
    Copy copy(file);
    // A file-size limit below the journal's size stands for a full disk.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 512;
    ::setrlimit(RLIMIT_FSIZE, &small);
    copy.shell.recordWin(Winner::human);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(copy.errors(), 1);
    EXPECT_EQ(std::filesystem::file_size(file), sizeBefore);
    EXPECT_EQ(SettingsStore(file).read(key, "statu"), 41u);
    copy.shell.shutDown();   // room again: the kept win is written at exit
    EXPECT_EQ(SettingsStore(file).read(key, "statu"), 42u);
}
