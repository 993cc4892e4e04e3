// The test table: deal, select, redeal, a question box, state and load, consistency checks.
#include "tabletest/table_test.hpp"

#include "cards/card_json.hpp"
#include "cards/card_render.hpp"
#include "cards/random.hpp"
#include "cards/status_line.hpp"
#include "platform/density.hpp"

#include <set>
#include <stdexcept>

namespace tabletest {

using namespace ct;

TableTestGame::TableTestGame()
{
    info_.id = "tabletest";
    info_.registryKey = "Software\\qv\\tabletest";
    info_.strings = {{1, "Table Test"}, {2, "file:tabletest.0409.htm#%d"}, {3, "TableTest"}, {4, "About"}};
    info_.aboutTemplate = "%s\nVersion %d.%d\n\nThe card framework's test table.";
    info_.doubleTaps = true;
    info_.accelerators = {{Accelerator::Kind::altKey, 'N', command::newGame},
                          {Accelerator::Kind::altChar, '/', command::about},
                          {Accelerator::Kind::altF4, 0, command::exit}};
    info_.buttonIcons = {};
    info_.cardStyle = defaultCardStyle();
    info_.statusRegion = StatusRegion{Rect{2, 198, 240, 260}, Rect{2, 198, 240, 237}, textLeft};
}

void TableTestGame::startValues(bool showComputerHand)
{
    table_.showFaceUp = showComputerHand ? 1 : 0;
}

void TableTestGame::windowCreated()
{
    // Cards built before the screen density was known have the wrong size: build them now.
    table_.packCard = Card{};
    Window& window = shell_->window();
    table_.row.window = &window;
    table_.row.sortMode = -1;
    table_.row.spread = 2;
    table_.row.perRow = 7;
    table_.row.originX = scaleX(rowOriginX);
    table_.row.originY = scaleY(rowOriginY);
    table_.row.setBack(shell_->cardBackIndex());
    table_.deck.setUp(PackTemplate::Standard36);
    seedRandom();
    // Written once per run, at once: a stored value that every run reads and changes.
    ++table_.starts;
    shell_->settings().write("starts", static_cast<std::uint32_t>(table_.starts));
    window.setTitle(shell_->string(1));
    shell_->sendGameMessage(dealStep);
}

void TableTestGame::placePackCard()
{
    Card& pack = table_.packCard;
    pack.setWindow(&shell_->window());
    pack.suit = 1;
    pack.rank = 14;
    pack.faceDown = table_.showFaceUp ? 0 : 1;
    pack.back = shell_->cardBackIndex();
    pack.hidden = table_.deck.remaining() > 0 ? 0 : 1;
    pack.moveTo(scaleX(packX), scaleY(packY));
    pack.invalidate();
}

void TableTestGame::deal()
{
    table_.deck.reset();
    table_.row.clear();
    for (int i = 0; i < rowSize; ++i) {
        int rank = 0, suit = 0;
        if (table_.deck.draw(rank, suit) < 0)
            break;
        table_.row.append(suit, rank);
    }
    table_.row.relayout();
    placePackCard();
    ++table_.deals;
    statusLine().set("Dealt %d cards, %d left", table_.row.count(), table_.deck.remaining());
    shell_->window().invalidateAll();
}

void TableTestGame::gameMessage(int code)
{
    if (code == dealStep)
        deal();
}

void TableTestGame::newGame()
{
    shell_->sendGameMessage(dealStep);
}

Rect TableTestGame::dealButton() const
{
    return scaleRect(dealButtonDesign);
}

void TableTestGame::stylusDown(int x, int y)
{
    if (statusLine().isShown())
        statusLine().clear();
    if (pointInRect(x, y, dealButton())) {
        shell_->sendGameMessage(dealStep);
        return;
    }
    const int index = table_.row.pickAt(x, y);
    if (index > 0)
        statusLine().set(table_.row.at(index).selected ? "Card %d selected" : "Card %d put back", index);
}

void TableTestGame::doubleTap(int x, int y)
{
    // The first tap of the pair has already selected or put back the card.
    if (table_.row.cardAt(x, y) == 0)
        return;
    const MsgBoxAnswer answer =
        shell_->window().messageBox("Deal again?", shell_->string(1), MsgBoxButtons::yesNo, MsgBoxIcon::question);
    if (answer == MsgBoxAnswer::yes)
        shell_->sendGameMessage(dealStep);
}

void TableTestGame::drawTable(Canvas& canvas)
{
    const DrawingResources& res = drawingResources();
    const Rect button = dealButton();
    canvas.fillRect(button, res.white);
    canvas.fillRect(Rect{button.left + 1, button.top + 1, button.right - 1, button.bottom - 1}, res.grey);
    canvas.drawTextInRect(ct::textFont(), "Deal", button, textCenter | textVCenter, res.black);
    table_.packCard.drawCard(canvas);
    table_.row.drawAll(canvas);
    canvas.drawTextInRect(ct::textFont(), std::to_string(table_.deck.remaining()), scaleRect(200, 46, 240, 60),
                          textCenter | textVCenter, res.white);
    statusLine().draw(canvas);
}

void TableTestGame::tearDown()
{
    table_.row.clear();
}

nlohmann::json TableTestGame::state() const
{
    return {{"row", toJson(table_.row)},
            {"deck", toJson(table_.deck)},
            {"pack", toJson(table_.packCard)},
            {"deals", table_.deals},
            {"starts", table_.starts},
            {"showFaceUp", table_.showFaceUp}};
}

void TableTestGame::load(const nlohmann::json& fields)
{
    for (const auto& item : fields.items())
        if (item.key() != "row" && item.key() != "deck")
            throw std::invalid_argument("unknown field \"" + item.key() + "\" (row and deck can be loaded)");
    // Everything is checked before anything changes, so a refused load leaves the table as it was.
    std::vector<CardValue> row;
    for (const Card& card : table_.row.cards)
        row.push_back(CardValue{card.suit, card.rank, card.selected});
    if (fields.contains("row"))
        row = parseCardList(fields["row"], "row");
    Deck deck = table_.deck;
    if (fields.contains("deck"))
        deck = parseDeck(fields["deck"], table_.deck, "deck");
    if (static_cast<int>(row.size()) > rowSize)
        throw std::invalid_argument("row: at most " + std::to_string(rowSize) + " cards");
    std::set<std::pair<int, int>> seen;
    for (const CardValue& card : row) {
        if (!seen.emplace(card.suit, card.rank).second)
            throw std::invalid_argument("row: a card is there twice");
        bool inPack = false;
        for (int i = 0; i < deck.total(); ++i) {
            const Deck::Slot& slot = deck.slots()[static_cast<std::size_t>(i)];
            if (slot.suit == card.suit && slot.rank == card.rank) {
                inPack = true;
                if (slot.present)
                    throw std::invalid_argument("row: a card is also in the deck");
            }
        }
        if (!inPack)
            throw std::invalid_argument("row: a card that is not in the 36-card pack");
    }
    if (static_cast<int>(row.size()) + deck.remaining() != deck.total())
        throw std::invalid_argument("row and deck together must hold all " + std::to_string(deck.total()) + " cards");
    applyCardList(table_.row, row);
    table_.deck = deck;
    placePackCard();
}

std::vector<std::string> TableTestGame::consistencyViolations() const
{
    std::vector<std::string> violations;
    const Deck& deck = table_.deck;
    if (deck.total() != 36)
        violations.push_back("the pack holds " + std::to_string(deck.total()) + " cards, not 36");
    std::multiset<std::pair<int, int>> cards;
    for (const Card& card : table_.row.cards)
        cards.emplace(card.suit, card.rank);
    int present = 0;
    for (int i = 0; i < deck.total(); ++i) {
        const Deck::Slot& slot = deck.slots()[static_cast<std::size_t>(i)];
        if (slot.present) {
            ++present;
            cards.emplace(slot.suit, slot.rank);
        }
    }
    if (present != deck.remaining())
        violations.push_back("the deck counts " + std::to_string(deck.remaining()) + " cards but holds " +
                             std::to_string(present));
    for (int i = 0; i < deck.total(); ++i) {
        const Deck::Slot& slot = deck.slots()[static_cast<std::size_t>(i)];
        const auto n = cards.count({slot.suit, slot.rank});
        if (n != 1)
            violations.push_back("card " + std::to_string(slot.rank) + "/" + std::to_string(slot.suit) + " is there " +
                                 std::to_string(n) + " times");
    }
    if (cards.size() != 36)
        violations.push_back(std::to_string(cards.size()) + " cards accounted for, not 36");
    if (table_.row.countSelected() > 1)
        violations.push_back("more than one card selected");
    return violations;
}

std::vector<Rect> TableTestGame::monkeyTargets() const
{
    std::vector<Rect> targets;
    for (const Card& card : table_.row.cards)
        targets.push_back(card.bounds);
    targets.push_back(dealButton());
    targets.push_back(table_.packCard.bounds);
    return targets;
}

} // namespace tabletest
