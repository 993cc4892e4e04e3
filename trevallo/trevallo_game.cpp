// The Trevallo program as the shell sees it: its description, settings, hooks and headless state.
#include "trevallo/trevallo_game.hpp"

#include "trevallo/strings.hpp"
#include "trevallo/table.hpp"

#include "cards/card_json.hpp"
#include "platform/density.hpp"
#include "cards/random.hpp"
#include "shell/shell.hpp"

#include <stdexcept>

namespace trevallo {

namespace {

// The hand order of sortMode 1 needs the suit in force; there is one game per program.
const TrevalloState* sortState = nullptr;

namespace dialog {
inline constexpr int colorList = 1005;
inline constexpr int hideCount = 1012;
inline constexpr int oneCard = 1013;
inline constexpr int rankAndSuit = 1015;
inline constexpr int passAfterQueen = 1016;
} // namespace dialog

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

std::vector<ct::SettingBinding> TrevalloGame::settings()
{
    auto onOff = [](int stored) { return stored != 0 ? 1 : 0; };
    return {
        {"statc", &state_.computerWins, true, nullptr},
        {"statu", &state_.humanWins, true, nullptr},
        // 0 when never saved: the framework's default spread.
        {"hidev", &state_.computerHandSpread, true, [](int stored) { return stored == 5 || stored == 4 ? stored : 0; }},
        {"one", &state_.oneCardThenPass, true, onOff},
        {"range", &state_.rankAndSuitPlay, true, onOff},
        {"q", &state_.passAfterQueen, true, onOff},
    };
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
    const TrevalloState& s = state_;
    return nlohmann::json{
        {"humanHand", ct::toJson(s.humanHand)},
        {"computerHand", ct::toJson(s.computerHand)},
        {"talon", ct::toJson(s.talon)},
        {"discardPile", ct::toJson(s.discardPile)},
        {"currentSuit", s.currentSuit},
        {"suitChoicePending", s.suitChoicePending},
        {"mayPass", s.mayPass},
        {"drawnThisTurn", s.drawnThisTurn},
        {"computerToMove", s.computerToMove},
        {"nextStarter", s.nextStarter},
        {"computerScore", s.computerScore},
        {"humanScore", s.humanScore},
        {"computerWins", s.computerWins},
        {"humanWins", s.humanWins},
        {"oneCardThenPass", s.oneCardThenPass},
        {"rankAndSuitPlay", s.rankAndSuitPlay},
        {"passAfterQueen", s.passAfterQueen},
        {"computerHandSpread", s.computerHandSpread},
        {"computerHandFaceDown", s.computerHandFaceDown},
        {"humanSortMode", s.humanHand.sortMode},
        {"buttonPressed", s.buttonPressed},
    };
}

void TrevalloGame::load(const nlohmann::json& fields)
{
    TrevalloState& s = state_;
    struct IntField {
        const char* name;
        int* variable;
        int low, high;
    };
    const IntField ints[] = {
        {"currentSuit", &s.currentSuit, 0, 4},           {"suitChoicePending", &s.suitChoicePending, 0, 1},
        {"mayPass", &s.mayPass, 0, 1},                   {"drawnThisTurn", &s.drawnThisTurn, 0, packSize},
        {"computerToMove", &s.computerToMove, 0, 1},     {"nextStarter", &s.nextStarter, -1, 1},
        {"computerScore", &s.computerScore, 0, 100000},  {"humanScore", &s.humanScore, 0, 100000},
        {"computerWins", &s.computerWins, 0, 1 << 30},   {"humanWins", &s.humanWins, 0, 1 << 30},
        {"oneCardThenPass", &s.oneCardThenPass, 0, 1},   {"rankAndSuitPlay", &s.rankAndSuitPlay, 0, 1},
        {"passAfterQueen", &s.passAfterQueen, 0, 1},     {"computerHandSpread", &s.computerHandSpread, 0, 5},
        {"computerHandFaceDown", &s.computerHandFaceDown, 0, 1}, {"buttonPressed", &s.buttonPressed, 0, 1},
    };
    // Everything is checked before anything changes.
    for (const IntField& f : ints) {
        if (!fields.contains(f.name))
            continue;
        const auto& v = fields.at(f.name);
        if (!v.is_number_integer() || v.get<long long>() < f.low || v.get<long long>() > f.high)
            throw std::invalid_argument(std::string(f.name) + ": an integer from " + std::to_string(f.low) + " to "
                                        + std::to_string(f.high) + " expected");
    }
    const char* setNames[] = {"humanHand", "computerHand", "talon", "discardPile"};
    ct::CardSet* sets[] = {&s.humanHand, &s.computerHand, &s.talon, &s.discardPile};
    std::vector<std::vector<ct::CardValue>> parsed(4);
    for (int i = 0; i < 4; ++i)
        if (fields.contains(setNames[i]))
            parsed[static_cast<std::size_t>(i)] = ct::parseCardList(fields.at(setNames[i]), setNames[i]);

    for (const IntField& f : ints)
        if (fields.contains(f.name))
            *f.variable = fields.at(f.name).get<int>();
    setUpSets(s, shell_ != nullptr ? shell_->cardBackIndex() : 0);
    for (int i = 0; i < 4; ++i)
        if (fields.contains(setNames[i]))
            ct::applyCardList(*sets[i], parsed[static_cast<std::size_t>(i)]);
    // A loaded pile has no history of plays to check.
    s.plays.clear();
    s.talon.relayout();
    s.discardPile.relayout();
    s.computerHand.relayout();
    layoutHumanHand(s);
    invalidateTable(s);
    watch_ = ScoreWatch{};
}

std::vector<std::string> TrevalloGame::consistencyViolations() const
{
    auto out = commonViolations(state_);
    for (auto& v : ruleViolations(state_, watch_))
        out.push_back(std::move(v));
    return out;
}

std::vector<ct::Rect> TrevalloGame::monkeyTargets() const
{
    std::vector<ct::Rect> targets{ct::scaleRect(area::discardArea), ct::scaleRect(area::drawButton),
                                  ct::scaleRect(area::drawButton), ct::scaleRect(area::sortButton)};
    if (state_.suitChoicePending != 0)
        for (const ct::Rect& r : area::suitButtons)
            targets.push_back(ct::scaleRect(r));
    for (const ct::Card& card : state_.humanHand.cards)
        if (card.isPlaced() && !card.hidden)
            targets.push_back(card.bounds);
    return targets;
}

ct::OptionsDescription TrevalloGame::optionsDialog()
{
    using ct::ControlKind;
    ct::OptionsDescription d;
    d.width = 124;
    d.height = 125;
    d.colorListId = dialog::colorList;
    d.controls = {
        {dialog::hideCount, ControlKind::checkBox, "Hide the number of the opponent's cards", 3, 61, 118, 16, true},
        {dialog::oneCard, ControlKind::checkBox, "Take one card and pass", 3, 77, 118, 16, true},
        {dialog::rankAndSuit, ControlKind::checkBox, "Range and suit for play", 3, 93, 118, 16, true},
        {dialog::passAfterQueen, ControlKind::checkBox, "Pass after queen", 3, 109, 118, 16, true},
    };
    // Each changed switch starts a new game before the next one is read; "hidev" waits for
    // the next deal.
    auto restart = [this] { flow_->newGame(); };
    d.values = {
        ct::checkOption(dialog::hideCount, "hidev", &state_.computerHandSpread, 5, 4),
        ct::checkOption(dialog::oneCard, "one", &state_.oneCardThenPass, 1, 0, restart),
        ct::checkOption(dialog::rankAndSuit, "range", &state_.rankAndSuitPlay, 1, 0, restart),
        ct::checkOption(dialog::passAfterQueen, "q", &state_.passAfterQueen, 1, 0, restart),
    };
    d.setBack = [this](int back) { applyCardBack(back); };
    return d;
}

void TrevalloGame::applyCardBack(int back)
{
    state_.computerHand.setBack(back);
    state_.talon.setBack(back);
    state_.discardPile.setBack(back);
}

} // namespace trevallo
