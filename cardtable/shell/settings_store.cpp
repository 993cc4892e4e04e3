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

#include <algorithm>
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


long SettingsStore::failed(int rc, const char* what) {
    lastError_ = what != nullptr ? what : sqlite3_errstr(rc);
    return errorCodeFor(rc);
}

long SettingsStore::transaction(const std::function<int()>& body) {
    try {
        if (!open(true)) {
            lastError_ = errno != 0 ? std::strerror(errno) : "cannot open the database";
            return storeCannotOpen;
        }
        // IMMEDIATE takes the write lock at once, so a second program waits in the busy
        // timeout here instead of failing later when it tries to upgrade a read lock.
        int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            long code = failed(rc, sqlite3_errmsg(db_));
            if (meansCannotOpen(rc))
                close();
            return code;
        }
        auto fail = [this](int failedRc) {
            long code = failed(failedRc, sqlite3_errmsg(db_));
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            if (meansCannotOpen(failedRc))
                close();
            return code;
        };
        if (!tableReady_) {
            rc = sqlite3_exec(db_, createTableSql, nullptr, nullptr, nullptr);
            if (rc != SQLITE_OK)
                return fail(rc);
        }
        rc = body();
        if (rc != SQLITE_OK)
            return fail(rc);
        rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            return fail(rc);
        tableReady_ = true;
        return storeSuccess;
    } catch (...) {
        lastError_ = "out of memory";
        return storeAccessDenied;
    }
}

namespace {

std::uint32_t dwordOf(sqlite3_stmt* stmt, int column, bool& isDword) {
    isDword = sqlite3_column_type(stmt, column) == SQLITE_BLOB && sqlite3_column_bytes(stmt, column) == 4;
    const auto* b = isDword ? static_cast<const unsigned char*>(sqlite3_column_blob(stmt, column)) : nullptr;
    if (b == nullptr) {
        isDword = false;
        return 0;
    }
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::vector<unsigned char> dwordBytes(std::uint32_t value) {
    return {static_cast<unsigned char>(value & 0xff), static_cast<unsigned char>((value >> 8) & 0xff),
            static_cast<unsigned char>((value >> 16) & 0xff), static_cast<unsigned char>((value >> 24) & 0xff)};
}

int upsert(sqlite3* db, std::string_view key, std::string_view name, int type, const std::vector<unsigned char>& bytes) {
    Statement upsert(db, upsertSql);
    if (!upsert.ok())
        return upsert.rc();
    // A zero-length blob binds as NULL; an empty value is still a value, so bind "".
    static const unsigned char none = 0;
    const void* data = bytes.empty() ? static_cast<const void*>(&none) : bytes.data();
    int rc = SQLITE_OK;
    if ((rc = bindText(upsert.get(), 1, key)) != SQLITE_OK || (rc = bindText(upsert.get(), 2, name)) != SQLITE_OK ||
        (rc = sqlite3_bind_int(upsert.get(), 3, type)) != SQLITE_OK ||
        (rc = sqlite3_bind_blob(upsert.get(), 4, data, static_cast<int>(bytes.size()), SQLITE_TRANSIENT)) != SQLITE_OK)
        return rc;
    rc = sqlite3_step(upsert.get());
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

} // namespace

long SettingsStore::writeRaw(std::string_view key, std::string_view name, int type,
                             const std::vector<unsigned char>& bytes) {
    return transaction([&] { return upsert(db_, key, name, type, bytes); });
}

long SettingsStore::write(std::string_view key, std::string_view name, std::uint32_t value) {
    return writeRaw(key, name, valueTypeDword, dwordBytes(value));
}

long SettingsStore::increment(std::string_view key, std::string_view name, std::uint32_t by, std::uint32_t* stored,
                              const CountBase& base) {
    std::uint32_t result = 0;
    long code = transaction([&] {
        Statement select(db_, selectSql);
        if (!select.ok())
            return select.rc();
        int rc = SQLITE_OK;
        if ((rc = bindText(select.get(), 1, key)) != SQLITE_OK || (rc = bindText(select.get(), 2, name)) != SQLITE_OK)
            return rc;
        rc = sqlite3_step(select.get());
        std::uint32_t old = 0;
        if (rc == SQLITE_ROW) {
            bool isDword = false;
            old = dwordOf(select.get(), 0, isDword);
        } else if (rc != SQLITE_DONE) {
            return rc;
        }
        if (base)
            old = base(old);
        // A damaged value past the largest count counts as the largest count.
        old = std::min(old, largestCount);
        result = by >= largestCount - old ? largestCount : old + by;
        return upsert(db_, key, name, valueTypeDword, dwordBytes(result));
    });
    if (code == storeSuccess && stored != nullptr)
        *stored = result;
    return code;
}

std::map<std::string, std::uint32_t, std::less<>> SettingsStore::readAll(std::string_view key, bool* ok) {
    std::map<std::string, std::uint32_t, std::less<>> values;
    bool answered = false;
    try {
        if (!open(false)) {
            answered = inspect(path_) == FileState::missing;
        } else {
            Statement select(db_, "SELECT name, data FROM registry_value WHERE key = ?1");
            if (!select.ok()) {
                // No table yet is normal before the first write.
                answered = std::string_view(sqlite3_errmsg(db_)).starts_with("no such table");
                lastError_ = sqlite3_errmsg(db_);
                if (meansCannotOpen(select.rc()))
                    close();
            } else if (bindText(select.get(), 1, key) == SQLITE_OK) {
                int rc = SQLITE_OK;
                while ((rc = sqlite3_step(select.get())) == SQLITE_ROW) {
                    bool isDword = false;
                    const std::uint32_t value = dwordOf(select.get(), 1, isDword);
                    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(select.get(), 0));
                    if (isDword && name != nullptr)
                        values[name] = value;
                }
                answered = rc == SQLITE_DONE;
                if (!answered) {
                    lastError_ = sqlite3_errmsg(db_);
                    values.clear();
                    if (meansCannotOpen(rc))
                        close();
                }
            }
        }
    } catch (...) {
        values.clear();
        answered = false;
    }
    if (ok != nullptr)
        *ok = answered;
    return values;
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

long ProgramSettings::write(std::string_view name, std::uint32_t value) {
    // A newer value replaces a kept one, counts included.
    pendingCounts_.erase(std::string(name));
    pendingValues_[std::string(name)] = value;
    return flush() ? storeSuccess : storeAccessDenied;
}

std::uint32_t ProgramSettings::increment(std::string_view name, std::uint32_t shown, SettingsStore::CountBase base) {
    const std::uint32_t next = std::min(shown, largestCount - 1) + 1;
    if (const auto at = pendingValues_.find(name); at != pendingValues_.end()) {
        // A kept value not yet written (a cleared tally): the count goes on from it.
        at->second = std::min(at->second, largestCount - 1) + 1;
        flush();
        return next;
    }
    KeptCount& kept = pendingCounts_[std::string(name)];
    kept.by = std::min(kept.by, largestCount - 1) + 1;
    kept.base = std::move(base);
    flush();
    if (pendingCounts_.contains(name))
        return next;
    // Counted: show what the store holds now, other running copies' wins included.
    bool ok = false;
    const auto values = store_.readAll(key_, &ok);
    const auto it = values.find(name);
    return ok && it != values.end() ? std::min(it->second, largestCount) : next;
}

bool ProgramSettings::flush() {
    bool allWritten = true;
    for (auto it = pendingCounts_.begin(); it != pendingCounts_.end();) {
        if (store_.increment(key_, it->first, it->second.by, nullptr, it->second.base) == storeSuccess) {
            it = pendingCounts_.erase(it);
        } else {
            allWritten = false;
            ++it;
        }
    }
    for (auto it = pendingValues_.begin(); it != pendingValues_.end();) {
        if (store_.write(key_, it->first, it->second) == storeSuccess) {
            it = pendingValues_.erase(it);
        } else {
            allWritten = false;
            ++it;
        }
    }
    if (!allWritten)
        reportFailure();
    return allWritten;
}

void ProgramSettings::reportFailure() {
    if (failed_)
        return;
    failed_ = true;
    if (failureHandler_)
        failureHandler_(store_.path().string(), store_.lastError());
}

} // namespace ct
