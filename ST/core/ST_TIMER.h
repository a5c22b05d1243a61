#pragma once
#include "ST/core/Clock.h"

#include <cstdint>

namespace ZEL {

// Measures the time between loop iterations, capped so that a long stall (a dragged window,
// a debugger) does not throw everything forward in one step.
class ST_TIMER {
public:
    // clock: where the milliseconds come from; empty means the process clock (ClockMs).
    explicit ST_TIMER(float maxDelta, ClockFn clock = {});

    int Init();
    int Update();
    float GetDelta() const { return delta; }
    std::uint32_t GetCurTime() const { return curTime; }

    // The frame pacing of the game object hands the render callbacks the time since the last
    // drawn frame through the same delta.
    void SetDelta(float d) { delta = d; }
    float GetSlowdown() const { return slowdown; }
    float GetMaxDelta() const { return maxDelta; }
    std::uint32_t GetStartTime() const { return startTime; }
    // Current reading of this timer's clock.
    std::uint32_t Now() const;

private:
    std::uint32_t startTime = 0;
    float delta = 0.0f;
    std::uint32_t curTime = 0;
    std::uint32_t prevTime = 0;
    float maxDelta = 0.0f;
    float slowdown = 0.0f;
    ClockFn clock;
};

} // namespace ZEL
