#pragma once
// A renderer on the recording device at a given back-buffer size, current for sprites.
#include "ST/gfx/ZELGFX.h"

#include <memory>

namespace gfxtest {

struct Recorder {
    explicit Recorder(int w = 1024, int h = 768) {
        auto dev = std::make_unique<ZEL::RecordingDevice>();
        device = dev.get();
        gfx.Init(std::move(dev), w, h);
        previous = ZEL::ZELGFX::Current();
        ZEL::ZELGFX::SetCurrent(&gfx);
    }
    ~Recorder() { ZEL::ZELGFX::SetCurrent(previous); }
    // Bounding box of the last draw, in back-buffer pixels.
    struct Box { float x0, y0, x1, y1; };
    Box LastBox() const {
        const auto& v = device->calls.back().vertices;
        Box b{v[0].x, v[0].y, v[0].x, v[0].y};
        for (const auto& p : v) {
            b.x0 = std::min(b.x0, p.x); b.y0 = std::min(b.y0, p.y);
            b.x1 = std::max(b.x1, p.x); b.y1 = std::max(b.y1, p.y);
        }
        return b;
    }
    ZEL::ZELGFX gfx;
    ZEL::RecordingDevice* device = nullptr;
    ZEL::ZELGFX* previous = nullptr;
};

} // namespace gfxtest
