// The Velmar program as the shell sees it: its description, settings, hooks and headless state.
#include "velmar/velmar_game.hpp"

#include "velmar/rules.hpp"
#include "velmar/invariants.hpp"
#include "velmar/state_json.hpp"
#include "velmar/strings.hpp"
#include "velmar/table.hpp"

#include "cards/card_render.hpp"
#include "platform/density.hpp"
#include "cards/random.hpp"
#include "shell/shell.hpp"

namespace velmar {

ct::ProgramInfo velmarProgramInfo()
{
    ct::ProgramInfo info;
    info.id = "velmar";
    info.registryKey = "Software\\qv\\vlm";
    info.strings = programStrings();
    info.aboutTemplate = "%s\nVersion %d.%d\n\nAttack and defend against the computer:\n"
                         "the player left holding cards loses.";
    info.doubleTaps = true;
    info.accelerators = {
        {ct::Accelerator::Kind::altKey, 'N', ct::command::newGame},
        {ct::Accelerator::Kind::altF4, 0, ct::command::exit},
    };
    info.buttonIcons = {icon::endBout, icon::take, icon::sort};
    info.cardStyle = ct::defaultCardStyle();
    info.statusRegion = ct::StatusRegion{ct::Rect{2, 198, 240, 260}, ct::Rect{2, 198, 240, 237}, 0};
    info.tableKeys = {{"O", "play the selected cards (a tap on the play area)"},
                      {"S", "the sort button"},
                      {"D", "the action button: take the cards, or end the bout"}};
    return info;
}

VelmarGame::VelmarGame() : info_(velmarProgramInfo()) {}

void VelmarGame::attach(ct::Shell& shell)
{
    shell_ = &shell;
    state_.window = &shell.window();
    flow_ = std::make_unique<TurnFlow>(state_, shell);
}

void VelmarGame::startValues(bool showComputerHand)
{
    state_.computerHandFaceDown = showComputerHand ? 0 : 1;
    state_.transferVariant = transferFor(state_.gameType);
}

void VelmarGame::windowSetUp()
{
    gameTypeNames_.freeAll();
    for (int id = text::firstGameType; id < text::firstGameType + gameTypeCount; ++id)
        gameTypeNames_.addString(programString(id).c_str());
}

std::string VelmarGame::gameTypeTitle() const
{
    const char* name = gameTypeNames_.at(state_.gameType);
    return name != nullptr ? std::string(name) : programString(text::firstGameType + state_.gameType);
}

void VelmarGame::windowCreated()
{
    ct::seedRandom();
    shell_->window().setTitle(gameTypeTitle());
    shell_->sendGameMessage(step::newDeal);
}

void VelmarGame::gameMessage(int code)
{
    flow_->gameStep(code);
    // The deal's first move has been made (the computer's opening runs inside the step): the
    // opener is checked now and reported with every later check until the next deal.
    if (code == step::newDeal)
        starterViolations_ = starterViolations(state_);
}

void VelmarGame::newGame()
{
    shell_->sendGameMessage(step::newDeal);
}

void VelmarGame::stylusDown(int x, int y)
{
    flow_->tapDown(x, y);
}

void VelmarGame::stylusUp(int, int)
{
    flow_->tapUp();
}

void VelmarGame::doubleTap(int x, int y)
{
    flow_->doubleTap(x, y);
}

void VelmarGame::drawTable(ct::Canvas& canvas)
{
    PaintResources paint;
    paint.take = &shell_->buttonIcon(icon::take);
    paint.endBout = &shell_->buttonIcon(icon::endBout);
    paint.sort = &shell_->buttonIcon(icon::sort);
    paint.tableColor = ct::tableColor(shell_->tableColorIndex());
    velmar::drawTable(state_, canvas, paint);
}

void VelmarGame::tearDown()
{
    state_.humanHand.clear();
    state_.computerHand.clear();
    state_.humanRow.clear();
    state_.computerRow.clear();
}

nlohmann::json VelmarGame::state() const
{
    return stateToJson(state_);
}

void VelmarGame::load(const nlohmann::json& fields)
{
    const int typeBefore = state_.gameType;
    loadState(state_, fields, shell_ != nullptr ? shell_->cardBackIndex() : 0);
    if (shell_ != nullptr && state_.gameType != typeBefore)
        shell_->window().setTitle(gameTypeTitle());
}

std::vector<std::string> VelmarGame::consistencyViolations() const
{
    auto out = velmar::consistencyViolations(state_);
    out.insert(out.end(), starterViolations_.begin(), starterViolations_.end());
    return out;
}

std::vector<ct::FocusStop> VelmarGame::focusStops() const
{
    return {ct::cardStop("humanHand", state_.humanHand), ct::areaStop("playArea", element::playArea, 'O'),
            ct::buttonStop("sort", element::sortButton, 'S'), ct::buttonStop("action", element::actionButton, 'D')};
}

std::vector<ct::Rect> VelmarGame::monkeyTargets() const
{
    std::vector<ct::Rect> targets{ct::scaleRect(area::playArea), ct::scaleRect(area::actionButton),
                                  ct::scaleRect(area::sortButton)};
    for (const ct::Card& card : state_.humanHand.cards)
        if (card.isPlaced() && !card.hidden)
            targets.push_back(card.bounds);
    return targets;
}

void VelmarGame::changeGameType(int type)
{
    if (type < 0 || type >= gameTypeCount)
        return;
    if (type != state_.gameType) {
        state_.gameType = type;
        gameTypeChanged();
    }
    shell_->settings().write("type", static_cast<std::uint32_t>(state_.gameType));
}

void VelmarGame::gameTypeChanged()
{
    // The transfer rule is set before the new deal, so that its first move already plays by
    // the new rules.
    state_.transferVariant = transferFor(state_.gameType);
    shell_->sendGameMessage(step::newDeal);
    shell_->window().setTitle(gameTypeTitle());
}

void VelmarGame::applyCardBack(int back)
{
    state_.humanHand.setBack(back);
    state_.computerHand.setBack(back);
    state_.stockCard.back = back;
    state_.stockCard.invalidate();
}

} // namespace velmar
