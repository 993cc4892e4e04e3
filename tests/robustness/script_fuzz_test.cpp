// Random script lines, valid and invalid mixed, through each program's whole headless run:
// nothing may crash or hang, no card may go missing, and the exit status must say what happened.
// Seeded and reproducible; QV_FUZZ_LINES and QV_FUZZ_SEED make a longer or another run.
#include "cards/card_style.hpp"
#include "platform/density.hpp"
#include "settings/test_dir.hpp"
#include "shell/run_program.hpp"

#include "all_programs.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <sstream>

using nlohmann::json;

namespace {

long environmentNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

class LineMaker {
public:
    explicit LineMaker(std::uint32_t seed) : rng_(seed) {}

    std::string next(const json& lastState)
    {
        switch (pick(0, 9)) {
        case 0:
            return pickOf({"menu new", "menu statistics", "menu options", "menu rules", "menu about", "menu bogus",
                           "answer ok", "answer no", "answer maybe", "ok", "cancel", "cancel 1", "state"});
        case 1:
            return "key " + pickOf({"alt+n", "alt+/", "alt+x", "alt+", "ctrl+n", "alt+f5", "", "tab", "shift+tab",
                                    "right", "down", "end", "space", "enter", "shift+enter", "o", "d", "s", "2"});
        case 2: case 3:
            return "load " + loadText(lastState);
        case 4:
            return pickOf({"check", "select", "click"}) + " " + std::to_string(pick(999, 1020)) + " " +
                   std::to_string(pick(-1, 6));
        case 5:
            return pickOf({"", "# comment", "tap 1", "unknown", "load {", "load []", "shot /dev/null",
                           std::string("tap 1\0 2", 8), "\xff\xfe bad", "tap 99999999999 1"});
        case 6:
            // Exit ends the script: rare, so the scripts get somewhere.
            return pick(0, 40) == 0 ? pickOf({"menu exit", "key alt+f4", "quit"}) : "state";
        default:
            return pickOf({"tap", "tap", "tap", "down", "up", "dbl"}) + " " + coordinates();
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    std::string pickOf(const std::vector<std::string>& options)
    {
        return options[static_cast<std::size_t>(pick(0, static_cast<int>(options.size()) - 1))];
    }
    std::string coordinates()
    {
        if (pick(0, 5) != 0)
            return std::to_string(pick(0, 239)) + " " + std::to_string(pick(0, 293));   // the table at 96 dpi
        return pickOf({"-5", "100000", "x", "1.5", "99999999999", "0"}) + " " +
               pickOf({"0", "-1", "700", "y", "2147483648", "10"});
    }
    // A few fields of the last state (the event's own and read-only ones too), some changed:
    // accepted now and then, refused mostly.
    std::string loadText(const json& lastState)
    {
        if (!lastState.is_object())
            return pickOf({"{}", "{\"nope\": 1}", "{\"deck\": {\"cards\": []}}", "null"});
        json fields = json::object();
        std::vector<std::string> names;
        for (const auto& [name, value] : lastState.items())
            names.push_back(name);
        for (int i = pick(1, 3); i > 0; --i) {
            const std::string& name = names[static_cast<std::size_t>(pick(0, static_cast<int>(names.size()) - 1))];
            json value = lastState[name];
            switch (pick(0, 5)) {
            case 0: value = pick(-3, 40); break;
            case 1: value = json::array(); break;
            case 2: if (value.is_number_integer()) value = value.get<long long>() + pick(-1, 1); break;
            case 3: value = 18446744073709551615ull; break;
            default: break;
            }
            fields[name] = value;
        }
        return fields.dump();
    }

    std::mt19937 rng_;
};

} // namespace

TEST(ScriptFuzz, RandomLinesNeverCrashLoseCardsOrLieInTheExitStatus)
{
    const long lines = environmentNumber("QV_FUZZ_LINES", 4000);
    const auto seed = static_cast<std::uint32_t>(environmentNumber("QV_FUZZ_SEED", 12));
    constexpr int linesPerScript = 100;
    ct::setScreenDensity(96, 96);
    for (const auto& [name, make] : allPrograms()) {
        SCOPED_TRACE(name);
        settings_test::TestDir dir;
        ct::SettingsStore store(dir / "registry.sqlite3");
        LineMaker maker(seed);
        json lastState;
        for (long done = 0, scripts = 0; done < lines; done += linesPerScript, ++scripts) {
            std::unique_ptr<ct::Game> game = make();
            ct::useCardStyle(game->info().cardStyle);
            std::string script;
            for (int i = 0; i < linesPerScript; ++i)
                script += maker.next(lastState) + "\n";
            int errors = 0;
            std::vector<std::string> violations;
            auto events = [&](const json& event) {
                const std::string kind = event.value("event", "");
                if (kind == "error")
                    ++errors;
                if (kind == "state" && event.contains("program")) {
                    lastState = event;
                    // Cards only: an accepted load may set up a table play could not reach,
                    // which the play invariants rightly report, but no card may vanish or double.
                    for (const std::string& text : game->consistencyViolations())
                        if (text.starts_with("card ["))
                            violations.push_back(text);
                }
            };
            std::istringstream input(script);
            const int status = ct::runHeadlessScript(*game, input, store, events, 96);
            ASSERT_TRUE(violations.empty()) << "script " << scripts << " (seed " << seed << "): " << violations.front();
            ASSERT_EQ(status, errors > 0 ? 2 : 0) << "script " << scripts << " (seed " << seed << ")\n" << script;
        }
    }
}
