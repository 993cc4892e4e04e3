// Set-up of the Sarvotte tests on the shared game fixture: the small-card style and a fixed random
// stream, and the whole program with positions given as row and stock.
#pragma once

#include "game_fixture.hpp"

#include "sarvotte/sarvotte_game.hpp"
#include "sarvotte/table.hpp"

namespace sarvotte_test {

using namespace game_test;

// The program as the shell starts it; the first game is the human's.
class GameTest : public ProgramTest<sarvotte::SarvotteGame> {
protected:
    void SetUp() override
    {
        start(sarvotte::sarvotteProgramInfo(), 4187839, [](sarvotte::SarvotteGame& g) { g.gameState().computerToMove = 0; });
        window().events.clear();
    }
    // A position: the row, the stock (its last card on top), every other card out of play.
    void position(const Cards& row, const Cards& stock, nlohmann::json more = nlohmann::json::object())
    {
        more["cardRow"] = cardsJson(row);
        more["stock"] = cardsJson(stock);
        more["leftPlay"] = cardsJson(restOfPack(1, 13, {row, stock}));
        load(more);
        window().events.clear();
    }
    void tapRowCard(int index) { game_test::tapCard(window(), s().cardRow.cards.at(static_cast<std::size_t>(index))); }
};

} // namespace sarvotte_test
