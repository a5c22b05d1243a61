#pragma once
// The renderer's records: textured quads and triangles, float colours, blend modes.
#include <cstdint>

namespace ZEL {

namespace JENUM {
// 0 opaque, 1 transparency, 2 additive, 3 additive with brightened colour,
// 4 point sprites with transparency, 5 additive point sprites.
using BLEND_MODE = int;
} // namespace JENUM

struct ZELVERTEX {
    float x = 0, y = 0;  // design pixels, y downward
    float u = 0, v = 0;
};

// Corners in the order top-left, bottom-left, bottom-right, top-right.
struct ZEL4 {
    ZELVERTEX v[4];
    std::uint32_t texture = 0;
    JENUM::BLEND_MODE blend = 1;
    int layer = 50;
    std::uint32_t color = 0xFFFFFFFFu;
};

struct ZEL3 {
    ZELVERTEX v[3];
    std::uint32_t texture = 0;
    JENUM::BLEND_MODE blend = 1;
    int layer = 50;
    std::uint32_t color = 0xFFFFFFFFu;
};

struct ZELCOLORRGBA {
    float r = 0, g = 0, b = 0, a = 0;
    ZELCOLORRGBA() = default;
    ZELCOLORRGBA(float r_, float g_, float b_, float a_) : r(r_), g(g_), b(b_), a(a_) {}
    explicit ZELCOLORRGBA(std::uint32_t argb)
        : r(((argb >> 16) & 0xFF) / 255.0f), g(((argb >> 8) & 0xFF) / 255.0f), b((argb & 0xFF) / 255.0f),
          a((argb >> 24) / 255.0f) {}
    ZELCOLORRGBA operator+(const ZELCOLORRGBA& o) const { return {r + o.r, g + o.g, b + o.b, a + o.a}; }
    ZELCOLORRGBA operator-(const ZELCOLORRGBA& o) const { return {r - o.r, g - o.g, b - o.b, a - o.a}; }
    ZELCOLORRGBA operator*(float k) const { return {r * k, g * k, b * k, a * k}; }
    bool ThisIsColor() const { return r > 0 || g > 0 || b > 0; }
    static std::uint32_t Channel(float v) {
        if (!(v > 0.0f)) return 0;
        if (v >= 1.0f) return 255;
        return static_cast<std::uint32_t>(v * 255.0f + 0.5f);
    }
    std::uint32_t ToARGB() const { return (Channel(a) << 24) | (Channel(r) << 16) | (Channel(g) << 8) | Channel(b); }
};

} // namespace ZEL
