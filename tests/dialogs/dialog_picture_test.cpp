// The dialogs as drawn: every control of every program's dialogs fits the dialog and its text
// fits its control, and each dialog is saved as a picture in the build tree for a look.
#include "cards/card_render.hpp"
#include "platform/canvas.hpp"
#include "platform/density.hpp"
#include "platform/dialog.hpp"
#include "shell/options_dialog.hpp"
#include "shell/statistics_dialog.hpp"

#include "dialogs/dialog_fakes.hpp"
#include "shell/settings_list.hpp"

#include "all_programs.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#ifndef QV_DIALOG_SHOTS
#define QV_DIALOG_SHOTS "dialog_shots"
#endif

namespace {

bool overlaps(const ct::Rect& a, const ct::Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class DialogPictures : public dialog_test::DialogFixture {
protected:
    static void SetUpTestSuite() { ct::createDrawingResources(); }
    static void TearDownTestSuite() { ct::releaseDrawingResources(); }

    // Checks the layout of an open dialog and saves it drawn over a green table.
    void checkAndSave(ct::Dialog& d, const std::string& name)
    {
        ct::Canvas canvas(240, 320);
        ASSERT_NE(canvas.surface(), nullptr);
        canvas.fillRect({0, 0, 240, 320}, ct::tableColor(0));
        const ct::Font& font = ct::textFont();
        ASSERT_FALSE(font.empty()) << "no font found";

        const ct::Rect frame = d.frame();
        const int top = d.doneButtonRect().bottom;
        const int bottom = d.dialogTemplate().fullScreen ? d.menuOkRect().top : frame.bottom;
        std::vector<ct::Rect> placed;
        const auto& controls = d.dialogTemplate().controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ct::ControlTemplate& c = controls[i];
            const ct::Rect r = d.controlRectAt(i);
            SCOPED_TRACE(name + " control " + std::to_string(i) + " \"" + c.text + "\"");
            EXPECT_GE(r.left, frame.left);
            EXPECT_LE(r.right, frame.right);
            EXPECT_GT(r.top, top);
            EXPECT_LE(r.bottom, bottom);
            for (const ct::Rect& other : placed)
                EXPECT_FALSE(overlaps(r, other));
            placed.push_back(r);
            if (c.kind == ct::ControlKind::checkBox) {
                const int textWidth = r.width() - d.itemHeight() - ct::scaleX(4);
                if (c.multiLine) {
                    EXPECT_LE(canvas.textHeightInRect(font, c.text, textWidth, ct::textWordBreak), r.height());
                } else {
                    EXPECT_LE(canvas.textExtent(font, c.text).width, textWidth);
                }
            } else if (c.kind == ct::ControlKind::staticText) {
                EXPECT_LE(canvas.textHeightInRect(font, c.text, r.width(), ct::textLeft), r.height());
                std::size_t start = 0;
                while (start <= c.text.size()) {
                    const std::size_t end = std::min(c.text.find('\n', start), c.text.size());
                    EXPECT_LE(canvas.textExtent(font, c.text.substr(start, end - start)).width, r.width());
                    start = end + 1;
                }
            } else if (c.kind == ct::ControlKind::button) {
                EXPECT_LE(canvas.textExtent(font, c.text).width, r.width() - 4);
            }
        }

        d.draw(canvas);
        // White paper, a coloured title bar, and the table left alone outside a small dialog.
        EXPECT_EQ(canvas.pixel(frame.right - 3, bottom - 3), (ct::Color{255, 255, 255}));
        EXPECT_NE(canvas.pixel(frame.left + 2, frame.top + 2), (ct::Color{255, 255, 255}));
        if (!d.dialogTemplate().fullScreen) {
            EXPECT_EQ(canvas.pixel(1, 1), ct::tableColor(0));
        }

        std::filesystem::create_directories(QV_DIALOG_SHOTS);
        EXPECT_TRUE(canvas.savePng(std::string(QV_DIALOG_SHOTS) + "/" + name + ".png"));
    }
};

// Every program's own Options and Statistics, as its settings list describes them.
TEST_F(DialogPictures, EveryProgramsDialogsFitAndAreSaved)
{
    for (const auto& [name, make] : allPrograms()) {
        SCOPED_TRACE(name);
        const std::unique_ptr<ct::Game> game = make();
        const ct::SettingsList list = game->settingsList();
        bool shown = false;
        run(ct::optionsDescription(list, shell, {}), [&](ct::Dialog& d) {
            checkAndSave(d, "options_" + name);
            shown = true;
        });
        run(ct::statisticsDescription(list), [&](ct::Dialog& d) { checkAndSave(d, "statistics_" + name); });
        EXPECT_TRUE(shown);
    }
}

} // namespace
