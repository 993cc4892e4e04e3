// The programs' entry point: command line, start-up, and the real or headless message loop.
#include "shell/run_program.hpp"

#include "cards/random.hpp"
#include "platform/density.hpp"
#include "platform/headless_window.hpp"
#include "platform/sdl_window.hpp"
#include "shell/command_line.hpp"
#include "shell/dialog_commands.hpp"
#include "shell/monkey.hpp"
#include "shell/program_manual.hpp"
#include "shell/program_shell.hpp"
#include "shell/script_commands.hpp"
#include "shell/script_runner.hpp"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <iostream>
#include <random>

#ifndef QV_VERSION
#define QV_VERSION "0"
#endif

namespace ct {

namespace {

// A private directory under the system's temporary directory, removed with its contents.
class TemporaryDirectory {
public:
    TemporaryDirectory() = default;
    ~TemporaryDirectory()
    {
        std::error_code ec;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ec);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    bool create()
    {
        std::error_code ec;
        std::string name = (std::filesystem::temp_directory_path(ec) / "qv-monkey-XXXXXX").string();
        if (ec || ::mkdtemp(name.data()) == nullptr)
            return false;
        path_ = name;
        return true;
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

int runHeadless(Game& game, const CommandLine& options, SettingsStore& store)
{
    std::ifstream file;
    std::istream* input = &std::cin;
    if (options.monkey < 0 && !options.script.empty() && options.script != "-") {
        // A directory opens as a stream that reads nothing: it would run no line and succeed.
        std::error_code ec;
        if (std::filesystem::is_directory(options.script, ec)) {
            std::cerr << game.info().id << ": the script \"" << options.script << "\" is a directory\n";
            return 2;
        }
        file.open(options.script);
        if (!file) {
            std::cerr << game.info().id << ": cannot read the script \"" << options.script << "\"\n";
            return 2;
        }
        input = &file;
    }

    if (options.monkey < 0)
        return runHeadlessScript(game, *input, store, writeEventLine, options.dpi, options.showComputerHand);

    HeadlessWindow window(pocketGeometry(options.dpi), EventSink{});
    ProgramShell shell(game, window, store, true);
    shell.setHeadlessEvents(writeEventLine);
    shell.startUp(options.showComputerHand);
    shell.createWindow();
    const std::uint32_t seed = options.seed != 0 ? static_cast<std::uint32_t>(options.seed) : std::random_device{}();
    const MonkeyResult result = runMonkey(game, window, options.monkey, seed, writeEventLine);
    shell.shutDown();
    return result.violations > 0 || shell.storeFailed() || !eventsWritten() ? 1 : 0;
}

int runWindowed(Game& game, const CommandLine& options, SettingsStore& store)
{
    const ProgramInfo& info = game.info();
    std::unique_ptr<SdlWindow> window;
    try {
        const auto title = info.strings.find(1);
        const ProgramMetadata metadata = programMetadata(info);
        window = std::make_unique<SdlWindow>(pocketGeometry(options.dpi),
                                             title == info.strings.end() ? info.id : title->second, info.doubleTaps,
                                             WindowIdentity{metadata.appId, metadata.icon}, !options.dpiGiven);
        // Without --dpi the window chose the density that fits the display.
        setScreenDensity(window->geometry().dpi, window->geometry().dpi);
    } catch (const std::exception& error) {
        // Without a window there is nothing to play: say so instead of quietly succeeding.
        std::cerr << info.id << ": " << error.what() << "\n";
        return 1;
    }
    if (!options.selftestShot.empty())
        window->setSelftestShot(options.selftestShot);
    int status = 0;
    {
        ProgramShell shell(game, *window, store, false);
        shell.startUp(options.showComputerHand);
        shell.createWindow();
        window->show();
        window->runMessageLoop();
        shell.shutDown();
        if (shell.storeFailed())
            status = 1;
        if (!options.selftestShot.empty() && !window->selftestShotSaved()) {
            std::cerr << info.id << ": cannot save \"" << options.selftestShot << "\"\n";
            status = 1;
        }
    }
    return status;
}

void openStandardDescriptors()
{
    // A closed 0, 1 or 2 would be handed to the next file opened (a font read as the script,
    // the database written by error messages): fill each with /dev/null first.
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        if (fd == 1)
            noteOutputClosed();
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

} // namespace

int runHeadlessScript(Game& game, std::istream& input, SettingsStore& store, const EventSink& events, int dpi,
                      bool showComputerHand)
{
    HeadlessWindow window(pocketGeometry(dpi), events);
    ProgramShell shell(game, window, store, true);
    shell.setHeadlessEvents(events);
    shell.startUp(showComputerHand);
    shell.createWindow();
    ScriptRunner runner(input, window, events);
    addProgramCommands(runner, shell, window);
    // A modal layer (a dialog) takes the following script lines until it is closed.
    window.setModalDriver([&runner, &window](Modal& modal) { driveModalFromScript(runner, window, modal); });
    runner.run();
    window.setModalDriver({});
    shell.shutDown();
    if (runner.errorCount() > 0)
        return 2;
    // Events that never reached their reader (a full or closed output) are a failed run.
    return shell.storeFailed() || !eventsWritten() ? 1 : 0;
}

int runProgram(Game& game, int argc, char** argv)
{
    openStandardDescriptors();
    // A file-size limit or a full disk makes writes fail; it must not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const ProgramInfo& info = game.info();
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const CommandLineResult parsed = parseCommandLine(args);
    if (!parsed.ok()) {
        std::cerr << info.id << ": " << parsed.error << "\n" << usageText(info.id);
        return 2;
    }
    const CommandLine& options = parsed.options;
    if (options.help) {
        std::cout << helpText(info, programMetadata(info));
        return 0;
    }
    if (options.manualPage) {
        std::cout << manualPage(info, programMetadata(info), QV_VERSION);
        return 0;
    }
    if (options.version) {
        std::cout << info.id << " " << QV_VERSION << "\n";
        return 0;
    }

    // Density, card style and seed are fixed before any card is built.
    setScreenDensity(options.dpi, options.dpi);
    useCardStyle(info.cardStyle);
    if (options.seed != 0)
        setFixedSeed(options.seed);

    // Random play never counts into the user's own tally: without a config dir it gets a
    // store of its own that is removed afterwards.
    TemporaryDirectory scratch;
    std::string configDir = options.configDir;
    if (options.monkey >= 0 && configDir.empty()) {
        if (!scratch.create()) {
            std::cerr << info.id << ": cannot make a temporary directory for random play\n";
            return 1;
        }
        configDir = scratch.path().string();
    }
    SettingsStore store(settingsDatabasePath(configDir));
    return options.headless ? runHeadless(game, options, store) : runWindowed(game, options, store);
}

} // namespace ct
