// End-to-end: Velmar's Options and Statistics dialogs driven by headless scripts, and what they
// store for the next run.
#include "velmar_e2e.hpp"

using namespace velmar_e2e;
using e2e::ScratchDir;

TEST(VelmarOptions, OkStoresEveryValueAndANewTypeDealsAtOnce)
{
    ScratchDir dir;
    const e2e::ProgramRun run = headless(
        dir, "menu options\nstate\nselect 1015 3\ncheck 1011 1\ncheck 1008 1\ncheck 1014 1\nok\nstate\n");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    // Velmar's rows below the shared lists, showing the values of a first start.
    const json d = run.ofKind("dialog").at(0);
    std::vector<int> ids;
    for (const json& c : d["controls"])
        ids.push_back(c["id"].get<int>());
    EXPECT_EQ(ids, (std::vector<int>{-1, 1003, 1006, 1011, 1008, -1, 1015, 1014}));
    EXPECT_EQ(control(d, 1015)["items"], json(typeNames));
    EXPECT_EQ(control(d, 1015)["selection"], 0);
    for (int id : {1011, 1008, 1014})
        EXPECT_EQ(control(d, id)["checked"], 0) << id;

    const auto titles = run.ofKind("title");
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[1]["text"], "Bulk. Transfer");
    const json after = onlyState(run);
    EXPECT_EQ(after["title"], "Bulk. Transfer");
    EXPECT_EQ(after["gameType"], 3);
    EXPECT_EQ(after["transferVariant"], 1);
    EXPECT_EQ(after["humanHand"].size() + after["humanRow"].size(), 18u);   // dealt anew in "Bulk"
    EXPECT_EQ(after["deck"]["remaining"], 0);
    EXPECT_EQ(after["showStockCount"], 1);
    EXPECT_EQ(after["doubleTapPlay"], 1);
    EXPECT_EQ(after["computerHandSpread"], 5);
    EXPECT_EQ(after["settings"], (json{{"blackbg", 0}, {"back", 0}, {"statc", 0}, {"statu", 0}, {"cidc", 1},
                                       {"wc", 1}, {"type", 3}, {"hidev", 5}}));

    // The next run starts with all of it, and the dialog shows it.
    const e2e::ProgramRun next = headless(dir, "state\nmenu options\nstate\ncancel\n");
    ASSERT_EQ(next.status, 0) << next.out << next.err;
    const json state = onlyState(next);
    EXPECT_EQ(state["title"], "Bulk. Transfer");
    EXPECT_EQ(state["transferVariant"], 1);
    EXPECT_EQ(state["computerHandSpread"], 5);
    EXPECT_EQ(state["showStockCount"], 1);
    EXPECT_EQ(state["doubleTapPlay"], 1);
    const json shown = next.ofKind("dialog").at(0);
    EXPECT_EQ(control(shown, 1015)["selection"], 3);
    for (int id : {1011, 1008, 1014})
        EXPECT_EQ(control(shown, id)["checked"], 1) << id;

    // Clearing the boxes stores the off values: 4 for a fanned hand.
    const json off = onlyState(headless(dir, "menu options\ncheck 1011 0\ncheck 1008 0\ncheck 1014 0\nok\nstate\n"));
    EXPECT_EQ(off["settings"]["cidc"], 0);
    EXPECT_EQ(off["settings"]["wc"], 0);
    EXPECT_EQ(off["settings"]["hidev"], 4);
    EXPECT_EQ(off["settings"]["type"], 3);
}

TEST(VelmarOptions, CancelAndAnUnchangedTypeLeaveTheGameAlone)
{
    ScratchDir dir;
    // Half a bout on the table: a card selected, then the dialog.
    const std::string script = "state\ntap 16 136\nstate\n"
                               "menu options\nselect 1015 4\ncheck 1011 1\nselect 1003 2\ncancel\nstate\n"
                               "menu options\ncheck 1008 1\nok\nstate\n";
    const e2e::ProgramRun run = headless(dir, script);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.ofKind("title").size(), 1u);   // only the first, at start
    const auto states = run.ofKind("state");
    ASSERT_EQ(states.size(), 4u);
    auto table = [](const json& s) {
        return json{s["humanHand"], s["computerHand"], s["humanRow"], s["computerRow"], s["deck"], s["trumpCard"]};
    };
    ASSERT_NE(table(states[1]), table(states[0]));   // the tap selected a card
    // Cancel: nothing changed, nothing stored.
    EXPECT_EQ(states[2]["settings"], states[0]["settings"]);
    EXPECT_EQ(table(states[2]), table(states[1]));
    EXPECT_EQ(states[2]["showStockCount"], 0);
    // OK with the same type: the switch is stored, the game goes on where it was.
    EXPECT_EQ(table(states[3]), table(states[1]));
    EXPECT_EQ(states[3]["doubleTapPlay"], 1);
    EXPECT_EQ(states[3]["settings"]["wc"], 1);
    EXPECT_EQ(states[3]["settings"]["cidc"], 0);
    EXPECT_EQ(states[3]["title"], "Thrown up");
}

TEST(VelmarOptions, ChosenBackAndColourAreUsedAtOnce)
{
    ScratchDir dir;
    const auto file = dir / "chosen.png";
    const e2e::ProgramRun run =
        headless(dir, "menu options\nselect 1003 2\nselect 1006 3\nok\nstate\nshot " + file.string() + "\n");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(onlyState(run)["settings"]["back"], 2);
    EXPECT_EQ(onlyState(run)["settings"]["blackbg"], 3);
    e2e::Picture shot(file);
    ASSERT_TRUE(shot.loaded());
    const e2e::Pixel blue{0, 0, 153};
    EXPECT_EQ(shot.at(180, 60), blue);
    // The stock card shows the chosen back, not the table.
    EXPECT_NE(shot.at(219, 20), blue);
    EXPECT_NE(shot.at(219, 20), (e2e::Pixel{255, 255, 255}));
}

TEST(VelmarOptions, HidingTheCountWaitsForTheNextDeal)
{
    ScratchDir dir;
    const auto before = dir / "before.png";
    const auto after = dir / "after.png";
    const e2e::ProgramRun run = headless(dir, "menu options\ncheck 1014 1\nok\nshot " + before.string() +
                                                  "\nmenu new\nshot " + after.string() + "\n");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const e2e::Pixel green{0, 150, 0};
    // Fanned, the computer's cards reach past the first card's width; piled, they do not.
    e2e::Picture fanned(before);
    e2e::Picture piled(after);
    ASSERT_TRUE(fanned.loaded());
    ASSERT_TRUE(piled.loaded());
    EXPECT_NE(fanned.at(40, 20), green);
    EXPECT_EQ(piled.at(40, 20), green);
    EXPECT_NE(piled.at(16, 20), green);
}

TEST(VelmarStatistics, ShowsTheComputerThenTheHumanAndClearsThem)
{
    ScratchDir dir;
    const e2e::ProgramRun won = headless(dir, "load " + endPosition(0, true).dump() + "\n" + playTheOnlyCard);
    ASSERT_EQ(won.ofKind("msgbox").size(), 1u) << won.out;

    const e2e::ProgramRun cleared = headless(dir, "menu statistics\nstate\nclick 1012\nstate\ncancel\nstate\n");
    ASSERT_EQ(cleared.status, 0) << cleared.out << cleared.err;
    const auto dialogs = cleared.ofKind("dialog");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0]["controls"][0]["text"], "Computer\nHuman ");
    EXPECT_EQ(control(dialogs[0], 1005)["text"], "0\n1");
    EXPECT_EQ(control(dialogs[1], 1005)["text"], "0\n0");
    EXPECT_EQ(onlyState(cleared)["humanWins"], 0);
    EXPECT_EQ(onlyState(headless(dir, "state\n"))["settings"]["statu"], 0);
}
