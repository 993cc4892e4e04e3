// The test table's Options dialog: the shared lists, a card back for the row and the pack, and
// one switch of its own.
#include "tabletest/table_test.hpp"

#include "shell/options_dialog.hpp"

namespace tabletest {

using namespace ct;

OptionsDescription TableTestGame::optionsDialog()
{
    OptionsDescription d;
    d.width = 124;
    d.height = 76;
    d.colorListId = 1005;
    d.controls = {{1009, ControlKind::checkBox, "Show the pack face up", 3, 62, 118, 10}};
    // Stored for scripts to read back; a run starts face down unless "k5W" is given.
    d.values = {checkOption(1009, "faceup", &table_.showFaceUp, 1, 0, [this] { placePackCard(); })};
    d.setBack = [this](int back) {
        table_.row.setBack(back);
        placePackCard();
    };
    return d;
}

} // namespace tabletest
