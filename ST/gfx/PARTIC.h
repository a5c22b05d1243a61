#pragma once
// Point-sprite particle emitters: the spark trail behind the mouse, click bursts, the glitter of
// a join. Owners pick a preset with SetType and then change single fields directly.
#include "ST/gfx/ZELGFX.h"
#include "ST/gui/JST.h"

#include <cstdint>

namespace ZEL {

using JPENUM = int;

class PARTIC : public JST::ST {
public:
    using PARTICLE = ZELPARTICLE;

    PARTIC(const char* picture, int imageType, int maxCount);
    ~PARTIC() override;
    PARTIC(const PARTIC&) = delete;
    PARTIC& operator=(const PARTIC&) = delete;

    int Update(int, float) override;
    int Render(int) override;
    virtual void Shoot(int n);
    virtual void ShootAt(int n, int x, int y);
    virtual void Emission();

    void SetType(JPENUM type);
    void SetEmission(float rate);
    void Feuer();
    void Stoppen() { emitting = false; }
    void SetPos(float x, float y) { system.emitterX = x; system.emitterY = y; }

    // One update with an explicit frame time (Update reads the game's).
    void Step(float dt);

    float emissionTimer = 0.0f;
    ZELCOLORRGBA cStart, cMiddle, cEnd;
    int burstCount = 0;
    bool emitting = false;
    PARTICLE prototype;
    ZELPARTICSYS system;

protected:
    // One new particle at (x, y), its random draws in the fixed order.
    void Spawn(float x, float y);
    void Clear();
    bool EmissionDue() const;
};

class PARTIC_CIRCLE : public PARTIC {
public:
    PARTIC_CIRCLE(const char* picture, int imageType, int maxCount) : PARTIC(picture, imageType, maxCount) {}
    void Shoot(int) override {}
    void ShootAt(int n, int x, int y) override;
    void Emission() override;
    void SetZone(int x, int y, int radius) { zoneX = x; zoneY = y; zoneRadius = radius; }

    int zoneX = 0, zoneY = 0, zoneRadius = 0;

private:
    void SpawnInDisc(float cx, float cy);
};

} // namespace ZEL
