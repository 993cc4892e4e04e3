// The Sarvotte program as the shell sees it: its description, settings, hooks and headless state.
#include "sarvotte/sarvotte_game.hpp"

#include "sarvotte/rules.hpp"
#include "sarvotte/state_json.hpp"
#include "sarvotte/strings.hpp"
#include "sarvotte/table.hpp"

#include "platform/density.hpp"
#include "cards/random.hpp"
#include "shell/shell.hpp"

namespace sarvotte {

ct::CardStyle sarvotteCardStyle()
{
    ct::CardStyle style;
    style.designWidth = 21;
    style.designHeight = 30;
    style.useRepaintMark = true;
    style.rankKey = ct::queensLastRankKey;
    style.suitKey = ct::plainSuitKey;
    style.rankLabels = ct::defaultRankLabels();
    style.face = ct::FaceLayout::OneCorner;
    style.pack = ct::PackTemplate::Standard52;
    return style;
}

ct::ProgramInfo sarvotteProgramInfo()
{
    ct::ProgramInfo info;
    info.id = "sarvotte";
    info.registryKey = "Software\\qv\\ruvane";
    info.strings = programStrings();
    info.aboutTemplate = "%s\nVersion %d.%d\n\nMove a card onto its neighbour or three places left\n"
                         "when rank or suit match.";
    info.doubleTaps = false;
    info.accelerators = {
        {ct::Accelerator::Kind::altChar, '/', ct::command::about},
        {ct::Accelerator::Kind::altKey, 'N', ct::command::newGame},
        {ct::Accelerator::Kind::altF4, 0, ct::command::exit},
    };
    info.cardStyle = sarvotteCardStyle();
    info.statusRegion = ct::StatusRegion{area::statusLine, area::statusLine, 0};
    info.tableKeys = {{"D", "draw a card from the stock"}};
    return info;
}

SarvotteGame::SarvotteGame() : info_(sarvotteProgramInfo()) {}

void SarvotteGame::attach(ct::Shell& shell)
{
    shell_ = &shell;
    state_.window = &shell.window();
    flow_ = std::make_unique<TurnFlow>(state_, shell);
}

void SarvotteGame::startValues(bool)
{
    memory_.record = state_.bestPatience;
}

void SarvotteGame::windowCreated()
{
    ct::seedRandom();
    shell_->sendGameMessage(step::newGame);
}

void SarvotteGame::gameMessage(int code)
{
    flow_->gameStep(code);
}

void SarvotteGame::newGame()
{
    shell_->sendGameMessage(step::newGame);
}

void SarvotteGame::stylusDown(int x, int y)
{
    flow_->tapDown(x, y);
}

void SarvotteGame::drawTable(ct::Canvas& canvas)
{
    sarvotte::drawTable(state_, canvas);
}

void SarvotteGame::tearDown()
{
    state_.cardRow.clear();
    state_.stock.clear();
}

nlohmann::json SarvotteGame::state() const
{
    return stateToJson(state_);
}

void SarvotteGame::load(const nlohmann::json& fields)
{
    loadState(state_, fields, shell_ != nullptr ? shell_->cardBackIndex() : 0);
    memory_.record = state_.bestPatience;
    if (shell_ != nullptr)
        shell_->window().invalidateAll();
}

std::vector<std::string> SarvotteGame::consistencyViolations() const
{
    return sarvotte::consistencyViolations(state_, memory_);
}

std::vector<ct::FocusStop> SarvotteGame::focusStops() const
{
    std::vector<ct::FocusStop> stops{ct::cardStop("cardRow", state_.cardRow)};
    if (!state_.stock.empty())
        stops.push_back(ct::areaStop("stock", area::stock, 'D'));
    return stops;
}

std::vector<ct::Rect> SarvotteGame::monkeyTargets() const
{
    std::vector<ct::Rect> targets{ct::scaleRect(area::stock.area), ct::scaleRect(area::rowArea)};
    for (const ct::Card& card : state_.cardRow.cards)
        if (card.isPlaced())
            targets.push_back(card.bounds);
    return targets;
}

void SarvotteGame::applyCardBack(int back)
{
    state_.cardRow.setBack(back);
    state_.stock.setBack(back);
}

} // namespace sarvotte
