// --help and the manual page from one set of sections; the program metadata registry.
#include "shell/program_manual.hpp"

#include "shell/command_line.hpp"

#include <algorithm>
#include <optional>

#ifndef QV_DATA_DIR
#define QV_DATA_DIR "/usr/share/qv-cardgames"
#endif

namespace ct {

namespace {

std::optional<ProgramMetadata>& registered()
{
    static std::optional<ProgramMetadata> metadata;
    return metadata;
}

std::string commandName(int command)
{
    switch (command) {
    case command::newGame:
        return "start a new game";
    case command::about:
        return "show the About box";
    case command::exit:
        return "quit the program";
    case command::rules:
        return "open the rules page";
    case command::options:
        return "open the Options dialog";
    case command::statistics:
        return "open the Statistics dialog";
    default:
        return "menu command " + std::to_string(command);
    }
}

std::string keyName(const Accelerator& key)
{
    switch (key.kind) {
    case Accelerator::Kind::altF4:
        return "Alt+F4";
    case Accelerator::Kind::altKey:
    case Accelerator::Kind::altChar:
        break;
    }
    return std::string("Alt+") + key.key;
}

// troff: a backslash is \e, a line may not start with a control character, and a hyphen in
// an option name must stay a hyphen (\-) rather than become a dash.
std::string troff(std::string_view text, bool hyphens = true)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-' && hyphens)
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

} // namespace

bool registerProgramMetadata(ProgramMetadata metadata)
{
    registered() = std::move(metadata);
    return true;
}

ProgramMetadata programMetadata(const ProgramInfo& info)
{
    if (registered() && registered()->id == info.id)
        return *registered();
    ProgramMetadata metadata;
    metadata.id = info.id;
    const auto title = info.strings.find(1);
    metadata.title = title == info.strings.end() ? info.id : title->second;
    metadata.summary = "a card game";
    return metadata;
}

std::vector<ManualSection> manualSections(const ProgramInfo& info)
{
    std::vector<ManualSection> sections;

    ManualSection options{"OPTIONS", "", {}};
    for (const OptionHelp& option : optionHelp())
        options.items.emplace_back(option.name + (option.argument.empty() ? "" : " " + option.argument), option.text);
    sections.push_back(options);

    ManualSection keys{"KEYS", "The mouse is the stylus: click a card to select it, click the table to play it. "
                               "The keys do the same without a mouse.", {}};
    keys.items.emplace_back("Tab, Shift+Tab", "show the focus (a black and white outline) and move it between your "
                                              "cards, the places of the table and the buttons");
    keys.items.emplace_back("Left, Right, Up, Down, Home, End", "move the focus between the cards of a hand or row");
    keys.items.emplace_back("Space, Enter", "tap the focused card or place; Enter presses the focused button");
    if (info.doubleTaps)
        keys.items.emplace_back("Shift+Enter", "double tap the focused card");
    for (const auto& [key, what] : info.tableKeys)
        keys.items.emplace_back(key, what);
    keys.items.emplace_back("F10", "open the menu bar; Left and Right move between its menus, Up, Down and Enter "
                                   "choose, Escape closes it");
    for (const Accelerator& key : info.accelerators)
        keys.items.emplace_back(keyName(key), commandName(key.command));
    sections.push_back(keys);

    sections.push_back({"FILES", "", {
        {"$XDG_DATA_HOME/qv/registry.sqlite3",
         "the options and win tallies of all the programs (by default in ~/.local/share/qv/); "
         "written at once when a value changes"},
        {std::string(QV_DATA_DIR) + "/" + info.id + ".0409.htm",
         "the rules page that Help > Rules opens (a copy beside the program is used first)"},
    }});
    sections.push_back({"ENVIRONMENT", "", {
        {"QV_CONFIG_DIR", "the directory of the settings database, unless --config-dir is given"},
        {"XDG_DATA_HOME", "the base of the default settings directory (an absolute path; else ~/.local/share)"},
        {"HOME", "the home directory, for the default settings directory"},
        {"SDL_VIDEODRIVER", "the display driver; without a display the program refuses to start its window"},
    }});
    sections.push_back({"EXIT STATUS", "", {
        {"0", "normal end"},
        {"1", "no window could be opened, or a --monkey run found a broken rule"},
        {"2", "a bad command line, an unreadable script, or errors in the script"},
    }});
    return sections;
}

std::string helpText(const ProgramInfo& info, const ProgramMetadata& metadata)
{
    std::string text = "Usage: " + synopsisText(info.id) + "\n" + metadata.title + ": " + metadata.summary + "\n";
    for (const ManualSection& section : manualSections(info)) {
        text += "\n" + section.title + "\n";
        if (!section.paragraph.empty())
            text += "  " + section.paragraph + "\n";
        for (const auto& [term, explanation] : section.items) {
            // A long term gets its explanation on the next line, under the others.
            if (term.size() > 16)
                text += "  " + term + "\n" + std::string(20, ' ') + explanation + "\n";
            else
                text += "  " + term + std::string(18 - term.size(), ' ') + explanation + "\n";
        }
    }
    return text;
}

std::string manualPage(const ProgramInfo& info, const ProgramMetadata& metadata, std::string_view version)
{
    std::string page = ".TH " + upper(info.id) + " 6 \"\" \"" + troff(metadata.title, false) + " " +
                       std::string(version) + "\" \"Games\"\n";
    page += ".SH NAME\n" + troff(info.id) + " \\- " + troff(metadata.summary) + "\n";
    page += ".SH SYNOPSIS\n.B " + troff(info.id) + "\n" + troff(synopsisText(info.id).substr(info.id.size() + 1)) + "\n";
    page += ".SH DESCRIPTION\n" + troff(metadata.description) + "\n";
    for (const ManualSection& section : manualSections(info)) {
        page += ".SH " + section.title + "\n";
        if (!section.paragraph.empty())
            page += troff(section.paragraph) + "\n";
        for (const auto& [term, explanation] : section.items)
            page += ".TP\n.B " + troff(term) + "\n" + troff(explanation) + "\n";
    }
    return page;
}

} // namespace ct
