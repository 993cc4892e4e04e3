// The commands a headless script gives a program, each acting as the user would.
#include "shell/script_commands.hpp"

#include "platform/density.hpp"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <map>

namespace ct {

namespace {
bool outputLost = false;
} // namespace

void noteOutputClosed() { outputLost = true; }

bool eventsWritten() { return !outputLost; }

void writeEventLine(const nlohmann::json& event)
{
    // "event" first, so a reader sees at once what each line is.
    nlohmann::ordered_json ordered;
    if (event.is_object() && event.contains("event"))
        ordered["event"] = event["event"];
    if (event.is_object()) {
        for (const auto& [key, value] : event.items())
            if (key != "event")
                ordered[key] = value;
    } else {
        ordered = event;
    }
    // Texts that are not valid UTF-8 are written with replacement characters, not refused.
    const std::string line = ordered.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    // A full or closed output loses events: remembered, so the run cannot end as a success.
    if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size() || std::fflush(stdout) != 0) {
        if (!outputLost)
            std::fprintf(stderr, "cannot write events to standard output: %s\n", std::strerror(errno));
        outputLost = true;
        std::clearerr(stdout);
    }
}

AltKey parseAltKey(const std::string& text)
{
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string prefix = "alt+";
    if (lower.rfind(prefix, 0) != 0 || lower.size() <= prefix.size())
        throw ScriptError("key needs alt+KEY (alt+n, alt+/, alt+f4), not \"" + text + "\"");
    const std::string key = lower.substr(prefix.size());
    AltKey result;
    if (key == "f4") {
        result.f4 = true;
    } else if (key.size() == 1 && key[0] > ' ' && key[0] < 127) {
        const char c = key[0];
        result.character = c;
        if (std::isalnum(static_cast<unsigned char>(c)))
            result.virtualKey = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else {
        throw ScriptError("key: unknown key \"" + text + "\"");
    }
    return result;
}

bool parseTableKey(const std::string& text, unsigned& virtualKey, bool& shift)
{
    static const std::map<std::string, unsigned> named{
        {"tab", vk::tab},     {"enter", vk::enter}, {"space", vk::space}, {"home", vk::home}, {"end", vk::end},
        {"left", vk::left},   {"right", vk::right}, {"up", vk::up},       {"down", vk::down}};
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    shift = lower.rfind("shift+", 0) == 0;
    const std::string key = shift ? lower.substr(6) : lower;
    if (const auto it = named.find(key); it != named.end()) {
        virtualKey = it->second;
        return true;
    }
    if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) {
        virtualKey = static_cast<unsigned>(std::toupper(static_cast<unsigned char>(key[0])));
        return true;
    }
    return false;
}

namespace {
constexpr int maximumLoadDepth = 16;
} // namespace

void addProgramCommands(ScriptRunner& runner, ProgramShell& shell, HeadlessWindow& window)
{
    auto point = [&window](const ScriptLine& line) {
        int x = 0, y = 0;
        parsePoint(line, window.clientSize(), x, y);
        return pointParam(x, y);
    };
    runner.addCommand("down", [&window, point](const ScriptLine& line) {
        window.sendMessage(msg::stylusDown, 0, point(line));
    });
    runner.addCommand("up", [&window, point](const ScriptLine& line) {
        window.sendMessage(msg::stylusUp, 0, point(line));
    });
    runner.addCommand("tap", [&window, point](const ScriptLine& line) {
        const std::intptr_t p = point(line);
        window.sendMessage(msg::stylusDown, 0, p);
        window.sendMessage(msg::stylusUp, 0, p);
    });
    runner.addCommand("dbl", [&window, &shell, point](const ScriptLine& line) {
        const std::intptr_t p = point(line);
        window.sendMessage(msg::stylusDown, 0, p);
        window.sendMessage(msg::stylusUp, 0, p);
        // A program that does not ask for double taps sees a second tap instead.
        window.sendMessage(shell.game().info().doubleTaps ? msg::doubleTap : msg::stylusDown, 0, p);
        window.sendMessage(msg::stylusUp, 0, p);
    });
    runner.addCommand("menu", [&window](const ScriptLine& line) {
        static const std::map<std::string, int> items{
            {"new", command::newGame}, {"statistics", command::statistics}, {"options", command::options},
            {"exit", command::exit},   {"rules", command::rules},           {"about", command::about}};
        const auto it = line.words.size() == 1 ? items.find(line.words[0]) : items.end();
        if (it == items.end())
            throw ScriptError("menu needs one of new, statistics, options, exit, rules, about");
        window.sendMessage(msg::command, static_cast<std::uintptr_t>(it->second), 0);
    });
    runner.addCommand("key", [&window](const ScriptLine& line) {
        if (line.words.size() != 1)
            throw ScriptError("key needs one key, such as alt+n or tab");
        unsigned virtualKey = 0;
        bool shift = false;
        if (parseTableKey(line.words[0], virtualKey, shift)) {
            window.sendMessage(msg::keyDown, virtualKey, shift ? 1 : 0);
            return;
        }
        // A key the program has no accelerator for does nothing, as in the window.
        window.translateAccelerator(parseAltKey(line.words[0]));
    });
    runner.addCommand("answer", [&window](const ScriptLine& line) {
        static const std::map<std::string, MsgBoxAnswer> answers{
            {"ok", MsgBoxAnswer::ok}, {"yes", MsgBoxAnswer::yes}, {"no", MsgBoxAnswer::no}};
        const auto it = line.words.size() == 1 ? answers.find(line.words[0]) : answers.end();
        if (it == answers.end())
            throw ScriptError("answer needs ok, yes or no");
        window.queueAnswer(it->second);
    });
    runner.addCommand("state", [&runner, &shell](const ScriptLine& line) {
        if (!line.words.empty())
            throw ScriptError("state takes no arguments");
        runner.emit(shell.stateEvent());
    });
    runner.addCommand("shot", [&window](const ScriptLine& line) {
        if (line.rest.empty())
            throw ScriptError("shot needs a file name");
        if (!window.canvas().savePng(line.rest))
            throw ScriptError("shot: cannot write \"" + line.rest + "\"");
    });
    runner.addCommand("load", [&window, &shell](const ScriptLine& line) {
        nlohmann::json fields;
        try {
            // No state is nested deeply; a deeper value is refused while it is read, before
            // anything could recurse through it.
            fields = nlohmann::json::parse(line.rest, [](int depth, nlohmann::json::parse_event_t, nlohmann::json&) {
                if (depth > maximumLoadDepth)
                    throw ScriptError("load: nested deeper than " + std::to_string(maximumLoadDepth) + " levels");
                return true;
            });
        } catch (const nlohmann::json::exception& error) {
            throw ScriptError(std::string("load: not JSON: ") + error.what());
        }
        if (!fields.is_object())
            throw ScriptError("load needs a JSON object");
        try {
            shell.game().load(fields);
        } catch (const std::invalid_argument& error) {
            throw ScriptError(std::string("load: ") + error.what());
        } catch (const nlohmann::json::exception& error) {
            throw ScriptError(std::string("load: ") + error.what());
        }
        window.invalidateAll();
    });
    runner.addCommand("resize", [&window](const ScriptLine& line) {
        // The window made W x H pixels: the table laid out at the largest density that fits.
        int width = 0, height = 0;
        parsePoint(line, Size{10000, 10000}, width, height);
        if (width <= 0 || height <= 0)
            throw ScriptError("resize needs a width and a height in pixels");
        if (!window.changeDensity(densityToFit(width, height)))
            throw ScriptError("resize: the table cannot follow the new size");
    });
    runner.addCommand("quit", [&runner](const ScriptLine&) { runner.end(); });
}

} // namespace ct
