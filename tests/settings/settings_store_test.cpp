// Tests of the settings store: values across runs, the stored format, value types, the
// database's location and two programs writing at once.
#include "settings/test_dir.hpp"
#include "shell/settings_store.hpp"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ct;
using settings_test::EnvVar;
using settings_test::TestDir;

namespace {

const std::string velmarKey = "Software\\qv\\vlm";
const std::string zembrolaKey = "Software\\qv\\zm";

mode_t modeOf(const std::filesystem::path& p) {
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0)
        return 0;
    return st.st_mode & 07777;
}

// Rows of the table as "key|name|type|hex bytes", read with SQLite directly.
std::vector<std::string> rawRows(const std::filesystem::path& file) {
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT key, name, type, hex(data) FROM registry_value ORDER BY key, name",
                               -1, &stmt, nullptr) == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                std::string row;
                for (int c = 0; c < 4; ++c) {
                    const unsigned char* text = sqlite3_column_text(stmt, c);
                    row += (c ? "|" : "") + std::string(text ? reinterpret_cast<const char*>(text) : "");
                }
                rows.push_back(row);
            }
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return rows;
}

} // namespace

TEST(SettingsStore, NothingStoredReadsZeroAndCreatesNothing) {
    TestDir dir;
    auto file = dir / "qv/registry.sqlite3";
    SettingsStore store(file);
    EXPECT_EQ(store.read(velmarKey, "blackbg"), 0u);
    EXPECT_EQ(store.read(velmarKey, "statu"), 0u);
    // Reading at start-up must not create the directory or the file.
    EXPECT_FALSE(std::filesystem::exists(dir / "qv"));

    // Once the key exists, its other values and other keys still read 0.
    ASSERT_EQ(store.write(velmarKey, "back", 3), storeSuccess);
    EXPECT_EQ(store.read(velmarKey, "blackbg"), 0u);
    EXPECT_EQ(store.read(zembrolaKey, "back"), 0u);
    EXPECT_EQ(store.read(velmarKey, "Back2"), 0u);
}

TEST(SettingsStore, WrittenValuesAreSeenByTheNextRun) {
    TestDir dir;
    auto file = dir / "registry.sqlite3";
    {
        SettingsStore store(file);
        ProgramSettings velmar(store, velmarKey);
        ProgramSettings zembrola(store, zembrolaKey);
        EXPECT_EQ(velmar.write("statu", 7), storeSuccess);
        EXPECT_EQ(velmar.write("statc", 0xFFFFFFFFu), storeSuccess);
        EXPECT_EQ(velmar.write("type", 0x80000000u), storeSuccess);
        EXPECT_EQ(zembrola.write("statu", 2), storeSuccess);
        // A value written again replaces the old one.
        EXPECT_EQ(velmar.write("statu", 8), storeSuccess);
        EXPECT_EQ(velmar.read("statu"), 8u);
    }
    SettingsStore nextRun(file);
    EXPECT_EQ(nextRun.read(velmarKey, "statu"), 8u);
    EXPECT_EQ(nextRun.read(velmarKey, "statc"), 0xFFFFFFFFu);
    EXPECT_EQ(nextRun.read(velmarKey, "type"), 0x80000000u);
    EXPECT_EQ(nextRun.read(zembrolaKey, "statu"), 2u);
    ProgramSettings zembrola(nextRun, zembrolaKey);
    EXPECT_EQ(zembrola.write("statu", 0), storeSuccess);
    EXPECT_EQ(SettingsStore(file).read(zembrolaKey, "statu"), 0u);
}

TEST(SettingsStore, DwordIsOneRowOfFourLittleEndianBytes) {
    TestDir dir;
    auto file = dir / "registry.sqlite3";
    SettingsStore store(file);
    ASSERT_EQ(store.write(velmarKey, "statu", 1), storeSuccess);
    ASSERT_EQ(store.write(velmarKey, "statu", 0x01020304u), storeSuccess);
    ASSERT_EQ(store.write(zembrolaKey, "wc", 1), storeSuccess);
    EXPECT_EQ(rawRows(file), (std::vector<std::string>{"Software\\qv\\vlm|statu|4|04030201",
                                                       "Software\\qv\\zm|wc|4|01000000"}));
}

TEST(SettingsStore, AnyTypeOfFourBytesReadsAsDwordOtherLengthsReadZero) {
    TestDir dir;
    auto file = dir / "registry.sqlite3";
    SettingsStore store(file);
    ASSERT_EQ(store.writeRaw(velmarKey, "bin4", valueTypeBinary, {0x2a, 0, 0, 0}), storeSuccess);
    ASSERT_EQ(store.writeRaw(velmarKey, "sz4", 1, {'a', 'b', 'c', 0}), storeSuccess);
    ASSERT_EQ(store.writeRaw(velmarKey, "bin2", valueTypeBinary, {1, 2}), storeSuccess);
    ASSERT_EQ(store.writeRaw(velmarKey, "qword", 11, {1, 0, 0, 0, 0, 0, 0, 0}), storeSuccess);
    ASSERT_EQ(store.writeRaw(velmarKey, "empty", valueTypeBinary, {}), storeSuccess);
    ASSERT_EQ(store.writeRaw(velmarKey, "dword3", valueTypeDword, {1, 2, 3}), storeSuccess);

    SettingsStore nextRun(file);
    EXPECT_EQ(nextRun.read(velmarKey, "bin4"), 42u);
    EXPECT_EQ(nextRun.read(velmarKey, "sz4"), 0x00636261u);
    EXPECT_EQ(nextRun.read(velmarKey, "bin2"), 0u);
    EXPECT_EQ(nextRun.read(velmarKey, "qword"), 0u);
    EXPECT_EQ(nextRun.read(velmarKey, "empty"), 0u);
    EXPECT_EQ(nextRun.read(velmarKey, "dword3"), 0u);

    // Writing a DWORD over a value of another type makes it a DWORD again.
    ASSERT_EQ(nextRun.write(velmarKey, "bin2", 5), storeSuccess);
    EXPECT_EQ(SettingsStore(file).read(velmarKey, "bin2"), 5u);
}

// A program that read its settings before any other program had written sees later writes.
TEST(SettingsStore, EarlyReaderSeesAnotherProgramsLaterWrites) {
    TestDir dir;
    auto file = dir / "qv/registry.sqlite3";
    SettingsStore early(file);
    EXPECT_EQ(early.read(velmarKey, "statu"), 0u);  // no file yet

    SettingsStore other(file);
    ASSERT_EQ(other.write(zembrolaKey, "statu", 1), storeSuccess);
    EXPECT_EQ(early.read(zembrolaKey, "statu"), 1u);

    // The same with a file that exists but has no table yet when the reader first looks.
    auto emptyFile = dir / "empty.sqlite3";
    settings_test::writeFile(emptyFile, {});
    SettingsStore earlyOnEmpty(emptyFile);
    EXPECT_EQ(earlyOnEmpty.read(velmarKey, "statu"), 0u);
    SettingsStore writer(emptyFile);
    ASSERT_EQ(writer.write(velmarKey, "statu", 9), storeSuccess);
    EXPECT_EQ(earlyOnEmpty.read(velmarKey, "statu"), 9u);
    ASSERT_EQ(earlyOnEmpty.write(velmarKey, "statc", 4), storeSuccess);
    EXPECT_EQ(writer.read(velmarKey, "statc"), 4u);
}

TEST(SettingsStore, FirstWriteCreatesMissingDirectoriesPrivate) {
    TestDir dir;
    mode_t oldMask = ::umask(022);
    ::chmod(dir.path().c_str(), 0755);
    auto file = dir / "data/qv/registry.sqlite3";
    SettingsStore store(file);
    long rc = store.write(velmarKey, "statu", 1);
    ::umask(oldMask);
    ASSERT_EQ(rc, storeSuccess);
    EXPECT_EQ(modeOf(dir / "data"), 0700u);
    EXPECT_EQ(modeOf(dir / "data/qv"), 0700u);
    // A directory that already existed keeps its own mode.
    EXPECT_EQ(modeOf(dir.path()), 0755u);
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
}

TEST(SettingsPath, ExplicitDirThenOverrideThenXdgThenHome) {
    EnvVar config("QV_CONFIG_DIR", "/tmp/qv-override");
    EnvVar xdg("XDG_DATA_HOME", "/tmp/xdg-data");
    EnvVar home("HOME", "/tmp/home-of-user");
    EXPECT_EQ(settingsDatabasePath("/tmp/explicit"), "/tmp/explicit/registry.sqlite3");
    EXPECT_EQ(settingsDatabasePath(), "/tmp/qv-override/registry.sqlite3");
    {
        EnvVar noConfig("QV_CONFIG_DIR", std::nullopt);
        EXPECT_EQ(settingsDatabasePath(), "/tmp/xdg-data/qv/registry.sqlite3");
        EXPECT_EQ(settingsDatabasePath("relative/dir"), "relative/dir/registry.sqlite3");
    }
    {
        // Empty variables count as unset; a relative XDG_DATA_HOME is not valid and is ignored.
        EnvVar emptyConfig("QV_CONFIG_DIR", "");
        EnvVar relativeXdg("XDG_DATA_HOME", "data");
        EXPECT_EQ(settingsDatabasePath(), "/tmp/home-of-user/.local/share/qv/registry.sqlite3");
        EnvVar emptyXdg("XDG_DATA_HOME", "");
        EXPECT_EQ(settingsDatabasePath(), "/tmp/home-of-user/.local/share/qv/registry.sqlite3");
        // Without HOME the account's home directory is used.
        EnvVar noHome("HOME", std::nullopt);
        auto path = settingsDatabasePath();
        EXPECT_TRUE(path.empty() || (path.is_absolute() && path.filename() == "registry.sqlite3" &&
                                     path.parent_path().filename() == "qv"))
            << path;
    }
}

TEST(SettingsPath, ExplicitDirIsWhereTheStoreWrites) {
    TestDir dir;
    EnvVar config("QV_CONFIG_DIR", (dir / "elsewhere").string());
    SettingsStore store(settingsDatabasePath((dir / "chosen").string()));
    ASSERT_EQ(store.write(velmarKey, "back", 2), storeSuccess);
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "chosen/registry.sqlite3"));
    EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere"));
}

// Two copies of a program writing at the same time: neither loses the other's values.
TEST(SettingsStore, TwoProcessesWritingAtOnceLoseNothing) {
    TestDir dir;
    auto file = dir / "qv/registry.sqlite3";
    constexpr int rounds = 10;
    constexpr int names = 20;
    int startPipe[2];
    ASSERT_EQ(::pipe(startPipe), 0);
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(startPipe[1]);
            char go;
            // Both children start writing when the parent closes the pipe.
            [[maybe_unused]] auto got = ::read(startPipe[0], &go, 1);
            SettingsStore store(file);
            int failures = 0;
            for (int round = 0; round < rounds; ++round)
                for (int i = 0; i < names; ++i)
                    if (store.write(child ? zembrolaKey : velmarKey, "n" + std::to_string(i),
                                    static_cast<std::uint32_t>(round * 1000 + i + child * 100)) != storeSuccess)
                        ++failures;
            ::_exit(failures == 0 ? 0 : 1);
        }
        children[child] = pid;
    }
    ::close(startPipe[0]);
    ::close(startPipe[1]);
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer had failed writes";
    }
    SettingsStore store(file);
    for (int child = 0; child < 2; ++child)
        for (int i = 0; i < names; ++i)
            EXPECT_EQ(store.read(child ? zembrolaKey : velmarKey, "n" + std::to_string(i)),
                      static_cast<std::uint32_t>((rounds - 1) * 1000 + i + child * 100))
                << "child " << child << " name " << i;
}
