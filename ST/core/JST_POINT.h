#pragma once

namespace JST {

struct iPOINT {
    int x = 0;
    int y = 0;
    constexpr iPOINT() = default;
    constexpr iPOINT(int x_, int y_) : x(x_), y(y_) {}
    constexpr iPOINT operator+(const iPOINT& o) const { return {x + o.x, y + o.y}; }
    constexpr iPOINT operator-(const iPOINT& o) const { return {x - o.x, y - o.y}; }
    constexpr bool operator==(const iPOINT&) const = default;
};

struct iPOINT3 {
    int x = 0;
    int y = 0;
    int z = 0;
    constexpr bool operator==(const iPOINT3&) const = default;
};

struct fPOINT {
    float x = 0.0f;
    float y = 0.0f;
    constexpr fPOINT() = default;
    constexpr fPOINT(float x_, float y_) : x(x_), y(y_) {}
    constexpr fPOINT operator+(const fPOINT& o) const { return {x + o.x, y + o.y}; }
    constexpr fPOINT operator-(const fPOINT& o) const { return {x - o.x, y - o.y}; }
    constexpr fPOINT operator*(float k) const { return {x * k, y * k}; }
    constexpr fPOINT operator/(float k) const { return {x / k, y / k}; }
    fPOINT& operator+=(const fPOINT& o) { x += o.x; y += o.y; return *this; }
    fPOINT& operator-=(const fPOINT& o) { x -= o.x; y -= o.y; return *this; }
    fPOINT& operator*=(float k) { x *= k; y *= k; return *this; }
    constexpr bool operator==(const fPOINT&) const = default;
};

} // namespace JST
