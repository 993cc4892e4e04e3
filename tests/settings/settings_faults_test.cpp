// Tests of the settings store when its file cannot be used: reads give 0, writes report an
// error, nothing blocks for long and the user's file is never changed.
#include "settings/test_dir.hpp"
#include "shell/settings_store.hpp"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace ct;
using settings_test::fileBytes;
using settings_test::TestDir;
using settings_test::writeFile;

namespace {

const std::string key = "Software\\qv\\trevallo";

std::set<std::string> entries(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

// Reads 0, refuses writes with an error code, and leaves the file exactly as it was.
void expectUntouched(const std::filesystem::path& file, const std::vector<char>& contents) {
    SettingsStore store(file);
    EXPECT_EQ(store.read(key, "one"), 0u);
    EXPECT_NE(store.write(key, "one", 1), storeSuccess);
    EXPECT_NE(store.write(key, "q", 1), storeSuccess);
    EXPECT_EQ(store.read(key, "one"), 0u);
    EXPECT_EQ(fileBytes(file), contents);
    EXPECT_EQ(entries(file.parent_path()), std::set<std::string>{file.filename().string()});
}

std::vector<char> garbage(std::size_t size, unsigned seed) {
    std::vector<char> bytes(size);
    for (auto& b : bytes) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<char>(seed >> 16);
    }
    return bytes;
}

} // namespace

TEST(SettingsFaults, FileThatIsNotADatabaseIsNeverTouched) {
    for (std::size_t size : {std::size_t{10}, std::size_t{100}, std::size_t{9000}}) {
        SCOPED_TRACE(size);
        TestDir dir;
        auto file = dir / "registry.sqlite3";
        auto contents = garbage(size, static_cast<unsigned>(size));
        writeFile(file, contents);
        expectUntouched(file, contents);
    }
}

TEST(SettingsFaults, DamagedDatabaseIsNeverTouched) {
    // The right header, then rubbish: SQLite itself must refuse it.
    TestDir dir;
    auto file = dir / "registry.sqlite3";
    auto contents = garbage(8192, 7);
    const char header[] = "SQLite format 3";
    std::copy(header, header + sizeof header, contents.begin());
    writeFile(file, contents);
    expectUntouched(file, contents);
}

TEST(SettingsFaults, DatabasePathThatIsADirectory) {
    TestDir dir;
    auto file = dir / "registry.sqlite3";
    std::filesystem::create_directory(file);
    SettingsStore store(file);
    EXPECT_EQ(store.read(key, "one"), 0u);
    EXPECT_EQ(store.write(key, "one", 1), storeCannotOpen);
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_TRUE(std::filesystem::is_empty(file));
    EXPECT_EQ(entries(dir.path()), std::set<std::string>{"registry.sqlite3"});
}

TEST(SettingsFaults, DirectoryThatCannotBeMadeBecauseAFileIsInTheWay) {
    TestDir dir;
    auto blocker = dir / "data";
    writeFile(blocker, {'x'});
    SettingsStore store(blocker / "qv/registry.sqlite3");
    EXPECT_EQ(store.write(key, "one", 1), storeCannotOpen);
    EXPECT_EQ(store.read(key, "one"), 0u);
    // A second attempt fails the same way, it does not get stuck.
    EXPECT_EQ(store.write(key, "one", 1), storeCannotOpen);
    EXPECT_EQ(fileBytes(blocker), std::vector<char>{'x'});
}

TEST(SettingsFaults, EmptyPathStoresNothing) {
    // No home directory found: writes must fail, not land in a throw-away database.
    SettingsStore store{std::filesystem::path()};
    EXPECT_EQ(store.write(key, "one", 1), storeCannotOpen);
    EXPECT_EQ(store.read(key, "one"), 0u);
}

TEST(SettingsFaults, ReadOnlyDirectoryKeepsValuesReadableAndRefusesWrites) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    TestDir dir;
    auto file = dir / "qv/registry.sqlite3";
    {
        SettingsStore store(file);
        ASSERT_EQ(store.write(key, "range", 1), storeSuccess);
    }
    auto before = fileBytes(file);
    ASSERT_EQ(::chmod((dir / "qv").c_str(), 0500), 0);
    SettingsStore store(file);
    EXPECT_EQ(store.read(key, "range"), 1u);
    EXPECT_NE(store.write(key, "range", 0), storeSuccess);
    EXPECT_EQ(store.read(key, "range"), 1u);
    EXPECT_EQ(fileBytes(file), before);

    // A read-only parent where the database does not exist yet.
    ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
    SettingsStore fresh(dir / "new/registry.sqlite3");
    EXPECT_EQ(fresh.write(key, "range", 1), storeCannotOpen);
    EXPECT_EQ(fresh.read(key, "range"), 0u);
    ::chmod(dir.path().c_str(), 0700);
}

// Another program holding the database locked: the write gives up with an error after the
// busy timeout, and succeeds once the lock is gone.
TEST(SettingsFaults, LockedDatabaseFailsAfterTheTimeoutThenRecovers) {
    TestDir dir;
    auto file = dir / "registry.sqlite3";
    SettingsStore store(file, 200);
    ASSERT_EQ(store.write(key, "q", 1), storeSuccess);

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    auto start = std::chrono::steady_clock::now();
    EXPECT_NE(store.write(key, "q", 2), storeSuccess);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);

    EXPECT_EQ(store.read(key, "q"), 1u);
    EXPECT_EQ(store.write(key, "q", 2), storeSuccess);
    EXPECT_EQ(store.read(key, "q"), 2u);
    sqlite3_close(other);
}
