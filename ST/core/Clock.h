#pragma once
#include <cstdint>
#include <functional>

namespace ZEL {

// The millisecond clock: a 32-bit counter that wraps, so callers only ever take unsigned
// differences of two readings.
using ClockFn = std::function<std::uint32_t()>;

std::uint32_t ClockMs();
// Replaces the process clock (tests drive time by hand); an empty function restores the real one.
void SetClock(ClockFn clock);

} // namespace ZEL
