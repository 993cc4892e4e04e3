// The program-wide random generator: a combined multiplicative congruential generator
// with a 32-entry shuffle table, seeded from the clock.
#pragma once

#include <array>
#include <cstdint>

namespace ct {

struct RandomState {
    std::int32_t s1 = 0;            // 0 until seeded
    std::int32_t s2 = 123456789;
    std::int32_t y = 0;             // 0 until the table is filled
    std::array<std::int32_t, 32> v{};
};

// The program's one generator. Tests may reset it with `randomState() = {}`.
RandomState& randomState();

struct UtcTime {
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// s1 = ((second*100 + hour)*5 + minute + second)*10 + millisecond*4951.
std::int32_t seedFromTime(const UtcTime& time);
// Seeds s1 from the clock (UTC), or from the value given to setFixedSeed (--seed N).
void seedRandom();
// Every later seedRandom() uses s1 = value instead of the clock (0 turns this off).
void setFixedSeed(std::int32_t value);

// Uniform float in (0, 1), below 0.99999988.
float uniformReal();
// lo + (int)((float)(hi - lo + 1) * u); seeds first when s1 is still 0.
int randomInt(int lo, int hi);

} // namespace ct
