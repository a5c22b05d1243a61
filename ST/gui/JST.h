#pragma once
// The scene-object bases: every screen, widget, piece and effect is polled by its owner, which
// calls Update and Render once per frame in drawing order and reacts to Update's code.
#include "ST/core/JST_POINT.h"

namespace JST {

// Whole screens and systems.
class ST {
public:
    virtual int Update(int, float) = 0;
    virtual int Render(int) = 0;
    virtual ~ST() = default;
};

// Positioned objects.
class STO : public ST {
public:
    int Update(int, float) override { return 0; }
    int Render(int) override { return 0; }
    virtual int Message(int) { return 0; }
    virtual void SetSize(float sx, float sy) { scale = fPOINT(sx, sy); }

    fPOINT pos;
    float angle = 0.0f;
    fPOINT scale{1.0f, 1.0f};
};

// Short-lived effects that take no arguments.
class STE {
public:
    virtual int Update() { return 0; }
    virtual void Render() {}
    virtual ~STE() = default;

    fPOINT pos;
};

} // namespace JST
