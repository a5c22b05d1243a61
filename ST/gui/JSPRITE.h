#pragma once
// The one concrete drawable: a textured quad with position, rotation, scale, colour, blend mode
// and a hot spot. A sprite owns its texture (the renderer refuses to free the shared default).
#include "ST/gfx/ZELGFX.h"
#include "ST/gui/JST.h"

#include <cstdint>

class JSPRITE : public JST::STO {
public:
    JSPRITE(const char* name, int = 0);
    explicit JSPRITE(std::uint32_t texture);
    JSPRITE();
    ~JSPRITE() override;
    JSPRITE(const JSPRITE&) = delete;
    JSPRITE& operator=(const JSPRITE&) = delete;

    int Update(int, float) override { return 0; }
    int Render(int) override;
    int Message(int) override { return 0; }

    int Render(float x, float y);
    int Render(float x, float y, float angle);
    void RenderMe(float x, float y, float sx, float sy, float angle, int hx, int hy);

    void Release();
    void SetPos(int x, int y) { pos = JST::fPOINT(float(x), float(y)); }
    void SetPosF(float x, float y) { pos = JST::fPOINT(x, y); }
    void Move(int dx, int dy) { pos.x += float(dx); pos.y += float(dy); }
    void SetSizePix(int w, int h);
    void SetTexelCoord(float left, float top, float right, float bottom);
    void StreckenTexelz();
    void CompressTexture();
    void CalculateHotSpot(int hotSpotKind);
    void SetHotSpot(int x, int y) { hotSpot = JST::iPOINT(x, y); }
    void SetTexture(std::uint32_t texture) { quad.texture = texture; }
    std::uint32_t GetTexture() const { return quad.texture; }
    void SetBlendMode(int mode) { quad.blend = mode; }
    void SetColor(int argb) { quad.color = static_cast<std::uint32_t>(argb); }
    void SetColorU(std::uint32_t argb) { quad.color = argb; }
    int GetColor() const { return static_cast<int>(quad.color); }
    void SetLayer(int layer) { quad.layer = layer; }
    int GetMyTexWidth(int powerOfTwo) const { return powerOfTwo == 1 ? imageSize.x : textureSize.x; }
    int GetMyTexHeight(int powerOfTwo) const { return powerOfTwo == 1 ? imageSize.y : textureSize.y; }
    float HowFarPsnt(int x, int y) const;
    void RenderInfo();
    void ResizePix(int, int) {}

    // Quad width and height in quad pixels.
    float QuadWidth() const;
    float QuadHeight() const;

    ZEL::ZELGFX* gfx = nullptr;
    ZEL::ZEL4 quad{};
    JST::iPOINT hotSpot;
    JST::iPOINT imageSize;
    JST::iPOINT textureSize;

private:
    void InitQuad(std::uint32_t texture, float texRight, float texBottom);
};
