// Declared state: what load refuses for any program's pack (the invariants random play checks
// are the ones load refuses by).
#include "shell/declared_state.hpp"

#include "cards/card_style.hpp"

#include <gtest/gtest.h>

namespace {

using nlohmann::json;

struct Mini {
    int on = 0;
    int level = 1;
    int called = 0;
    ct::CardSet hand;
    ct::Deck deck;
    std::vector<ct::CardFace> out;
    ct::Card shown;
    std::vector<ct::Card> side = std::vector<ct::Card>(2);
    Mini()
    {
        deck.setUp(ct::cardStyle().pack);
        shown.hidden = 1;
        for (ct::Card& c : side)
            c.hidden = 1;
    }
};

ct::StateSchema<Mini> schema()
{
    ct::StateSchema<Mini> d("mini");
    d.flag("on", &Mini::on)
        .integer("level", &Mini::level, 1, 3)
        .suit("called", &Mini::called)
        .cardSet("hand", &Mini::hand, 3)
        .pack("deck", &Mini::deck)
        .cardsOut("out", &Mini::out)
        .card("shown", &Mini::shown, [](const Mini& m) { return m.shown.hidden == 0; })
        .layout("handSpread", [](Mini& m) -> int& { return m.hand.spread; }, 1, 3)
        .looseCards("side", &Mini::side)
        .derived("handSize", [](const Mini& m) { return m.hand.count(); });
    return d;
}

void usePack(ct::PackTemplate pack)
{
    ct::CardStyle style = ct::defaultCardStyle();
    style.pack = pack;
    ct::useCardStyle(style);
}

TEST(DeclaredState, LoadRefusesBadFieldsForEachPackAndChangesNothing)
{
    struct Case {
        ct::PackTemplate pack;
        const char* fields;
        const char* error;   // a part of the message; "" when the load must succeed
    };
    // Unknown fields, ranges, a layout, a non-object, cards twice in one set, missing or not of the
    // pack are refused in the programs' load replays; these are the field kinds and packs they do
    // not all reach.
    const Case cases[] = {
        {ct::PackTemplate::Standard36, R"({"handSize": 1})", "unknown field \"handSize\""},
        {ct::PackTemplate::Standard36, R"({"on": 2})", "on 2 is not in 0..1"},
        {ct::PackTemplate::Standard36, R"({"on": 1, "level": 0})", "level 0 is not in 1..3"},
        {ct::PackTemplate::Standard36, R"({"level": "2"})", "level must be an integer"},
        {ct::PackTemplate::Standard36, R"({"hand": [[1, 6]], "out": [[1, 6]]})", "is there 2 times (hand, out)"},
        {ct::PackTemplate::Standard36, R"({"hand": [[1, 6], [1, 7], [1, 8], [1, 8]]})",
         "hand holds 4 cards, more than 3; card [1, 8] is there 2 times (hand, hand)"},
        {ct::PackTemplate::Standard36, R"({"shown": {"suit": 2, "rank": 3, "hidden": 0}})", "card [2, 3] in shown"},
        {ct::PackTemplate::Standard36, R"({"side": [{"hidden": 0}]})", "side must be an array of 2 cards"},
        {ct::PackTemplate::Standard36, R"({"side": [{"suit": 3, "rank": 9, "hidden": 0}, {"suit": 3, "rank": 9, "hidden": 0}]})",
         "card [3, 9] is there 2 times (side, side)"},
        {ct::PackTemplate::Standard36, R"({"side": [{"suit": 3, "rank": 9, "hidden": 0}, {"suit": 3, "rank": 9}]})", ""},
        {ct::PackTemplate::Standard36, R"({"hand": [[1, 6]], "on": true, "called": 4})", ""},
        {ct::PackTemplate::TenHigh36, R"({"hand": [[1, 10]]})", "card [1, 10] in hand is not a card of the pack"},
        {ct::PackTemplate::TenHigh36, R"({"hand": [[1, 15], [4, 11]]})", ""},
        {ct::PackTemplate::Standard52, R"({"hand": [[3, 1], [3, 2]]})", ""},
        {ct::PackTemplate::Standard52, R"({"hand": [[3, 14]]})", "card [3, 14] in hand is not a card of the pack"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields);
        usePack(c.pack);
        ct::StateSchema<Mini> d = schema();
        // The pack is what the other places leave, unless it is given.
        d.complete = [&d](Mini& m, const json& given) {
            if (!given.contains("deck"))
                d.fillWithRest(m, "deck");
        };
        Mini live;
        const json before = d.toJson(live);
        if (*c.error == '\0') {
            d.load(live, json::parse(c.fields));
            const json after = d.toJson(live);
            const std::size_t shownSide = after["side"][0]["hidden"] == 0 ? 1 : 0;
            EXPECT_EQ(after["deck"]["remaining"].get<int>() + after["hand"].size() + shownSide, ct::packCards().size());
            EXPECT_EQ(after["handSize"], after["hand"].size());
            EXPECT_TRUE(d.violations(live).empty());
            continue;
        }
        try {
            d.load(live, json::parse(c.fields));
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("mini state: ", 0), 0u) << e.what();
        }
        EXPECT_EQ(d.toJson(live), before);
    }
    usePack(ct::PackTemplate::Standard36);
}

} // namespace
