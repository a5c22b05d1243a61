#include "ST/core/ST_TIMER.h"

namespace ZEL {

ST_TIMER::ST_TIMER(float maxDelta_, ClockFn clock_) : maxDelta(maxDelta_), clock(std::move(clock_))
{
    Init();
}

std::uint32_t ST_TIMER::Now() const
{
    return clock ? clock() : ClockMs();
}

int ST_TIMER::Init()
{
    const std::uint32_t now = Now();
    startTime = curTime = prevTime = now;
    delta = 0.0f;
    slowdown = 0.0f;
    return 0;
}

int ST_TIMER::Update()
{
    const std::uint32_t now = Now();
    curTime = now;
    delta = static_cast<float>(static_cast<std::uint32_t>(now - prevTime) / 1000.0);
    prevTime = now;
    if (maxDelta != 0.0f && delta > maxDelta) {
        slowdown = maxDelta / delta;
        delta = maxDelta;
    }
    if (delta < 0.0f)
        delta = 0.0f;
    return 0;
}

} // namespace ZEL
