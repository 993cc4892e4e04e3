// The dialog manager: dialog templates as data, the modal dialog's model, its drawing and input.
// A dialog procedure sees the classic messages (initDialog, command) and drives the controls
// through the Dialog's operations; backends only feed it pointer and key input and paint it.
#pragma once

#include "platform/canvas.hpp"
#include "platform/geometry.hpp"
#include "platform/window_base.hpp"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ct {

// Messages a dialog procedure receives, notifications and the identifiers it shares with
// every dialog.
namespace dlg {
inline constexpr unsigned initDialog = 0x0110;
inline constexpr unsigned command = 0x0111;   // wParam: low word control id, high word notification
inline constexpr int idOk = 1;
inline constexpr int idCancel = 2;
inline constexpr int idStatic = -1;           // a control that nobody addresses
inline constexpr int lbErr = -1;              // "no selection" and "no such item"
inline constexpr unsigned buttonClicked = 0;  // check box or push button pressed
inline constexpr unsigned selectionChanged = 1;  // list or combo box selection changed by the user
} // namespace dlg

inline std::uintptr_t commandParam(int id, unsigned notification)
{
    return (static_cast<std::uintptr_t>(id) & 0xFFFF) | (static_cast<std::uintptr_t>(notification & 0xFFFF) << 16);
}
inline int commandId(std::uintptr_t wParam) { return static_cast<int>(wParam & 0xFFFF); }
inline unsigned commandNotification(std::uintptr_t wParam) { return static_cast<unsigned>((wParam >> 16) & 0xFFFF); }

enum class ControlKind {
    staticText,   // text with "\n" line breaks
    checkBox,     // automatic: a click toggles it, then the procedure is told
    listBox,      // notifies selection changes; items in the order added
    comboBox,     // drop-down list: shows its selected item, opens a list below
    button,       // push button
};

// One control, placed in dialog units relative to the dialog's client area.
struct ControlTemplate {
    int id = dlg::idStatic;
    ControlKind kind = ControlKind::staticText;
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;   // a combo box's height includes its dropped list, as in a template
    bool multiLine = false;   // check boxes: the text wraps onto further lines
};

struct DialogTemplate {
    int resource = 0;          // the dialog's resource number (130 Options, 131 Statistics)
    std::string title;
    int width = 0;             // client size in dialog units
    int height = 0;
    // Fills the screen, with a done button in the title bar and a bottom menu bar holding "OK"
    // (both send command 1). A dialog that is not full screen gets the done button too, so
    // that a touch screen without keys can always close it.
    bool fullScreen = false;
    std::vector<ControlTemplate> controls;
};

// Dialog units to device pixels: base units of the 8-point dialog font (6 x 13 pixels at
// 96 dpi) scaled to the screen density; x units are a quarter, y units an eighth of them.
int dialogUnitsToPixelsX(int units);
int dialogUnitsToPixelsY(int units);

enum class DialogKey { tab, backTab, space, up, down, enter, escape };

class Dialog {
public:
    // Receives initDialog and command messages; returns 1 when it handled the message.
    using Procedure = std::function<int(Dialog&, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)>;

    Dialog(DialogTemplate dialogTemplate, Procedure procedure);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Lays the dialog out on a screen of `screen` pixels and sends initDialog; once only.
    // A dialog that is not full screen starts centred on the screen.
    void begin(Size screen);
    bool begun() const { return begun_; }
    bool ended() const { return ended_; }
    // The value given to end(); 2 (cancel) until then.
    int result() const { return result_; }
    const DialogTemplate& dialogTemplate() const { return template_; }

    // ---- Operations for dialog procedures (none of them notifies the procedure) ----
    // Ends the dialog; the modal loop returns `result`.
    void end(int result);
    // Ticks or clears a check box; false when `id` is not a check box.
    bool setCheck(int id, bool checked);
    // 1 ticked, 0 clear or not a check box.
    int isChecked(int id) const;
    // Appends an item to a list or combo box; its index, or lbErr for another control.
    int addString(int id, std::string_view text);
    // Selects item `index` (-1 clears); the index, or lbErr when out of range (a list box then
    // has no selection, as the classic list box behaves).
    int setSelection(int id, int index);
    // The selected item of a list or combo box; lbErr when none.
    int selection(int id) const;
    int itemCount(int id) const;
    // Text of a static, check box or button; false for an unknown id.
    bool setText(int id, std::string_view text);
    std::string text(int id) const;
    // Moves the whole dialog (top-left corner of its frame, screen pixels).
    void moveTo(int x, int y);
    // The dialog's outer rectangle in screen pixels, title bar and menu bar included.
    Rect frame() const { return frame_; }
    // A control's rectangle in screen pixels (empty for an unknown id).
    Rect controlRect(int id) const;
    // The same by the control's place in the template (statics have no id to find them by).
    Rect controlRectAt(std::size_t index) const;
    // Title bar done button and bottom menu bar "OK" (empty when the dialog has none).
    Rect doneButtonRect() const;
    Rect menuOkRect() const;
    // Height of one list or drop-down item in pixels (known once the dialog has begun).
    int itemHeight() const { return itemHeight_; }

    // ---- Input, in screen pixels ----
    void stylusDown(int x, int y);
    void stylusUp(int x, int y);
    void key(DialogKey key);
    // Identifier of the control that has the keyboard focus (idStatic when none can take it).
    int focusId() const;
    bool comboOpen() const { return openCombo_ >= 0; }

    // Paints the dialog (and an open drop-down list) over whatever the canvas holds.
    void draw(Canvas& canvas) const;

    // ---- Headless scripts: they act as a user would, through the same command messages ----
    // {"event":"dialog","template":130,"title":...,"controls":[...]}
    nlohmann::json state() const;
    // Each returns an empty string on success, else the reason it could not act.
    std::string check(int id, int value);
    std::string select(int id, int index);
    std::string click(int id);
    std::string ok();
    std::string cancel();

private:
    struct Control {
        ControlTemplate definition;
        Rect rect;               // relative to the client origin, pixels
        bool checked = false;
        std::vector<std::string> items;
        int selection = dlg::lbErr;
        int topIndex = 0;        // list box: first visible item
    };
    enum class Target { none, control, listScrollUp, listScrollDown, done, menuOk };

    Control* find(int id);
    const Control* find(int id) const;
    Rect screenRect(const Control& control) const;
    Rect dropDownRect(const Control& combo) const;
    int visibleItems(const Control& list) const;
    bool listScrolls(const Control& list) const;
    void scrollToSelection(Control& list);
    bool takesFocus(const Control& control) const;
    int clientTop() const;
    void sendCommand(int id, unsigned notification);
    void toggle(Control& control);
    void userSelect(Control& control, int index);
    void moveFocus(int step);
    void drawControl(Canvas& canvas, const Control& control, bool focused) const;
    void drawDropDown(Canvas& canvas, const Control& combo) const;
    std::string actionError(int id, const Control* control) const;

    DialogTemplate template_;
    Procedure procedure_;
    std::vector<Control> controls_;
    Rect frame_;
    Size screen_;
    int titleHeight_ = 0;
    int menuHeight_ = 0;
    int itemHeight_ = 0;
    bool begun_ = false;
    bool ended_ = false;
    int result_ = dlg::idCancel;
    int focus_ = -1;           // index into controls_
    int openCombo_ = -1;       // index of the combo box whose list is dropped down
    int comboHighlight_ = -1;  // item under the keyboard in the dropped list
    Target pressed_ = Target::none;
    int pressedControl_ = -1;
};

// A dialog as a modal layer of the window: the backends' modal loops drive it like a message
// box. It begins the dialog on a screen of `screen` pixels (the table and the menu bar).
class DialogModal : public Modal {
public:
    DialogModal(Dialog& dialog, Size screen);
    Dialog& dialog() { return dialog_; }
    void draw(Canvas& frame) override { dialog_.draw(frame); }
    void stylusDown(int x, int y) override { dialog_.stylusDown(x, y); }
    void stylusUp(int x, int y) override { dialog_.stylusUp(x, y); }
    void key(ModalKey key) override;
    // The program is closing or the script ended: the dialog is cancelled, nothing stored.
    void cancel() override;
    bool done() const override { return dialog_.ended(); }

private:
    Dialog& dialog_;
};

} // namespace ct
