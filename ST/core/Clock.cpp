#include "ST/core/Clock.h"

#include <chrono>
#include <mutex>

namespace ZEL {
namespace {

std::uint32_t SteadyMs()
{
    using namespace std::chrono;
    static const auto start = steady_clock::now();
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

std::mutex g_clockLock;
ClockFn g_clock;

} // namespace

std::uint32_t ClockMs()
{
    ClockFn clock;
    {
        std::lock_guard lock(g_clockLock);
        clock = g_clock;
    }
    return clock ? clock() : SteadyMs();
}

void SetClock(ClockFn clock)
{
    std::lock_guard lock(g_clockLock);
    g_clock = std::move(clock);
}

} // namespace ZEL
