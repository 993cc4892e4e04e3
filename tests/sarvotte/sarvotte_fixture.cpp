// Shared set-up for the Sarvotte tests: the program on the headless window, with its pauses and
// message boxes recorded, and positions given as row and stock.
#include "sarvotte_fixture.hpp"

#include "sarvotte/table.hpp"

#include "cards/card_style.hpp"
#include "platform/density.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"

#include <algorithm>
#include <atomic>
#include <unistd.h>

namespace sarvotte_test {

void prepareFramework()
{
    ct::useCardStyle(sarvotte::sarvotteCardStyle());
    ct::randomState() = {};
    ct::setFixedSeed(4187839);
    ct::statusLine().configure(sarvotte::sarvotteProgramInfo().statusRegion, nullptr);
    ct::statusLine().clear();
}

void setRow(ct::CardSet& row, const Cards& cards)
{
    row.clear();
    for (const auto& [suit, rank] : cards)
        row.append(suit, rank);
    row.relayout();
}

TestWindow::TestWindow() : HeadlessWindow(ct::pocketGeometry(96), {})
{
    setSink([this](const nlohmann::json& event) { events.push_back(event); });
}

std::vector<std::string> TestWindow::eventNames() const
{
    std::vector<std::string> names;
    for (const nlohmann::json& e : events)
        names.push_back(e.value("event", "") == "msgbox" ? "box " + e.value("text", "") : e.value("event", ""));
    return names;
}

int TestWindow::count(const std::string& name) const
{
    const auto names = eventNames();
    return static_cast<int>(std::count(names.begin(), names.end(), name));
}

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    path = std::filesystem::path(::testing::TempDir()) /
           ("sarvotte-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

Program::Program(const std::filesystem::path& dir, int computerToMove)
    : store(dir / "registry.sqlite3"), shell(game, window, store, true)
{
    shell.startUp(false);
    game.gameState().computerToMove = computerToMove;
    shell.createWindow();
}

void GameTest::SetUp()
{
    prepareFramework();
    program = std::make_unique<Program>(dir.path);
    window().events.clear();
}

void GameTest::position(const Cards& row, const Cards& stock, nlohmann::json more)
{
    auto toJson = [](const Cards& cards) {
        nlohmann::json out = nlohmann::json::array();
        for (const auto& [suit, rank] : cards)
            out.push_back({suit, rank});
        return out;
    };
    Cards out;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            const std::pair<int, int> c{suit, rank};
            if (std::find(row.begin(), row.end(), c) == row.end() && std::find(stock.begin(), stock.end(), c) == stock.end())
                out.push_back(c);
        }
    more["cardRow"] = toJson(row);
    more["stock"] = toJson(stock);
    more["leftPlay"] = toJson(out);
    game().load(more);
    window().events.clear();
}

void GameTest::tapPoint(int x, int y)
{
    window().sendMessage(ct::msg::stylusDown, 0, ct::pointParam(x, y));
    window().sendMessage(ct::msg::stylusUp, 0, ct::pointParam(x, y));
}

void GameTest::tapCard(int index)
{
    const ct::Card& card = s().cardRow.cards.at(static_cast<std::size_t>(index));
    tapPoint(card.x + card.width / 2, card.y + card.height / 2);
}

void GameTest::tapDesign(const ct::Rect& design)
{
    const ct::Rect r = ct::scaleRect(design);
    tapPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

std::string GameTest::status() const
{
    const char* text = ct::statusLine().text();
    return text != nullptr ? text : "";
}

Cards GameTest::row() const
{
    Cards cards;
    for (const ct::Card& card : game().gameState().cardRow.cards)
        cards.emplace_back(card.suit, card.rank);
    return cards;
}

int GameTest::selectedIndex() const
{
    const int first = game().gameState().cardRow.firstSelected();
    return first - 1;
}

} // namespace sarvotte_test
