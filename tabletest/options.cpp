// The test table's settings: the shared lists, a card back for the row and the pack, one switch
// of its own and a count of starts.
#include "tabletest/table_test.hpp"

#include "shell/settings_list.hpp"

namespace tabletest {

using namespace ct;

SettingsList TableTestGame::settingsList()
{
    SettingsList list;
    list.optionsHeight = 76;
    // Stored for scripts to read back; a run starts face down unless "k5W" is given.
    Setting faceUp = checkBox("faceup", &table_.showFaceUp, {1009, {}, "Show the pack face up", 3, 62, 118, 10}, 0);
    faceUp.readAtStartUp = false;
    faceUp.inStateDump = false;
    faceUp.onChange = OnChange::call;
    faceUp.changed = [this] { placePackCard(); };
    list.rows = {faceUp, tally("statc", nullptr, "Computer"), tally("statu", nullptr, "Human "), stored("starts", &table_.starts)};
    list.setBack = [this](int back) {
        table_.row.setBack(back);
        placePackCard();
    };
    return list;
}

} // namespace tabletest
