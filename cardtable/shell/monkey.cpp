// Random play with consistency checks after every event.
#include "shell/monkey.hpp"

#include <algorithm>
#include <random>

namespace ct {

namespace {

int uniform(std::mt19937& rng, int low, int high)
{
    if (high <= low)
        return low;
    return std::uniform_int_distribution<int>(low, high)(rng);
}

} // namespace

MonkeyResult runMonkey(Game& game, HeadlessWindow& window, long events, std::uint32_t seed, const EventSink& out)
{
    MonkeyResult result;
    result.games = 1;   // the deal made when the window was created
    std::mt19937 rng(seed);

    window.setSink([&result](const nlohmann::json& event) {
        if (event.value("event", "") == "msgbox" && event.value("icon", "") == "information" &&
            event.value("buttons", "") == "ok" && event.value("caption", "x").empty())
            ++result.games;
    });
    window.setAnswerChooser([&rng](MsgBoxButtons buttons) {
        if (buttons == MsgBoxButtons::ok)
            return MsgBoxAnswer::ok;
        return uniform(rng, 0, 1) == 0 ? MsgBoxAnswer::yes : MsgBoxAnswer::no;
    });

    const Size client = window.clientSize();
    auto randomPoint = [&](int& x, int& y) {
        const std::vector<Rect> targets = game.monkeyTargets();
        if (!targets.empty() && uniform(rng, 0, 4) != 0) {
            const Rect& t = targets[static_cast<std::size_t>(uniform(rng, 0, static_cast<int>(targets.size()) - 1))];
            x = uniform(rng, std::max(t.left, 0), std::min(t.right, client.width - 1));
            y = uniform(rng, std::max(t.top, 0), std::min(t.bottom, client.height - 1));
        } else {
            x = uniform(rng, 0, client.width - 1);
            y = uniform(rng, 0, client.height - 1);
        }
    };

    // A key now and then: the focus keys and the table's shortcuts, through the window as typed.
    auto pressKey = [&] {
        static constexpr unsigned focusKeys[] = {vk::tab, vk::left, vk::right, vk::up, vk::down,
                                                 vk::home, vk::end, vk::space, vk::enter};
        std::vector<unsigned> keys(std::begin(focusKeys), std::end(focusKeys));
        for (const FocusStop& stop : game.focusStops())
            for (char key : stop.keys)
                if (key != ' ')
                    keys.push_back(static_cast<unsigned>(key));
        const unsigned key = keys[static_cast<std::size_t>(uniform(rng, 0, static_cast<int>(keys.size()) - 1))];
        window.sendMessage(msg::keyDown, key, uniform(rng, 0, 3) == 0 ? 1 : 0);
    };

    auto playOne = [&] {
        if (uniform(rng, 0, 3) == 0) {
            pressKey();
        } else if (uniform(rng, 0, 199) == 0) {
            window.sendMessage(msg::command, static_cast<std::uintptr_t>(command::newGame), 0);
            ++result.games;
        } else {
            int x = 0, y = 0;
            randomPoint(x, y);
            const std::intptr_t point = pointParam(x, y);
            window.sendMessage(msg::stylusDown, 0, point);
            window.sendMessage(msg::stylusUp, 0, point);
            if (uniform(rng, 0, 5) == 0) {
                window.sendMessage(game.info().doubleTaps ? msg::doubleTap : msg::stylusDown, 0, point);
                window.sendMessage(msg::stylusUp, 0, point);
            }
        }
        // The table is painted as the idle loop would, so drawing is exercised too.
        window.paintIfInvalid();
    };

    for (long i = 1; i <= events && !window.destroyed(); ++i) {
        std::vector<std::string> violations;
        try {
            playOne();
            violations = game.consistencyViolations();
        } catch (const std::exception& error) {
            // A program that throws has failed its check: reported like any broken rule, and
            // the run stops, since nothing after it would be meaningful.
            violations.push_back(std::string("the program failed: ") + error.what());
            events = i;
        }
        result.events = i;
        for (const std::string& text : violations) {
            ++result.violations;
            if (result.violations <= maximumViolationsShown && out)
                out({{"event", "violation"}, {"after", i}, {"seed", seed}, {"text", text}});
        }
    }
    if (out)
        out({{"event", "monkey"},
             {"events", result.events},
             {"games", result.games},
             {"violations", result.violations},
             {"seed", seed}});
    // Nothing may report into this function's locals once it has returned.
    window.setAnswerChooser({});
    window.setSink({});
    return result;
}

} // namespace ct
