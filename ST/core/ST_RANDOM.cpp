#include "ST/core/ST_RANDOM.h"

#include <cmath>

namespace ZEL {

void ST_RANDOM::Step(unsigned seed)
{
    state = seed == 0 ? state + 1u : seed;
    state = state * 214013u + 2531011u;
}

int ST_RANDOM::GetRandomI(int lo, int hi, unsigned seed)
{
    Step(seed);
    if (hi < lo)
        return lo; // a range turned inside out still consumes its draw, so sequences stay aligned
    const std::uint32_t v = (state >> 15) ^ state;
    const std::uint32_t span = static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo) + 1u;
    // span 0 means the full 32-bit range: every value is already inside it.
    const std::uint32_t r = span == 0 ? v : v % span;
    return static_cast<int>(static_cast<std::uint32_t>(lo) + r);
}

float ST_RANDOM::GetRandomF(float lo, float hi, unsigned seed)
{
    Step(seed);
    const float k = 1.0f / 65535.0f;
    return lo + (hi - lo) * (static_cast<float>(state >> 16) * k);
}

void ST_RANDOM::Seed(float s)
{
    // Truncate toward zero and keep the low 32 bits, whatever the magnitude.
    if (!std::isfinite(s)) {
        state = 0;
        return;
    }
    const double t = std::trunc(static_cast<double>(s));
    const double m = std::fmod(t, 4294967296.0);
    const long long low = static_cast<long long>(m);
    state = static_cast<std::uint32_t>(low);
}

namespace {
int RandQ(int x)
{
    const std::uint32_t t = static_cast<std::uint32_t>(x) * 1103515245u + 12345u;
    return static_cast<std::int32_t>(t) / 65536;
}
} // namespace

int ST_RANDOM::Rand(int x)
{
    return RandQ(x) & 0x7FFF;
}

bool ST_RANDOM::RandB(int x)
{
    return (RandQ(x) & 1) != 0;
}

} // namespace ZEL
