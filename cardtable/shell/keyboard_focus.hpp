// Keyboard play: the places of the table a key can focus, and the focus that turns keys into taps.
#pragma once

#include "cards/card_set.hpp"
#include "cards/table_elements.hpp"
#include "platform/canvas.hpp"
#include "platform/window.hpp"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace ct {

// One stop of the focus: a card set (a place per card), a tap area, or picture buttons.
struct FocusStop {
    enum class Kind { cards, area, button };
    std::string name;             // "humanHand", "ok": what `state` calls it
    Kind kind = Kind::button;
    std::vector<Rect> places;     // device pixels, in drawing order: a later place lies on top
    std::vector<int> numbers{};   // cards: each place's 1-based index in its set
    std::string keys{};           // each place's shortcut key ('O', '1'), ' ' for none
};

// The set's placed, visible cards.
FocusStop cardStop(std::string name, const CardSet& set);
// An area or a button; `key` is its shortcut (an upper-case letter or a digit), or ' '.
FocusStop areaStop(std::string name, const TapArea& area, char key = ' ');
FocusStop buttonStop(std::string name, const TapArea& button, char key = ' ');
// The four suit buttons, suit 1 first, with the keys 1 to 4.
FocusStop suitStop(std::string name, const SuitButtons& buttons);

// The point a tap on places[index] must use so that nothing drawn later takes it: the middle of
// the part no later place covers (the middle of the whole place when every part is covered).
struct FocusPoint {
    int x = 0;
    int y = 0;
};
FocusPoint focusHitPoint(const std::vector<Rect>& places, std::size_t index);

// The focus and what the keys do with it. Until the first focus key nothing is drawn or
// reported, so a table played with the stylus alone looks and reads as it always did.
class KeyboardFocus {
public:
    // Handles msg::keyDown against the table's stops of this moment; false for a key it does not
    // use. Taps go to `window` as stylus messages; `doubleTaps` as the program asks for them,
    // `holdButtons`: a pressed button stays drawn pressed for a moment (a real window).
    bool key(unsigned virtualKey, bool shift, const std::vector<FocusStop>& stops, Window& window,
             bool doubleTaps, bool holdButtons);
    // The outline around the focused place (nothing before the first focus key).
    void draw(Canvas& canvas, const std::vector<FocusStop>& stops) const;
    // {"set":name,"card":n}, {"area":name} or {"button":name[,"index":n]}; null when nothing
    // is focused. Only meaningful once shown().
    nlohmann::json state(const std::vector<FocusStop>& stops) const;
    bool shown() const { return shown_; }

private:
    struct Where {
        int stop = -1;
        int place = 0;
    };
    // The remembered focus on today's stops: the stop of that name (else the first one with a
    // place), its place clamped to what the stop holds now.
    Where resolve(const std::vector<FocusStop>& stops) const;
    void remember(const std::vector<FocusStop>& stops, Where where);
    void tap(const FocusStop& stop, int place, bool twice, Window& window, bool doubleTaps, bool hold) const;

    bool shown_ = false;
    std::string stopName_;
    int place_ = 0;
};

// The outline's rectangle around a place: what to invalidate when the focus leaves or enters it.
Rect focusOutline(const Rect& place);

} // namespace ct
