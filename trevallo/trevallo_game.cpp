// The Trevallo program as the shell sees it: its description, settings, hooks and headless state.
#include "trevallo/trevallo_game.hpp"

#include "trevallo/state_json.hpp"
#include "trevallo/strings.hpp"
#include "trevallo/table.hpp"

#include "cards/card_json.hpp"
#include "platform/density.hpp"
#include "cards/random.hpp"
#include "shell/shell.hpp"

namespace trevallo {

namespace {

// The hand order of sortMode 1 needs the suit in force; there is one game per program.
const TrevalloState* sortState = nullptr;

} // namespace

ct::ProgramInfo trevalloProgramInfo()
{
    ct::ProgramInfo info;
    info.id = "trevallo";
    info.registryKey = "Software\\qv\\trevallo";
    info.strings = programStrings();
    info.aboutTemplate = "%s\nVersion %d.%d\n\nShed your cards before the computer does:\n"
                         "follow the suit, or take from the talon.";
    info.doubleTaps = true;
    info.accelerators = {
        {ct::Accelerator::Kind::altChar, '/', ct::command::about},
        {ct::Accelerator::Kind::altKey, 'N', ct::command::newGame},
        {ct::Accelerator::Kind::altF4, 0, ct::command::exit},
    };
    info.buttonIcons = {icon::take, icon::sort, icon::pass};
    info.cardStyle = ct::defaultCardStyle();
    info.cardStyle.rankKey = ct::queensLastRankKey;
    info.cardStyle.suitKey = ct::calledSuitKey([] { return sortState != nullptr ? sortState->currentSuit : 0; });
    info.statusRegion = ct::StatusRegion{ct::Rect{2, 197, 240, 237}, ct::Rect{2, 197, 240, 237}, 0};
    info.tableKeys = {{"O", "play the selected card (a tap on the pile)"},
                      {"S", "the sort button"},
                      {"D", "the draw button: draw a card, or pass"},
                      {"1 to 4", "the suit buttons, while a suit is to be chosen"}};
    return info;
}

TrevalloGame::TrevalloGame() : info_(trevalloProgramInfo())
{
    sortState = &state_;
}

TrevalloGame::~TrevalloGame()
{
    if (sortState == &state_)
        sortState = nullptr;
}

void TrevalloGame::attach(ct::Shell& shell)
{
    shell_ = &shell;
    state_.window = &shell.window();
    flow_ = std::make_unique<TurnFlow>(state_, shell);
}

void TrevalloGame::startValues(bool showComputerHand)
{
    state_.computerHandFaceDown = showComputerHand ? 0 : 1;
}

void TrevalloGame::windowCreated()
{
    ct::seedRandom();
    shell_->window().setTitle(programString(1));
    shell_->sendGameMessage(step::deal);
}

void TrevalloGame::gameMessage(int code)
{
    flow_->gameStep(code);
}

void TrevalloGame::newGame()
{
    flow_->newGame();
}

void TrevalloGame::stylusDown(int x, int y)
{
    flow_->tapDown(x, y);
}

void TrevalloGame::stylusUp(int x, int y)
{
    flow_->tapUp(x, y);
}

void TrevalloGame::doubleTap(int x, int y)
{
    flow_->doubleTap(x, y);
}

void TrevalloGame::drawTable(ct::Canvas& canvas)
{
    PaintResources paint;
    paint.take = &shell_->buttonIcon(icon::take);
    paint.pass = &shell_->buttonIcon(icon::pass);
    paint.sort = &shell_->buttonIcon(icon::sort);
    trevallo::drawTable(state_, canvas, paint);
}

void TrevalloGame::tearDown()
{
    state_.humanHand.clear();
    state_.computerHand.clear();
    state_.talon.clear();
    state_.discardPile.clear();
}

nlohmann::json TrevalloGame::state() const
{
    return stateToJson(state_);
}

void TrevalloGame::load(const nlohmann::json& fields)
{
    loadState(state_, fields, shell_ != nullptr ? shell_->cardBackIndex() : 0);
    watch_ = ScoreWatch{};
}

std::vector<std::string> TrevalloGame::consistencyViolations() const
{
    auto out = stateSchema().violations(state_);
    for (auto& v : playViolations(state_, watch_))
        out.push_back(std::move(v));
    return out;
}

std::vector<ct::FocusStop> TrevalloGame::focusStops() const
{
    std::vector<ct::FocusStop> stops{ct::cardStop("humanHand", state_.humanHand),
                                     ct::areaStop("discardArea", element::discardArea, 'O')};
    // The suit buttons are on the table only while a suit is to be chosen.
    if (state_.suitChoicePending != 0)
        stops.push_back(ct::suitStop("suits", element::suitButtons));
    stops.push_back(ct::buttonStop("sort", element::sortButton, 'S'));
    stops.push_back(ct::buttonStop("draw", element::drawButton, 'D'));
    return stops;
}

std::vector<ct::Rect> TrevalloGame::monkeyTargets() const
{
    std::vector<ct::Rect> targets{ct::scaleRect(area::discardArea), ct::scaleRect(area::drawButton),
                                  ct::scaleRect(area::drawButton), ct::scaleRect(area::sortButton)};
    if (state_.suitChoicePending != 0)
        for (int suit = 1; suit <= 4; ++suit)
            targets.push_back(ct::scaleRect(element::suitButtons.area(suit)));
    for (const ct::Card& card : state_.humanHand.cards)
        if (card.isPlaced() && !card.hidden)
            targets.push_back(card.bounds);
    return targets;
}

void TrevalloGame::applyCardBack(int back)
{
    state_.computerHand.setBack(back);
    state_.talon.setBack(back);
    state_.discardPile.setBack(back);
}

} // namespace trevallo
