// The cost of one whole frame on the OpenGL device (clear, a full-screen picture, a hundred
// pieces, the scene copy and the swap), beside a copy of the frame's pixels in memory.
#include "ST/gfx/ZELGFX.h"
#include "ST/platform/JC_APP.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void BM_CopyFramePixels(benchmark::State& state) {
    std::vector<std::uint32_t> a(1024 * 768, 0xFF112233u), b(a.size());
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size() * 4);
        benchmark::DoNotOptimize(b.data());
    }
}

void BM_Frame(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ZEL::JC_APP app;
    app.width = 1024;
    app.height = 768;
    if (!app.fInit("bench")) {
        state.SkipWithError("no GL context");
        return;
    }
    ZEL::ZELGFX gfx;
    gfx.Init(app.CreateDevice(), 1024, 768);
    gfx.SetAdaptScreen(1024, 768);
    const std::uint32_t picture = gfx.TextureCreate(1024, 768);
    const std::uint32_t piece = gfx.TextureCreate(100, 100);
    const int pieces = static_cast<int>(state.range(0));
    for (auto _ : state) {
        gfx.BeginFrame();
        ZEL::ZEL4 q;
        q.v[1].y = q.v[2].y = 768;
        q.v[2].x = q.v[3].x = 1024;
        q.v[1].v = q.v[2].v = q.v[2].u = q.v[3].u = 1;
        q.texture = picture;
        gfx.RenderZEL4(&q, 0, 0, 1, 1, 0, 0, 0);
        ZEL::ZEL4 p = q;
        p.v[1].y = p.v[2].y = 100;
        p.v[2].x = p.v[3].x = 100;
        p.texture = piece;
        for (int i = 0; i < pieces; ++i) gfx.RenderZEL4(&p, float(i * 7 % 900), float(i * 13 % 600), 1, 1, 0.1f * i, 50, 50);
        gfx.EndFrame();
        gfx.BeginPostFrame();
        gfx.EndPostFrame();
    }
}

BENCHMARK(BM_CopyFramePixels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frame)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
