// Random play for the headless mode: taps and double taps on what the game offers, the odd New,
// and the game's consistency checks after every event.
#pragma once

#include "platform/headless_window.hpp"
#include "shell/game.hpp"

#include <cstdint>

namespace ct {

struct MonkeyResult {
    long events = 0;
    // Deals seen: the first deal, every New the monkey chose, and every result box (an OK box
    // with the information icon and an empty caption, which is how the programs end a round
    // or a game). Error boxes have no icon and are not counted.
    long games = 0;
    long violations = 0;
};

inline constexpr int maximumViolationsShown = 20;

// Plays `events` random events against the created window. Its own generator, seeded from
// `seed`, chooses the events and the answers to message boxes, so a run is reproducible and
// the game's random stream is untouched. Prints violation events (the first 20) and the
// closing {"event":"monkey",…} to `out`; each violation names its event ("after") and the
// seed, enough to replay the run to it. The window's own events are counted, not printed.
MonkeyResult runMonkey(Game& game, HeadlessWindow& window, long events, std::uint32_t seed, const EventSink& out);

} // namespace ct
