#include "GAME/board/CutGeometry.h"
#include "GAME/board/GAMETOOLS.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using GAMETOOLS::Pixel;
using JST::iPOINT;

TEST(CutSize, CountsFollowTheShortSide) {
    struct Case { int W, H, Min; int cx, cy, cw, ch; } cases[] = {
        {1024, 768, 6, 8, 6, 128, 128},
        {768, 1024, 6, 6, 8, 128, 128},
        {600, 600, 5, 5, 5, 120, 120},
        {800, 600, 15, 20, 15, 40, 40},
        {896, 504, 3, 5, 3, 179, 168},
    };
    for (const Case& c : cases) {
        GAME::CutSize s = GAME::ComputeCutSize(c.W, c.H, c.Min, 0.5f);
        EXPECT_EQ(s.countX, c.cx) << c.W << "x" << c.H;
        EXPECT_EQ(s.countY, c.cy) << c.W << "x" << c.H;
        EXPECT_EQ(s.cellW, c.cw) << c.W << "x" << c.H;
        EXPECT_EQ(s.cellH, c.ch) << c.W << "x" << c.H;
    }
}

TEST(CutSize, MarginsMakeRoomForKnobsAndDistortion) {
    GAME::CutSize s = GAME::ComputeCutSize(1024, 768, 6, 5.0f);  // distortion acts as 1.0
    EXPECT_FLOAT_EQ(s.d, 0.2f);
    // trunc(128 * 0.2) * 2 + trunc(128 * 0.3) * 2 = 50 + 76
    EXPECT_EQ(s.pieceW, 128 + 126);
    EXPECT_EQ(s.pieceH, 128 + 126);
    EXPECT_EQ(GAME::ComputeCutSize(1024, 768, 6, 0.0f).pieceW, 128 + 76);
}

TEST(CutLayout, TooFewPiecesAreRefused) {
    EXPECT_EQ(GAME::ComputeCutLayout(600, 600, 2, 0.5f).size.countX, 0);
    EXPECT_TRUE(GAME::ComputeCutLayout(600, 600, 2, 0.5f).cellPoints.empty());
    EXPECT_EQ(GAME::ComputeCutLayout(600, 600, 3, 0.5f).size.countX, 3);
}

TEST(CutLayout, NodesStayOnTheGridWithoutDistortionAndMoveDiagonallyWithIt) {
    GAME::CutLayout flat = GAME::ComputeCutLayout(1024, 768, 6, 0.0f);
    for (int r = 0; r <= 6; ++r)
        for (int c = 0; c <= 8; ++c) EXPECT_EQ(flat.Node(c, r), (iPOINT{128 * c, 128 * r}));

    GAME::CutLayout bent = GAME::ComputeCutLayout(1024, 768, 6, 1.0f);
    int moved = 0;
    for (int r = 1; r < 6; ++r) {
        for (int c = 1; c < 8; ++c) {
            const iPOINT off = bent.Node(c, r) - iPOINT{128 * c, 128 * r};
            EXPECT_LE(std::abs(off.x), 26);  // a fifth of the cell, plus the truncation pixel
            EXPECT_LE(std::abs(off.x - off.y), 1) << "inner nodes move along the diagonal";
            moved += off.x != 0;
        }
    }
    EXPECT_GT(moved, 20);
    // The outer frame stays straight.
    for (int r = 0; r <= 6; ++r) {
        EXPECT_EQ(bent.Node(0, r).x, 0);
        EXPECT_EQ(bent.Node(8, r).x, 1024);
    }
    for (int c = 0; c <= 8; ++c) {
        EXPECT_EQ(bent.Node(c, 0).y, 0);
        EXPECT_EQ(bent.Node(c, 6).y, 768);
    }
}

TEST(CutLayout, KnobsAreMirroredOnTheTwoPiecesOfAnEdge) {
    GAME::CutLayout L = GAME::ComputeCutLayout(1024, 768, 6, 0.7f);
    for (int r = 0; r < L.size.countY; ++r) {
        for (int c = 0; c + 1 < L.size.countX; ++c) {
            const iPOINT* left = L.Points(c, r);
            const iPOINT* right = L.Points(c + 1, r);
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(left[7 + i] + L.CellCentre(c, r), right[23 - i] + L.CellCentre(c + 1, r));
            }
            EXPECT_EQ(left[6] + L.CellCentre(c, r), right[0] + L.CellCentre(c + 1, r));
            EXPECT_EQ(left[12] + L.CellCentre(c, r), right[18] + L.CellCentre(c + 1, r));
        }
    }
    for (int r = 0; r + 1 < L.size.countY; ++r) {
        for (int c = 0; c < L.size.countX; ++c) {
            const iPOINT* upper = L.Points(c, r);
            const iPOINT* lower = L.Points(c, r + 1);
            for (int i = 1; i <= 5; ++i)
                EXPECT_EQ(upper[18 - i] + L.CellCentre(c, r), lower[i] + L.CellCentre(c, r + 1));
        }
    }
    // Outer sides are straight lines at half a cell.
    EXPECT_EQ(L.Points(0, 2)[21], (iPOINT{-64, 0}));
    EXPECT_EQ(L.Points(7, 2)[9], (iPOINT{64, 0}));
    EXPECT_EQ(L.Points(3, 0)[3], (iPOINT{0, -64}));
    EXPECT_EQ(L.Points(3, 5)[15], (iPOINT{0, 64}));
}

TEST(CutLayout, KnobBulgesTowardsTheSideItsFlipChooses) {
    iPOINT down[7], up[7];
    GAME::InitPuzzleEar(down);
    GAME::InitPuzzleEar(up);
    // A vertical edge from (100, 0) down to (100, 100).
    GAME::ChangeCoordFromVector(100, 0, 100, 100, down, false);
    GAME::ChangeCoordFromVector(100, 0, 100, 100, up, true);
    EXPECT_LT(down[3].x, 100);  // into the left piece
    EXPECT_GT(up[3].x, 100);    // into the right piece
    EXPECT_EQ(down[3].y, 50);
    EXPECT_EQ(down[3].x, 75);
}

TEST(CutLayout, TheSameOptionsAlwaysGiveTheSameCut) {
    GAME::CutLayout a = GAME::ComputeCutLayout(800, 600, 9, 0.35f);
    GAME::CutLayout b = GAME::ComputeCutLayout(800, 600, 9, 0.35f);
    EXPECT_EQ(a.nodes, b.nodes);
    EXPECT_EQ(a.cellPoints, b.cellPoints);
    GAME::CutLayout c = GAME::ComputeCutLayout(800, 600, 9, 0.36f);
    EXPECT_NE(a.nodes, c.nodes);
}

TEST(CutLayout, RingRunsClockwiseOverEveryEdgePieceOnce) {
    const std::vector<iPOINT> ring = GAME::RingOrder(4, 3);
    ASSERT_EQ(ring.size(), 10u);
    EXPECT_EQ(ring.front(), (iPOINT{0, 0}));
    EXPECT_EQ(ring[3], (iPOINT{3, 0}));
    EXPECT_EQ(ring[5], (iPOINT{3, 2}));
    EXPECT_EQ(ring.back(), (iPOINT{0, 1}));
    EXPECT_EQ(GAME::RingOrder(8, 6).size(), 24u);
}

TEST(Raster, LineEndsOneShortAndClipsEveryBound) {
    const iPOINT size{10, 4};
    std::vector<Pixel> px(40, 0);
    GAMETOOLS::DrawLineInTex(2, 1, 7, 1, size, px.data(), 0xFFFFFFFF);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(px[x + 10] != 0, x >= 2 && x <= 6) << x;

    // Lines that leave the texture on any side write nothing outside it.
    std::vector<Pixel> guarded(3 * 16 * 16, 0x12345678);
    Pixel* inner = guarded.data() + 16 * 16;
    GAMETOOLS::PillAll(0, inner, {16, 16});
    GAMETOOLS::DrawLineInTex(-20, -30, 40, 50, {16, 16}, inner, 0xFFFFFFFF);
    GAMETOOLS::DrawLineInTex(40, -5, -40, 5, {16, 16}, inner, 0xFFFFFFFF);
    iPOINT knob[7];
    GAME::InitPuzzleEar(knob);
    GAME::ChangeCoordFromVector(-50, 8, 70, 8, knob, false);
    GAMETOOLS::DrawBezier7({-50, 8}, {70, 8}, knob, {16, 16}, inner, 0xFFFFFFFF, 6);
    for (int i = 0; i < 16 * 16; ++i) {
        EXPECT_EQ(guarded[i], 0x12345678u);
        EXPECT_EQ(guarded[2 * 16 * 16 + i], 0x12345678u);
    }
}

TEST(Raster, ThickLineKeepsTheLineAndSeamsItsNeighbours) {
    const iPOINT size{5, 5};
    std::vector<Pixel> px(25, 0x00FFFFFF);
    px[0] = px[12] = 0xFFFFFFFF;
    GAMETOOLS::DrawGrid3px(0xFFFFFFFF, px.data(), size);
    EXPECT_EQ(px[0], 0xFFFFFFFFu);
    EXPECT_EQ(px[12], 0xFFFFFFFFu);
    for (int i : {1, 5, 7, 11, 13, 17}) EXPECT_EQ(px[i], 0x77FFFFFFu) << i;
    EXPECT_EQ(px[6], 0x00FFFFFFu);
    EXPECT_EQ(px[24], 0x00FFFFFFu);
}

TEST(Raster, BevelWidthAndStrengthByPieceWidth) {
    struct Case { int w, b, s; } cases[] = {
        {100, 2, 20}, {101, 2, 12}, {150, 2, 12}, {200, 3, 18}, {250, 4, 24}, {260, 5, 30}, {300, 5, 30}, {350, 5, 30},
    };
    for (const Case& c : cases) {
        int b = 0, s = 0;
        GAMETOOLS::BevelOf(c.w, &b, &s);
        EXPECT_EQ(b, c.b) << c.w;
        EXPECT_EQ(s, c.s) << c.w;
    }
}

TEST(Raster, BevelLightsTheTopLeftDarkensTheBottomRightAndClamps) {
    const iPOINT size{20, 20};
    std::vector<Pixel> px(400, 0);
    for (int y = 4; y < 16; ++y)
        for (int x = 4; x < 16; ++x) px[x + y * 20] = 0xFF808080;
    px[10 + 4 * 20] = 0xFFFFFFFF;   // already white on the lit rim
    px[10 + 15 * 20] = 0xFF000000;  // already black on the dark rim
    px[4 + 10 * 20] = 0x00606060;   // a rim pixel left by the fill
    GAMETOOLS::DrawBeauty(px.data(), size);
    auto red = [&](int x, int y) { return (px[x + y * 20] >> 16) & 0xFF; };
    EXPECT_GT(red(8, 4), 0x80u);
    EXPECT_LT(red(8, 15), 0x80u);
    EXPECT_GT(red(4, 8), 0x80u);
    EXPECT_LT(red(15, 8), 0x80u);
    EXPECT_EQ(red(10, 10), 0x80u);
    EXPECT_EQ(px[10 + 4 * 20], 0xFFFFFFFFu);
    EXPECT_EQ(px[10 + 15 * 20], 0xFF000000u);
    EXPECT_EQ(GAMETOOLS::Alpha(px[4 + 10 * 20]), 255u);
    for (int i = 0; i < 400; ++i)
        if (i % 20 < 4 || i / 20 < 4) {
            EXPECT_EQ(px[i], 0u) << i;
        }
}

TEST(Raster, SmootherRampsOutFromTheOpaqueEdge) {
    const iPOINT size{4, 2};
    std::vector<Pixel> px = {
        0xFF112233, 0xFF112233, 0xFF445566, 0x00000000,
        0xFF112233, 0x00000000, 0x00000000, 0x00000000,
    };
    GAMETOOLS::SmoothAlpha(px.data(), size);
    EXPECT_EQ(px[5], 0xE6112233u);  // two opaque neighbours: 230
    EXPECT_EQ(px[6], 0xD2445566u);  // one opaque neighbour and one at 230: 210, coloured like the opaque one
    EXPECT_EQ(px[3], 0u);           // one opaque neighbour but nothing at 230 beside it
    EXPECT_EQ(px[7], 0u);           // no opaque neighbour at all
}

TEST(Raster, SmootherFillsNotches) {
    std::vector<Pixel> px = {
        0xFF0000FF, 0xFF00FF00, 0xFF0000FF,
        0xFFFF0000, 0x00000000, 0xFF00FF00,
        0xFF0000FF, 0xFFFFFFFF, 0xFF0000FF,
    };
    GAMETOOLS::SmoothAlpha(px.data(), {3, 3});
    EXPECT_EQ(px[4], 0xFFFFFFFFu);  // the last opaque neighbour found: down
}

// A picture cut along its real lines: every pixel that is not on a line lands in exactly one
// piece, so no fill crosses a line and none starts on one.
TEST(Raster, EveryPixelLandsInExactlyOnePiece) {
    for (float distort : {0.0f, 1.0f}) {
        const int W = 480, H = 360, Min = 4;
        GAME::CutLayout L = GAME::ComputeCutLayout(W, H, Min, distort);
        ASSERT_EQ(L.size.countX, 5);
        std::vector<Pixel> picture(W * H), mask(W * H, 0xFFFFFFFF);
        for (int i = 0; i < W * H; ++i) picture[i] = 0xFF000000u | (i * 2654435761u >> 8);
        GAME::DrawCutLines(L, mask.data(), {W, H}, 0x00FFFFFF);
        std::vector<Pixel> scratch = picture;
        const iPOINT tsize{L.size.pieceW + 1, L.size.pieceH + 1};
        long copied = 0;
        for (int r = 0; r < L.size.countY; ++r) {
            for (int c = 0; c < L.size.countX; ++c) {
                std::vector<Pixel> piece(tsize.x * tsize.y, 0);
                const iPOINT seed = L.SeedPoint(c, r), centre = L.CellCentre(c, r);
                ASSERT_NE(GAMETOOLS::Alpha(mask[seed.x + seed.y * W]), 0u) << "seed on a line " << c << "," << r;
                GAMETOOLS::CopyPiece(seed.x, seed.y, scratch.data(), piece.data(), mask.data(), {W, H}, tsize,
                                     centre.x, centre.y);
                long own = 0;
                for (Pixel p : piece) own += GAMETOOLS::Alpha(p) == 255;
                EXPECT_GT(own, L.size.cellW * L.size.cellH / 2) << c << "," << r;
                EXPECT_LT(own, L.size.cellW * L.size.cellH * 2) << c << "," << r;
                copied += own;
            }
        }
        long lines = 0, left = 0;
        for (int i = 0; i < W * H; ++i) {
            lines += GAMETOOLS::Alpha(mask[i]) == 0;
            left += GAMETOOLS::Alpha(scratch[i]) != 0 && GAMETOOLS::Alpha(mask[i]) != 0;
        }
        EXPECT_EQ(left, 0) << "pixels no piece received, distortion " << distort;
        EXPECT_EQ(copied + lines, long(W) * H) << distort;
    }
}

TEST(Raster, FillKeepsTheRimColourInvisible) {
    // A 6x6 picture with a vertical line at x = 3: the fill from the left keeps the rim.
    const int W = 6, H = 6;
    std::vector<Pixel> picture(W * H, 0xFF336699), mask(W * H, 0xFFFFFFFF);
    for (int y = 0; y < H; ++y) mask[3 + y * W] = 0x00FFFFFF;
    std::vector<Pixel> target(8 * 8, 0);
    GAMETOOLS::CopyPiece(1, 2, picture.data(), target.data(), mask.data(), {W, H}, {8, 8}, 1, 2);
    // Picture point (x, y) maps to target (x - 1 - 4 + 8, y - 2 - 4 + 8).
    auto at = [&](int x, int y) { return target[(x + 3) + (y + 2) * 8]; };
    EXPECT_EQ(at(1, 2), 0xFF336699u);
    EXPECT_EQ(at(2, 2), 0xFF336699u);
    EXPECT_EQ(at(3, 2), 0x00336699u);  // the line pixel: colour kept, alpha 0
    EXPECT_EQ(at(4, 2), 0u);           // never beyond the line
    EXPECT_EQ(at(0, 2), 0x00336699u);  // the picture border is a barrier too
}

TEST(Outline, ListRunsBackwardsAndHitTestIsEvenOdd) {
    const iPOINT square[4] = {{-10, -10}, {10, -10}, {10, 10}, {-10, 10}};
    ZELCUTVECTOR* head = new ZELCUTVECTOR;
    GAMETOOLS::IpointToCutVector(square, head, 4);
    ASSERT_NE(head->next, nullptr);
    EXPECT_EQ(head->next->index, 3);
    EXPECT_FLOAT_EQ(head->next->x, -10.0f);
    struct Case { int x, y; bool in; } cases[] = {
        {0, 0, true}, {9, 9, true}, {-9, 10, true}, {11, 0, false}, {0, -11, false}, {-10, 0, false}, {0, -10, false},
    };
    for (const Case& c : cases) EXPECT_EQ(GAMETOOLS::InsideObj(c.x, c.y, head), c.in) << c.x << "," << c.y;
    DeleteCutVector(head);
}

} // namespace
