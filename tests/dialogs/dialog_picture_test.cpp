// The dialogs as drawn: every control of the sample programs fits its dialog and its text fits
// its control, and each dialog is saved as a picture in the build tree for a look.
#include "cards/card_render.hpp"
#include "platform/canvas.hpp"
#include "platform/density.hpp"
#include "platform/dialog.hpp"
#include "shell/options_dialog.hpp"
#include "shell/statistics_dialog.hpp"

#include "dialogs/dialog_fakes.hpp"
#include "dialogs/sample_programs.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

TEST_F(DialogPictures, OptionsOfEverySampleProgramAndStatisticsFitAndAreSaved)
{
    dialog_test::TypeProgram type{shell};
    type.cidc = 1;
    type.type = 2;
    dialog_test::ConstantProgram constant;
    dialog_test::SwitchProgram switches{shell};
    switches.spread = 5;
    switches.q = 1;
    dialog_test::PatienceProgram patience{shell};
    patience.all = 1;
    patience.statc = 12;
    patience.statu = 345;
    ct::StatisticsDescription two = patience.statistics();
    two.height = 30;
    two.counts.pop_back();

    auto none = [](ct::Dialog&) {};
    struct Picture {
        std::string name;
        std::function<int(std::function<void(ct::Dialog&)>)> open;
        std::function<void(ct::Dialog&)> act;
    };
    auto options = [this](ct::OptionsDescription d) { return [this, d](auto user) { return run(d, user); }; };
    auto statistics = [this](ct::StatisticsDescription d) { return [this, d](auto user) { return run(d, user); }; };
    const std::vector<Picture> pictures{
        {"options_type", options(type.options()),
         [](ct::Dialog& d) {
             d.select(1003, 1);
             d.key(ct::DialogKey::tab);
             d.key(ct::DialogKey::tab);   // focus on "Show the number of cards left"
         }},
        {"options_type_dropped", options(type.options()),
         [](ct::Dialog& d) {
             const ct::Rect combo = d.controlRect(1015);
             d.stylusDown(combo.left + 3, combo.top + 3);
             d.stylusUp(combo.left + 3, combo.top + 3);
             EXPECT_TRUE(d.comboOpen());
         }},
        {"options_constant", options(constant.options()), [](ct::Dialog& d) { d.select(1005, 3); }},
        {"options_switch", options(switches.options()), none},
        {"options_patience", options(patience.options()), none},
        {"statistics_three", statistics(patience.statistics()), none},
        {"statistics_two", statistics(two), none},
    };
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.name);
        bool shown = false;
        picture.open([&](ct::Dialog& d) {
            picture.act(d);
            checkAndSave(d, picture.name);
            shown = true;
            d.cancel();
        });
        EXPECT_TRUE(shown);
    }
}

} // namespace
