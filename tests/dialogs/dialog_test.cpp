// The dialog manager's model: input by stylus and keys (script operations and the dialog event
// are pinned by the test table's options replay, which never taps or presses keys in a dialog).
#include "platform/dialog.hpp"

#include "dialogs/dialog_fakes.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ct::ControlKind;
using ct::Dialog;
using ct::DialogKey;
using dialog_test::centre;
using dialog_test::Command;
using dialog_test::Point;
using dialog_test::Recorder;
using dialog_test::sampleTemplate;
using dialog_test::tap;

// The middle of row `row` of a list, or of a combo box's dropped list below it.
Point listRow(const Dialog& d, int id, int row, bool dropped = false)
{
    const ct::Rect r = d.controlRect(id);
    return {r.left + 10, (dropped ? r.bottom : r.top) + 1 + row * d.itemHeight() + d.itemHeight() / 2};
}

class DialogModel : public ::testing::Test {
protected:
    void SetUp() override { dialog.begin({240, 320}); }
    Recorder recorder;
    Dialog dialog{sampleTemplate(), recorder.procedure()};
};

TEST_F(DialogModel, CheckBoxAndListsChangeByTapsAndKeysAndTellOnlyRealChanges)
{
    EXPECT_EQ(dialog.focusId(), 1003) << "the first control that takes the focus has it";
    const Point box = centre(dialog.controlRect(1011));
    tap(dialog, box);
    EXPECT_EQ(dialog.isChecked(1011), 1);
    // Lifting the stylus outside the box takes the press back.
    dialog.stylusDown(box.x, box.y);
    dialog.stylusUp(box.x, dialog.frame().bottom - 1);
    EXPECT_EQ(dialog.isChecked(1011), 1);
    // The tap gave the box the focus; Space toggles it.
    ASSERT_EQ(dialog.focusId(), 1011);
    dialog.key(DialogKey::space);
    EXPECT_EQ(dialog.isChecked(1011), 0);
    EXPECT_EQ(recorder.commands, (std::vector<Command>{{1011, ct::dlg::buttonClicked}, {1011, ct::dlg::buttonClicked}}));
    recorder.commands.clear();

    dialog.begin({240, 320});   // a second begin changes nothing
    EXPECT_EQ(recorder.inits, 1);
    EXPECT_EQ(dialog.selection(1003), ct::dlg::lbErr);   // lists start without a selection
    tap(dialog, listRow(dialog, 1003, 2));
    EXPECT_EQ(dialog.selection(1003), 2);
    EXPECT_EQ(dialog.focusId(), 1003);
    dialog.key(DialogKey::down);
    dialog.key(DialogKey::down);
    dialog.key(DialogKey::down);   // already on the last item
    EXPECT_EQ(dialog.selection(1003), 4);
    tap(dialog, listRow(dialog, 1003, 4));   // the same item again
    EXPECT_EQ(recorder.commands, (std::vector<Command>(3, {1003, ct::dlg::selectionChanged})));
    EXPECT_EQ(dialog.selection(1006), ct::dlg::lbErr) << "the other list is untouched";

    // Tab goes on to the next control that takes the focus, Shift+Tab back round the start to the last.
    dialog.key(DialogKey::backTab);
    EXPECT_EQ(dialog.focusId(), 1012);
    dialog.key(DialogKey::tab);
    dialog.key(DialogKey::tab);
    ASSERT_EQ(dialog.focusId(), 1006);
    // From no selection the first arrow, even Up, selects the first item.
    dialog.key(DialogKey::up);
    EXPECT_EQ(dialog.selection(1006), 0);
    // The procedure's own out-of-range selection clears it, as a list box does.
    EXPECT_EQ(dialog.setSelection(1006, 9), ct::dlg::lbErr);
    EXPECT_EQ(dialog.selection(1006), ct::dlg::lbErr);
}

TEST(DialogList, LongListScrollsToKeepTheSelectionVisible)
{
    ct::DialogTemplate t;
    t.width = 100;
    t.height = 60;
    t.controls = {{7, ControlKind::listBox, "", 2, 2, 60, 40}};
    Dialog d(t, [](Dialog& dialog, unsigned message, std::uintptr_t, std::intptr_t) {
        if (message == ct::dlg::initDialog)
            for (int i = 0; i < 20; ++i)
                dialog.addString(7, "item " + std::to_string(i));
        return 0;
    });
    d.begin({240, 320});
    for (int i = 0; i < 19; ++i)
        d.key(DialogKey::down);
    EXPECT_EQ(d.selection(7), 18);
    // The top row now shows a later item: tapping it selects that item, not item 0.
    tap(d, listRow(d, 7, 0));
    EXPECT_GT(d.selection(7), 0);
    EXPECT_LT(d.selection(7), 18);
}

TEST(DialogWaysOut, EscapeEnterAndTheDoneButtonEndItOnceEvenIfTheProcedureIgnoresThem)
{
    const struct {
        const char* way;
        bool handles;
        int result;
    } cases[] = {{"escape", true, ct::dlg::idCancel}, {"enter", true, ct::dlg::idOk},
                 {"done", true, ct::dlg::idOk},       {"escape", false, ct::dlg::idCancel}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.way) + (c.handles ? "" : " ignored"));
        Recorder recorder;
        recorder.handles = c.handles;
        Dialog d(sampleTemplate(), recorder.procedure());
        d.begin({240, 320});
        if (c.way == std::string("done"))
            tap(d, centre(d.doneButtonRect()));
        else
            d.key(c.way == std::string("enter") ? DialogKey::enter : DialogKey::escape);
        EXPECT_TRUE(d.ended());
        EXPECT_EQ(d.result(), c.result);
        d.key(DialogKey::escape);   // input after the end does nothing
        EXPECT_EQ(d.result(), c.result);
        EXPECT_EQ(recorder.commands, (std::vector<Command>{{c.result, ct::dlg::buttonClicked}}));
    }
}

TEST_F(DialogModel, ComboOpensPicksAndClosesWithoutEndingTheDialog)
{
    const Point combo = centre(dialog.controlRect(1015));
    tap(dialog, combo);
    ASSERT_TRUE(dialog.comboOpen());
    tap(dialog, listRow(dialog, 1015, 2, true));   // "Bulk" in the list dropped below
    EXPECT_FALSE(dialog.comboOpen());
    EXPECT_EQ(dialog.selection(1015), 2);
    EXPECT_EQ(recorder.commands.back(), (Command{1015, ct::dlg::selectionChanged}));

    // Keys: Space opens, Escape closes the list only, Up moves, Enter picks.
    dialog.key(DialogKey::space);
    ASSERT_TRUE(dialog.comboOpen());
    dialog.key(DialogKey::escape);
    EXPECT_FALSE(dialog.comboOpen());
    dialog.key(DialogKey::space);
    dialog.key(DialogKey::up);
    dialog.key(DialogKey::enter);
    EXPECT_EQ(dialog.selection(1015), 1);
    EXPECT_FALSE(dialog.ended());

    // A tap elsewhere closes the list and does nothing else.
    tap(dialog, combo);
    tap(dialog, centre(dialog.controlRect(1011)));
    EXPECT_FALSE(dialog.comboOpen());
    EXPECT_EQ(dialog.isChecked(1011), 0);
    // Closed, the arrows change the selection at once.
    dialog.key(DialogKey::down);
    EXPECT_EQ(dialog.selection(1015), 2);
}

} // namespace
