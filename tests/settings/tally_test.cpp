// The win tally under a desktop's troubles: two running copies, a locked store, a full disk, a
// count at its limit. Wins go through the shell as a game records them (a store that cannot be
// written at all is told once and fails the run: every program's hostile-inputs test).
#include "settings/test_dir.hpp"
#include "shell/fake_game.hpp"

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

// The two win counts; a base of Copy so that they exist before its start-up reads them.
struct Counts {
    int statc = -1;
    int statu = -1;
};

// One running copy of a program that keeps only the two win counts.
struct Copy : Counts, shell_test::RunningFake {
    explicit Copy(const std::filesystem::path& file)
        : RunningFake(file, {tally("statc", &statc, "Computer"), tally("statu", &statu, "Human ")})
    {
    }
    int errors() const { return static_cast<int>(ofKind("error").size()); }
};

const std::string key = "Software\\qv\\fake";

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
    EXPECT_EQ(first.statu, 10);
    EXPECT_EQ(second.statu, 11);
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
        EXPECT_EQ(copy->statu, 1) << "the read failed: the count shown starts from 0";
        ASSERT_EQ(copy->errors(), 1) << "the kept write is told once";
        EXPECT_NE(copy->ofKind("error")[0]["text"].get<std::string>().find(file.string()), std::string::npos);
        copy->shell.recordWin(Winner::human);
        EXPECT_EQ(copy->errors(), 1);
    }
    EXPECT_EQ(SettingsStore(file).read(key, "statu"), 250u) << "nothing written while locked";
    copy->shell.recordWin(Winner::human);   // the two kept wins go in with this one
    EXPECT_EQ(copy->statu, 253);
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
    EXPECT_EQ(copy.statc, 0x7FFFFFFF);
    copy.shell.recordWin(Winner::human);
    copy.shell.recordWin(Winner::human);
    copy.shell.recordWin(Winner::computer);
    EXPECT_EQ(copy.statu, 0x7FFFFFFF);
    EXPECT_EQ(copy.statc, 0x7FFFFFFF);
    EXPECT_EQ(SettingsStore(file).read(key, "statu"), 0x7FFFFFFFu);
    EXPECT_EQ(SettingsStore(file).read(key, "statc"), 0x7FFFFFFFu);
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
