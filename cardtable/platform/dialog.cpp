// The dialog manager: layout in dialog units, the controls' model, input and drawing.
#include "platform/dialog.hpp"

#include "platform/chrome.hpp"
#include "platform/density.hpp"
#include "platform/fonts.hpp"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace ct {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int mulDivRound(int a, int b, int c)
{
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

// Half-open test: a point on the right or bottom edge belongs to the neighbour.
bool inside(int x, int y, const Rect& r) { return r.left <= x && x < r.right && r.top <= y && y < r.bottom; }

Rect offset(const Rect& r, int dx, int dy) { return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
Rect inflate(const Rect& r, int d) { return Rect{r.left - d, r.top - d, r.right + d, r.bottom + d}; }

using namespace chrome;

// A solid triangle pointing down (or up) centred in `area`.
void drawArrow(Canvas& canvas, const Rect& area, bool down, Color color)
{
    const int half = std::max(2, std::min(area.width(), area.height()) / 4);
    const int cx = area.left + area.width() / 2;
    const int top = area.top + (area.height() - half) / 2;
    for (int row = 0; row < half; ++row) {
        const int w = down ? half - row : row + 1;
        canvas.fillRect(Rect{cx - w, top + row, cx + w, top + row + 1}, color);
    }
}

// A tick drawn as two thick strokes inside the box.
void drawTick(Canvas& canvas, const Rect& box, Color color)
{
    const int s = box.width();
    const int pen = std::max(2, s / 6);
    auto stroke = [&](double x0, double y0, double x1, double y1) {
        const int steps = std::max(1, s * 2);
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const int x = box.left + static_cast<int>((x0 + (x1 - x0) * t) * s) - pen / 2;
            const int y = box.top + static_cast<int>((y0 + (y1 - y0) * t) * s) - pen / 2;
            canvas.fillRect(Rect{x, y, x + pen, y + pen}, color);
        }
    };
    stroke(0.22, 0.52, 0.42, 0.74);
    stroke(0.42, 0.74, 0.80, 0.26);
}

const Font& titleFont()
{
    const Font& bold = labelFont();
    return bold.empty() ? textFont() : bold;
}

// Dropped lists show at most this many items at once and scroll with the keys.
constexpr int maxDroppedItems = 8;

} // namespace

int dialogUnitsToPixelsX(int units) { return mulDivRound(units, scaleX(6), 4); }
int dialogUnitsToPixelsY(int units) { return mulDivRound(units, scaleY(13), 8); }

Dialog::Dialog(DialogTemplate dialogTemplate, Procedure procedure)
    : template_(std::move(dialogTemplate)), procedure_(std::move(procedure))
{
    for (const ControlTemplate& definition : template_.controls) {
        Control control;
        control.definition = definition;
        controls_.push_back(std::move(control));
    }
}

void Dialog::begin(Size screen)
{
    if (begun_)
        return;
    begun_ = true;
    screen_ = screen;

    const Canvas measure(1, 1);
    const int fontHeight = measure.textExtent(textFont(), "Ag").height;
    itemHeight_ = std::max(fontHeight + scaleY(1), scaleY(13));
    titleHeight_ = template_.fullScreen ? scaleY(24) : scaleY(20);
    menuHeight_ = template_.fullScreen ? scaleY(menuBarDesignHeight) : 0;

    if (template_.fullScreen) {
        frame_ = Rect{0, 0, screen.width, screen.height};
    } else {
        const int w = dialogUnitsToPixelsX(template_.width) + 2;
        const int h = titleHeight_ + dialogUnitsToPixelsY(template_.height) + 1;
        const int x = std::max((screen.width - w) / 2, 0);
        const int y = std::max((screen.height - h) / 2, 0);
        frame_ = Rect{x, y, x + w, y + h};
    }

    for (Control& control : controls_) {
        const ControlTemplate& s = control.definition;
        control.rect = Rect{dialogUnitsToPixelsX(s.x), dialogUnitsToPixelsY(s.y), dialogUnitsToPixelsX(s.x + s.width),
                            dialogUnitsToPixelsY(s.y + s.height)};
        // A combo box's template height includes its dropped list; closed, it is one item high.
        if (s.kind == ControlKind::comboBox)
            control.rect.bottom = std::min(control.rect.bottom, control.rect.top + itemHeight_ + 4);
    }
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (takesFocus(controls_[i])) {
            focus_ = static_cast<int>(i);
            break;
        }

    if (procedure_)
        procedure_(*this, dlg::initDialog, 0, 0);
}

void Dialog::end(int result)
{
    if (ended_)
        return;
    ended_ = true;
    result_ = result;
    openCombo_ = -1;
    pressed_ = Target::none;
}

Dialog::Control* Dialog::find(int id)
{
    if (id == dlg::idStatic)
        return nullptr;
    for (Control& control : controls_)
        if (control.definition.id == id)
            return &control;
    return nullptr;
}

const Dialog::Control* Dialog::find(int id) const { return const_cast<Dialog*>(this)->find(id); }

bool Dialog::setCheck(int id, bool checked)
{
    Control* control = find(id);
    if (!control || control->definition.kind != ControlKind::checkBox)
        return false;
    control->checked = checked;
    return true;
}

int Dialog::isChecked(int id) const
{
    const Control* control = find(id);
    return control && control->definition.kind == ControlKind::checkBox && control->checked ? 1 : 0;
}

int Dialog::addString(int id, std::string_view text)
{
    Control* control = find(id);
    if (!control || (control->definition.kind != ControlKind::listBox && control->definition.kind != ControlKind::comboBox))
        return dlg::lbErr;
    control->items.emplace_back(text);
    return static_cast<int>(control->items.size()) - 1;
}

int Dialog::setSelection(int id, int index)
{
    Control* control = find(id);
    if (!control || (control->definition.kind != ControlKind::listBox && control->definition.kind != ControlKind::comboBox))
        return dlg::lbErr;
    if (index < 0 || index >= static_cast<int>(control->items.size())) {
        control->selection = dlg::lbErr;
        return dlg::lbErr;
    }
    control->selection = index;
    scrollToSelection(*control);
    return index;
}

int Dialog::selection(int id) const
{
    const Control* control = find(id);
    if (!control || (control->definition.kind != ControlKind::listBox && control->definition.kind != ControlKind::comboBox))
        return dlg::lbErr;
    return control->selection;
}

int Dialog::itemCount(int id) const
{
    const Control* control = find(id);
    if (!control || (control->definition.kind != ControlKind::listBox && control->definition.kind != ControlKind::comboBox))
        return dlg::lbErr;
    return static_cast<int>(control->items.size());
}

bool Dialog::setText(int id, std::string_view text)
{
    Control* control = find(id);
    if (!control || control->definition.kind == ControlKind::listBox || control->definition.kind == ControlKind::comboBox)
        return false;
    control->definition.text = text;
    return true;
}

std::string Dialog::text(int id) const
{
    const Control* control = find(id);
    if (!control)
        return {};
    if (control->definition.kind == ControlKind::comboBox)
        return control->selection >= 0 ? control->items[static_cast<std::size_t>(control->selection)] : std::string{};
    if (control->definition.kind == ControlKind::listBox)
        return {};
    return control->definition.text;
}

void Dialog::moveTo(int x, int y)
{
    frame_ = Rect{x, y, x + frame_.width(), y + frame_.height()};
}

int Dialog::clientTop() const { return frame_.top + titleHeight_; }

Rect Dialog::screenRect(const Control& control) const
{
    const int left = frame_.left + (template_.fullScreen ? 0 : 1);
    return offset(control.rect, left, clientTop());
}

Rect Dialog::controlRect(int id) const
{
    const Control* control = find(id);
    return control ? screenRect(*control) : Rect{};
}

Rect Dialog::controlRectAt(std::size_t index) const
{
    return index < controls_.size() ? screenRect(controls_[index]) : Rect{};
}

Rect Dialog::doneButtonRect() const
{
    if (!begun_)
        return {};
    const int margin = scaleY(3);
    const int w = scaleX(30);
    return Rect{frame_.right - w - scaleX(4), frame_.top + margin, frame_.right - scaleX(4),
                frame_.top + titleHeight_ - margin};
}

Rect Dialog::menuOkRect() const
{
    if (!begun_ || !template_.fullScreen)
        return {};
    return Rect{frame_.left, frame_.bottom - menuHeight_, frame_.left + std::max(scaleX(60), frame_.width() / 2),
                frame_.bottom};
}

int Dialog::visibleItems(const Control& list) const
{
    return std::max(1, (list.rect.height() - 2) / std::max(1, itemHeight_));
}

bool Dialog::listScrolls(const Control& list) const
{
    return static_cast<int>(list.items.size()) > visibleItems(list);
}

void Dialog::scrollToSelection(Control& control)
{
    const int visible = control.definition.kind == ControlKind::comboBox ? maxDroppedItems : visibleItems(control);
    const int target = control.definition.kind == ControlKind::comboBox && openCombo_ >= 0 &&
                               &controls_[static_cast<std::size_t>(openCombo_)] == &control
                           ? comboHighlight_
                           : control.selection;
    if (target < 0)
        return;
    if (target < control.topIndex)
        control.topIndex = target;
    else if (target >= control.topIndex + visible)
        control.topIndex = target - visible + 1;
}

Rect Dialog::dropDownRect(const Control& combo) const
{
    const Rect box = screenRect(combo);
    const int shown = std::clamp(static_cast<int>(combo.items.size()), 1, maxDroppedItems);
    const int h = shown * itemHeight_ + 2;
    // Below the box when it fits on the screen, else above it.
    if (box.bottom + h <= screen_.height || box.top - h < 0)
        return Rect{box.left, box.bottom, box.right, box.bottom + h};
    return Rect{box.left, box.top - h, box.right, box.top};
}

bool Dialog::takesFocus(const Control& control) const
{
    return control.definition.kind != ControlKind::staticText;
}

int Dialog::focusId() const
{
    return focus_ >= 0 ? controls_[static_cast<std::size_t>(focus_)].definition.id : dlg::idStatic;
}

void Dialog::sendCommand(int id, unsigned notification)
{
    if (ended_)
        return;
    const int handled = procedure_ ? procedure_(*this, dlg::command, commandParam(id, notification), 0) : 0;
    // A procedure that ignores OK or cancel must not leave the user in a dialog with no way out.
    if (!handled && !ended_ && (id == dlg::idOk || id == dlg::idCancel))
        end(id);
}

void Dialog::toggle(Control& control)
{
    control.checked = !control.checked;
    sendCommand(control.definition.id, dlg::buttonClicked);
}

void Dialog::userSelect(Control& control, int index)
{
    if (index < 0 || index >= static_cast<int>(control.items.size()) || index == control.selection)
        return;
    control.selection = index;
    scrollToSelection(control);
    sendCommand(control.definition.id, dlg::selectionChanged);
}

void Dialog::moveFocus(int step)
{
    const int n = static_cast<int>(controls_.size());
    if (n == 0)
        return;
    int i = focus_ < 0 ? (step > 0 ? -1 : 0) : focus_;
    for (int tries = 0; tries < n; ++tries) {
        i = ((i + step) % n + n) % n;
        if (takesFocus(controls_[static_cast<std::size_t>(i)])) {
            focus_ = i;
            return;
        }
    }
}

void Dialog::stylusDown(int x, int y)
{
    if (!begun_ || ended_)
        return;
    pressed_ = Target::none;
    pressedControl_ = -1;

    if (openCombo_ >= 0) {
        Control& combo = controls_[static_cast<std::size_t>(openCombo_)];
        const Rect list = dropDownRect(combo);
        openCombo_ = -1;
        // A tap on the dropped list picks an item; a tap anywhere else only closes it.
        if (inside(x, y, list)) {
            const int index = combo.topIndex + (y - list.top - 1) / std::max(1, itemHeight_);
            userSelect(combo, index);
        }
        return;
    }
    if (inside(x, y, doneButtonRect())) {
        pressed_ = Target::done;
        return;
    }
    if (inside(x, y, menuOkRect())) {
        pressed_ = Target::menuOk;
        return;
    }
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Control& control = controls_[i];
        const Rect r = screenRect(control);
        if (control.definition.kind == ControlKind::staticText || !inside(x, y, r))
            continue;
        focus_ = static_cast<int>(i);
        switch (control.definition.kind) {
        case ControlKind::checkBox:
        case ControlKind::button:
            pressed_ = Target::control;
            pressedControl_ = static_cast<int>(i);
            break;
        case ControlKind::listBox: {
            const int scrollWidth = scaleX(11);
            if (listScrolls(control) && x >= r.right - 1 - scrollWidth) {
                const int last = std::max(0, static_cast<int>(control.items.size()) - visibleItems(control));
                const bool up = y < r.top + r.height() / 2;
                control.topIndex = std::clamp(control.topIndex + (up ? -1 : 1), 0, last);
                break;
            }
            const int index = control.topIndex + (y - r.top - 1) / std::max(1, itemHeight_);
            userSelect(control, index);
            break;
        }
        case ControlKind::comboBox:
            openCombo_ = static_cast<int>(i);
            comboHighlight_ = control.selection;
            scrollToSelection(control);
            break;
        case ControlKind::staticText:
            break;
        }
        return;
    }
}

void Dialog::stylusUp(int x, int y)
{
    if (!begun_ || ended_)
        return;
    const Target target = pressed_;
    const int index = pressedControl_;
    pressed_ = Target::none;
    pressedControl_ = -1;
    switch (target) {
    case Target::done:
        if (inside(x, y, doneButtonRect()))
            sendCommand(dlg::idOk, dlg::buttonClicked);
        break;
    case Target::menuOk:
        if (inside(x, y, menuOkRect()))
            sendCommand(dlg::idOk, dlg::buttonClicked);
        break;
    case Target::control: {
        if (index < 0 || index >= static_cast<int>(controls_.size()))
            break;
        Control& control = controls_[static_cast<std::size_t>(index)];
        // Lifting the stylus outside the control takes the press back, as with any button.
        if (!inside(x, y, screenRect(control)))
            break;
        if (control.definition.kind == ControlKind::checkBox)
            toggle(control);
        else
            sendCommand(control.definition.id, dlg::buttonClicked);
        break;
    }
    default:
        break;
    }
}

void Dialog::key(DialogKey key)
{
    if (!begun_ || ended_)
        return;
    if (openCombo_ >= 0) {
        Control& combo = controls_[static_cast<std::size_t>(openCombo_)];
        const int count = static_cast<int>(combo.items.size());
        switch (key) {
        case DialogKey::up:
        case DialogKey::down:
            if (count > 0) {
                const int step = key == DialogKey::down ? 1 : -1;
                comboHighlight_ = comboHighlight_ < 0 ? 0 : std::clamp(comboHighlight_ + step, 0, count - 1);
                scrollToSelection(combo);
            }
            return;
        case DialogKey::enter:
        case DialogKey::space:
            openCombo_ = -1;
            userSelect(combo, comboHighlight_);
            return;
        case DialogKey::escape:
            openCombo_ = -1;
            return;
        case DialogKey::tab:
        case DialogKey::backTab:
            openCombo_ = -1;
            break;
        }
    }
    Control* focused = focus_ >= 0 ? &controls_[static_cast<std::size_t>(focus_)] : nullptr;
    switch (key) {
    case DialogKey::tab:
        moveFocus(1);
        break;
    case DialogKey::backTab:
        moveFocus(-1);
        break;
    case DialogKey::space:
        if (!focused)
            break;
        if (focused->definition.kind == ControlKind::checkBox)
            toggle(*focused);
        else if (focused->definition.kind == ControlKind::button)
            sendCommand(focused->definition.id, dlg::buttonClicked);
        else if (focused->definition.kind == ControlKind::comboBox) {
            openCombo_ = focus_;
            comboHighlight_ = focused->selection;
            scrollToSelection(*focused);
        }
        break;
    case DialogKey::up:
    case DialogKey::down:
        if (focused && (focused->definition.kind == ControlKind::listBox || focused->definition.kind == ControlKind::comboBox) &&
            !focused->items.empty()) {
            const int last = static_cast<int>(focused->items.size()) - 1;
            const int step = key == DialogKey::down ? 1 : -1;
            // From no selection either arrow selects the first item.
            const int next = focused->selection < 0 ? 0 : std::clamp(focused->selection + step, 0, last);
            userSelect(*focused, next);
        }
        break;
    case DialogKey::enter:
        sendCommand(dlg::idOk, dlg::buttonClicked);
        break;
    case DialogKey::escape:
        sendCommand(dlg::idCancel, dlg::buttonClicked);
        break;
    }
}

// ---- Drawing ----

void Dialog::draw(Canvas& canvas) const
{
    if (!begun_ || ended_)
        return;
    const Font& font = textFont();
    canvas.fillRect(frame_, paper);
    if (!template_.fullScreen)
        frameRect(canvas, frame_, border);

    // Title bar with the done button.
    const Rect title{frame_.left, frame_.top, frame_.right, frame_.top + titleHeight_};
    canvas.fillRect(title, titleBar);
    const Rect done = doneButtonRect();
    canvas.drawTextInRect(titleFont(), template_.title,
                          Rect{title.left + scaleX(6), title.top, done.left - scaleX(2), title.bottom},
                          textVCenter | textSingleLine, paper);
    if (pressed_ == Target::done)
        canvas.fillRect(done, highlight);
    frameRect(canvas, done, paper);
    canvas.drawTextInRect(font, "ok", done, textCenter | textVCenter | textSingleLine, paper);

    for (std::size_t i = 0; i < controls_.size(); ++i)
        drawControl(canvas, controls_[i], static_cast<int>(i) == focus_);

    if (template_.fullScreen) {
        const Rect bar{frame_.left, frame_.bottom - menuHeight_, frame_.right, frame_.bottom};
        canvas.fillRect(bar, menuBar);
        canvas.fillRect(Rect{bar.left, bar.top, bar.right, bar.top + 1}, border);
        const Rect okArea = menuOkRect();
        if (pressed_ == Target::menuOk)
            canvas.fillRect(Rect{okArea.left, okArea.top + 1, okArea.right, okArea.bottom}, facePressed);
        canvas.drawTextInRect(font, "OK", okArea, textCenter | textVCenter | textSingleLine, ink);
    }

    if (openCombo_ >= 0)
        drawDropDown(canvas, controls_[static_cast<std::size_t>(openCombo_)]);
}

void Dialog::drawControl(Canvas& canvas, const Control& control, bool focused) const
{
    const Font& font = textFont();
    const Rect r = screenRect(control);
    const int pad = scaleX(2);
    switch (control.definition.kind) {
    case ControlKind::staticText:
        canvas.drawTextInRect(font, control.definition.text, r, textLeft, ink);
        break;

    case ControlKind::checkBox: {
        const int box = std::max(4, std::min(itemHeight_ - scaleY(2), r.height()));
        const Rect boxRect{r.left, r.top + (r.height() - box) / 2, r.left + box, r.top + (r.height() - box) / 2 + box};
        const bool pressed = pressed_ == Target::control && pressedControl_ >= 0 &&
                             &controls_[static_cast<std::size_t>(pressedControl_)] == &control;
        canvas.fillRect(boxRect, pressed ? face : paper);
        frameRect(canvas, boxRect, ink);
        if (control.checked)
            drawTick(canvas, inflate(boxRect, -1), ink);
        const Rect textRect{boxRect.right + scaleX(4), r.top, r.right, r.bottom};
        if (control.definition.multiLine) {
            const int h = canvas.textHeightInRect(font, control.definition.text, textRect.width(), textWordBreak);
            const int top = r.top + std::max(0, (r.height() - h) / 2);
            canvas.drawTextInRect(font, control.definition.text, Rect{textRect.left, top, textRect.right, r.bottom},
                                  textWordBreak, ink);
        } else {
            canvas.drawTextInRect(font, control.definition.text, textRect, textVCenter | textSingleLine, ink);
        }
        if (focused) {
            const int right = control.definition.multiLine
                                  ? r.right
                                  : std::min(r.right, textRect.left + canvas.textExtent(font, control.definition.text).width + pad);
            frameRect(canvas, Rect{textRect.left - pad, r.top, right, r.bottom}, highlight);
        }
        break;
    }

    case ControlKind::listBox: {
        canvas.fillRect(r, paper);
        const bool scrolls = listScrolls(control);
        const int scrollWidth = scrolls ? scaleX(11) : 0;
        const Rect inner{r.left + 1, r.top + 1, r.right - 1 - scrollWidth, r.bottom - 1};
        const int visible = visibleItems(control);
        for (int row = 0; row < visible; ++row) {
            const int index = control.topIndex + row;
            if (index >= static_cast<int>(control.items.size()))
                break;
            const Rect item{inner.left, inner.top + row * itemHeight_, inner.right,
                            std::min(inner.bottom, inner.top + (row + 1) * itemHeight_)};
            const bool selected = index == control.selection;
            if (selected)
                canvas.fillRect(item, highlight);
            canvas.drawTextInRect(font, control.items[static_cast<std::size_t>(index)],
                                  Rect{item.left + pad, item.top, item.right - pad, item.bottom},
                                  textVCenter | textSingleLine, selected ? paper : ink);
        }
        if (scrolls) {
            const Rect bar{inner.right, inner.top, r.right - 1, inner.bottom};
            canvas.fillRect(bar, face);
            const int mid = bar.top + bar.height() / 2;
            drawArrow(canvas, Rect{bar.left, bar.top, bar.right, mid}, false, ink);
            drawArrow(canvas, Rect{bar.left, mid, bar.right, bar.bottom}, true, ink);
        }
        frameRect(canvas, r, focused ? highlight : border);
        if (focused)
            frameRect(canvas, inflate(r, -1), highlight);
        break;
    }

    case ControlKind::comboBox: {
        canvas.fillRect(r, paper);
        const int arrowWidth = r.height();
        const Rect arrow{r.right - arrowWidth, r.top, r.right, r.bottom};
        canvas.fillRect(arrow, face);
        canvas.fillRect(Rect{arrow.left, r.top, arrow.left + 1, r.bottom}, border);
        drawArrow(canvas, inflate(arrow, -1), true, ink);
        const std::string shown = control.selection >= 0 ? control.items[static_cast<std::size_t>(control.selection)] : "";
        canvas.drawTextInRect(font, shown, Rect{r.left + pad, r.top, arrow.left - pad, r.bottom},
                              textVCenter | textSingleLine, ink);
        frameRect(canvas, r, focused ? highlight : border);
        if (focused)
            frameRect(canvas, inflate(r, -1), highlight);
        break;
    }

    case ControlKind::button: {
        const bool pressed = pressed_ == Target::control && pressedControl_ >= 0 &&
                             &controls_[static_cast<std::size_t>(pressedControl_)] == &control;
        canvas.fillRect(r, pressed ? facePressed : face);
        frameRect(canvas, r, ink);
        canvas.drawTextInRect(font, control.definition.text, r, textCenter | textVCenter | textSingleLine, ink);
        if (focused)
            frameRect(canvas, inflate(r, -2), highlight);
        break;
    }
    }
}

void Dialog::drawDropDown(Canvas& canvas, const Control& combo) const
{
    const Font& font = textFont();
    const Rect list = dropDownRect(combo);
    canvas.fillRect(list, paper);
    frameRect(canvas, list, ink);
    const int pad = scaleX(2);
    for (int row = 0; row < maxDroppedItems; ++row) {
        const int index = combo.topIndex + row;
        if (index >= static_cast<int>(combo.items.size()))
            break;
        const Rect item{list.left + 1, list.top + 1 + row * itemHeight_, list.right - 1,
                        list.top + 1 + (row + 1) * itemHeight_};
        const bool lit = index == comboHighlight_;
        if (lit)
            canvas.fillRect(item, highlight);
        canvas.drawTextInRect(font, combo.items[static_cast<std::size_t>(index)],
                              Rect{item.left + pad, item.top, item.right - pad, item.bottom},
                              textVCenter | textSingleLine, lit ? paper : ink);
    }
}

// ---- The dialog as a modal layer ----

DialogModal::DialogModal(Dialog& dialog, Size screen) : dialog_(dialog)
{
    dialog_.begin(screen);
}

void DialogModal::key(ModalKey key)
{
    switch (key) {
    case ModalKey::enter: dialog_.key(DialogKey::enter); break;
    case ModalKey::escape: dialog_.key(DialogKey::escape); break;
    case ModalKey::tab: dialog_.key(DialogKey::tab); break;
    case ModalKey::backTab: dialog_.key(DialogKey::backTab); break;
    case ModalKey::up: dialog_.key(DialogKey::up); break;
    case ModalKey::down: dialog_.key(DialogKey::down); break;
    case ModalKey::space: dialog_.key(DialogKey::space); break;
    case ModalKey::left:
    case ModalKey::right:
        break;
    }
}

void DialogModal::cancel()
{
    dialog_.cancel();
    // Whatever the procedure made of it, the dialog is closed now.
    if (!dialog_.ended())
        dialog_.end(dlg::idCancel);
}

} // namespace ct
