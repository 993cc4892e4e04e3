// Set-up every game's tests share: positions, the headless window that keeps its events, taps.
#include "game_fixture.hpp"

#include "cards/card_style.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"
#include "platform/density.hpp"

#include <algorithm>
#include <atomic>
#include <unistd.h>

namespace game_test {

ct::Card card(int suit, int rank)
{
    ct::Card c;
    c.suit = suit;
    c.rank = rank;
    return c;
}

void prepareFramework(const ct::ProgramInfo& info, std::int32_t seed)
{
    ct::useCardStyle(info.cardStyle);
    ct::randomState() = {};
    ct::setFixedSeed(seed);
    ct::setMainWindow(nullptr);
    ct::statusLine().configure(info.statusRegion, nullptr);
    ct::statusLine().clear();
}

void setCards(ct::CardSet& set, const Cards& cards)
{
    set.clear();
    const int mode = set.sortMode;
    set.sortMode = -1;
    for (const auto& [suit, rank] : cards)
        set.append(suit, rank);
    set.sortMode = mode;
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
        out.push_back(nlohmann::json::array({suit, rank}));
    return out;
}

Cards restOfPack(int low, int high, const std::vector<Cards>& held)
{
    Cards rest;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = low; rank <= high; ++rank) {
            const std::pair<int, int> c{suit, rank};
            if (std::none_of(held.begin(), held.end(),
                             [&](const Cards& cards) { return std::find(cards.begin(), cards.end(), c) != cards.end(); }))
                rest.push_back(c);
        }
    return rest;
}

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    path = std::filesystem::path(::testing::TempDir()) /
           ("game-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

TestWindow::TestWindow() : HeadlessWindow(ct::pocketGeometry(96), {})
{
    setSink([this](const nlohmann::json& event) {
        events.push_back(event);
        if (onEvent)
            onEvent(event);
    });
}

std::vector<nlohmann::json> TestWindow::boxes() const
{
    std::vector<nlohmann::json> out;
    std::copy_if(events.begin(), events.end(), std::back_inserter(out),
                 [](const nlohmann::json& e) { return e.value("event", "") == "msgbox"; });
    return out;
}

static void tapPoint(ct::Window& window, int x, int y)
{
    window.sendMessage(ct::msg::stylusDown, 0, ct::pointParam(x, y));
    window.sendMessage(ct::msg::stylusUp, 0, ct::pointParam(x, y));
}

void tapDesign(ct::Window& window, const ct::Rect& design)
{
    const ct::Rect r = ct::scaleRect(design);
    tapPoint(window, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void tapCard(ct::Window& window, const ct::Card& card)
{
    tapPoint(window, card.x + 2, card.y + card.height / 2);
}

} // namespace game_test
