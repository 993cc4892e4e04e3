// The Velmar turn flow in the headless program: taps, the computer's answers inside the tap,
// messages, the ends of bouts and games.
#include "velmar_fixture.hpp"

#include "velmar/rules.hpp"
#include "velmar/state_json.hpp"
#include "velmar/table.hpp"

#include "cards/status_line.hpp"
#include "platform/density.hpp"

using namespace velmar_test;
using nlohmann::json;
namespace area = velmar::area;

namespace {

bool holds(const ct::CardSet& set, int suit, int rank)
{
    for (const ct::Card& c : set.cards)
        if (c.suit == suit && c.rank == rank)
            return true;
    return false;
}

json stockOf(const Cards& cards) { return {{"cards", cardsJson(cards)}}; }

class TurnFlow : public GameTest {
protected:
    // Loads a position; trumps are hearts with the ace turned up unless the fields say otherwise.
    void position(json fields)
    {
        if (!fields.contains("trumpCard"))
            fields["trumpCard"] = trumpJson(H, A);
        load(fields);
    }
    std::uint32_t stored(const char* name) { return shell->settings().read(name); }
};

// The computer has transferred: two nines to beat at once.
const json twoNinesToBeat{{"gameType", 1}, {"computerRow", cardsJson({{C, 9}, {S, 9}})},
                          {"humanHand", cardsJson({{D, 6}, {C, 10}, {H, 7}, {S, K}})},
                          {"computerHand", cardsJson({{C, 6}, {C, 7}, {C, 8}, {D, 10}})},
                          {"computerAttacks", 1}, {"computerOpened", 0}, {"transferOpen", 1}};

TEST_F(TurnFlow, SeveralCardsMustBeBeatenTogether)
{
    position(twoNinesToBeat);
    tapCard(C, 10);
    tapCard(H, 7);
    EXPECT_EQ(s().humanHand.countSelected(), 2);   // taps add to the selection
    tapCard(C, 10);
    EXPECT_EQ(s().humanHand.countSelected(), 1);

    tap(area::playArea);
    EXPECT_EQ(status(), "Select 2 cards");
    EXPECT_TRUE(s().humanRow.empty());
    EXPECT_EQ(s().transferOpen, 0);

    // A pair that cannot beat both is refused with a message.
    tapCard(D, 6);
    tap(area::playArea);
    EXPECT_EQ(status(), "Bad cards selected");
    EXPECT_TRUE(s().humanRow.empty());

    tapCard(D, 6);
    tapCard(C, 10);
    ASSERT_EQ(s().humanHand.countSelected(), 2);
    tap(area::playArea);
    EXPECT_TRUE(holds(s().humanRow, C, 10) && holds(s().humanRow, H, 7));
    // The computer answered at once by adding its seven.
    EXPECT_EQ(s().computerRow.count(), 3);
    EXPECT_TRUE(holds(s().computerRow, C, 7));
    expectConsistent();
}

TEST_F(TurnFlow, ASelectionNeverOutlivesItsBout)
{
    position(twoNinesToBeat);
    load({{"humanCountAtOpening", 2}, {"transferOpen", 0}});
    tapCard(C, 10);
    tapCard(H, 7);
    tap(area::actionButton);   // takes instead
    EXPECT_EQ(s().humanHand.countSelected(), 0);
    EXPECT_EQ(s().humanHand.count(), 6);
    expectConsistent();
}

// The sixth card beaten ends the bout at once; whoever opened the bout refills first.
TEST_F(TurnFlow, TheEndOfABoutRefillsTheOpenerFirst)
{
    position({{"trumpCard", trumpJson(H, 6)}, {"deck", stockOf({{D, A}, {C, A}})},
              {"computerRow", cardsJson({{C, 6}, {D, 6}, {C, 7}, {D, 7}, {C, 8}, {D, 8}})},
              {"humanRow", cardsJson({{C, J}, {D, J}, {C, Q}, {D, Q}, {C, K}})},
              {"humanHand", cardsJson({{D, K}, {S, A}, {S, 9}})}, {"computerHand", cardsJson({{H, 9}, {H, 10}})},
              {"computerAttacks", 1}, {"computerOpened", 1}, {"transferOpen", 0}});
    const auto discardedBefore = s().discarded.size();
    tapCard(D, K);
    tap(area::playArea);
    EXPECT_TRUE(s().humanRow.empty());
    EXPECT_TRUE(s().computerRow.empty());
    EXPECT_EQ(s().discarded.size(), discardedBefore + 12);
    // The computer opened the bout: it drew the stock and the turned-up card; nothing was left.
    EXPECT_EQ(s().computerHand.count(), 5);
    EXPECT_TRUE(holds(s().computerHand, H, 6));
    EXPECT_EQ(s().humanHand.count(), 2);
    EXPECT_EQ(s().trumpCard.hidden, 1);
    EXPECT_EQ(s().computerAttacks, 0);
    EXPECT_EQ(s().transferOpen, 1);
    expectConsistent();

    // The human opened and ends the bout as beaten.
    position({{"trumpCard", trumpJson(H, 6)}, {"deck", stockOf({{D, A}, {C, A}})},
              {"humanRow", cardsJson({{C, 6}})}, {"computerRow", cardsJson({{C, 9}})},
              {"humanHand", cardsJson({{S, 9}, {S, 10}})}, {"computerHand", cardsJson({{H, 9}, {H, 10}, {D, 9}})},
              {"computerAttacks", 0}, {"computerOpened", 0}});
    tap(area::actionButton);
    EXPECT_EQ(s().humanHand.count(), 5);   // two from the stock, then the turned-up card
    EXPECT_TRUE(holds(s().humanHand, H, 6));
    EXPECT_EQ(s().computerAttacks, 1);
    // The computer opened the next bout at once.
    EXPECT_EQ(s().computerRow.count(), 1);
    EXPECT_EQ(s().computerHand.count(), 2);
    expectConsistent();
}

TEST_F(TurnFlow, TheLastExtraCardMakesTheComputerTake)
{
    position({{"humanHand", cardsJson({{C, 7}, {D, 7}, {S, 9}, {S, 10}})},
              {"computerHand", cardsJson({{C, 6}, {D, 8}})}, {"computerAttacks", 0}});
    tapCard(C, 7);
    tap(area::playArea);
    EXPECT_EQ(s().computerCountAtOpening, 2);
    EXPECT_EQ(s().extraCardsLeft, 1);
    EXPECT_EQ(status(), "You can give me 1 extra card(s).");

    tapCard(D, 7);
    tap(area::playArea);
    EXPECT_EQ(status(), "Your move!");
    EXPECT_EQ(s().extraCardsLeft, -1);
    EXPECT_EQ(s().computerHand.count(), 4);
    EXPECT_TRUE(holds(s().computerHand, D, 7));
    EXPECT_EQ(s().humanHand.count(), 6);   // refilled; the computer was not
    EXPECT_EQ(s().computerAttacks, 0);
    EXPECT_TRUE(s().humanRow.empty() && s().computerRow.empty());
    expectConsistent();
}

TEST_F(TurnFlow, TakingReportsTheComputersCardsOnly)
{
    const json taking{{"computerRow", cardsJson({{C, 6}, {D, 6}, {C, 7}})}, {"humanRow", cardsJson({{C, 8}, {D, 7}})},
                      {"humanHand", cardsJson({{S, 6}, {S, 7}})}, {"computerAttacks", 1}, {"computerOpened", 1},
                      {"humanCountAtOpening", 6}, {"transferOpen", 0}};
    json noExtra = taking;
    noExtra["computerHand"] = cardsJson({{S, 9}, {S, 10}, {S, J}});
    position(noExtra);
    tap(area::actionButton);
    EXPECT_EQ(status(), "You have taken 3 card(s)");
    EXPECT_EQ(s().humanHand.count(), 7);
    // The computer refilled and opened the next bout at once.
    EXPECT_EQ(s().computerAttacks, 1);
    EXPECT_EQ(s().computerRow.count(), 1);
    EXPECT_EQ(s().computerHand.count(), 5);
    expectConsistent();

    // With an eight in hand the computer gives it as an extra card.
    json oneExtra = taking;
    oneExtra["computerHand"] = cardsJson({{S, 8}, {S, 10}, {S, J}});
    position(oneExtra);
    tap(area::actionButton);
    EXPECT_EQ(status(), "You have taken 4 card(s),\r\n including 1 extra one(s).");
    EXPECT_TRUE(holds(s().humanHand, S, 8));
    expectConsistent();
}

// The computer player only returns what it did; the turn flow says it.
TEST_F(TurnFlow, TheTurnFlowReportsTheComputersTransferAndAnImpossibleTable)
{
    position({{"gameType", 1}, {"humanHand", cardsJson({{C, 7}, {D, 6}, {S, K}, {S, Q}})},
              {"computerHand", cardsJson({{S, 7}, {D, 9}, {C, 8}, {S, 10}, {D, J}})}, {"computerAttacks", 0}});
    tapCard(C, 7);
    tap(area::playArea);
    EXPECT_EQ(status(), "Transfer!");
    EXPECT_EQ(s().computerAttacks, 1);
    EXPECT_TRUE(window().boxes.empty());

    // The computer to attack with only the human's card on the table: an error box, then the bout ends.
    // (A load refuses such a table, so the card is moved by hand.)
    position({{"computerRow", cardsJson({})}, {"humanHand", cardsJson({{C, 9}, {D, 6}, {S, K}})},
              {"computerHand", cardsJson({{S, 7}, {D, 9}})}, {"computerAttacks", 1}});
    velmar::moveOne(s().humanHand, 1, s().humanRow);
    game->gameMessage(velmar::step::computerAttacks);
    ASSERT_EQ(window().boxes.size(), 1u);
    EXPECT_EQ(window().boxes[0]["text"], "ERROR: strange , activ not lost!");
    EXPECT_EQ(status(), "Ok. Your move!");
}

TEST_F(TurnFlow, TheComputersLastAttackCardWinsAndNothingCarriesOn)
{
    position({{"trumpCard", trumpJson(H, A, 1)}, {"deck", stockOf({})}, {"humanRow", cardsJson({{C, 7}})},
              {"computerRow", cardsJson({{C, 9}})}, {"humanHand", cardsJson({{D, 8}, {S, 10}})},
              {"computerHand", cardsJson({{S, K}})}, {"computerAttacks", 0}, {"computerOpened", 0},
              {"computerWins", 4}});
    std::uint32_t savedAtBox = 0;
    window().onBox = [&] { savedAtBox = stored("statc"); };

    tap(area::actionButton);

    ASSERT_EQ(window().boxes.size(), 1u);
    EXPECT_EQ(window().boxes[0], (json{{"event", "msgbox"}, {"text", "I win!"}, {"caption", ""}, {"buttons", "ok"},
                                       {"icon", "information"}, {"answer", "ok"}}));
    EXPECT_EQ(savedAtBox, 5u);   // saved before the box is shown
    EXPECT_EQ(s().computerWins, 5);
    EXPECT_EQ(s().nextStarter, 1);
    // The new deal: the computer opened with exactly one card and nothing else happened.
    EXPECT_EQ(s().computerAttacks, 1);
    EXPECT_EQ(s().computerRow.count(), 1);
    EXPECT_TRUE(s().humanRow.empty());
    EXPECT_EQ(s().computerHand.count(), 5);
    EXPECT_EQ(s().humanHand.count(), 6);
    EXPECT_EQ(s().stock(), 23);
    EXPECT_TRUE(s().discarded.empty());
    EXPECT_EQ(status(), "");
    EXPECT_EQ(s().buttonPressed, 0);
    expectConsistent();
}

TEST_F(TurnFlow, AWinFoundWhenRefillingEndsTheBoutThere)
{
    // The computer beat with its last card while the stock still held one card; the human, who
    // opened, refills first and takes the stock and the turned-up card: the computer has won.
    position({{"deck", stockOf({{S, 6}})}, {"humanRow", cardsJson({{C, 7}})}, {"computerRow", cardsJson({{C, 9}})},
              {"humanHand", cardsJson({{D, 8}})}, {"computerHand", json::array()}, {"computerAttacks", 0},
              {"computerOpened", 0}});
    tap(area::actionButton);
    ASSERT_EQ(window().boxes.size(), 1u);
    EXPECT_EQ(window().boxes[0]["text"], "I win!");
    // Only the new deal's opening card lies on the table; the old bout did not carry on.
    EXPECT_EQ(s().computerAttacks, 1);
    EXPECT_EQ(s().computerRow.count(), 1);
    EXPECT_EQ(s().computerHand.count(), 5);
    EXPECT_TRUE(s().humanRow.empty());
    EXPECT_EQ(status(), "");
    expectConsistent();
}

TEST_F(TurnFlow, BothHandsEmptyAtOnceIsTheComputersWin)
{
    position({{"trumpCard", trumpJson(H, A, 1)}, {"deck", stockOf({})}, {"humanHand", cardsJson({{C, 7}})},
              {"computerHand", cardsJson({{D, 8}})}, {"computerAttacks", 0}});
    // No play empties both hands at one check; the rule still holds for the check itself.
    s().humanHand.clear();
    s().computerHand.clear();
    game->gameMessage(velmar::step::computerDefends);
    ASSERT_EQ(window().boxes.size(), 1u);
    EXPECT_EQ(window().boxes[0]["text"], "I win!");
    EXPECT_EQ(s().computerWins, 1);
    EXPECT_EQ(s().humanWins, 0);
}

TEST_F(TurnFlow, RefusedAnswersChangeNothingButCloseTheTransfer)
{
    position({{"gameType", 1}, {"computerRow", cardsJson({{C, 9}})},
              {"humanHand", cardsJson({{C, 6}, {D, 8}, {D, 9}})}, {"computerHand", cardsJson({{S, 6}, {S, 7}, {S, 8}})},
              {"computerAttacks", 1}, {"computerOpened", 1}, {"transferOpen", 1}});
    tapCard(D, 8);
    tap(area::playArea);
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(s().humanRow.empty());
    EXPECT_EQ(s().humanHand.count(), 3);
    EXPECT_EQ(s().transferOpen, 0);
    EXPECT_TRUE(window().boxes.empty());

    // Nothing selected: the human is asked to select a card.
    tapCard(D, 8);
    tap(area::playArea);
    EXPECT_EQ(status(), "   Please select a card!");

    // A transfer the computer could not answer (two cards to beat with one) is refused too.
    load({{"humanHand", cardsJson({{D, 9}, {S, 6}})}, {"computerHand", cardsJson({{D, 6}})}, {"transferOpen", 1}});
    tapCard(D, 9);
    tap(area::playArea);
    EXPECT_TRUE(s().humanRow.empty());
    EXPECT_EQ(s().computerRow.count(), 1);
    EXPECT_EQ(s().transferOpen, 0);
}

TEST_F(TurnFlow, TransferWithATrumpAsksFirst)
{
    const json nineToBeat{{"gameType", 1}, {"computerRow", cardsJson({{C, 9}})}, {"humanRow", json::array()},
                          {"discarded", json::array()}, {"humanHand", cardsJson({{H, 9}, {S, 6}, {S, 7}})},
                          {"computerHand", cardsJson({{D, 6}, {D, 7}, {D, 8}})}, {"computerAttacks", 1},
                          {"computerOpened", 1}, {"transferOpen", 1}};
    // No: the trump nine beats the club nine instead.
    position(nineToBeat);
    window().queueAnswer(ct::MsgBoxAnswer::no);
    tapCard(H, 9);
    tap(area::playArea);
    ASSERT_EQ(window().boxes.size(), 1u);
    EXPECT_EQ(window().boxes[0], (json{{"event", "msgbox"}, {"text", "Transfer?"}, {"caption", ""},
                                       {"buttons", "yesno"}, {"icon", "question"}, {"answer", "no"}}));
    EXPECT_EQ(status(), "Ok. Your move!");   // the computer had nothing to add
    EXPECT_EQ(s().discarded.size(), 2u);
    EXPECT_EQ(s().computerAttacks, 0);
    expectConsistent();

    // Yes: both nines go to the computer, which cannot beat them and takes at once.
    window().boxes.clear();
    position(nineToBeat);
    window().queueAnswer(ct::MsgBoxAnswer::yes);
    tapCard(H, 9);
    tap(area::playArea);
    ASSERT_EQ(window().boxes.size(), 1u);
    EXPECT_TRUE(holds(s().computerHand, C, 9) && holds(s().computerHand, H, 9));
    EXPECT_EQ(s().computerHand.count(), 5);
    EXPECT_EQ(s().computerAttacks, 0);
    EXPECT_TRUE(s().humanRow.empty() && s().computerRow.empty());
    expectConsistent();
}

TEST_F(TurnFlow, ANonTrumpTransfersWithoutAskingAndMovesOnlyThatCard)
{
    // Two cards selected for beating two nines at once; the first is a nine: it alone transfers.
    position({{"gameType", 1}, {"computerRow", cardsJson({{C, 9}, {S, 9}})},
              {"humanHand", cardsJson({{D, 9}, {H, K}, {S, 6}, {S, 7}})},
              {"computerHand", cardsJson({{D, 6}, {D, 7}, {C, 8}, {S, 8}})}, {"computerAttacks", 1},
              {"computerOpened", 0}, {"transferOpen", 1}});
    tapCard(D, 9);
    tapCard(H, K);
    ASSERT_EQ(s().humanHand.countSelected(), 2);
    tap(area::playArea);
    EXPECT_TRUE(window().boxes.empty());
    EXPECT_FALSE(holds(s().humanRow, H, K));
    EXPECT_FALSE(holds(s().computerHand, H, K));
    EXPECT_TRUE(holds(s().humanHand, H, K));
    expectConsistent();
}

TEST_F(TurnFlow, DoubleTapPlaysOnlyWhenSwitchedOn)
{
    position({{"humanHand", cardsJson({{C, 7}, {D, 7}, {S, 9}})}, {"computerHand", cardsJson({{C, 6}, {D, 8}, {S, 10}})},
              {"computerAttacks", 0}, {"doubleTapPlay", 0}});
    const ct::Card& nine = s().humanHand.at(s().humanHand.findSuit(S));
    const int x = nine.x + 2;
    const int y = nine.y + 5;
    game->stylusDown(x, y);
    game->stylusUp(x, y);
    game->doubleTap(x, y);
    EXPECT_TRUE(s().humanRow.empty());
    EXPECT_EQ(s().humanHand.countSelected(), 1);

    load({{"doubleTapPlay", 1}});
    game->doubleTap(x, y);
    EXPECT_TRUE(holds(s().humanRow, S, 9));
    EXPECT_TRUE(holds(s().computerRow, S, 10));   // the computer answered
}

TEST_F(TurnFlow, ActionButtonOnAnEmptyTableOnlyShowsItPressed)
{
    // A fresh deal the human opens.
    ASSERT_TRUE(s().humanRow.empty() && s().computerRow.empty());
    ASSERT_EQ(s().computerAttacks, 0);
    const json before = game->state();
    const ct::Rect r = ct::scaleRect(area::actionButton);
    game->stylusDown(r.left + 1, r.top + 1);
    EXPECT_EQ(s().buttonPressed, 1);
    window().paintIfInvalid();
    game->stylusUp(r.left + 1, r.top + 1);
    EXPECT_EQ(s().buttonPressed, 0);
    EXPECT_EQ(game->state(), before);
    EXPECT_EQ(window().invalidArea(), r);   // the button alone is drawn again
}

TEST_F(TurnFlow, SortButtonSwitchesTheHandOrder)
{
    position({{"humanHand", cardsJson({{S, 6}, {D, A}, {S, A}, {H, 6}})}, {"computerHand", cardsJson({{C, 6}, {C, 7}})},
              {"humanHandSortMode", 1}});
    EXPECT_EQ(cardsOf(s().humanHand), (Cards{{D, A}, {S, 6}, {S, A}, {H, 6}}));
    tap(area::sortButton);
    EXPECT_EQ(s().humanHand.sortMode, 0);
    EXPECT_EQ(cardsOf(s().humanHand), (Cards{{S, 6}, {H, 6}, {D, A}, {S, A}}));
    tap(area::sortButton);
    EXPECT_EQ(s().humanHand.sortMode, 1);
}

TEST_F(TurnFlow, HumanCannotAddBeyondSixOrToAnEmptyHand)
{
    position({{"humanRow", cardsJson({{C, 6}, {D, 6}, {S, 6}, {C, 7}, {D, 7}, {S, 7}})},
              {"computerRow", cardsJson({{C, 8}, {D, 8}, {S, 8}, {C, 9}, {D, 9}, {S, 9}})},
              {"humanHand", cardsJson({{H, 6}, {H, 7}})}, {"computerHand", cardsJson({{C, A}})},
              {"computerAttacks", 0}});
    tapCard(H, 6);
    tap(area::playArea);
    EXPECT_EQ(status(), "Ok (6 cards). My move.");
    EXPECT_EQ(s().humanRow.count(), 6);

    load({{"humanRow", cardsJson({{C, 6}})}, {"computerRow", cardsJson({{C, 8}})}, {"computerHand", json::array()},
          {"humanHand", cardsJson({{H, 6}, {H, 7}, {C, A}})}});
    tapCard(H, 6);
    tap(area::playArea);
    EXPECT_EQ(status(), "Ok (0 cards). My move.");
    EXPECT_EQ(s().humanRow.count(), 1);
}

// A damaged stored value would name no rule set or spread: it falls back to the default.
TEST_F(TurnFlow, DamagedStoredOptionsFallBackToDefaults)
{
    int checked = 0;
    for (const ct::SettingBinding& b : game->settings()) {
        SCOPED_TRACE(b.name);
        if (b.name == "type") {
            EXPECT_EQ(b.fromStored(3), 3);
            EXPECT_EQ(b.fromStored(9), 0);
            EXPECT_EQ(b.fromStored(-1), 0);
            ++checked;
        } else if (b.name == "hidev") {
            EXPECT_EQ(b.fromStored(5), 5);
            EXPECT_EQ(b.fromStored(0), 4);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2);
}

} // namespace
