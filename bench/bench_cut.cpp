// The cut of a 1024 x 768 picture: drawing the grid, the per-piece image work and the whole
// raster side of the cut, beside one plain copy of the picture's pixels.
#include "GAME/board/CutGeometry.h"
#include "GAME/board/GAMETOOLS.h"

#include "GAME/board/PUZZLE_PIECES_SYSTEM.h"
#include "ST/core/ST_GAME.h"
#include "ST/platform/Display.h"
#include "ST/platform/ImageCodec.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

using GAMETOOLS::Pixel;
constexpr int W = 1024, H = 768;

std::vector<Pixel> Picture() {
    std::vector<Pixel> p(W * H);
    for (int i = 0; i < W * H; ++i) p[i] = 0xFF000000u | (i * 2654435761u >> 8);
    return p;
}

void BM_CopyPicture(benchmark::State& state) {
    const std::vector<Pixel> picture = Picture();
    std::vector<Pixel> copy(picture.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), picture.data(), picture.size() * sizeof(Pixel));
        benchmark::DoNotOptimize(copy.data());
    }
}

void BM_DrawGrid(benchmark::State& state) {
    const int Min = static_cast<int>(state.range(0));
    std::vector<Pixel> mask(W * H);
    for (auto _ : state) {
        GAME::CutLayout L = GAME::ComputeCutLayout(W, H, Min, 0.5f);
        GAMETOOLS::PillAll(0xFFFFFFFF, mask.data(), {W, H});
        GAME::DrawCutLines(L, mask.data(), {W, H}, 0x00FFFFFF);
        benchmark::DoNotOptimize(mask.data());
    }
}

void BM_PieceImages(benchmark::State& state) {
    const int Min = static_cast<int>(state.range(0));
    const std::vector<Pixel> picture = Picture();
    GAME::CutLayout L = GAME::ComputeCutLayout(W, H, Min, 0.5f);
    std::vector<Pixel> mask(W * H, 0xFFFFFFFF);
    GAME::DrawCutLines(L, mask.data(), {W, H}, 0x00FFFFFF);
    const JST::iPOINT tsize{L.size.pieceW + 1, L.size.pieceH + 1};
    std::vector<Pixel> piece(tsize.x * tsize.y);
    for (auto _ : state) {
        std::vector<Pixel> scratch = picture;
        for (int r = 0; r < L.size.countY; ++r) {
            for (int c = 0; c < L.size.countX; ++c) {
                std::fill(piece.begin(), piece.end(), 0);
                const JST::iPOINT seed = L.SeedPoint(c, r), centre = L.CellCentre(c, r);
                GAMETOOLS::CopyPiece(seed.x, seed.y, scratch.data(), piece.data(), mask.data(), {W, H}, tsize,
                                     centre.x, centre.y);
                GAMETOOLS::DrawBeauty(piece.data(), tsize);
                GAMETOOLS::SmoothAlpha(piece.data(), tsize);
            }
        }
        benchmark::DoNotOptimize(piece.data());
    }
    state.counters["pieces"] = L.size.countX * L.size.countY;
}

// The whole cut as the board runs it: scratch copy, grid, every piece image, outlines, scatter.
void BM_Narezator(benchmark::State& state) {
    char tmpl[] = "/tmp/zelcut.XXXXXX";
    const std::string dir = mkdtemp(tmpl);
    setenv("XDG_DATA_HOME", dir.c_str(), 1);
    ZEL::SetDisplayOverride({1024, 768}, {{1024, 768, 60}});
    auto game = std::make_unique<ZEL::ST_GAME>();
    ZEL::SetGame(game.get());
    game->UseRecordingDevice(true);
    game->Init("Bench", "Cut");
    const std::vector<Pixel> picture = Picture();
    const std::string file = dir + "/picture.png";
    ZEL::SavePng(file.c_str(), picture.data(), W, H);
    for (auto _ : state) {
        state.PauseTiming();
        auto board = std::make_unique<GAME::PUZZLE_PIECES_SYSTEM>();
        board->Init(file.c_str(), static_cast<int>(state.range(0)), 0, nullptr, true, 0.5f, 0);
        state.ResumeTiming();
        board->Narezator();
        state.PauseTiming();
        board.reset();
        state.ResumeTiming();
    }
    ZEL::SetGame(nullptr);
    game.reset();
    std::system(("rm -rf '" + dir + "'").c_str());
}

BENCHMARK(BM_CopyPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawGrid)->Arg(6)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PieceImages)->Arg(6)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Narezator)->Arg(6)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
