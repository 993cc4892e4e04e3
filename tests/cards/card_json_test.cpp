// JSON of sets, cards and the pack: round trips, and bad input refused without changes.
#include "cards/card_json.hpp"
#include "cards/card_set.hpp"
#include "fakes.hpp"

#include <stdexcept>

using namespace ct;
using cards_test::CardsTest;
using nlohmann::json;

class CardJsonTest : public CardsTest {};

TEST_F(CardJsonTest, SetRoundTripKeepsTheSetsOrderAndSelection)
{
    CardSet hand, other;
    for (CardSet* set : {&hand, &other}) {
        set->sortMode = 1;
        set->trumpSuit = 2;
    }
    for (auto [s, r] : {std::pair{2, 6}, {1, 9}, {3, 14}})
        hand.append(s, r);
    hand.at(3).selected = 1;   // (2, 6), last in suit order with hearts trump
    const json saved = toJson(hand);
    EXPECT_EQ(saved, json::parse("[[1,9,0],[3,14,0],[2,6,1]]"));

    other.append(4, 13);
    loadCardSet(other, json::parse("[[2,6,true],[3,14],[1,9,0]]"), "hand");
    EXPECT_EQ(toJson(other), saved) << "the set's own sort order is restored, flags stay with their cards";
}

TEST_F(CardJsonTest, BadSetsAreRefusedAndLeaveTheSetAlone)
{
    CardSet set;
    set.append(1, 6);
    for (const char* bad : {"{}", "[[1]]", "[[1,6,0,0]]", "[[0,6]]", "[[5,6]]", "[[1,0]]", "[[1,16]]",
                            "[[\"1\",6]]", "[[1,6.5]]", "[[1,6,2]]", "[[1,6,\"yes\"]]", "[7]"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(loadCardSet(set, json::parse(bad), "hand"), std::invalid_argument);
        ASSERT_EQ(set.count(), 1);
        EXPECT_EQ(set.at(1).rank, 6);
    }
}

// The stand-alone card's round trip and partial loads ({"hidden":1}) are pinned by the replays.
TEST_F(CardJsonTest, StandAloneCard)
{
    Card trump;
    EXPECT_FALSE(parseCard(json::parse(R"({"suit":-1,"rank":-1})"), trump, "trumpCard").isPlaced());

    for (const char* bad : {R"({"suit":1,"rank":-1})", R"({"suit":9})", R"({"rank":"A"})", R"({"colour":1})",
                            R"([1,14])", R"({"hidden":3})"})
        EXPECT_THROW(parseCard(json::parse(bad), trump, "trumpCard"), std::invalid_argument) << bad;
}

// Round trips of sets, cards and the pack are pinned by the replays' loads and state events.
TEST_F(CardJsonTest, APackLoadsInSlotOrderAndAPackNeverSetUpTakesTheProgramsPack)
{
    Deck deck;
    loadDeck(deck, json::parse(R"({"cards":[[4,13],[1,14]]})"), "deck");
    EXPECT_EQ(deck.total(), 36);
    EXPECT_EQ(toJson(deck), json::parse(R"({"remaining":2,"cards":[[1,14],[4,13]]})"));
}

TEST_F(CardJsonTest, BadDecksAreRefused)
{
    Deck deck;
    deck.setUp(PackTemplate::Standard36);
    for (const char* bad : {R"({"cards":[[1,14],[1,14]]})", R"({"cards":[[1,2]]})", R"({"cards":[[1,14,0]]})",
                            R"({"remaining":3,"cards":[[1,14]]})", R"({"remaining":-1,"cards":[]})",
                            R"({"remaining":1})", R"([])", R"({"cards":{}})", R"({"cards":[],"extra":1})"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(loadDeck(deck, json::parse(bad), "deck"), std::invalid_argument);
        EXPECT_EQ(deck.remaining(), 36);
    }
    try {
        parseDeck(json::parse(R"({"cards":[[2,7],[2,7]]})"), deck, "deck");
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(std::string(e.what()), "deck: card 2 [2, 7] is listed twice");
    }
}
