// Script commands for an open dialog: each one goes through the dialog's user operations.
#include "shell/dialog_commands.hpp"

#include "shell/script_commands.hpp"

#include <charconv>
#include <string>

namespace ct {

namespace {

int wholeNumber(const ScriptLine& line, const std::string& word)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error == std::errc::result_out_of_range && end == word.data() + word.size())
        throw ScriptError(line.command + ": " + word + " is out of range");
    if (error != std::errc{} || end != word.data() + word.size())
        throw ScriptError(line.command + ": \"" + word + "\" is not a whole number");
    return value;
}

void expectWords(const ScriptLine& line, std::size_t count, const char* usage)
{
    if (line.words.size() != count)
        throw ScriptError(std::string("while a dialog is open: ") + usage);
}

void report(const std::string& error)
{
    if (!error.empty())
        throw ScriptError(error);
}

} // namespace

ScriptRunner::Commands dialogScriptCommands(Dialog& dialog, ScriptRunner& runner, WindowBase& window)
{
    ScriptRunner::Commands commands;
    commands["check"] = [&dialog](const ScriptLine& line) {
        expectWords(line, 2, "check ID 0|1");
        report(dialog.check(wholeNumber(line, line.words[0]), wholeNumber(line, line.words[1])));
    };
    commands["select"] = [&dialog](const ScriptLine& line) {
        expectWords(line, 2, "select ID INDEX");
        report(dialog.select(wholeNumber(line, line.words[0]), wholeNumber(line, line.words[1])));
    };
    commands["click"] = [&dialog](const ScriptLine& line) {
        expectWords(line, 1, "click ID");
        report(dialog.click(wholeNumber(line, line.words[0])));
    };
    commands["ok"] = [&dialog](const ScriptLine& line) {
        expectWords(line, 0, "ok takes no arguments");
        report(dialog.ok());
    };
    commands["cancel"] = [&dialog](const ScriptLine& line) {
        expectWords(line, 0, "cancel takes no arguments");
        report(dialog.cancel());
    };
    commands["state"] = [&dialog, &runner](const ScriptLine& line) {
        expectWords(line, 0, "state takes no arguments");
        runner.emit(dialog.state());
    };
    commands["shot"] = [&dialog, &window](const ScriptLine& line) {
        if (line.rest.empty())
            throw ScriptError("shot needs a file name");
        // The picture a user sees: the table as last painted, the dialog over it.
        // A full-screen dialog covers the menu bar too.
        const WindowGeometry& g = window.geometry();
        const int menuBar = dialog.dialogTemplate().fullScreen ? g.menuBarHeight : 0;
        Canvas frame(g.client.width, g.client.height + menuBar);
        frame.blit(window.canvas(), Rect{0, 0, g.client.width, g.client.height});
        dialog.draw(frame);
        if (!frame.savePng(line.rest))
            throw ScriptError("shot: cannot write \"" + line.rest + "\"");
    };
    // Alt+F4 closes the dialog as Cancel does (a second one, back at the table, quits).
    commands["key"] = [&dialog](const ScriptLine& line) {
        expectWords(line, 1, "key alt+f4");
        if (!parseAltKey(line.words[0]).f4)
            throw ScriptError("while a dialog is open, key takes only alt+f4, not \"" + line.words[0] + "\"");
        report(dialog.cancel());
    };
    // Quitting ends the whole run from inside a dialog, which closes as by Cancel.
    commands["quit"] = [&dialog, &runner](const ScriptLine& line) {
        expectWords(line, 0, "quit takes no arguments");
        dialog.cancel();
        runner.end();
    };
    return commands;
}

void driveModalFromScript(ScriptRunner& runner, WindowBase& window, Modal& modal)
{
    auto* dialog = dynamic_cast<DialogModal*>(&modal);
    if (dialog)
        runner.pushScope(dialogScriptCommands(dialog->dialog(), runner, window), true);
    runner.run([&modal] { return modal.done(); });
    if (dialog)
        runner.popScope();
}

} // namespace ct
