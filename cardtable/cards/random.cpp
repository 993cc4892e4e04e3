// The program-wide random generator: two multiplicative congruential generators combined
// through a 32-entry shuffle table, seeded from the clock.
#include "cards/random.hpp"

#include <chrono>
#include <cstdint>

namespace ct {

namespace {

constexpr std::int32_t m1 = 2147483563;
constexpr std::int32_t a1 = 40014;
constexpr std::int32_t q1 = 53668;
constexpr std::int32_t m2 = 2147483399;
constexpr std::int32_t a2 = 40692;
constexpr std::int32_t q2 = 52774;
constexpr int tableSize = 32;
constexpr std::int32_t tableDivisor = 1 + (m1 - 1) / tableSize;
constexpr double scale = 1.0 / m1;
constexpr double upperBound = 1.0 - 1.2e-7;
constexpr float upperResult = 0.99999988079071044921875f;

std::int32_t fixedSeed = 0;

// s = a * s - (s / q) * m, as the 32-bit generator computes it. The product is formed in
// 64 bits and the result cast back, so that the arithmetic never overflows a signed int.
std::int32_t step(std::int32_t s, std::int32_t a, std::int32_t q, std::int32_t m)
{
    const std::int32_t k = s / q;
    auto next = static_cast<std::int32_t>(static_cast<std::int64_t>(a) * s - static_cast<std::int64_t>(k) * m);
    if (next < 0)
        next += m;
    return next;
}

} // namespace

RandomState& randomState()
{
    static RandomState state;
    return state;
}

std::int32_t seedFromTime(const UtcTime& time)
{
    return ((time.second * 100 + time.hour) * 5 + time.minute + time.second) * 10 + time.millisecond * 4951;
}

void seedRandom()
{
    if (fixedSeed != 0) {
        randomState().s1 = fixedSeed;
        return;
    }
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    const auto ms = duration_cast<milliseconds>(sinceMidnight).count();
    UtcTime time;
    time.hour = static_cast<int>(ms / 3600000);
    time.minute = static_cast<int>(ms / 60000 % 60);
    time.second = static_cast<int>(ms / 1000 % 60);
    time.millisecond = static_cast<int>(ms % 1000);
    // The shuffle table is kept: it is filled once, at the first call of the generator.
    randomState().s1 = seedFromTime(time);
}

void setFixedSeed(std::int32_t value)
{
    fixedSeed = value;
}

float uniformReal()
{
    RandomState& st = randomState();
    if (st.s1 <= 0 || st.y == 0) {
        // Negated in 64 bits: the most negative seed wraps onto itself as in 32-bit code.
        if (st.s1 < 0)
            st.s1 = static_cast<std::int32_t>(-static_cast<std::int64_t>(st.s1));
        else if (st.s1 == 0)
            st.s1 = 1;
        st.s2 = st.s1;
        for (int j = tableSize + 7; j >= 0; --j) {
            st.s1 = step(st.s1, a1, q1, m1);
            if (j < tableSize)
                st.v[static_cast<std::size_t>(j)] = st.s1;
        }
        st.y = st.v[0];
    }
    st.s1 = step(st.s1, a1, q1, m1);
    st.s2 = step(st.s2, a2, q2, m2);
    const auto j = static_cast<std::size_t>(st.y / tableDivisor);
    st.y = st.v[j] - st.s2;
    st.v[j] = st.s1;
    if (st.y < 1)
        st.y += m1 - 1;
    const auto t = static_cast<float>(static_cast<double>(st.y) * scale);
    if (static_cast<double>(t) > upperBound)
        return upperResult;
    return t;
}

int randomInt(int lo, int hi)
{
    if (randomState().s1 == 0)
        seedRandom();
    const float u = uniformReal();
    const std::int64_t span = static_cast<std::int64_t>(hi) - lo + 1;
    const float product = static_cast<float>(span) * u;
    std::int64_t result = lo + static_cast<std::int64_t>(product);
    // For spans beyond float precision the product can round up to the span itself;
    // the result still stays inside the range asked for.
    if (span > 0 && result > hi)
        result = hi;
    return static_cast<int>(result);
}

} // namespace ct
