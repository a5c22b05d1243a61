#include "ST/gfx/PARTIC.h"

#include "ST/core/Diag.h"
#include "ST/core/ST_GAME.h"
#include "ST/core/iFile.h"

#include <cmath>
#include <limits>

namespace ZEL {

namespace {

struct Preset {
    float scale, spread, lifetime, vx, vy, ax, ay;
    std::uint32_t start, middle, end;
    float wobble, frequency, emission;  // emission below 0: left as it is
};

constexpr Preset kPresets[4] = {
    {0.15f, 2.5132742f, 3.5f, 3, 8, 6, 10, 0x00FF2400u, 0xFFFF2400u, 0x0003C03Cu, 1.0f, 10, 15},
    {0.5f, 1.5707964f, 4.0f, 0, 5, 0, -8, 0xFFFF2400u, 0xFFFF2400u, 0xFFFF2400u, 1.0f, 10, 100},
    {0.12f, 6.2831855f, 1.8f, 15, 0, 0, 0, 0x00FF2400u, 0xFFCFB53Bu, 0x00CCFF00u, 2.0f, 20, -1},
    {0.3f, 0.0f, 5.0f, 0, 5, 0, 15, 0xFF003399u, 0x006077A6u, 0xFFFFFFFFu, 0.0f, 10, 1.0f},
};

ST_RANDOM& Rng() { return GetGame()->GetRandom(); }

} // namespace

PARTIC::PARTIC(const char* picture, int, int maxCount) {
    ZELGFX* gfx = GetGame()->GetGfx();
    const char* pack = ifile.ZipGetCurrentPack();
    const char* name = picture ? picture : "";
    system.texture = (pack && *pack) ? gfx->TextureLoadZip(pack, name, ifile.ZipGetCurrentPass())
                                     : gfx->TextureLoad(name);
    system.size = gfx->lastTexSize.y;
    system.scale = 0.15f;
    system.maxCount = maxCount;
    SetType(3);
}

PARTIC::~PARTIC() {
    Diag("~PARTIC");
    GetGame()->GetGfx()->TextureFree(system.texture);
    Clear();
    Diag("~PARTIC OK!");
}

void PARTIC::Clear() {
    while (system.particles) {
        PARTICLE* n = system.particles->next;
        delete system.particles;
        system.particles = n;
    }
    system.count = 0;
}

void PARTIC::SetType(JPENUM type) {
    const JST::iPOINT middle = GetGame()->middle;
    system.emitterX = static_cast<float>(middle.x);
    system.emitterY = static_cast<float>(middle.y);
    Clear();
    prototype = PARTICLE{};
    prototype.alive = true;
    burstCount = 0;
    system.blend = 5;
    prototype.x = system.emitterX;
    prototype.y = system.emitterY;
    emitting = false;
    if (type < 0 || type > 3) return;
    if (type == 1) SetType(3);
    const Preset& p = kPresets[type];
    system.scale = p.scale;
    system.spread = p.spread;
    prototype.lifetime = p.lifetime;
    prototype.vx = p.vx;
    prototype.vy = p.vy;
    prototype.ax = p.ax;
    prototype.ay = p.ay;
    prototype.maxSpeed = 100.0f;
    system.startColor = p.start;
    system.middleColor = p.middle;
    system.endColor = p.end;
    prototype.color = p.start;
    prototype.wobbleSinX = prototype.wobbleSinY = prototype.wobbleCosX = prototype.wobbleCosY = p.wobble;
    prototype.wobbleFrequency = p.frequency;
    if (p.emission >= 0.0f) SetEmission(p.emission);
}

void PARTIC::SetEmission(float rate) {
    system.emissionRate = rate;
    system.interval = rate != 0.0f ? 1.0f / rate : std::numeric_limits<float>::infinity();
    emissionTimer = 0.0f;
}

void PARTIC::Spawn(float x, float y) {
    ST_RANDOM& rng = Rng();
    auto* q = new PARTICLE(prototype);
    q->x = x;
    q->y = y;
    // Turn by +spread/2, then back by a random angle in [0, spread].
    const float spread = system.spread;
    auto turn = [q](float a) {
        const float c = std::cos(a), s = std::sin(a);
        const float vx = q->vx * c - q->vy * s, vy = q->vy * c + q->vx * s;
        q->vx = vx;
        q->vy = vy;
    };
    turn(spread / 2.0f);
    turn(-rng.GetRandomF(0.0f, spread, 0));
    q->wobbleSinX = rng.GetRandomF(0.0f, prototype.wobbleSinX, 0);
    q->wobbleSinY = rng.GetRandomF(0.0f, prototype.wobbleSinY, 0);
    q->wobbleCosX = rng.GetRandomF(0.0f, prototype.wobbleCosX, 0);
    q->wobbleCosY = rng.GetRandomF(0.0f, prototype.wobbleCosY, 0);
    q->lifetime = rng.GetRandomF(prototype.lifetime / 2.0f, prototype.lifetime, 0);
    q->next = system.particles;
    system.particles = q;
    ++system.count;
}

void PARTIC::Feuer() {
    for (int i = 0; i < burstCount; ++i) Spawn(prototype.x, prototype.y);
    emitting = true;
}

void PARTIC::Shoot(int n) {
    ShootAt(n, static_cast<int>(std::lround(prototype.x)), static_cast<int>(std::lround(prototype.y)));
}

void PARTIC::ShootAt(int n, int x, int y) {
    for (int i = 0; i < n; ++i) Spawn(static_cast<float>(x), static_cast<float>(y));
}

bool PARTIC::EmissionDue() const {
    return emitting && emissionTimer >= system.interval && system.count < system.maxCount;
}

void PARTIC::Emission() {
    if (!EmissionDue()) return;
    Spawn(system.emitterX, system.emitterY);
    emissionTimer = 0.0f;
}

int PARTIC::Update(int, float) {
    Step(GetGame()->GetDt());
    return 0;
}

void PARTIC::Step(float dt) {
    emissionTimer += dt;
    Emission();
    for (PARTICLE** link = &system.particles; *link;) {
        if (!(*link)->alive) {
            PARTICLE* dead = *link;
            *link = dead->next;
            delete dead;
            --system.count;
        } else {
            link = &(*link)->next;
        }
    }
    const ZELCOLORRGBA s(system.startColor), m(system.middleColor), e(system.endColor);
    for (PARTICLE* q = system.particles; q; q = q->next) {
        if (!q->alive) continue;
        if (q->age > q->lifetime) q->alive = false;
        q->age += dt;
        const float h = q->lifetime / 2.0f;
        const ZELCOLORRGBA c = q->age < h ? s + (m - s) * (q->age / h) : m + (e - m) * (q->age / h - 1.0f);
        q->color = c.ToARGB();
        const float w = q->age * q->wobbleFrequency;
        q->vx += std::sin(w) * dt * q->wobbleSinX;
        q->vy += std::sin(w) * dt * q->wobbleSinY;
        q->vx += std::cos(w) * dt * q->wobbleCosX;
        q->vy += std::cos(w) * dt * q->wobbleCosY;
        q->vx += q->ax * dt;
        q->vy += q->ay * dt;
        q->vz += q->az * dt;
        q->vx -= q->drag * dt;
        q->vy -= q->drag * dt;
        q->vz -= q->drag * dt;
        if (q->vx > q->maxSpeed) q->vx = q->maxSpeed;
        if (q->vy > q->maxSpeed) q->vy = q->maxSpeed;
        if (q->vz > q->maxSpeed) q->vz = q->maxSpeed;
        q->x += q->vx * dt;
        q->y += q->vy * dt;
        q->z += q->vz * dt;
    }
}

int PARTIC::Render(int) {
    GetGame()->GetGfx()->RenderJPARTIC(&system);
    return 0;
}

void PARTIC_CIRCLE::SpawnInDisc(float cx, float cy) {
    ST_RANDOM& rng = Rng();
    const int r = rng.GetRandomI(0, zoneRadius, 0);
    const float phi = rng.GetRandomF(0.0f, 6.2831855f, 0);
    Spawn(cx + static_cast<float>(r) * std::cos(phi), cy + static_cast<float>(r) * std::sin(phi));
}

void PARTIC_CIRCLE::ShootAt(int n, int x, int y) {
    for (int i = 0; i < n; ++i) SpawnInDisc(static_cast<float>(x), static_cast<float>(y));
}

void PARTIC_CIRCLE::Emission() {
    if (!EmissionDue()) return;
    SpawnInDisc(static_cast<float>(zoneX), static_cast<float>(zoneY));
    emissionTimer = 0.0f;
}

} // namespace ZEL
