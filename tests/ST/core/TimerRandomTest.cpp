#include "ST/core/ST_RANDOM.h"
#include "ST/core/ST_TIMER.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct FakeClock {
    std::uint32_t now = 0;
    ZEL::ClockFn fn() { return [this] { return now; }; }
};

TEST(Timer, CapsLongGapsAndRemembersTheSlowdown)
{
    FakeClock c;
    c.now = 1000;
    ZEL::ST_TIMER t(0.18f, c.fn());
    EXPECT_EQ(t.GetDelta(), 0.0f);
    EXPECT_EQ(t.GetSlowdown(), 0.0f);
    c.now += 500;
    t.Update();
    EXPECT_FLOAT_EQ(t.GetDelta(), 0.18f);
    EXPECT_FLOAT_EQ(t.GetSlowdown(), 0.36f);
    EXPECT_EQ(t.GetCurTime(), 1500u);
    // A short gap afterwards is reported as it is, and the slowdown stays.
    c.now += 16;
    t.Update();
    EXPECT_FLOAT_EQ(t.GetDelta(), 0.016f);
    EXPECT_FLOAT_EQ(t.GetSlowdown(), 0.36f);
}

TEST(Timer, ZeroCapReportsAnyGapAndSurvivesTheClockWrapping)
{
    FakeClock c;
    c.now = 0xFFFFFF00u;
    ZEL::ST_TIMER t(0.0f, c.fn());
    c.now += 10000; // wraps past zero
    t.Update();
    EXPECT_FLOAT_EQ(t.GetDelta(), 10.0f);
    EXPECT_EQ(t.GetSlowdown(), 0.0f);
}

TEST(Timer, InitKeepsTheCap)
{
    FakeClock c;
    ZEL::ST_TIMER t(0.18f, c.fn());
    c.now = 5000;
    EXPECT_EQ(t.Init(), 0);
    EXPECT_EQ(t.GetStartTime(), 5000u);
    c.now = 6000;
    t.Update();
    EXPECT_FLOAT_EQ(t.GetDelta(), 0.18f);
}

TEST(Random, StatelessGeneratorValues)
{
    struct Case { int x; int rand; bool randB; };
    const Case cases[] = {
        {0, 0, false},
        {1, 16838, false},
        {-1, 15930, false},
        {2, 909, true},
        {7, 19565, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZEL::ST_RANDOM::Rand(c.x), c.rand) << c.x;
        EXPECT_EQ(ZEL::ST_RANDOM::RandB(c.x), c.randB) << c.x;
    }
    for (int x = -1000; x < 1000; ++x) {
        const int r = ZEL::ST_RANDOM::Rand(x);
        EXPECT_GE(r, 0);
        EXPECT_LE(r, 32767);
    }
}

TEST(Random, SeededDrawsAreBitExact)
{
    ZEL::ST_RANDOM r;
    // state 0 -> 1 -> 1 * 214013 + 2531011 = 2745024; v = (2745024 >> 15) ^ 2745024
    const std::uint32_t s = 2745024u;
    const std::uint32_t v = (s >> 15) ^ s;
    EXPECT_EQ(r.GetRandomI(0, 99, 0), static_cast<int>(v % 100));
    EXPECT_EQ(r.GetState(), s);

    ZEL::ST_RANDOM f;
    const float got = f.GetRandomF(2.0f, 4.0f, 0);
    EXPECT_FLOAT_EQ(got, 2.0f + 2.0f * (static_cast<float>(s >> 16) * (1.0f / 65535.0f)));
}

TEST(Random, EdgeCases)
{
    ZEL::ST_RANDOM r;
    EXPECT_EQ(r.GetRandomI(5, 5, 0), 5);
    EXPECT_NE(r.GetState(), 0u) << "a one-value range still consumes a draw";

    const int a = r.GetRandomI(-50, 50, 7);
    const int b = r.GetRandomI(-50, 50, 7);
    EXPECT_EQ(a, b);

    // A range turned inside out returns lo and still advances, like any other draw.
    ZEL::ST_RANDOM x, y;
    EXPECT_EQ(x.GetRandomI(10, 3, 0), 10);
    y.GetRandomI(0, 1, 0);
    EXPECT_EQ(x.GetState(), y.GetState());

    // The full int range does not divide by zero.
    ZEL::ST_RANDOM full;
    (void)full.GetRandomI(INT32_MIN, INT32_MAX, 0);

    for (int i = 0; i < 2000; ++i) {
        const int v = r.GetRandomI(-3, 4, 0);
        EXPECT_GE(v, -3);
        EXPECT_LE(v, 4);
        const float fv = r.GetRandomF(-1.0f, 1.0f, 0);
        EXPECT_GE(fv, -1.0f);
        EXPECT_LE(fv, 1.0f);
    }
}

TEST(Random, SeedTruncatesTowardZero)
{
    struct Case { float s; std::uint32_t state; };
    const Case cases[] = {
        {0.0f, 0u}, {12345.9f, 12345u}, {4294967296.0f, 0u}, {5000000000.0f, 705032704u},
    };
    for (const Case& c : cases) {
        ZEL::ST_RANDOM r;
        r.Seed(c.s);
        EXPECT_EQ(r.GetState(), c.state) << c.s;
    }
}

} // namespace
