// The headless script runner: reads command lines, paints between them, reports errors as
// JSON events. Commands are registered by name, so a dialog can add its own while it is open.
#pragma once

#include "platform/headless_window.hpp"

#include <functional>
#include <istream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace ct {

struct ScriptLine {
    int number = 0;                  // 1-based line of the script
    std::string command;             // the first word
    std::string rest;                // everything after it, leading blanks removed
    std::vector<std::string> words;  // `rest` split at blanks
};

// Thrown by a command handler for a line it cannot carry out; becomes an error event.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScriptRunner {
public:
    using Handler = std::function<void(const ScriptLine&)>;
    using Commands = std::map<std::string, Handler>;

    ScriptRunner(std::istream& input, HeadlessWindow& window, EventSink sink);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // The program's own commands (the bottom scope).
    void addCommand(const std::string& name, Handler handler);
    // A scope of commands on top of the others, e.g. an open dialog's. An exclusive scope
    // hides everything below it: other commands are errors while it is open.
    void pushScope(Commands commands, bool exclusive);
    void popScope();

    // Runs lines until the script ends (end of input, `quit` or a destroyed window), or until
    // `until` returns true, checked before each line (a modal layer's nested run).
    void run(const std::function<bool()>& until = {});
    // Ends the script after the current line.
    void end() { ended_ = true; }
    bool ended() const { return ended_; }

    int errorCount() const { return errors_; }
    void reportError(int line, const std::string& text);
    void emit(const nlohmann::json& event) const;
    HeadlessWindow& window() { return window_; }

    // Executes one line of text as if it came from the script (tests; line number 0).
    void execute(const std::string& text, int number = 0);

    // Splits a line into command and arguments; false for blank lines and comments.
    static bool parse(const std::string& text, int number, ScriptLine& line);

private:
    struct Scope {
        Commands commands;
        bool exclusive = false;
    };
    const Handler* find(const std::string& name) const;

    std::istream& input_;
    HeadlessWindow& window_;
    EventSink sink_;
    std::vector<Scope> scopes_;
    int lineNumber_ = 0;
    int errors_ = 0;
    bool ended_ = false;
    ScriptRunner* previous_ = nullptr;
};

// The script being run, for modal layers that need to add commands; null when none.
ScriptRunner* activeScript();

// Reads "X Y" as a point inside the client area; throws ScriptError otherwise.
void parsePoint(const ScriptLine& line, Size client, int& x, int& y);

} // namespace ct
