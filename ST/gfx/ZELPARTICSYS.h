#pragma once
// The particle records the renderer draws as point sprites.
#include <cstdint>

namespace ZEL {

struct ZELPARTICLE {
    bool alive = true;
    float x = 0, y = 0, z = 0;
    std::uint32_t color = 0;
    float age = 0, lifetime = 0;
    float vx = 0, vy = 0, vz = 0;
    float drag = 0, maxSpeed = 0;
    float ax = 0, ay = 0, az = 0;
    float wobbleSinX = 0, wobbleSinY = 0, wobbleCosX = 0, wobbleCosY = 0;
    float wobbleFrequency = 0;
    ZELPARTICLE* next = nullptr;
};

struct ZELPARTICSYS {
    float scale = 0.15f;
    int size = 0;  // picture height; point size = size * scale
    float emissionRate = 0;
    int count = 0;
    int maxCount = 0;
    float interval = 0;
    float spread = 0;
    std::uint32_t texture = 0;
    ZELPARTICLE* particles = nullptr;  // newest first
    int blend = 5;
    std::uint32_t startColor = 0, middleColor = 0, endColor = 0;
    float emitterX = 0, emitterY = 0;
};

} // namespace ZEL
