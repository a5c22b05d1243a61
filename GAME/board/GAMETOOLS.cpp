#include "GAME/board/GAMETOOLS.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace GAMETOOLS {

namespace {

inline bool Inside(int x, int y, JST::iPOINT size) {
    return x >= 0 && y >= 0 && x < size.x && y < size.y;
}

inline void Put(Pixel* pixels, JST::iPOINT size, int x, int y, Pixel colour) {
    if (Inside(x, y, size)) pixels[x + y * size.x] = colour;
}

inline int Sign(int v) { return (v > 0) - (v < 0); }

inline JST::iPOINT Half(JST::iPOINT a, JST::iPOINT b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

} // namespace

void PillAll(Pixel colour, Pixel* pixels, JST::iPOINT size) {
    if (size.x > 0 && size.y > 0) std::fill(pixels, pixels + size.x * size.y, colour);
}

void DrawLineInTex(int x0, int y0, int x1, int y1, JST::iPOINT size, Pixel* pixels, Pixel colour) {
    const int dx = x1 - x0, dy = y1 - y0;
    const int sx = Sign(dx), sy = Sign(dy);
    const int adx = std::abs(dx), ady = std::abs(dy);
    const int n = std::max(adx, ady);
    int ax = 0, ay = 0, x = x0, y = y0;
    Put(pixels, size, x, y, colour);
    for (int i = 0; i < n; ++i) {
        ax += adx;
        ay += ady;
        if (ax > n) { ax -= n; x += sx; }
        if (ay > n) { ay -= n; y += sy; }
        Put(pixels, size, x, y, colour);
    }
}

JST::iPOINT Bezier3(JST::iPOINT p0, JST::iPOINT p1, JST::iPOINT p2, double t) {
    const double u = 1.0 - t;
    const double x = u * u * p0.x + 2.0 * t * u * p1.x + t * t * p2.x;
    const double y = u * u * p0.y + 2.0 * t * u * p1.y + t * t * p2.y;
    return {static_cast<int>(x), static_cast<int>(y)};
}

JST::iPOINT Bezier3ex(JST::iPOINT p0, JST::iPOINT p1, JST::iPOINT p2, double t) {
    return Bezier3(Half(p0, p1), p1, Half(p1, p2), t);
}

namespace {
template <class Curve>
void DrawPolyline(Curve curve, JST::iPOINT size, Pixel* pixels, Pixel colour) {
    JST::iPOINT prev = curve(0.0);
    for (double t = 0.0; t < 1.0; t += 0.01) {
        const JST::iPOINT cur = curve(t);
        DrawLineInTex(prev.x, prev.y, cur.x, cur.y, size, pixels, colour);
        prev = cur;
    }
}
} // namespace

void DrawBezier3(JST::iPOINT p0, JST::iPOINT p1, JST::iPOINT p2, JST::iPOINT size, Pixel* pixels,
                 Pixel colour) {
    DrawPolyline([&](double t) { return Bezier3(p0, p1, p2, t); }, size, pixels, colour);
}

void DrawBezier3ex(JST::iPOINT p0, JST::iPOINT p1, JST::iPOINT p2, JST::iPOINT size, Pixel* pixels,
                   Pixel colour) {
    DrawPolyline([&](double t) { return Bezier3ex(p0, p1, p2, t); }, size, pixels, colour);
}

void DrawBezier7(JST::iPOINT start, JST::iPOINT end, const JST::iPOINT* k, JST::iPOINT size,
                 Pixel* pixels, Pixel colour, int Min) {
    const JST::iPOINT m0 = Half(k[0], start);
    const JST::iPOINT m6 = Half(end, k[6]);
    const double step = Min * 0.002;
    if (step > 0.0) {
        for (int i = 0; i < 5; ++i) {
            for (double t = 0.0; t <= 1.0; t += step) {
                const JST::iPOINT p = Bezier3ex(k[i], k[i + 1], k[i + 2], t);
                if (Inside(p.x, p.y, size) && pixels[p.x + p.y * size.x] != 0)
                    pixels[p.x + p.y * size.x] = colour;
            }
        }
    }
    DrawBezier3ex(start, k[0], k[1], size, pixels, colour);
    DrawBezier3ex(k[5], k[6], end, size, pixels, colour);
    DrawBezier3(m6, Half(end, m6), end, size, pixels, colour);
    DrawBezier3(start, Half(start, m0), m0, size, pixels, colour);
}

void DrawGrid3px(Pixel colour, Pixel* pixels, JST::iPOINT size) {
    const Pixel seam = 0x77FFFFFFu;
    for (int y = 0; y < size.y; ++y) {
        for (int x = 0; x < size.x; ++x) {
            if (pixels[x + y * size.x] != colour) continue;
            const int nx[4] = {x - 1, x + 1, x, x};
            const int ny[4] = {y, y, y - 1, y + 1};
            for (int i = 0; i < 4; ++i) {
                if (Inside(nx[i], ny[i], size) && pixels[nx[i] + ny[i] * size.x] != colour)
                    pixels[nx[i] + ny[i] * size.x] = seam;
            }
        }
    }
}

void CopyPiece(int sx, int sy, Pixel* source, Pixel* target, Pixel* mask, JST::iPOINT pic,
               JST::iPOINT tsize, int cx, int cy) {
    const int W = pic.x, H = pic.y, tw = tsize.x, th = tsize.y;
    if (W <= 0 || H <= 0 || tw <= 0 || th <= 0) return;
    // The picture's own border is a barrier.
    for (int x = 0; x < W; ++x) {
        mask[x] = WithAlpha(mask[x], 0);
        mask[x + (H - 1) * W] = WithAlpha(mask[x + (H - 1) * W], 0);
    }
    for (int y = 0; y < H; ++y) {
        mask[y * W] = WithAlpha(mask[y * W], 0);
        mask[W - 1 + y * W] = WithAlpha(mask[W - 1 + y * W], 0);
    }
    const int ox = cx + tw / 2, oy = cy + th / 2;
    std::vector<JST::iPOINT> current{{sx, sy}}, next;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= W || y >= H) return;
        const int i = x + y * W;
        const int tx = x - ox + tw, ty = y - oy + th;
        const bool inTarget = Inside(tx, ty, tsize);
        if (Alpha(mask[i]) == 0) {
            // Rim pixels keep the picture's colour, invisible, for the edge smoother.
            if (inTarget) target[tx + ty * tw] = WithAlpha(source[i], 0);
        } else if (inTarget && Alpha(source[i]) != 0) {
            target[tx + ty * tw] = WithAlpha(source[i], 255);
            source[i] = WithAlpha(source[i], 0);
            next.push_back({x, y});
        }
    };
    for (;;) {
        next.clear();
        for (const JST::iPOINT& p : current) {
            visit(p.x + 1, p.y);
            visit(p.x - 1, p.y);
            visit(p.x, p.y + 1);
            visit(p.x, p.y - 1);
        }
        if (next.empty()) break;
        current.swap(next);
    }
}

void BevelOf(int width, int* b, int* s) {
    // 0.02 in single precision is a hair below 0.02: a multiple of 50 gives one less.
    *b = static_cast<int>(static_cast<double>(width) * static_cast<double>(0.02f));
    *s = 6 * *b;
    if (*b < 2) { *b = 2; *s = 20; }
    if (*b > 5) { *b = 5; *s = 30; }
}

void DrawPointInTex(int x, int y, Pixel* pixels, JST::iPOINT size, int delta) {
    if (!Inside(x, y, size)) return;
    Pixel& p = pixels[x + y * size.x];
    if (Alpha(p) == 0) return;
    auto ch = [&](int shift) {
        const int v = std::clamp(static_cast<int>((p >> shift) & 0xFFu) + delta, 0, 255);
        return static_cast<Pixel>(v) << shift;
    };
    p = (p & 0xFF000000u) | ch(16) | ch(8) | ch(0);
}

void DrawBeauty(Pixel* pixels, JST::iPOINT size) {
    const int w = size.x, h = size.y;
    int b = 0, s = 0;
    BevelOf(w, &b, &s);
    for (int x = 0; x + 1 < w; ++x) {
        bool inside = false;
        for (int y = 0; y + 1 < h; ++y) {
            Pixel& p = pixels[x + y * w];
            if (p != 0) {
                if (Alpha(p) == 0) p = WithAlpha(p, 255);
                if (!inside) {
                    for (int k = 0; k < b; ++k) DrawPointInTex(x, y + k, pixels, size, std::abs(s - k * b));
                    inside = true;
                }
            } else if (inside) {
                for (int k = 1; k <= b; ++k) DrawPointInTex(x, y - k, pixels, size, -std::abs(s + (1 - b) * k));
                inside = false;
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        bool inside = false;
        for (int x = 0; x + 1 < w; ++x) {
            Pixel& p = pixels[x + y * w];
            if (p != 0) {
                if (!inside) {
                    for (int k = 0; k < b; ++k) DrawPointInTex(x + k, y, pixels, size, std::abs(s - k * b));
                    inside = true;
                }
                if (Alpha(p) == 0) p = WithAlpha(p, 254);
            } else if (inside) {
                for (int k = 1; k <= b; ++k) DrawPointInTex(x - k, y, pixels, size, -std::abs(s + (1 - b) * k));
                inside = false;
            }
        }
    }
}

int GetPowerPixel(const Pixel* pixels, JST::iPOINT size, int y, int x, std::uint32_t a) {
    const int nx[4] = {x - 1, x + 1, x, x};
    const int ny[4] = {y, y, y - 1, y + 1};
    int n = 0;
    for (int i = 0; i < 4; ++i)
        if (Inside(nx[i], ny[i], size) && Alpha(pixels[nx[i] + ny[i] * size.x]) == a) ++n;
    return n;
}

Pixel GetAnyPix(const Pixel* pixels, JST::iPOINT size, int y, int x) {
    const int nx[4] = {x - 1, x + 1, x, x};
    const int ny[4] = {y, y, y - 1, y + 1};
    Pixel found = 0;
    for (int i = 0; i < 4; ++i) {
        if (!Inside(nx[i], ny[i], size)) continue;
        const Pixel p = pixels[nx[i] + ny[i] * size.x];
        if (Alpha(p) == 255) found = p;
    }
    return found;
}

void SmoothAlpha(Pixel* pixels, JST::iPOINT size) {
    std::vector<int> ramp;
    for (int y = 0; y < size.y; ++y) {
        for (int x = 0; x < size.x; ++x) {
            Pixel& p = pixels[x + y * size.x];
            if (Alpha(p) != 0) continue;
            const int n = GetPowerPixel(pixels, size, y, x, 255);
            if (n == 1) ramp.push_back(x + y * size.x);
            else if (n == 2) p = WithAlpha(GetAnyPix(pixels, size, y, x), 230);
            else if (n >= 3) p = GetAnyPix(pixels, size, y, x);
        }
    }
    for (std::uint32_t level = 210; level >= 30; level -= 20) {
        for (int i : ramp) {
            const int x = i % size.x, y = i / size.x;
            if (Alpha(pixels[i]) == 0 && GetPowerPixel(pixels, size, y, x, level + 20) > 0)
                pixels[i] = WithAlpha(GetAnyPix(pixels, size, y, x), level);
        }
    }
}

void IpointToCutVector(const JST::iPOINT* points, ZELCUTVECTOR* list, int n) {
    for (int i = 0; i < n; ++i) {
        auto* node = new ZELCUTVECTOR{i, static_cast<float>(points[i].x), static_cast<float>(points[i].y),
                                      list->next};
        list->next = node;
    }
}

bool InsideObj(int x, int y, const ZELCUTVECTOR* list) {
    if (!list || !list->next) return false;
    bool inside = false;
    const ZELCUTVECTOR* first = list->next;
    for (const ZELCUTVECTOR* a = first; a; a = a->next) {
        const ZELCUTVECTOR* b = a->next ? a->next : first;
        const int xa = static_cast<int>(a->x), ya = static_cast<int>(a->y);
        const int xb = static_cast<int>(b->x), yb = static_cast<int>(b->y);
        if ((ya < y && y <= yb) || (yb < y && y <= ya)) {
            if (xa + (y - ya) * (xb - xa) / (yb - ya) < x) inside = !inside;
        }
    }
    return inside;
}

} // namespace GAMETOOLS
