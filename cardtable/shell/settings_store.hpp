// The settings and statistics store: one 32-bit value per name under a program's key,
// kept in one SQLite database for all programs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace ct {

// Value types, numbered as the registry numbers them.
inline constexpr int valueTypeBinary = 3;
inline constexpr int valueTypeDword = 4;

// Error codes returned by write (0 = success), as the registry reports them.
inline constexpr long storeSuccess = 0;
inline constexpr long storeAccessDenied = 5;
inline constexpr long storeCannotOpen = 110;

class SettingsStore {
public:
    // Opens (creating directories with mode 0700 and the database) lazily at first use.
    explicit SettingsStore(std::filesystem::path databaseFile);
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
    bool open(bool create);
    std::filesystem::path path_;
    sqlite3* db_ = nullptr;
};

// $XDG_DATA_HOME/qv/registry.sqlite3, falling back to ~/.local/share/qv; overridden by the
// QV_CONFIG_DIR environment variable or --config-dir (configDir non-empty).
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
