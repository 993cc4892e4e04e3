// Writes raw values into a program's settings store before a replay runs, so replays can start
// from stored options, a tally or damaged values exactly as a user's store could hold them.
#include "shell/settings_store.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: replay_store CONFIG_DIR KEY NAME=VALUE|NAME:TYPE=HEXBYTES...\n"
                         "  VALUE is a 32-bit number (decimal, -N or 0xHEX); TYPE is a value type number\n");
    return 2;
}

bool parseNumber(const std::string& text, std::uint32_t& out)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 0);
    if (*end != '\0' || errno != 0 || value < -2147483648LL || value > 0xffffffffLL)
        return false;
    out = static_cast<std::uint32_t>(value);
    return true;
}

bool parseBytes(const std::string& hex, std::vector<unsigned char>& out)
{
    if (hex.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        char* end = nullptr;
        const std::string pair = hex.substr(i, 2);
        const long byte = std::strtol(pair.c_str(), &end, 16);
        if (*end != '\0')
            return false;
        out.push_back(static_cast<unsigned char>(byte));
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return usage();
    ct::SettingsStore store(ct::settingsDatabasePath(argv[1]));
    const std::string key = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string item = argv[i];
        const auto equals = item.find('=');
        if (equals == std::string::npos || equals == 0)
            return usage();
        std::string name = item.substr(0, equals);
        const std::string value = item.substr(equals + 1);
        long error = ct::storeSuccess;
        if (const auto colon = name.find(':'); colon != std::string::npos) {
            std::uint32_t type = 0;
            std::vector<unsigned char> bytes;
            if (!parseNumber(name.substr(colon + 1), type) || !parseBytes(value, bytes))
                return usage();
            name.resize(colon);
            error = store.writeRaw(key, name, static_cast<int>(type), bytes);
        } else {
            std::uint32_t number = 0;
            if (!parseNumber(value, number))
                return usage();
            error = store.write(key, name, number);
        }
        if (error != ct::storeSuccess) {
            std::fprintf(stderr, "replay_store: writing %s failed with %ld\n", item.c_str(), error);
            return 1;
        }
    }
    return 0;
}
