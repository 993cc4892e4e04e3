// The Zembrola program as the shell sees it: its description, settings, hooks and headless state.
#include "zembrola/zembrola_game.hpp"

#include "zembrola/state_json.hpp"
#include "zembrola/strings.hpp"
#include "zembrola/table.hpp"

#include "cards/card_render.hpp"
#include "platform/density.hpp"
#include "shell/shell.hpp"

namespace zembrola {

ct::ProgramInfo zembrolaProgramInfo()
{
    ct::ProgramInfo info;
    info.id = "zembrola";
    info.registryKey = "Software\\qv\\zm";
    info.strings = programStrings();
    info.aboutTemplate = "%s\nVersion %d.%d\n\nTake the card points in tricks:\n"
                         "twelve penalty points lose the game.";
    // Each tap of a quick double tap is an ordinary tap here.
    info.doubleTaps = false;
    info.accelerators = {
        {ct::Accelerator::Kind::altChar, '/', ct::command::about},
        {ct::Accelerator::Kind::altF4, 0, ct::command::exit},
    };
    info.buttonIcons = {icon::ok, icon::sort};
    info.cardStyle = ct::defaultCardStyle();
    info.cardStyle.rankLabels = ct::tenHighRankLabels();
    info.cardStyle.pack = ct::PackTemplate::TenHigh36;
    info.statusRegion = ct::StatusRegion{area::status, area::status, ct::textCenter | ct::textWordBreak};
    info.tableKeys = {{"S", "the sort button"}, {"O", "the OK button: play the selected cards"}};
    return info;
}

ZembrolaGame::ZembrolaGame() : info_(zembrolaProgramInfo()) {}

void ZembrolaGame::attach(ct::Shell& shell)
{
    shell_ = &shell;
    state_.window = &shell.window();
    flow_ = std::make_unique<TurnFlow>(state_, shell);
}

void ZembrolaGame::startValues(bool) {}

void ZembrolaGame::windowCreated()
{
    // No seeding here: the first draw of the deal seeds the generator (from --seed if given).
    shell_->window().setTitle(programString(1));
    shell_->sendGameMessage(step::deal);
}

void ZembrolaGame::gameMessage(int code)
{
    flow_->gameStep(code);
}

void ZembrolaGame::newGame()
{
    flow_->newGame();
}

void ZembrolaGame::stylusDown(int x, int y)
{
    flow_->tapDown(x, y);
}

void ZembrolaGame::stylusUp(int x, int y)
{
    flow_->tapUp(x, y);
}

void ZembrolaGame::drawTable(ct::Canvas& canvas)
{
    PaintResources paint;
    paint.ok = &shell_->buttonIcon(icon::ok);
    paint.sort = &shell_->buttonIcon(icon::sort);
    paint.tableColor = ct::tableColor(shell_->tableColorIndex());
    zembrola::drawTable(state_, canvas, paint);
}

void ZembrolaGame::tearDown()
{
    state_.humanHand.clear();
    state_.computerHand.clear();
    state_.humanRow.clear();
    state_.computerRow.clear();
}

nlohmann::json ZembrolaGame::state() const
{
    return stateToJson(state_);
}

void ZembrolaGame::load(const nlohmann::json& fields)
{
    loadState(state_, fields, shell_ != nullptr ? shell_->cardBackIndex() : 0);
    penalties_ = PenaltyWatch{};
    if (shell_ != nullptr)
        shell_->window().invalidateAll();
}

std::vector<std::string> ZembrolaGame::consistencyViolations() const
{
    auto out = stateSchema().violations(state_);
    for (auto& v : penalties_.check(state_))
        out.push_back(std::move(v));
    return out;
}

std::vector<ct::FocusStop> ZembrolaGame::focusStops() const
{
    return {ct::cardStop("humanHand", state_.humanHand), ct::areaStop("playArea", element::playArea),
            ct::buttonStop("sort", element::sortButton, 'S'), ct::buttonStop("ok", element::okButton, 'O')};
}

std::vector<ct::Rect> ZembrolaGame::monkeyTargets() const
{
    std::vector<ct::Rect> targets{ct::scaleRect(area::playArea), ct::scaleRect(area::okButton),
                                  ct::scaleRect(area::sortButton)};
    for (const ct::Card& card : state_.humanHand.cards)
        if (card.isPlaced() && !card.hidden)
            targets.push_back(card.bounds);
    return targets;
}

void ZembrolaGame::applyCardBack(int back)
{
    state_.humanHand.setBack(back);
    state_.computerHand.setBack(back);
    state_.stockCard.back = back;
    state_.stockCard.invalidate();
}

} // namespace zembrola
