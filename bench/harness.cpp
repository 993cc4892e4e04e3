// The benchmark harness: a program on the headless window in a scratch settings directory, the
// per-game benchmarks every game registers, and the framework's own.
#include "harness.hpp"

#include "cards/card_style.hpp"
#include "cards/random.hpp"
#include "platform/density.hpp"
#include "platform/headless_window.hpp"
#include "shell/monkey.hpp"
#include "shell/program_shell.hpp"
#include "shell/settings_store.hpp"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <deque>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace bench {

namespace {

// A scratch directory, removed with its contents.
struct ScratchDir {
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qv-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a scratch directory");
        path = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

// The program as run_program starts it headless, at `dpi`.
struct Program {
    Program(const GameBenchmarks& entry, int dpi, bool showComputerHand = false)
        : game(entry.make()), store(settingsFile()), window(ct::pocketGeometry(dpi), ct::EventSink{})
    {
        ct::setScreenDensity(dpi, dpi);
        ct::useCardStyle(game->info().cardStyle);
        ct::setFixedSeed(7);
        shell = std::make_unique<ct::ProgramShell>(*game, window, store, true);
        shell->startUp(showComputerHand);
        shell->createWindow();
        window.paintIfInvalid();
    }
    ~Program() { shell->shutDown(); }
    std::filesystem::path settingsFile() const { return ct::settingsDatabasePath(dir.path.string()); }
    void repaint()
    {
        window.invalidateAll();
        window.paintIfInvalid();
    }

    ScratchDir dir;
    std::unique_ptr<ct::Game> game;
    ct::SettingsStore store;
    ct::HeadlessWindow window;
    std::unique_ptr<ct::ProgramShell> shell;
};

nlohmann::json gameFields(const std::string& position)
{
    nlohmann::json fields = nlohmann::json::parse(position);
    // The shell's own parts of a state event are not the game's to load.
    for (const char* key : {"event", "program", "settings", "status", "title"})
        fields.erase(key);
    return fields;
}

void deal(benchmark::State& state, const GameBenchmarks& entry)
{
    Program program(entry, 96);
    for (auto _ : state) {
        program.game->newGame();
        program.window.paintIfInvalid();
    }
}

void decision(benchmark::State& state, const GameBenchmarks& entry)
{
    Program program(entry, 96);
    const nlohmann::json fields = gameFields(entry.position);
    for (auto _ : state) {
        state.PauseTiming();
        program.game->load(fields);
        state.ResumeTiming();
        entry.decide(*program.game);
    }
}

void tap(benchmark::State& state, const GameBenchmarks& entry)
{
    const int dpi = static_cast<int>(state.range(0));
    Program program(entry, dpi);
    const nlohmann::json fields = gameFields(entry.position);
    const std::intptr_t point = ct::pointParam(ct::scaleX(entry.tapX), ct::scaleY(entry.tapY));
    for (auto _ : state) {
        state.PauseTiming();
        program.game->load(fields);
        program.window.paintIfInvalid();
        state.ResumeTiming();
        program.window.sendMessage(ct::msg::stylusDown, 0, point);
        program.window.sendMessage(ct::msg::stylusUp, 0, point);
        program.repaint();
    }
}

void randomPlay(benchmark::State& state, const GameBenchmarks& entry)
{
    const int dpi = static_cast<int>(state.range(0));
    Program program(entry, dpi);
    constexpr long batch = 100;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const ct::MonkeyResult result = ct::runMonkey(*program.game, program.window, batch, seed++, {});
        if (result.violations > 0)
            state.SkipWithError("random play broke a rule of the game");
    }
    state.SetItemsProcessed(state.iterations() * batch);
    state.counters["events/s"] = benchmark::Counter(static_cast<double>(state.iterations() * batch),
                                                    benchmark::Counter::kIsRate);
}

// The framework, measured through the first game registered (every game starts the same way).
const GameBenchmarks* framework = nullptr;

void startUp(benchmark::State& state)
{
    for (auto _ : state) {
        Program program(*framework, 96);
        benchmark::DoNotOptimize(program.window.canvas().surface());
    }
}

void paintFaceUp(benchmark::State& state)
{
    Program program(*framework, static_cast<int>(state.range(0)), true);
    for (auto _ : state)
        program.repaint();
}

void settingsWrite(benchmark::State& state)
{
    ScratchDir dir;
    ct::SettingsStore store(ct::settingsDatabasePath(dir.path.string()));
    std::uint32_t value = 0;
    for (auto _ : state)
        if (store.write("Software\\qv\\bench", "value", ++value) != ct::storeSuccess)
            state.SkipWithError("the settings write failed");
}

} // namespace

Register::Register(GameBenchmarks game)
{
    // Kept for the life of the program: the framework's benchmarks refer to the first.
    static std::deque<GameBenchmarks> games;
    const GameBenchmarks* entry = &games.emplace_back(std::move(game));
    const std::string& name = entry->name;
    benchmark::RegisterBenchmark((name + "/deal").c_str(), deal, *entry)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((name + "/decision").c_str(), decision, *entry)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((name + "/tap").c_str(), tap, *entry)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((name + "/random_play").c_str(), randomPlay, *entry)
        ->Arg(96)->Arg(192)->Unit(benchmark::kMillisecond);
    if (framework == nullptr) {
        framework = entry;
        benchmark::RegisterBenchmark("framework/start_up", startUp)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("framework/paint_face_up", paintFaceUp)
            ->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("framework/settings_write", settingsWrite)->Unit(benchmark::kMicrosecond);
    }
}

} // namespace bench
