#include "ST/gui/JSPRITE.h"

#include "ST/core/Diag.h"
#include "ST/core/iFile.h"

#include <cmath>

namespace {
ZEL::ZELGFX* Renderer() { return ZEL::ZELGFX::Current(); }
} // namespace

void JSPRITE::InitQuad(std::uint32_t texture, float texRight, float texBottom) {
    const float w = static_cast<float>(imageSize.x), h = static_cast<float>(imageSize.y);
    quad.v[0] = {0.0f, 0.0f, 0.0f, 0.0f};
    quad.v[1] = {0.0f, h, 0.0f, texBottom};
    quad.v[2] = {w, h, texRight, texBottom};
    quad.v[3] = {w, 0.0f, texRight, 0.0f};
    quad.texture = texture;
    quad.blend = 1;
    quad.layer = 50;
    quad.color = 0xFFFFFFFFu;
    hotSpot = JST::iPOINT(imageSize.x / 2, imageSize.y / 2);
    pos = JST::fPOINT(0.0f, 0.0f);
    angle = 0.0f;
    scale = JST::fPOINT(1.0f, 1.0f);
}

JSPRITE::JSPRITE(const char* name, int) : gfx(Renderer()) {
    std::uint32_t tex = 0;
    if (gfx) {
        const char* pack = ZEL::ifile.ZipGetCurrentPack();
        if (pack && *pack) tex = gfx->TextureLoadZip(pack, name ? name : "", ZEL::ifile.ZipGetCurrentPass());
        else tex = gfx->TextureLoad(name ? name : "");
        imageSize = textureSize = gfx->lastTexSize;
    }
    InitQuad(tex, 1.0f, 1.0f);
}

JSPRITE::JSPRITE(std::uint32_t texture) : gfx(Renderer()) {
    if (gfx) imageSize = textureSize = gfx->lastTexSize;
    InitQuad(texture, 0.99f, 0.99f);
}

JSPRITE::JSPRITE() : gfx(Renderer()) {
    ZEL::Diag("FAKE_____FAKE");
    InitQuad(0, 1.0f, 1.0f);
}

JSPRITE::~JSPRITE() { Release(); }

void JSPRITE::Release() {
    if (gfx && quad.texture) gfx->TextureFree(quad.texture);
    quad.texture = 0;
}

float JSPRITE::QuadWidth() const { return quad.v[3].x - quad.v[0].x; }
float JSPRITE::QuadHeight() const { return quad.v[1].y - quad.v[0].y; }

int JSPRITE::Render(int) {
    RenderMe(pos.x, pos.y, scale.x, scale.y, angle, hotSpot.x, hotSpot.y);
    return 0;
}

int JSPRITE::Render(float x, float y) {
    RenderMe(x, y, scale.x, scale.y, angle, hotSpot.x, hotSpot.y);
    return 0;
}

int JSPRITE::Render(float x, float y, float a) {
    RenderMe(x, y, scale.x, scale.y, a, hotSpot.x, hotSpot.y);
    return 1;
}

void JSPRITE::RenderMe(float x, float y, float sx, float sy, float a, int hx, int hy) {
    if (gfx) gfx->RenderZEL4(&quad, x, y, sx, sy, a, hx, hy);
}

void JSPRITE::SetSizePix(int w, int h) {
    const float right = quad.v[0].x + static_cast<float>(w);
    const float bottom = quad.v[0].y + static_cast<float>(h);
    quad.v[2].x = quad.v[3].x = right;
    quad.v[1].y = quad.v[2].y = bottom;
}

void JSPRITE::SetTexelCoord(float left, float top, float right, float bottom) {
    quad.v[0].u = left;  quad.v[0].v = top;
    quad.v[1].u = left;  quad.v[1].v = bottom;
    quad.v[2].u = right; quad.v[2].v = bottom;
    quad.v[3].u = right; quad.v[3].v = top;
}

void JSPRITE::StreckenTexelz() {
    const float iw = imageSize.x > 0 ? static_cast<float>(imageSize.x) : 1.0f;
    const float ih = imageSize.y > 0 ? static_cast<float>(imageSize.y) : 1.0f;
    SetTexelCoord(0.0f, 0.0f, QuadWidth() / iw, QuadHeight() / ih);
}

void JSPRITE::CompressTexture() {
    for (auto& c : quad.v) {
        for (float* t : {&c.u, &c.v}) {
            if (*t == 0.0f) *t = 0.005f;
            else if (*t == 1.0f) *t = 0.995f;
        }
    }
}

void JSPRITE::CalculateHotSpot(int kind) {
    const int W = static_cast<int>(std::lround(QuadWidth()));
    const int H = static_cast<int>(std::lround(QuadHeight()));
    const int right = static_cast<int>(std::lround(quad.v[3].x));
    const int bottom = static_cast<int>(std::lround(quad.v[1].y));
    switch (kind) {
    case 0: hotSpot = JST::iPOINT(W / 2, H / 2); break;
    case 1: hotSpot = JST::iPOINT(0, 0); break;
    case 2: hotSpot = JST::iPOINT(W, 0); break;
    case 3: hotSpot = JST::iPOINT(0, bottom); break;
    case 4: hotSpot = JST::iPOINT(right, bottom); break;
    case 5: hotSpot = JST::iPOINT(W / 2, 0); break;
    case 7: hotSpot = JST::iPOINT(0, H / 2); break;
    case 8: hotSpot = JST::iPOINT(right, H / 2); break;
    default: break;  // 6 and unknown values keep the hot spot
    }
}

float JSPRITE::HowFarPsnt(int x, int y) const {
    const float dx = static_cast<float>(x) - pos.x, dy = static_cast<float>(y) - pos.y;
    const float h = imageSize.y != 0 ? static_cast<float>(imageSize.y) : 1.0f;
    return std::sqrt(dx * dx + dy * dy) / h;
}

void JSPRITE::RenderInfo() {
    if (!gfx) return;
    const float x0 = pos.x - hotSpot.x * scale.x, y0 = pos.y - hotSpot.y * scale.y;
    gfx->RenderLine(x0, y0, x0 + QuadWidth() * scale.x, y0 + QuadHeight() * scale.y, 0xFF000000u);
}
