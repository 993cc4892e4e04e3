// The framework's sample game and test table: everything a game writes, at its smallest.
#include "cards/card_render.hpp"
#include "cards/random.hpp"
#include "cards/table_elements.hpp"
#include "platform/density.hpp"
#include "shell/declared_state.hpp"
#include "shell/run_program.hpp"
#include "shell/shell.hpp"
#include "shell/step_guard.hpp"

#include <memory>

namespace {

using namespace ct;

// The game's one message: deal the row afresh.
inline constexpr int dealStep = 0;
inline constexpr int rowSize = 10;

// Table elements, in design units.
inline constexpr TapArea dealButton{{200, 150, 236, 172}};

// The program's state: a dealt row to tap, the pack and its face-down card.
struct Table {
    CardSet row;
    Deck deck;
    Card packCard;              // the pack's picture, not one of its cards
    int deals = 0;              // deals since the program started
    int starts = 0;             // stored as "starts": the program's starts, across runs
    int showFaceUp = 0;         // "k5W" or the Options switch: the pack card face up
    StepGuard dealt;            // a question asked during one deal is not acted on in the next
};

class TableTestGame : public Game {
public:
    TableTestGame()
    {
        schema_.cardSet("row", &Table::row, rowSize).pack("deck", &Table::deck).card("pack", &Table::packCard);
        schema_.count("deals", &Table::deals).count("starts", &Table::starts).flag("showFaceUp", &Table::showFaceUp);
        // Taps select at most one card of the row.
        schema_.positionRules = [](const Table& t) {
            return std::vector<std::string>(t.row.countSelected() > 1, "more than one card selected"); };
        schema_.reestablish = [this](Table&, const nlohmann::json&) { placePackCard(); };
    }

    const ProgramInfo& info() const override { return info_; }
    void attach(Shell& shell) override { shell_ = &shell; }
    void startValues(bool showComputerHand) override { t_.showFaceUp = showComputerHand ? 1 : 0; }

    SettingsList settingsList() override
    {
        SettingsList list{.optionsHeight = 76};
        // Stored for scripts to read back; a run starts face down unless "k5W" is given.
        Setting faceUp = checkBox("faceup", &t_.showFaceUp, {1009, {}, "Show the pack face up", 3, 62, 118, 10}, 0);
        faceUp.readAtStartUp = faceUp.inStateDump = false;
        faceUp.onChange = OnChange::call;
        faceUp.changed = [this] { placePackCard(); };
        list.rows = {faceUp, tally("statc", nullptr, "Computer"), tally("statu", nullptr, "Human "),
                     stored("starts", &t_.starts)};
        list.setBack = [this](int back) { t_.row.setBack(back), placePackCard(); };
        return list;
    }

    void windowCreated() override
    {
        // Cards built before the screen density was known have the wrong size: build them now.
        t_.packCard = Card{};
        t_.row.window = &shell_->window();
        // Dealt order, side by side, seven to a row.
        t_.row.sortMode = -1, t_.row.spread = 2, t_.row.perRow = 7;
        t_.row.originX = scaleX(10), t_.row.originY = scaleY(60);
        t_.row.setBack(shell_->cardBackIndex());
        t_.deck.setUp(PackTemplate::Standard36);
        seedRandom();
        // Written at once: a stored value that every run reads and changes.
        shell_->settings().write("starts", static_cast<std::uint32_t>(++t_.starts));
        shell_->window().setTitle(shell_->string(1));
        shell_->sendGameMessage(dealStep);
    }

    void gameMessage(int code) override
    {
        if (code != dealStep)
            return;
        t_.dealt.begin();
        t_.deck.reset();
        t_.row.clear();
        for (int i = 0, rank = 0, suit = 0; i < rowSize && t_.deck.draw(rank, suit) >= 0; ++i)
            t_.row.append(suit, rank);
        t_.row.relayout();
        placePackCard();
        ++t_.deals;
        statusLine().set("Dealt %d cards, %d left", t_.row.count(), t_.deck.remaining());
        shell_->window().invalidateAll();
    }

    void newGame() override { shell_->sendGameMessage(dealStep); }

    void stylusDown(int x, int y) override
    {
        statusLine().clear();
        if (dealButton.hit(x, y))
            return shell_->sendGameMessage(dealStep);
        if (const int index = t_.row.pickAt(x, y); index > 0)
            statusLine().set(t_.row.at(index).selected ? "Card %d selected" : "Card %d put back", index);
    }

    void doubleTap(int x, int y) override
    {
        // The first tap of the pair has already selected or put back the card.
        if (t_.row.cardAt(x, y) == 0)
            return;
        const auto deal = t_.dealt.current();
        const MsgBoxAnswer answer = shell_->window().messageBox("Deal again?", shell_->string(1), MsgBoxButtons::yesNo,
                                                                MsgBoxIcon::question);
        if (answer == MsgBoxAnswer::yes && !t_.dealt.stale(deal))
            shell_->sendGameMessage(dealStep);
    }

    void drawTable(Canvas& canvas) override
    {
        const DrawingResources& res = drawingResources();
        const Rect button = scaleRect(dealButton.area);
        canvas.fillRect(button, res.white);
        canvas.fillRect(Rect{button.left + 1, button.top + 1, button.right - 1, button.bottom - 1}, res.grey);
        TextBox{dealButton.area}.draw(canvas, "Deal", res.black);
        t_.packCard.drawCard(canvas);
        t_.row.drawAll(canvas);
        TextBox{{200, 46, 240, 60}}.drawNumber(canvas, t_.deck.remaining(), res.white);
        statusLine().draw(canvas);
    }

    nlohmann::json state() const override { return schema_.toJson(t_); }
    void load(const nlohmann::json& fields) override { schema_.load(t_, fields); }
    std::vector<std::string> consistencyViolations() const override { return schema_.violations(t_); }

    // Random play and the keyboard both take these: the row's cards, then the deal button.
    std::vector<FocusStop> focusStops() const override
    {
        return {cardStop("row", t_.row), buttonStop("deal", dealButton, 'D')};
    }

private:
    void placePackCard()
    {
        Card& pack = t_.packCard;
        pack.setWindow(&shell_->window());
        pack.suit = 1, pack.rank = 14, pack.back = shell_->cardBackIndex();
        pack.faceDown = t_.showFaceUp ? 0 : 1, pack.hidden = t_.deck.remaining() > 0 ? 0 : 1;
        pack.moveTo(scaleX(205), scaleY(2));
        pack.invalidate();
    }

    const ProgramInfo info_{
        .id = "tabletest",
        .registryKey = "Software\\qv\\tabletest",
        .strings = {{1, "Table Test"}, {2, "file:tabletest.0409.htm#%d"}, {3, "TableTest"}, {4, "About"}},
        .aboutTemplate = "%s\nVersion %d.%d\n\nThe card framework's test table.",
        .accelerators = {{Accelerator::Kind::altKey, 'N', command::newGame},
                         {Accelerator::Kind::altChar, '/', command::about},
                         {Accelerator::Kind::altF4, 0, command::exit}},
        .cardStyle = defaultCardStyle(),
        .statusRegion = {Rect{2, 198, 240, 260}, Rect{2, 198, 240, 237}, textLeft}};
    Shell* shell_ = nullptr;
    Table t_;
    StateSchema<Table> schema_{"tabletest"};
};

} // namespace

int runTableTest(int argc, char** argv)
{
    TableTestGame game;
    return runProgram(game, argc, argv);
}

// For in-process tests that drive the game without a command line.
std::unique_ptr<ct::Game> makeTableTestGame() { return std::make_unique<TableTestGame>(); }
