// The shell: start-up, the window procedure skeleton with the game's hooks, menu commands.
#include "shell/program_shell.hpp"

#include "cards/card_render.hpp"
#include "cards/card_set.hpp"
#include "cards/status_line.hpp"
#include "platform/density.hpp"

#include <algorithm>
#include <cstdio>

namespace ct {

namespace {

// Stored indices outside the tables (a damaged value) fall back to the first entry, so that
// nothing ever indexes past a table.
int checkedIndex(std::uint32_t stored, std::size_t count)
{
    return stored < count ? static_cast<int>(stored) : 0;
}

} // namespace

std::string fillTemplate(std::string_view pattern, const std::vector<std::string>& values)
{
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        const char kind = pattern[i + 1];
        if (kind == '%') {
            out += '%';
            ++i;
        } else if (kind == 's' || kind == 'd' || kind == 'i' || kind == 'u') {
            if (next < values.size())
                out += values[next];
            ++next;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

MenuBar standardMenuBar()
{
    return MenuBar{
        MenuPopup{"Game",
                  {{"New", command::newGame},
                   {"Statistics", command::statistics},
                   {"Options", command::options},
                   {"Exit", command::exit}}},
        MenuPopup{"Help", {{"Rules", command::rules}, {"About", command::about}}},
    };
}

ProgramShell::ProgramShell(Game& game, WindowBase& window, SettingsStore& store, bool headless)
    : game_(game), window_(window), settings_(store, game.info().registryKey), headless_(headless)
{
    game_.attach(*this);
    // The dialogs built from the game's descriptions; tests may put their own handlers instead.
    optionsHandler_ = [this] {
        runOptionsDialog(*this, optionsDescription(game_.settingsList(), *this, [this] { game_.resetRunningState(); }));
    };
    statisticsHandler_ = [this] { runStatisticsDialog(*this, statisticsDescription(game_.settingsList())); };
    settings_.setFailureHandler([this](const std::string& file, const std::string& reason) { storeFailure(file, reason); });
}

void ProgramShell::storeFailure(const std::string& file, const std::string& reason)
{
    // Told once a run: the game goes on, the kept values are tried again at every write and at exit.
    const std::string text = "Your settings and statistics could not be saved to \"" + file + "\": " + reason + ".";
    if (headless_) {
        if (headlessEvents_)
            headlessEvents_({{"event", "error"}, {"text", text}});
    } else if (!windowGone_) {
        window_.messageBox(text, string(1), MsgBoxButtons::ok, MsgBoxIcon::none);
    } else {
        std::fprintf(stderr, "%s: %s\n", game_.info().id.c_str(), text.c_str());
    }
}

ProgramShell::~ProgramShell()
{
    shutDown();
}

void ProgramShell::startUp(bool showComputerHand)
{
    const ProgramInfo& info = game_.info();
    aboutText_ = fillTemplate(info.aboutTemplate, {string(1), "1", "3"});

    createDrawingResources();
    resourcesCreated_ = true;
    loadButtonIcons();

    // One query with one short wait: a locked store cannot hold the window back. What it
    // could not give reads as 0, which no later write of a count can make smaller (recordWin
    // counts inside the store).
    const auto values = settings_.readAll();
    auto read = [&values](const std::string& name) {
        const auto it = values.find(name);
        return it == values.end() ? 0u : it->second;
    };
    tableColorIndex_ = checkedIndex(read("blackbg"), tableColors.size());
    cardBackIndex_ = checkedIndex(read("back"), backResources.size());
    for (const Setting& row : game_.settingsList().rows) {
        if (!row.readAtStartUp || row.variable == nullptr)
            continue;
        const int stored = row.tallyLabel.empty() ? static_cast<int>(read(row.name)) : countFromStored(read(row.name));
        *row.variable = row.fromStored ? row.fromStored(stored) : stored;
    }
    game_.startValues(showComputerHand);
}

void ProgramShell::loadButtonIcons()
{
    for (int resource : game_.info().buttonIcons)
        buttonIcons_[resource] = loadIcon(resource, scaleX(32));
}

bool ProgramShell::followDensity(int dpi)
{
    const int before = screenDensityX();
    if (dpi <= 0 || !resourcesCreated_)
        return false;
    if (dpi == before)
        return true;
    setScreenDensity(dpi, dpi);
    CardSet::rescaleAll(before, dpi);
    createDrawingResources();
    loadButtonIcons();
    game_.densityChanged();
    window_.invalidateAll();
    return true;
}

void ProgramShell::createWindow()
{
    statusLine().configure(game_.info().statusRegion, &window_);
    setMainWindow(&window_);
    window_.setProcedure([this](Window& w, unsigned m, std::uintptr_t wp, std::intptr_t lp) {
        return windowProcedure(w, m, wp, lp);
    });
    window_.setAcceleratorHandler([this](const AltKey& key) { return translateAccelerator(key); });
    window_.create();
}

void ProgramShell::shutDown()
{
    window_.destroy();
    windowGone_ = true;
    settings_.flush();
    // Nothing may keep pointing at a window that is about to go.
    if (mainWindow() == &window_)
        setMainWindow(nullptr);
    statusLine().configure(game_.info().statusRegion, nullptr);
    buttonIcons_.clear();
    if (resourcesCreated_) {
        releaseDrawingResources();
        resourcesCreated_ = false;
    }
}

const std::string& ProgramShell::string(int id) const
{
    static const std::string none;
    const auto& strings = game_.info().strings;
    const auto it = strings.find(id);
    return it == strings.end() ? none : it->second;
}

const Icon& ProgramShell::buttonIcon(int resource) const
{
    static const Icon none;
    const auto it = buttonIcons_.find(resource);
    return it == buttonIcons_.end() ? none : it->second;
}

std::string ProgramShell::helpLink() const
{
    return fillTemplate(string(2), {"99"});
}

bool ProgramShell::translateAccelerator(const AltKey& key)
{
    for (const Accelerator& accelerator : game_.info().accelerators) {
        bool match = false;
        switch (accelerator.kind) {
        case Accelerator::Kind::altKey:
            match = !key.f4 && key.virtualKey != 0 && key.virtualKey == accelerator.key;
            break;
        case Accelerator::Kind::altChar:
            match = !key.f4 && key.character != 0 && key.character == accelerator.key;
            break;
        case Accelerator::Kind::altF4:
            match = key.f4;
            break;
        }
        if (match) {
            window_.sendMessage(msg::command, static_cast<std::uintptr_t>(accelerator.command), 0);
            return true;
        }
    }
    return false;
}

void ProgramShell::paint()
{
    Canvas& canvas = window_.canvas();
    window_.setBackdrop(tableColor(tableColorIndex_));
    canvas.fillRect(Rect{0, 0, canvas.width(), canvas.height()}, tableColor(tableColorIndex_));
    game_.drawTable(canvas);
    if (focus_.shown())
        focus_.draw(canvas, game_.focusStops());
}

std::intptr_t ProgramShell::command(int id)
{
    switch (id) {
    case command::exit:
        window_.destroy();
        return 0;
    case command::about:
        window_.messageBox(aboutText_, string(4), MsgBoxButtons::ok, MsgBoxIcon::none);
        return 0;
    case command::newGame:
        game_.newGame();
        return 0;
    case command::rules: {
        const std::string link = helpLink();
        if (!link.empty())
            window_.openHelp(link);
        return 0;
    }
    case command::options:
        if (optionsHandler_)
            optionsHandler_();
        return 0;
    case command::statistics:
        if (statisticsHandler_)
            statisticsHandler_();
        return 0;
    default:
        return 0;
    }
}

std::intptr_t ProgramShell::windowProcedure(Window& /*window*/, unsigned message, std::uintptr_t wParam,
                                            std::intptr_t lParam)
{
    switch (message) {
    case msg::create:
        game_.windowSetUp();
        window_.setMenuBar(standardMenuBar());
        game_.windowCreated();
        return 0;
    case msg::destroy:
        game_.tearDown();
        return 0;
    case msg::close:
        // Closing the window is Exit.
        window_.destroy();
        return 0;
    case msg::activate:
    case msg::settingChange:
        // The desktop window keeps its size; there is no full-screen state to restore.
        return 0;
    case msg::paint:
        paint();
        return 0;
    case msg::dpiChanged:
        return followDensity(static_cast<int>(wParam)) ? 1 : 0;
    case msg::command:
        return command(static_cast<int>(wParam & 0xFFFF));
    case msg::stylusDown:
        game_.stylusDown(paramX(lParam), paramY(lParam));
        return 0;
    case msg::stylusUp:
        game_.stylusUp(paramX(lParam), paramY(lParam));
        return 0;
    case msg::keyDown:
        // Keys act on the table only through the stylus messages a tap would send.
        focus_.key(static_cast<unsigned>(wParam), (lParam & 1) != 0, game_.focusStops(), window_,
                   game_.info().doubleTaps, !headless_);
        return 0;
    case msg::doubleTap:
        game_.doubleTap(paramX(lParam), paramY(lParam));
        return 0;
    case msg::game:
        game_.gameMessage(static_cast<int>(wParam));
        return 0;
    default:
        return 0;
    }
}

void ProgramShell::recordWin(Winner winner)
{
    static const char* const names[] = {"statc", "statu", "cc"};
    const std::string name = names[static_cast<int>(winner)];
    for (const Setting& row : game_.settingsList().rows) {
        if (row.name != name)
            continue;
        // Counted inside the store, so that a second running copy's wins are kept; the
        // variable then shows what the store holds.
        const std::uint32_t shown = row.variable ? static_cast<std::uint32_t>(std::max(*row.variable, 0)) : 0;
        SettingsStore::CountBase base;
        if (row.fromStored)
            base = [convert = row.fromStored](std::uint32_t stored) {
                return static_cast<std::uint32_t>(std::max(convert(countFromStored(stored)), 0));
            };
        const std::uint32_t count = settings_.increment(name, shown, base);
        if (row.variable)
            *row.variable = countFromStored(count);
        return;
    }
    // A program without a row for it keeps the count in the store alone.
    settings_.increment(name, settings_.read(name));
}

nlohmann::json ProgramShell::stateEvent() const
{
    nlohmann::json settings = nlohmann::json::object();
    settings["blackbg"] = tableColorIndex_;
    settings["back"] = cardBackIndex_;
    for (const Setting& row : game_.settingsList().rows)
        if (row.variable != nullptr && row.inStateDump)
            settings[row.name] = *row.variable;
    const char* status = statusLine().text();
    nlohmann::json event = {{"event", "state"},
                            {"program", game_.info().id},
                            {"status", status ? nlohmann::json(status) : nlohmann::json(nullptr)},
                            {"title", window_.title()},
                            {"settings", settings}};
    // Only once a focus key was used: a game played by stylus reads as it always did.
    if (focus_.shown())
        event["focus"] = focus_.state(game_.focusStops());
    const nlohmann::json fields = game_.state();
    if (fields.is_object())
        for (const auto& [key, value] : fields.items())
            if (!event.contains(key))
                event[key] = value;
    return event;
}

} // namespace ct
