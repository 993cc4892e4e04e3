// Tests of the settings store when its file cannot be used: reads give 0, writes report an
// error and the user's file is never changed (a locked store, a full disk: see tally_test).
#include "settings/test_dir.hpp"
#include "shell/settings_store.hpp"

#include <gtest/gtest.h>
#include <sqlite3.h>

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

std::vector<char> garbage(std::size_t size, unsigned seed) {
    std::vector<char> bytes(size);
    for (auto& b : bytes) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<char>(seed >> 16);
    }
    return bytes;
}

} // namespace

TEST(SettingsFaults, FileThatIsNotADatabaseOrIsDamagedIsNeverTouched) {
    std::vector<std::vector<char>> files{garbage(10, 10), garbage(100, 100), garbage(9000, 9000)};
    // The right header, then rubbish: SQLite itself must refuse it.
    auto damaged = garbage(8192, 7);
    const char header[] = "SQLite format 3";
    std::copy(header, header + sizeof header, damaged.begin());
    files.push_back(damaged);
    for (const auto& contents : files) {
        SCOPED_TRACE(contents.size());
        TestDir dir;
        auto file = dir / "registry.sqlite3";
        writeFile(file, contents);
        SettingsStore store(file);
        EXPECT_EQ(store.read(key, "one"), 0u);
        EXPECT_NE(store.write(key, "one", 1), storeSuccess);
        EXPECT_NE(store.write(key, "q", 1), storeSuccess);
        EXPECT_EQ(store.read(key, "one"), 0u);
        EXPECT_EQ(fileBytes(file), contents);
        EXPECT_EQ(entries(dir.path()), std::set<std::string>{"registry.sqlite3"}) << "no journal or copy left";
    }
}

// A directory where the file should be, a file where a directory should be, no path at all (no
// home directory found) and a database whose table lacks the expected key: writes must fail, not
// land in a throw-away database, and what is there stays as it was.
TEST(SettingsFaults, UnusablePathsReadZeroAndRefuseEveryWrite) {
    TestDir dir;
    std::filesystem::create_directory(dir / "registry.sqlite3");
    writeFile(dir / "data", {'x'});
    sqlite3* db = nullptr;
    sqlite3_open((dir / "other.sqlite3").c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE registry_value (key TEXT, name TEXT, type INTEGER, data BLOB)", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
    const auto other = fileBytes(dir / "other.sqlite3");
    for (const auto& path : {dir / "registry.sqlite3", dir / "data/qv/registry.sqlite3", std::filesystem::path(),
                             dir / "other.sqlite3"}) {
        SCOPED_TRACE(path);
        SettingsStore store(path);
        const long refused = path.filename() == "other.sqlite3" ? storeAccessDenied : storeCannotOpen;
        EXPECT_EQ(store.read(key, "one"), 0u);
        EXPECT_EQ(store.write(key, "one", 1), refused);
        EXPECT_EQ(store.write(key, "one", 1), refused) << "a second attempt fails the same way";
        EXPECT_EQ(store.read(key, "one"), 0u);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir / "registry.sqlite3"));
    EXPECT_EQ(fileBytes(dir / "data"), std::vector<char>{'x'});
    EXPECT_EQ(fileBytes(dir / "other.sqlite3"), other);
    EXPECT_EQ(entries(dir.path()), (std::set<std::string>{"data", "other.sqlite3", "registry.sqlite3"}));
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
}
