// Writes raw values into a program's settings store before a replay runs, so replays can start
// from stored options, a tally or damaged values exactly as a user's store could hold them.
#include "shell/settings_store.hpp"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A 32-bit value: decimal, -N or 0xHEX, all of the text.
bool parseNumber(const std::string& text, std::uint32_t& out)
{
    std::size_t used = 0;
    try {
        const long long value = std::stoll(text, &used, 0);
        out = static_cast<std::uint32_t>(value);
        return used == text.size() && value >= -2147483648LL && value <= 0xffffffffLL;
    } catch (const std::exception&) {
        return false;
    }
}

bool parseBytes(const std::string& hex, std::vector<unsigned char>& out)
{
    std::uint32_t byte = 0;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        if (!parseNumber("0x" + hex.substr(i, 2), byte) || hex.size() % 2 != 0)
            return false;
        out.push_back(static_cast<unsigned char>(byte));
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const auto usage = [] {
        std::fprintf(stderr, "usage: replay_store CONFIG_DIR KEY NAME=VALUE|NAME:TYPE=HEXBYTES...\n"
                             "  VALUE is a 32-bit number (decimal, -N or 0xHEX); TYPE is a value type number\n");
        return 2;
    };
    if (argc < 4)
        return usage();
    ct::SettingsStore store(ct::settingsDatabasePath(argv[1]));
    for (int i = 3; i < argc; ++i) {
        const std::string item = argv[i];
        const auto equals = item.find('=');
        if (equals == std::string::npos || equals == 0)
            return usage();
        std::string name = item.substr(0, equals);
        const std::string value = item.substr(equals + 1);
        std::uint32_t number = 0;
        std::vector<unsigned char> bytes;
        long error = ct::storeSuccess;
        if (const auto colon = name.find(':'); colon != std::string::npos) {
            if (!parseNumber(name.substr(colon + 1), number) || !parseBytes(value, bytes))
                return usage();
            name.resize(colon);
            error = store.writeRaw(argv[2], name, static_cast<int>(number), bytes);
        } else if (!parseNumber(value, number)) {
            return usage();
        } else {
            error = store.write(argv[2], name, number);
        }
        if (error != ct::storeSuccess) {
            std::fprintf(stderr, "replay_store: writing %s failed with %ld\n", item.c_str(), error);
            return 1;
        }
    }
    return 0;
}
