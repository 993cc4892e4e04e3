// Keyboard play: focus stops built from table elements, focus movement, taps by key, the outline.
#include "shell/keyboard_focus.hpp"

#include "platform/density.hpp"

#include <algorithm>
#include <cstdlib>

namespace ct {

namespace {

constexpr int samples = 16;          // a grid of samples x samples points looks for the visible part
constexpr int buttonHoldMs = 120;    // how long a button pressed by key is drawn pressed

int centreX(const Rect& r) { return r.left + r.width() / 2; }
int centreY(const Rect& r) { return r.top + r.height() / 2; }

int thickness() { return std::max(1, scaleX(1)); }

bool isFocusKey(unsigned key)
{
    switch (key) {
    case vk::tab: case vk::left: case vk::right: case vk::up: case vk::down:
    case vk::home: case vk::end: case vk::space: case vk::enter:
        return true;
    default:
        return false;
    }
}

// The nearest place on the next line above (-1) or below (+1), nearest in x; `from` when none.
int lineStep(const std::vector<Rect>& places, int from, int direction)
{
    const Rect& here = places[static_cast<std::size_t>(from)];
    int best = from;
    long bestScore = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const int dy = (centreY(places[i]) - centreY(here)) * direction;
        if (dy <= 2)
            continue;   // the same line (or the other way)
        // A whole line first, then the nearest card on it.
        const long score = static_cast<long>(dy) * 100000 + std::abs(centreX(places[i]) - centreX(here));
        if (best == from || score < bestScore) {
            best = static_cast<int>(i);
            bestScore = score;
        }
    }
    return best;
}

} // namespace

FocusStop cardStop(std::string name, const CardSet& set)
{
    FocusStop stop{std::move(name), FocusStop::Kind::cards, {}};
    for (int i = 1; i <= set.count(); ++i) {
        const Card& card = set.at(i);
        if (!card.isPlaced() || card.hidden)
            continue;
        stop.places.push_back(card.bounds);
        stop.numbers.push_back(i);
    }
    return stop;
}

FocusStop areaStop(std::string name, const TapArea& area, char key)
{
    return FocusStop{std::move(name), FocusStop::Kind::area, {scaleRect(area.area)}, {}, std::string(1, key)};
}

FocusStop buttonStop(std::string name, const TapArea& button, char key)
{
    return FocusStop{std::move(name), FocusStop::Kind::button, {scaleRect(button.area)}, {}, std::string(1, key)};
}

FocusStop suitStop(std::string name, const SuitButtons& buttons)
{
    FocusStop stop{std::move(name), FocusStop::Kind::button, {}, {}, "1234"};
    for (int suit = 1; suit <= 4; ++suit)
        stop.places.push_back(scaleRect(buttons.area(suit)));
    return stop;
}

FocusPoint focusHitPoint(const std::vector<Rect>& places, std::size_t index)
{
    const Rect& r = places.at(index);
    auto covered = [&](int x, int y) {
        for (std::size_t j = index + 1; j < places.size(); ++j)
            if (pointInRect(x, y, places[j]))
                return true;
        return false;
    };
    std::vector<FocusPoint> visible;
    long sumX = 0, sumY = 0;
    for (int i = 0; i < samples; ++i)
        for (int k = 0; k < samples; ++k) {
            const int x = r.left + (2 * i + 1) * r.width() / (2 * samples);
            const int y = r.top + (2 * k + 1) * r.height() / (2 * samples);
            if (!covered(x, y)) {
                visible.push_back({x, y});
                sumX += x;
                sumY += y;
            }
        }
    if (visible.empty() || visible.size() == samples * samples)
        return {centreX(r), centreY(r)};
    // The visible sample nearest the middle of all visible samples: inside an L-shaped part too.
    const long n = static_cast<long>(visible.size());
    const auto nearest = std::min_element(visible.begin(), visible.end(), [&](const FocusPoint& a, const FocusPoint& b) {
        auto d = [&](const FocusPoint& p) {
            const long dx = p.x * n - sumX, dy = p.y * n - sumY;
            return dx * dx + dy * dy;
        };
        return d(a) < d(b);
    });
    return *nearest;
}

Rect focusOutline(const Rect& place)
{
    const int grow = 3 * thickness();
    return Rect{place.left - grow, place.top - grow, place.right + grow, place.bottom + grow};
}

KeyboardFocus::Where KeyboardFocus::resolve(const std::vector<FocusStop>& stops) const
{
    Where where;
    for (std::size_t i = 0; i < stops.size(); ++i)
        if (stops[i].name == stopName_ && !stops[i].places.empty())
            where.stop = static_cast<int>(i);
    if (where.stop < 0) {
        for (std::size_t i = 0; i < stops.size() && where.stop < 0; ++i)
            if (!stops[i].places.empty())
                where.stop = static_cast<int>(i);
        return where;
    }
    const int count = static_cast<int>(stops[static_cast<std::size_t>(where.stop)].places.size());
    where.place = std::clamp(place_, 0, count - 1);
    return where;
}

void KeyboardFocus::remember(const std::vector<FocusStop>& stops, Where where)
{
    if (where.stop < 0)
        return;
    stopName_ = stops[static_cast<std::size_t>(where.stop)].name;
    place_ = where.place;
}

bool KeyboardFocus::key(unsigned virtualKey, bool shift, const std::vector<FocusStop>& stops, Window& window,
                        bool doubleTaps, bool holdButtons)
{
    if (!isFocusKey(virtualKey)) {
        // A shortcut taps its place wherever the focus is.
        for (const FocusStop& stop : stops)
            for (std::size_t i = 0; i < stop.keys.size() && i < stop.places.size(); ++i)
                if (stop.keys[i] != ' ' && static_cast<unsigned>(stop.keys[i]) == virtualKey) {
                    tap(stop, static_cast<int>(i), false, window, doubleTaps, holdButtons);
                    return true;
                }
        return false;
    }
    const Where before = resolve(stops);
    Where after = before;
    if (!shown_) {
        // The first focus key only shows where the focus is.
        shown_ = true;
        if (virtualKey == vk::tab && shift)
            for (std::size_t i = 0; i < stops.size(); ++i)
                if (!stops[i].places.empty())
                    after = Where{static_cast<int>(i), 0};
    } else if (before.stop >= 0) {
        const FocusStop& stop = stops[static_cast<std::size_t>(before.stop)];
        const int last = static_cast<int>(stop.places.size()) - 1;
        switch (virtualKey) {
        case vk::tab: {
            // The next (Shift: previous) stop that has a place, round the end.
            const int n = static_cast<int>(stops.size());
            int i = before.stop;
            do
                i = (i + (shift ? n - 1 : 1)) % n;
            while (stops[static_cast<std::size_t>(i)].places.empty());
            after = Where{i, 0};
            break;
        }
        case vk::left: after.place = std::max(0, before.place - 1); break;
        case vk::right: after.place = std::min(last, before.place + 1); break;
        case vk::home: after.place = 0; break;
        case vk::end: after.place = last; break;
        case vk::up: after.place = lineStep(stop.places, before.place, -1); break;
        case vk::down: after.place = lineStep(stop.places, before.place, 1); break;
        case vk::space:
        case vk::enter:
            tap(stop, before.place, virtualKey == vk::enter && shift, window, doubleTaps, holdButtons);
            return true;
        default:
            break;
        }
    }
    remember(stops, after);
    if (before.stop >= 0)
        window.invalidate(focusOutline(stops[static_cast<std::size_t>(before.stop)].places[static_cast<std::size_t>(before.place)]));
    if (after.stop >= 0)
        window.invalidate(focusOutline(stops[static_cast<std::size_t>(after.stop)].places[static_cast<std::size_t>(after.place)]));
    return true;
}

void KeyboardFocus::tap(const FocusStop& stop, int place, bool twice, Window& window, bool doubleTaps,
                        bool hold) const
{
    const FocusPoint p = focusHitPoint(stop.places, static_cast<std::size_t>(place));
    const std::intptr_t at = pointParam(p.x, p.y);
    window.sendMessage(msg::stylusDown, 0, at);
    if (hold && !twice && stop.kind == FocusStop::Kind::button)
        window.pause(buttonHoldMs);   // drawn pressed, as under a stylus
    window.sendMessage(msg::stylusUp, 0, at);
    if (twice) {
        // A program that does not ask for double taps sees a second tap instead.
        window.sendMessage(doubleTaps ? msg::doubleTap : msg::stylusDown, 0, at);
        window.sendMessage(msg::stylusUp, 0, at);
    }
}

void KeyboardFocus::draw(Canvas& canvas, const std::vector<FocusStop>& stops) const
{
    const Where where = resolve(stops);
    if (!shown_ || where.stop < 0)
        return;
    const Rect place = stops[static_cast<std::size_t>(where.stop)].places[static_cast<std::size_t>(where.place)];
    // Black, white, black rings: one of them stands out on any table colour and on any card.
    const int t = thickness();
    const Color colours[] = {Color{0, 0, 0}, Color{255, 255, 255}, Color{0, 0, 0}};
    // At the edge of the table the rings move inwards instead of leaving the picture.
    const Rect outer = focusOutline(place);
    const Rect clamped{std::max(outer.left, 0), std::max(outer.top, 0), std::min(outer.right, canvas.width()),
                       std::min(outer.bottom, canvas.height())};
    for (int ring = 0; ring < 3; ++ring) {
        const int shrink = ring * t;
        const Rect r{clamped.left + shrink, clamped.top + shrink, clamped.right - shrink, clamped.bottom - shrink};
        const Color c = colours[ring];
        canvas.fillRect(Rect{r.left, r.top, r.right, r.top + t}, c);
        canvas.fillRect(Rect{r.left, r.bottom - t, r.right, r.bottom}, c);
        canvas.fillRect(Rect{r.left, r.top, r.left + t, r.bottom}, c);
        canvas.fillRect(Rect{r.right - t, r.top, r.right, r.bottom}, c);
    }
}

nlohmann::json KeyboardFocus::state(const std::vector<FocusStop>& stops) const
{
    const Where where = resolve(stops);
    if (where.stop < 0)
        return nullptr;
    const FocusStop& stop = stops[static_cast<std::size_t>(where.stop)];
    switch (stop.kind) {
    case FocusStop::Kind::cards:
        return {{"set", stop.name}, {"card", stop.numbers.at(static_cast<std::size_t>(where.place))}};
    case FocusStop::Kind::area:
        return {{"area", stop.name}};
    case FocusStop::Kind::button:
        if (stop.places.size() > 1)
            return {{"button", stop.name}, {"index", where.place + 1}};
        return {{"button", stop.name}};
    }
    return nullptr;
}

} // namespace ct
