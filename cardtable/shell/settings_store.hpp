// The settings and statistics store: one 32-bit value per name under a program's key,
// kept in one SQLite database for all programs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;

namespace ct {

// Value types, numbered as the registry numbers them.
inline constexpr int valueTypeBinary = 3;
inline constexpr int valueTypeDword = 4;

// Error codes returned by write (0 = success), as the registry reports them.
inline constexpr long storeSuccess = 0;
inline constexpr long storeAccessDenied = 5;  // the database is there but refused the write
inline constexpr long storeCannotOpen = 110;  // no usable database: missing path, not a database

// How long a read or write waits for another running program that holds the database. Short,
// so that a locked file never freezes the window; a write that cannot wait is kept and retried.
inline constexpr int storeBusyTimeoutMs = 400;

// The largest count a tally holds; an increment past it stays there.
inline constexpr std::uint32_t largestCount = 0x7FFFFFFF;

class SettingsStore {
public:
    // Opens lazily at first use; a read never creates anything, the first write creates the
    // directories (mode 0700) and the database.
    explicit SettingsStore(std::filesystem::path databaseFile, int busyTimeoutMs = storeBusyTimeoutMs);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // One value in its own transaction. Returns the error code; never throws.
    long write(std::string_view key, std::string_view name, std::uint32_t value);
    // Missing or unreadable: 0. A value of any type that is exactly four bytes long reads as them.
    std::uint32_t read(std::string_view key, std::string_view name);
    // Stores raw bytes with a type (tests use it to store a value of another type).
    long writeRaw(std::string_view key, std::string_view name, int type, const std::vector<unsigned char>& bytes);
    // Every four-byte value under `key` in one query; `ok` (optional) tells whether the store
    // answered (a missing file answers: it holds nothing).
    std::map<std::string, std::uint32_t, std::less<>> readAll(std::string_view key, bool* ok = nullptr);
    // Adds `by` to the stored value in one transaction, saturating at largestCount, so that
    // two programs counting into one file never lose each other's counts. On success `stored`
    // (optional) is the value now held.
    // `base` (optional) gives the count a stored value stands for (a program may read 0 as 100).
    using CountBase = std::function<std::uint32_t(std::uint32_t)>;
    long increment(std::string_view key, std::string_view name, std::uint32_t by = 1, std::uint32_t* stored = nullptr,
                   const CountBase& base = {});

    const std::filesystem::path& path() const { return path_; }
    // Why the last failed read or write failed, in words.
    const std::string& lastError() const { return lastError_; }

private:
    // Makes db_ usable; with create, also the directories, the file and the table.
    bool open(bool create);
    void close();
    // Runs `body` (returning an SQLite code) inside BEGIN IMMEDIATE … COMMIT.
    long transaction(const std::function<int()>& body);
    long failed(int rc, const char* what);
    std::string lastError_;
    std::filesystem::path path_;
    int busyTimeoutMs_;
    sqlite3* db_ = nullptr;
    bool tableReady_ = false;
};

// $XDG_DATA_HOME/qv/registry.sqlite3, falling back to ~/.local/share/qv; overridden by the
// QV_CONFIG_DIR environment variable or --config-dir (configDir non-empty), either of which
// names the directory that holds registry.sqlite3. Empty when no home can be found.
std::filesystem::path settingsDatabasePath(const std::string& configDir = {});

// A program's view of the store: its own key. A write the store cannot make (locked, read-only,
// full) is kept and tried again before the next write and at flush(), so nothing is dropped;
// the first failure of a run is handed to the failure handler.
class ProgramSettings {
public:
    using FailureHandler = std::function<void(const std::string& file, const std::string& reason)>;
    ProgramSettings(SettingsStore& store, std::string key) : store_(store), key_(std::move(key)) {}
    ~ProgramSettings() { flush(); }
    ProgramSettings(const ProgramSettings&) = delete;
    ProgramSettings& operator=(const ProgramSettings&) = delete;

    long write(std::string_view name, std::uint32_t value);
    std::uint32_t read(std::string_view name) { return store_.read(key_, name); }
    // Every value of the key in one query (start-up).
    std::map<std::string, std::uint32_t, std::less<>> readAll(bool* ok = nullptr) { return store_.readAll(key_, ok); }
    // Counts one more in the store. Returns the count to show: what the store now holds, or,
    // when the increment has to wait, `shown` + 1 (saturating).
    std::uint32_t increment(std::string_view name, std::uint32_t shown, SettingsStore::CountBase base = {});
    // Tries the kept writes again; true when none is left.
    bool flush();
    bool pending() const { return !pendingValues_.empty() || !pendingCounts_.empty(); }
    bool failed() const { return failed_; }
    void setFailureHandler(FailureHandler handler) { failureHandler_ = std::move(handler); }

    const std::string& key() const { return key_; }
    SettingsStore& store() { return store_; }

private:
    void reportFailure();
    SettingsStore& store_;
    std::string key_;
    std::map<std::string, std::uint32_t, std::less<>> pendingValues_;
    struct KeptCount {
        std::uint32_t by = 0;
        SettingsStore::CountBase base;
    };
    std::map<std::string, KeptCount, std::less<>> pendingCounts_;
    FailureHandler failureHandler_;
    bool failed_ = false;
};

// A count as shown: a stored value at or past 2^31 (damaged) is the largest count, never negative.
inline int countFromStored(std::uint32_t stored) {
    return static_cast<int>(stored > largestCount ? largestCount : stored);
}

} // namespace ct
