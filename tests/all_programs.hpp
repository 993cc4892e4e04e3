// Every program's game, by name, for tests that run them all: adding a program is one line here.
#pragma once

#include "sarvotte/sarvotte_game.hpp"
#include "trevallo/trevallo_game.hpp"
#include "velmar/velmar_game.hpp"
#include "zembrola/zembrola_game.hpp"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The sample game keeps its class to itself; this builds one.
std::unique_ptr<ct::Game> makeTableTestGame();

inline const std::vector<std::pair<std::string, std::function<std::unique_ptr<ct::Game>()>>>& allPrograms()
{
    static const std::vector<std::pair<std::string, std::function<std::unique_ptr<ct::Game>()>>> programs{
        {"velmar", [] { return std::make_unique<velmar::VelmarGame>(); }},
        {"tabletest", [] { return makeTableTestGame(); }},
        {"zembrola", [] { return std::make_unique<zembrola::ZembrolaGame>(); }},
        {"trevallo", [] { return std::make_unique<trevallo::TrevalloGame>(); }},
        {"sarvotte", [] { return std::make_unique<sarvotte::SarvotteGame>(); }},
    };
    return programs;
}
