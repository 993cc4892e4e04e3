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
    return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Rows of the table as "key|name|type|hex bytes", read with SQLite directly.
std::vector<std::string> rawRows(const std::filesystem::path& file) {
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        sqlite3_exec(
            db, "SELECT key || '|' || name || '|' || type || '|' || hex(data) FROM registry_value ORDER BY key, name",
            [](void* out, int, char** values, char**) {
                static_cast<std::vector<std::string>*>(out)->push_back(values[0] ? values[0] : "");
                return 0;
            },
            &rows, nullptr);
    sqlite3_close(db);
    return rows;
}

} // namespace

// A program reads its settings at start-up, usually before anything was ever written.
TEST(SettingsStore, ReadsBeforeAnyWriteGiveZeroCreateNothingAndSeeLaterWrites) {
    TestDir dir;
    auto file = dir / "qv/registry.sqlite3";
    SettingsStore early(file);
    EXPECT_EQ(early.read(velmarKey, "blackbg"), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir / "qv")) << "reading must not create the directory or the file";

    SettingsStore other(file);
    ASSERT_EQ(other.write(zembrolaKey, "statu", 1), storeSuccess);
    EXPECT_EQ(early.read(zembrolaKey, "statu"), 1u);
    EXPECT_EQ(early.read(zembrolaKey, "statu2"), 0u) << "a name is matched whole";

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

TEST(SettingsStore, WrittenValuesAreOneLittleEndianRowEachAndSeenByTheNextRun) {
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
        EXPECT_EQ(velmar.write("statu", 0x01020304u), storeSuccess) << "a value written again replaces the old one";
        EXPECT_EQ(velmar.read("statu"), 0x01020304u);
    }
    EXPECT_EQ(rawRows(file), (std::vector<std::string>{"Software\\qv\\vlm|statc|4|FFFFFFFF",
                                                       "Software\\qv\\vlm|statu|4|04030201",
                                                       "Software\\qv\\vlm|type|4|00000080",
                                                       "Software\\qv\\zm|statu|4|02000000"}));
    EXPECT_EQ(SettingsStore(file).read(velmarKey, "statc"), 0xFFFFFFFFu);
}

TEST(SettingsStore, AnyTypeOfFourBytesReadsAsDwordOtherLengthsReadZero) {
    TestDir dir;
    auto file = dir / "registry.sqlite3";
    struct Case {
        const char* name;
        int type;
        std::vector<unsigned char> bytes;
        std::uint32_t reads;
    };
    // Four and two bytes of binary are read by the Velmar damaged-store replay.
    const std::vector<Case> cases{{"sz4", 1, {'a', 'b', 'c', 0}, 0x00636261u},
                                  {"qword", 11, {1, 0, 0, 0, 0, 0, 0, 0}, 0u},
                                  {"empty", valueTypeBinary, {}, 0u},
                                  {"dword3", valueTypeDword, {1, 2, 3}, 0u}};
    {
        SettingsStore store(file);
        for (const Case& c : cases)
            ASSERT_EQ(store.writeRaw(velmarKey, c.name, c.type, c.bytes), storeSuccess) << c.name;
    }
    SettingsStore nextRun(file);
    for (const Case& c : cases)
        EXPECT_EQ(nextRun.read(velmarKey, c.name), c.reads) << c.name;

    // Writing a DWORD over a value of another type makes it a DWORD again.
    ASSERT_EQ(nextRun.write(velmarKey, "qword", 5), storeSuccess);
    EXPECT_EQ(SettingsStore(file).read(velmarKey, "qword"), 5u);
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
    EXPECT_EQ(modeOf(dir.path()), 0755u) << "a directory that already existed keeps its own mode";
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

// Two copies of a program writing at the same time: neither loses the other's values. A write
// that loses the race past the short busy timeout is kept and goes in with a later one.
TEST(SettingsStore, TwoProcessesWritingAtOnceLoseNothing) {
    TestDir dir;
    auto file = dir / "qv/registry.sqlite3";
    auto value = [](int who, int round, int i) { return static_cast<std::uint32_t>(round * 1000 + i + who * 100); };
    // Ten names, five times over, under the writer's own key; true when nothing is left unwritten.
    auto writeAll = [&](int who) {
        SettingsStore store(file);
        ProgramSettings settings(store, who ? zembrolaKey : velmarKey);
        for (int round = 0; round < 5; ++round)
            for (int i = 0; i < 10; ++i)
                settings.write("n" + std::to_string(i), value(who, round, i));
        for (int tries = 0; tries < 20 && !settings.flush(); ++tries)
            ::usleep(10000);
        return !settings.pending();
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(writeAll(1) ? 0 : 1);
    EXPECT_TRUE(writeAll(0));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other writer had failed writes";
    SettingsStore store(file);
    for (int who = 0; who < 2; ++who)
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(store.read(who ? zembrolaKey : velmarKey, "n" + std::to_string(i)), value(who, 4, i))
                << "writer " << who << " name " << i;
}
