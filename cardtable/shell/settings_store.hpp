// The settings and statistics store: one 32-bit value per name under a program's key,
// kept in one SQLite database for all programs.
#pragma once

#include <cstdint>
#include <filesystem>
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

// How long a write waits for another running program that holds the database.
inline constexpr int storeBusyTimeoutMs = 3000;

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

    const std::filesystem::path& path() const { return path_; }

private:
    // Makes db_ usable; with create, also the directories, the file and the table.
    bool open(bool create);
    void close();
    std::filesystem::path path_;
    int busyTimeoutMs_;
    sqlite3* db_ = nullptr;
    bool tableReady_ = false;
};

// $XDG_DATA_HOME/qv/registry.sqlite3, falling back to ~/.local/share/qv; overridden by the
// QV_CONFIG_DIR environment variable or --config-dir (configDir non-empty), either of which
// names the directory that holds registry.sqlite3. Empty when no home can be found.
std::filesystem::path settingsDatabasePath(const std::string& configDir = {});

// A program's view of the store: its own key.
class ProgramSettings {
public:
    ProgramSettings(SettingsStore& store, std::string key) : store_(store), key_(std::move(key)) {}
    long write(std::string_view name, std::uint32_t value) { return store_.write(key_, name, value); }
    std::uint32_t read(std::string_view name) { return store_.read(key_, name); }
    const std::string& key() const { return key_; }
    SettingsStore& store() { return store_; }

private:
    SettingsStore& store_;
    std::string key_;
};

} // namespace ct
