// Shared set-up for the Trevallo tests.
#include "trevallo_fixture.hpp"

#include "trevallo/table.hpp"

#include "cards/card_style.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"

#include <atomic>
#include <unistd.h>

namespace trevallo_test {

void prepareFramework()
{
    ct::useCardStyle(trevallo::trevalloProgramInfo().cardStyle);
    ct::randomState() = {};
    ct::setFixedSeed(918273);
    ct::statusLine().configure(trevallo::trevalloProgramInfo().statusRegion, nullptr);
    ct::statusLine().clear();
}

void setCards(ct::CardSet& set, const Cards& cards)
{
    set.cards.clear();
    for (const auto& [suit, rank] : cards)
        set.append(suit, rank);
    set.relayout();
}

Cards cardsOf(const ct::CardSet& set)
{
    Cards out;
    for (const ct::Card& c : set.cards)
        out.emplace_back(c.suit, c.rank);
    return out;
}

nlohmann::json cardsJson(const Cards& cards)
{
    nlohmann::json out = nlohmann::json::array();
    for (const auto& [suit, rank] : cards)
        out.push_back({suit, rank});
    return out;
}

void StateTest::SetUp()
{
    prepareFramework();
    ct::setMainWindow(nullptr);
    state = std::make_unique<trevallo::TrevalloState>();
    trevallo::setUpSets(s(), 0);
}

Program::Program()
{
    static std::atomic<int> counter{0};
    dir = std::filesystem::path(::testing::TempDir())
        / ("trevallo-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    store = std::make_unique<ct::SettingsStore>(dir / "registry.sqlite3");
    prepareFramework();
    shell = std::make_unique<ct::ProgramShell>(game, window, *store, true);
    shell->startUp(false);
    game.gameState().nextStarter = 0;
    shell->createWindow();
}

Program::~Program()
{
    shell.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

} // namespace trevallo_test
