// Reading, dispatching and reporting script lines for the headless mode.
#include "shell/script_runner.hpp"

#include <charconv>
#include <sstream>

namespace ct {

namespace {

ScriptRunner* currentScript = nullptr;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

ScriptRunner* activeScript() { return currentScript; }

ScriptRunner::ScriptRunner(std::istream& input, HeadlessWindow& window, EventSink sink)
    : input_(input), window_(window), sink_(std::move(sink)), scopes_(1), previous_(currentScript)
{
    currentScript = this;
}

ScriptRunner::~ScriptRunner() { currentScript = previous_; }

void ScriptRunner::addCommand(const std::string& name, Handler handler)
{
    scopes_.front().commands[name] = std::move(handler);
}

void ScriptRunner::pushScope(Commands commands, bool exclusive)
{
    scopes_.push_back(Scope{std::move(commands), exclusive});
}

void ScriptRunner::popScope()
{
    if (scopes_.size() > 1)
        scopes_.pop_back();
}

const ScriptRunner::Handler* ScriptRunner::find(const std::string& name) const
{
    for (auto scope = scopes_.rbegin(); scope != scopes_.rend(); ++scope) {
        if (const auto it = scope->commands.find(name); it != scope->commands.end())
            return &it->second;
        if (scope->exclusive)
            break;
    }
    return nullptr;
}

void ScriptRunner::emit(const nlohmann::json& event) const
{
    if (sink_)
        sink_(event);
}

void ScriptRunner::reportError(int line, const std::string& text)
{
    ++errors_;
    emit({{"event", "error"}, {"line", line}, {"text", text}});
}

bool ScriptRunner::parse(const std::string& text, int number, ScriptLine& line)
{
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    std::size_t stop = text.size();
    while (stop > start && isBlank(text[stop - 1]))
        --stop;
    if (start == stop || text[start] == '#')
        return false;
    const std::string body = text.substr(start, stop - start);
    std::size_t end = 0;
    while (end < body.size() && !isBlank(body[end]))
        ++end;
    line = ScriptLine{};
    line.number = number;
    line.command = body.substr(0, end);
    while (end < body.size() && isBlank(body[end]))
        ++end;
    line.rest = body.substr(end);
    std::istringstream words(line.rest);
    for (std::string word; words >> word;)
        line.words.push_back(word);
    return true;
}

void ScriptRunner::execute(const std::string& text, int number)
{
    // A NUL would silently cut a file name or a JSON text short.
    if (text.find('\0') != std::string::npos) {
        reportError(number, "the line contains a NUL character");
        return;
    }
    ScriptLine line;
    if (!parse(text, number, line))
        return;
    const Handler* handler = find(line.command);
    if (!handler) {
        std::string text = "unknown command \"" + line.command + "\"";
        if (scopes_.size() > 1 && scopes_.back().exclusive) {
            text += " while a dialog is open; it takes";
            for (const auto& [name, unused] : scopes_.back().commands)
                text += " " + name;
        }
        reportError(number, text);
        return;
    }
    try {
        (*handler)(line);
    } catch (const ScriptError& error) {
        reportError(number, error.what());
    } catch (const std::exception& error) {
        // A fault inside the program is reported against the line that caused it; the run
        // goes on, as the program would after a refused move.
        reportError(number, std::string("the program failed: ") + error.what());
    }
}

void ScriptRunner::run(const std::function<bool()>& until)
{
    while (!ended_) {
        if (window_.destroyed()) {
            ended_ = true;
            break;
        }
        if (until && until())
            return;
        // What the last line changed is painted before the next one, as an idle loop would.
        try {
            window_.paintIfInvalid();
        } catch (const std::exception& error) {
            reportError(lineNumber_, std::string("the program failed to paint: ") + error.what());
        }
        std::string text;
        if (!std::getline(input_, text)) {
            ended_ = true;
            break;
        }
        ++lineNumber_;
        execute(text, lineNumber_);
    }
}

void parsePoint(const ScriptLine& line, Size client, int& x, int& y)
{
    if (line.words.size() != 2)
        throw ScriptError(line.command + " needs X Y");
    auto number = [&](const std::string& word, int& out) {
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), out);
        if (error == std::errc::result_out_of_range && end == word.data() + word.size())
            throw ScriptError(line.command + ": " + word + " is out of range");
        if (error != std::errc{} || end != word.data() + word.size())
            throw ScriptError(line.command + ": \"" + word + "\" is not a whole number");
    };
    number(line.words[0], x);
    number(line.words[1], y);
    if (x < 0 || y < 0 || x >= client.width || y >= client.height)
        throw ScriptError(line.command + ": " + std::to_string(x) + " " + std::to_string(y) +
                          " lies outside the table (" + std::to_string(client.width) + " x " +
                          std::to_string(client.height) + ")");
}

} // namespace ct
