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

#include <fstream>
#include <iostream>
#include <random>

#ifndef QV_VERSION
#define QV_VERSION "0"
#endif

namespace ct {

namespace {

int runHeadless(Game& game, const CommandLine& options, SettingsStore& store)
{
    std::ifstream file;
    std::istream* input = &std::cin;
    if (options.monkey < 0 && !options.script.empty() && options.script != "-") {
        file.open(options.script);
        if (!file) {
            std::cerr << game.info().id << ": cannot read the script \"" << options.script << "\"\n";
            return 2;
        }
        input = &file;
    }

    HeadlessWindow window(pocketGeometry(options.dpi), options.monkey >= 0 ? EventSink{} : EventSink{writeEventLine});
    ProgramShell shell(game, window, store, true);
    shell.startUp(options.showComputerHand);
    shell.createWindow();

    if (options.monkey >= 0) {
        const std::uint32_t seed =
            options.seed != 0 ? static_cast<std::uint32_t>(options.seed) : std::random_device{}();
        const MonkeyResult result = runMonkey(game, window, options.monkey, seed, writeEventLine);
        shell.shutDown();
        return result.violations > 0 ? 1 : 0;
    }

    ScriptRunner runner(*input, window, writeEventLine);
    addProgramCommands(runner, shell, window);
    // A modal layer (a dialog) takes the following script lines until it is closed.
    window.setModalDriver([&runner, &window](Modal& modal) { driveModalFromScript(runner, window, modal); });
    runner.run();
    window.setModalDriver({});
    shell.shutDown();
    return runner.errorCount() > 0 ? 2 : 0;
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
                                             WindowIdentity{metadata.appId, metadata.icon});
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
        if (!options.selftestShot.empty() && !window->selftestShotSaved()) {
            std::cerr << info.id << ": cannot save \"" << options.selftestShot << "\"\n";
            status = 1;
        }
    }
    return status;
}

} // namespace

int runProgram(Game& game, int argc, char** argv)
{
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

    SettingsStore store(settingsDatabasePath(options.configDir));
    return options.headless ? runHeadless(game, options, store) : runWindowed(game, options, store);
}

} // namespace ct
