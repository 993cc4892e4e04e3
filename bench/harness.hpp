// Benchmarks of a game on the headless window, declared in a few lines per game.
#pragma once

#include "shell/game.hpp"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

namespace bench {

// What a game's benchmarks need. Registering one adds, under "<name>/":
//   deal            New on a running program (shuffle, deal, repaint)
//   decision        one computer decision in `position`, loaded through Game::load each time
//   tap/96, tap/192 a tap at `tap` (design units) in `position`, with a full off-screen repaint
//   random_play     random-play events (taps, double taps, New, message boxes, checks)
struct GameBenchmarks {
    std::string name;
    std::function<std::unique_ptr<ct::Game>()> make;
    // A state dump (the headless "state" event, or the game's fields only).
    std::string position;
    // One computer decision on the loaded game; its result should go to benchmark::DoNotOptimize.
    std::function<void(ct::Game&)> decide;
    // Where the tap lands, in design units (scaled to each density).
    int tapX = 0;
    int tapY = 0;
};

// The program of game type G, for GameBenchmarks::make.
template <class G>
std::unique_ptr<ct::Game> make()
{
    return std::make_unique<G>();
}

// A GameBenchmarks::decide calling `choose` on G's state and keeping its result from the optimiser.
template <class G, class Choose>
std::function<void(ct::Game&)> decideOnState(Choose choose)
{
    return [choose](ct::Game& game) {
        auto& state = static_cast<G&>(game).gameState();
        if constexpr (std::is_void_v<decltype(choose(state))>) {
            choose(state);
            benchmark::DoNotOptimize(state);
        } else {
            benchmark::DoNotOptimize(choose(state));
        }
    };
}

// Registers the benchmarks at static initialisation: `static const bench::Register r{{...}};`
struct Register {
    explicit Register(GameBenchmarks game);
};

} // namespace bench
