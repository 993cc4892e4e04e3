// The settings and statistics store on SQLite: registry-style values that survive every run.
//
// All four programs share one database file. Its one table:
//
//   CREATE TABLE registry_value (
//     key  TEXT    NOT NULL,   -- the program's key, e.g. "Software\qv\vlm"
//     name TEXT    NOT NULL,   -- the value's name, e.g. "statu"
//     type INTEGER NOT NULL,   -- registry value type: 4 = DWORD, 3 = binary, ...
//     data BLOB    NOT NULL,   -- the value's bytes; a DWORD is four bytes, little-endian
//     PRIMARY KEY (key, name))
//
// The database keeps SQLite's default rollback journal rather than WAL: a read then needs
// nothing but the file itself, so settings still load from a read-only directory, and the
// busy timeout is enough to keep two running programs from losing each other's writes.
//
// The win tally is the user's data: whatever goes wrong (a missing or read-only directory, a
// file that is not a database, a locked database), reads give 0, writes report an error, and
// the file is never deleted, truncated or replaced.
#include "shell/settings_store.hpp"

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ct {

namespace {

constexpr const char* databaseFileName = "registry.sqlite3";

constexpr const char* createTableSql =
    "CREATE TABLE IF NOT EXISTS registry_value ("
    " key TEXT NOT NULL, name TEXT NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL,"
    " PRIMARY KEY (key, name))";
constexpr const char* upsertSql =
    "INSERT INTO registry_value (key, name, type, data) VALUES (?1, ?2, ?3, ?4)"
    " ON CONFLICT (key, name) DO UPDATE SET type = excluded.type, data = excluded.data";
constexpr const char* selectSql = "SELECT data FROM registry_value WHERE key = ?1 AND name = ?2";

// A prepared statement that finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    bool ok() const { return rc_ == SQLITE_OK && stmt_ != nullptr; }
    int rc() const { return rc_; }
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_ERROR;
};

int bindText(sqlite3_stmt* stmt, int index, std::string_view text) {
    return sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// Results that mean "there is no usable database here" rather than "the write was refused".
bool meansCannotOpen(int rc) {
    int primary = rc & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || primary == SQLITE_CANTOPEN ||
           primary == SQLITE_IOERR;
}

long errorCodeFor(int rc) { return meansCannotOpen(rc) ? storeCannotOpen : storeAccessDenied; }

// Creates each missing directory of dir with mode 0700; existing ones are left as they are.
bool makeDirectories(const std::filesystem::path& dir) {
    if (dir.empty())
        return true;
    std::filesystem::path prefix;
    for (const auto& part : dir) {
        prefix /= part;
        struct stat st {};
        if (::stat(prefix.c_str(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return false;
            continue;
        }
        if (errno != ENOENT)
            return false;
        // Another program may create the same directory at the same moment.
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

enum class FileState { missing, usable, unusable };

// Looks at the file before SQLite does: only an empty file or one that starts with the
// SQLite header is handed to SQLite, so nothing else can ever be written over.
FileState inspect(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return errno == ENOENT ? FileState::missing : FileState::unusable;
    if (!S_ISREG(st.st_mode))
        return FileState::unusable;
    if (st.st_size == 0)
        return FileState::usable;
    static constexpr char header[16] = "SQLite format 3";  // with its terminating zero: 16 bytes
    char start[sizeof header] = {};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(start, sizeof start))
        return FileState::unusable;
    return std::memcmp(start, header, sizeof header) == 0 ? FileState::usable : FileState::unusable;
}

// The home directory: $HOME when it is an absolute path, else the password database.
std::filesystem::path homeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return home;
    struct passwd pw {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &pw, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/')
        return found->pw_dir;
    return {};
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path databaseFile, int busyTimeoutMs)
    : path_(std::move(databaseFile)), busyTimeoutMs_(busyTimeoutMs) {}

SettingsStore::~SettingsStore() { close(); }

void SettingsStore::close() {
    if (db_ != nullptr)
        sqlite3_close_v2(db_);
    db_ = nullptr;
    tableReady_ = false;
}

bool SettingsStore::open(bool create) {
    if (db_ != nullptr)
        return true;
    // An empty name would give SQLite's private temporary database: writes would vanish.
    if (path_.empty())
        return false;
    // One attempt per call: a failure is retried at the next read or write, never in a loop.
    FileState state = inspect(path_);
    if (state == FileState::unusable || (state == FileState::missing && !create))
        return false;
    if (state == FileState::missing && !makeDirectories(path_.parent_path()))
        return false;
    // READWRITE falls back to read-only by itself when the file is write-protected.
    int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path_.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        close();
        return false;
    }
    sqlite3_busy_timeout(db_, busyTimeoutMs_);
    return true;
}

long SettingsStore::write(std::string_view key, std::string_view name, std::uint32_t value) {
    std::vector<unsigned char> bytes = {
        static_cast<unsigned char>(value & 0xff), static_cast<unsigned char>((value >> 8) & 0xff),
        static_cast<unsigned char>((value >> 16) & 0xff), static_cast<unsigned char>((value >> 24) & 0xff)};
    return writeRaw(key, name, valueTypeDword, bytes);
}

long SettingsStore::writeRaw(std::string_view key, std::string_view name, int type,
                             const std::vector<unsigned char>& bytes) {
    try {
        if (!open(true))
            return storeCannotOpen;
        // IMMEDIATE takes the write lock at once, so a second program waits in the busy
        // timeout here instead of failing later when it tries to upgrade a read lock.
        int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            if (meansCannotOpen(rc))
                close();
            return errorCodeFor(rc);
        }
        auto fail = [this](int failedRc) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            if (meansCannotOpen(failedRc))
                close();
            return errorCodeFor(failedRc);
        };
        if (!tableReady_) {
            rc = sqlite3_exec(db_, createTableSql, nullptr, nullptr, nullptr);
            if (rc != SQLITE_OK)
                return fail(rc);
        }
        {
            Statement upsert(db_, upsertSql);
            if (!upsert.ok())
                return fail(upsert.rc());
            // A zero-length blob binds as NULL; an empty value is still a value, so bind "".
            static const unsigned char none = 0;
            const void* data = bytes.empty() ? static_cast<const void*>(&none) : bytes.data();
            if ((rc = bindText(upsert.get(), 1, key)) != SQLITE_OK ||
                (rc = bindText(upsert.get(), 2, name)) != SQLITE_OK ||
                (rc = sqlite3_bind_int(upsert.get(), 3, type)) != SQLITE_OK ||
                (rc = sqlite3_bind_blob(upsert.get(), 4, data, static_cast<int>(bytes.size()),
                                        SQLITE_TRANSIENT)) != SQLITE_OK)
                return fail(rc);
            rc = sqlite3_step(upsert.get());
            if (rc != SQLITE_DONE)
                return fail(rc);
        }
        rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            return fail(rc);
        tableReady_ = true;
        return storeSuccess;
    } catch (...) {
        return storeAccessDenied;
    }
}

std::uint32_t SettingsStore::read(std::string_view key, std::string_view name) {
    try {
        if (!open(false))
            return 0;
        Statement select(db_, selectSql);
        if (!select.ok()) {
            // No table yet is normal before the first write; a broken file is looked at afresh.
            if (meansCannotOpen(select.rc()))
                close();
            return 0;
        }
        if (bindText(select.get(), 1, key) != SQLITE_OK || bindText(select.get(), 2, name) != SQLITE_OK)
            return 0;
        int rc = sqlite3_step(select.get());
        if (rc != SQLITE_ROW) {
            if (meansCannotOpen(rc))
                close();
            return 0;
        }
        // The type is not looked at: any four bytes read as a DWORD, anything else as 0.
        if (sqlite3_column_type(select.get(), 0) != SQLITE_BLOB || sqlite3_column_bytes(select.get(), 0) != 4)
            return 0;
        const auto* b = static_cast<const unsigned char*>(sqlite3_column_blob(select.get(), 0));
        if (b == nullptr)
            return 0;
        return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
               static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    } catch (...) {
        return 0;
    }
}

std::filesystem::path settingsDatabasePath(const std::string& configDir) {
    if (!configDir.empty())
        return std::filesystem::path(configDir) / databaseFileName;
    const char* override = std::getenv("QV_CONFIG_DIR");
    if (override != nullptr && override[0] != '\0')
        return std::filesystem::path(override) / databaseFileName;
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules ask.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return std::filesystem::path(dataHome) / "qv" / databaseFileName;
    std::filesystem::path home = homeDirectory();
    if (home.empty())
        return {};
    return home / ".local" / "share" / "qv" / databaseFileName;
}

} // namespace ct
