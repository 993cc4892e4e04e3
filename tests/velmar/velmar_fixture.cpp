// Shared set-up for the Velmar tests: the program on the headless window, bare states for the
// rules and the computer player, and helpers for positions.
#include "velmar_fixture.hpp"

#include "velmar/rules.hpp"

#include "cards/card_style.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"
#include "platform/density.hpp"

#include <atomic>
#include <unistd.h>

namespace velmar_test {

TestWindow::TestWindow() : HeadlessWindow(ct::pocketGeometry(96), {})
{
    setSink([this](const nlohmann::json& event) {
        if (event.value("event", "") != "msgbox")
            return;
        boxes.push_back(event);
        if (onBox)
            onBox();
    });
}

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    path = std::filesystem::path(::testing::TempDir()) /
           ("velmar-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

Program::Program() : store(dir.path / "registry.sqlite3"), shell(game, window, store, true)
{
    shell.startUp(false);
    // A deal the human opens, whatever the cards: every test sets its own position.
    game.gameState().nextStarter = 0;
    shell.createWindow();
}

void prepareFramework()
{
    ct::useCardStyle(ct::defaultCardStyle());
    ct::randomState() = {};
    ct::setFixedSeed(4187839);
    ct::statusLine().configure(velmar::velmarProgramInfo().statusRegion, nullptr);
    ct::statusLine().clear();
}

// ---------------------------------------------------------------- bare states

void StateTest::SetUp()
{
    prepareFramework();
    state = std::make_unique<velmar::VelmarState>();
    ct::setMainWindow(nullptr);
    setTrump(H);
    s().computerHand.sortMode = 0;
    s().humanHand.sortMode = 0;
    setStock(20);
}

void StateTest::setTrump(int suit, int rank, int hidden)
{
    s().trumpCard.suit = suit;
    s().trumpCard.rank = rank;
    s().trumpCard.hidden = hidden;
    for (ct::CardSet* set : {&s().humanHand, &s().computerHand, &s().humanRow, &s().computerRow})
        set->setTrump(suit);
}

void StateTest::setCards(ct::CardSet& set, const Cards& cards)
{
    set.clear();
    const int mode = set.sortMode;
    set.sortMode = -1;
    for (const auto& [suit, rank] : cards)
        set.append(suit, rank);
    set.sortMode = mode;
    set.relayout();
}

void StateTest::setStock(int n)
{
    auto held = [this](int suit, int rank) {
        for (const ct::CardSet* set : {&s().humanHand, &s().computerHand, &s().humanRow, &s().computerRow})
            for (const ct::Card& card : set->cards)
                if (card.suit == suit && card.rank == rank)
                    return true;
        return false;
    };
    int left = n;
    for (int i = 0; i < s().deck.total(); ++i) {
        const auto& slot = s().deck.slots()[static_cast<std::size_t>(i)];
        const bool present = left > 0 && !held(slot.suit, slot.rank);
        s().deck.setPresent(slot.rank, slot.suit, present);
        if (present)
            --left;
    }
    s().stockCard.hidden = n == 0 ? 1 : 0;
}

// ---------------------------------------------------------------- whole programs

void GameTest::SetUp()
{
    prepareFramework();
    program = std::make_unique<Program>();
    game = &program->game;
    shell = &program->shell;
}

void GameTest::tap(const ct::Rect& design)
{
    const ct::Rect r = ct::scaleRect(design);
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    game->stylusDown(x, y);
    game->stylusUp(x, y);
}

void GameTest::tapCard(int suit, int rank)
{
    for (const ct::Card& card : s().humanHand.cards) {
        if (card.suit == suit && card.rank == rank) {
            // The middle of the card's visible left strip: later cards never cover it.
            const int x = card.x + 2;
            const int y = card.y + card.height / 2;
            game->stylusDown(x, y);
            game->stylusUp(x, y);
            return;
        }
    }
    ADD_FAILURE() << "card [" << suit << ", " << rank << "] is not in the human's hand";
}

std::string GameTest::status() const
{
    const char* text = ct::statusLine().text();
    return text != nullptr ? text : "";
}

Cards cardsOf(const ct::CardSet& set)
{
    Cards cards;
    for (const ct::Card& card : set.cards)
        cards.emplace_back(card.suit, card.rank);
    return cards;
}

nlohmann::json cardsJson(const Cards& cards)
{
    nlohmann::json out = nlohmann::json::array();
    for (const auto& [suit, rank] : cards)
        out.push_back(nlohmann::json::array({suit, rank}));
    return out;
}

} // namespace velmar_test
