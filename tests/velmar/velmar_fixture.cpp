// Shared set-up for the Velmar tests: a recording window and shell, and helpers for positions.
#include "velmar_fixture.hpp"

#include "velmar/rules.hpp"
#include "velmar/strings.hpp"

#include "cards/card_style.hpp"
#include "cards/layout.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"

#include <atomic>
#include <unistd.h>

namespace velmar_test {

void RecordingWindow::invalidate(const ct::Rect& area)
{
    // Only the latest areas matter to the tests; keep the record small in long games.
    if (invalidated.size() > 4096)
        invalidated.clear();
    invalidated.push_back(area);
}

std::intptr_t RecordingWindow::sendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t)
{
    if (message == ct::msg::user && onGameMessage) {
        ++sendDepth;
        deepestSend = std::max(deepestSend, sendDepth);
        onGameMessage(static_cast<int>(wParam));
        --sendDepth;
    }
    return 0;
}

ct::MsgBoxAnswer RecordingWindow::messageBox(std::string_view text, std::string_view caption,
                                             ct::MsgBoxButtons buttons, ct::MsgBoxIcon icon)
{
    boxes.push_back(Box{std::string(text), std::string(caption), buttons, icon});
    if (onBox)
        onBox(boxes.back());
    if (!answers.empty()) {
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == ct::MsgBoxButtons::yesNo ? ct::MsgBoxAnswer::yes : ct::MsgBoxAnswer::ok;
}

RecordingShell::RecordingShell()
{
    static std::atomic<int> counter{0};
    dir_ = std::filesystem::path(::testing::TempDir()) /
           ("velmar-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir_);
    store_ = std::make_unique<ct::SettingsStore>(dir_ / "registry.sqlite3");
    settings_ = std::make_unique<ct::ProgramSettings>(*store_, "Software\\qv\\vlm");
}

RecordingShell::~RecordingShell()
{
    settings_.reset();
    store_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

const std::string& RecordingShell::string(int id) const
{
    return velmar::programString(id);
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

// ---------------------------------------------------------------- whole games

void startGame(velmar::VelmarGame& game, RecordingShell& shell)
{
    game.attach(shell);
    shell.recorder().onGameMessage = [&game](int code) { game.gameMessage(code); };
    game.startValues(false);
    game.windowSetUp();
    // A deal the human opens, whatever the cards: every test sets its own position.
    game.gameState().nextStarter = 0;
    game.windowCreated();
}

void GameTest::SetUp()
{
    prepareFramework();
    shell = std::make_unique<RecordingShell>();
    game = std::make_unique<velmar::VelmarGame>();
    ct::setMainWindow(&window());
    ct::statusLine().configure(game->info().statusRegion, &window());
    startGame(*game, *shell);
}

void GameTest::TearDown()
{
    game->tearDown();
    ct::setMainWindow(nullptr);
    ct::statusLine().configure(game->info().statusRegion, nullptr);
}

void GameTest::load(const nlohmann::json& fields)
{
    game->load(fields);
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
