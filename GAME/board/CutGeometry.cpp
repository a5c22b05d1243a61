#include "GAME/board/CutGeometry.h"

#include "ST/core/ST_RANDOM.h"

#include <algorithm>

namespace GAME {

CutSize ComputeCutSize(int W, int H, int Min, float distort) {
    CutSize s;
    if (W <= 0 || H <= 0 || Min <= 0) return s;
    const float a = static_cast<float>(W) / static_cast<float>(H);
    if (a <= 1.0f) {
        s.countX = Min;
        s.countY = static_cast<int>(static_cast<float>(H) * Min / static_cast<float>(W) + 0.5f);
    } else {
        s.countX = static_cast<int>(Min * a + 0.5f);
        s.countY = Min;
    }
    s.cellW = static_cast<int>(static_cast<float>(W) / s.countX + 0.5f);
    s.cellH = static_cast<int>(static_cast<float>(H) / s.countY + 0.5f);
    s.d = std::min(distort, 1.0f) / 5.0f;
    if (!(s.d > 0.0f)) s.d = 0.0f;  // negative or NaN distortion is no distortion
    const int margin = static_cast<int>(s.cellW * s.d) * 2 + static_cast<int>(s.cellH * 0.3) * 2;
    s.pieceW = s.cellW + margin;
    s.pieceH = s.cellH + margin;
    return s;
}

void InitPuzzleEar(JST::iPOINT* ear) {
    static constexpr JST::iPOINT kEar[7] = {{25, -3}, {48, 0}, {35, 16}, {50, 25}, {65, 16}, {52, 0}, {75, -3}};
    std::copy(kEar, kEar + 7, ear);
}

void ChangeCoordFromVector(int x1, int y1, int x2, int y2, JST::iPOINT* ear, bool flip) {
    // A turn by 1.57 radians, not quite a right angle: the knobs lean a hair, as they always have.
    const double cs = 0.0007963267107332633, sn = 0.9999996829318346;
    const int dx = x2 - x1, dy = y2 - y1;
    const float rx = static_cast<float>(dx * cs - dy * sn);
    const float ry = static_cast<float>(dy * cs + dx * sn);
    for (int i = 0; i < 7; ++i) {
        const int along = ear[i].x;
        const int across = flip ? -ear[i].y : ear[i].y;
        const float ax = rx * static_cast<float>(across) / 100.0f;
        const float ay = ry * static_cast<float>(across) / 100.0f;
        const float sx = ax + static_cast<float>(along * dx) / 100.0f;
        const float sy = ay + static_cast<float>(along * dy) / 100.0f;
        ear[i].x = static_cast<int>(sx + static_cast<float>(x1));
        ear[i].y = static_cast<int>(sy + static_cast<float>(y1));
    }
}

JST::iPOINT CutLayout::SeedPoint(int c, int r) const {
    const JST::iPOINT* p = Points(c, r);
    return {(p[7].x + p[23].x) / 2 + size.cellW / 2 + size.cellW * c,
            (p[13].y + p[1].y) / 2 + size.cellH / 2 + size.cellH * r};
}

CutLayout ComputeCutLayout(int W, int H, int Min, float distort) {
    CutLayout L;
    L.W = W;
    L.H = H;
    L.Min = Min;
    L.size = ComputeCutSize(W, H, Min, distort);
    const CutSize& s = L.size;
    if (s.countX < 3 || s.countY < 3) {
        L.size.countX = L.size.countY = 0;
        return L;
    }
    const int nx = s.countX + 1;
    L.nodes.resize(static_cast<size_t>(nx) * (s.countY + 1));
    for (int r = 0; r <= s.countY; ++r) {
        for (int c = 0; c <= s.countX; ++c) {
            const int k = c + r * nx;
            float j = 0.0f;
            if (s.d != 0.0f) {
                const float q = static_cast<float>(ZEL::ST_RANDOM::Rand(k) % 10000) * 0.0001f;
                j = static_cast<float>(s.cellW) * s.d * q;
            }
            if (ZEL::ST_RANDOM::RandB(k)) j = -j;
            JST::iPOINT n{static_cast<int>(static_cast<float>(s.cellW * c) + j),
                          static_cast<int>(static_cast<float>(s.cellH * r) + j)};
            if (c == 0) n.x = 0;
            if (c == s.countX) n.x = W;
            if (r == 0) n.y = 0;
            if (r == s.countY) n.y = H;
            L.nodes[k] = n;
        }
    }

    L.cellPoints.assign(static_cast<size_t>(s.countX) * s.countY * kOutlinePoints, JST::iPOINT{});
    auto pts = [&](int c, int r) { return &L.cellPoints[(c + r * s.countX) * kOutlinePoints]; };
    auto rel = [&](JST::iPOINT p, int c, int r) { return p - L.CellCentre(c, r); };
    const int hw = s.cellW / 2, hh = s.cellH / 2;

    int e = 0;
    auto makeEdge = [&](bool vertical, int c, int r, JST::iPOINT a, JST::iPOINT b) {
        CutEdge edge;
        edge.vertical = vertical;
        edge.c = c;
        edge.r = r;
        edge.start = a;
        edge.end = b;
        InitPuzzleEar(edge.knob);
        ChangeCoordFromVector(a.x, a.y, b.x, b.y, edge.knob, !ZEL::ST_RANDOM::RandB(e));
        ++e;
        L.edges.push_back(edge);
        return L.edges.back();
    };

    for (int c = 1; c <= s.countX - 1; ++c) {
        for (int r = 1; r <= s.countY; ++r) {
            const JST::iPOINT A = L.Node(c, r - 1), B = L.Node(c, r);
            const CutEdge edge = makeEdge(true, c, r, A, B);
            JST::iPOINT* left = pts(c - 1, r - 1);
            JST::iPOINT* right = pts(c, r - 1);
            left[6] = rel(A, c - 1, r - 1);
            left[12] = rel(B, c - 1, r - 1);
            right[0] = rel(A, c, r - 1);
            right[18] = rel(B, c, r - 1);
            for (int i = 1; i <= 5; ++i) {
                left[6 + i] = rel(edge.knob[i], c - 1, r - 1);
                right[24 - i] = rel(edge.knob[i], c, r - 1);
            }
            if (c == 1) {
                const int cy = L.CellCentre(0, r - 1).y;
                left[0] = {-hw, L.Node(0, r - 1).y - cy};
                left[18] = {-hw, L.Node(0, r).y - cy};
                for (int i = 19; i <= 23; ++i) left[i] = {-hw, 0};
            }
            if (c == s.countX - 1) {
                const int cy = L.CellCentre(c, r - 1).y;
                right[6] = {hw, L.Node(s.countX, r - 1).y - cy};
                right[12] = {hw, L.Node(s.countX, r).y - cy};
                for (int i = 7; i <= 11; ++i) right[i] = {hw, 0};
            }
        }
    }
    for (int r = 1; r <= s.countY - 1; ++r) {
        for (int c = 1; c <= s.countX; ++c) {
            const CutEdge edge = makeEdge(false, c, r, L.Node(c - 1, r), L.Node(c, r));
            JST::iPOINT* upper = pts(c - 1, r - 1);
            JST::iPOINT* lower = pts(c - 1, r);
            for (int i = 1; i <= 5; ++i) {
                upper[18 - i] = rel(edge.knob[i], c - 1, r - 1);
                lower[i] = rel(edge.knob[i], c - 1, r);
            }
            if (r == 1)
                for (int i = 1; i <= 5; ++i) upper[i] = {0, -hh};
            if (r == s.countY - 1)
                for (int i = 13; i <= 17; ++i) lower[i] = {0, hh};
        }
    }
    return L;
}

void DrawCutLines(const CutLayout& layout, GAMETOOLS::Pixel* pixels, JST::iPOINT size, GAMETOOLS::Pixel colour) {
    for (const CutEdge& e : layout.edges)
        GAMETOOLS::DrawBezier7(e.start, e.end, e.knob, size, pixels, colour, layout.Min);
}

std::vector<JST::iPOINT> RingOrder(int countX, int countY) {
    std::vector<JST::iPOINT> ring;
    if (countX < 2 || countY < 2) return ring;
    for (int c = 0; c <= countX - 2; ++c) ring.push_back({c, 0});
    for (int r = 0; r <= countY - 2; ++r) ring.push_back({countX - 1, r});
    for (int c = countX - 1; c >= 1; --c) ring.push_back({c, countY - 1});
    for (int r = countY - 1; r >= 1; --r) ring.push_back({0, r});
    return ring;
}

} // namespace GAME
