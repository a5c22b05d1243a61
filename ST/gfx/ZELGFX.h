#pragma once
// The renderer: textures from files and packs, painted textures, quads in six blend modes,
// lines, boxes and point sprites, the design resolution scaled into the back buffer with
// centred borders, and the four-state frame cycle on an off-screen scene target.
#include "ST/core/JST_POINT.h"
#include "ST/gfx/ZELPARTICSYS.h"
#include "ST/gfx/ZELRecords.h"
#include "ST/platform/RenderDevice.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace ZEL {

class ZELGFX {
public:
    ZELGFX();
    ~ZELGFX();
    ZELGFX(const ZELGFX&) = delete;
    ZELGFX& operator=(const ZELGFX&) = delete;

    // The renderer sprites and fonts draw with (the game object's; tests may set their own).
    static ZELGFX* Current();
    static void SetCurrent(ZELGFX* gfx);

    // 0, or -2 when there is no device.
    int Init(std::unique_ptr<RenderDevice> device, int backW, int backH);
    RenderDevice* Device() const { return device.get(); }

    // Frame cycle (0 idle, 1 frame open, 2 frame closed, 3 post frame open).
    int BeginFrame();
    int EndFrame();
    int BeginPostFrame();
    int EndPostFrame();
    int FrameState() const { return frameState; }

    void SetQuality(int q) { if (q == 0 || q == 1) quality = q; }
    void ChangeVideoMode(int w, int h, bool full);
    void SetAdaptScreen(int designW, int designH);
    void ResetDevice();
    void fGetAvailableResolution(std::vector<JST::iPOINT>& list);
    void SetDefaultView();
    void SetAnisotropic(bool on);
    bool Anisotropic() const { return smooth; }
    int GetBackWidth() const { return designWidth ? designWidth : backW; }
    int GetBackHeight() const { return designHeight ? designHeight : backH; }
    int BufferWidth() const { return backW; }
    int BufferHeight() const { return backH; }
    void SetClearColor(std::uint32_t argb) { clearColor = argb; }

    // Textures: handles are never 0 for a picture; failed loads give the default texture.
    std::uint32_t TextureLoad(const char* path);
    std::uint32_t TextureLoadZip(const char* pack, const char* name, const char* pass);
    std::uint32_t TextureFromMemory(const void* bytes, std::size_t size, const char* what);
    std::uint32_t TextureCreate(int w, int h);
    void* TextureLock(std::uint32_t tex);
    int TextureUnlock(std::uint32_t tex);
    int TextureFree(std::uint32_t tex);
    int GetTextureW(std::uint32_t tex) const;
    int GetTextureH(std::uint32_t tex) const;
    JST::iPOINT GetTextureWH(std::uint32_t tex) const;
    std::uint32_t GetScreen() const { return screenTexture; }
    std::uint32_t DefaultTexture() const { return defaultTexture; }
    // A design point as texture coordinates of the screen texture.
    JST::fPOINT DesignToScreenUV(float x, float y) const;

    // Drawing.
    void RenderZEL4(ZEL4* q, float x, float y, float sx, float sy, float angle, int cx, int cy);
    void RenderZEL4(ZEL4* q);
    void RenderZEL3(ZEL3* t, float x, float y, float sx, float sy, float angle, int cx, int cy);
    void RenderZEL3(ZEL3* t);
    void RenderLine(float x1, float y1, float x2, float y2, std::uint32_t argb);
    void RenderBox(float x1, float y1, float x2, float y2, std::uint32_t lineArgb, std::uint32_t fillArgb);
    void RenderPoint(float x, float y, std::uint32_t argb, float size);
    void RenderJPARTIC(ZELPARTICSYS* sys);
    int SetBlendMode(JENUM::BLEND_MODE mode);
    JENUM::BLEND_MODE GetBlendMode() const { return blendMode; }

    // A design point in back-buffer pixels.
    JST::fPOINT ToBuffer(float x, float y) const { return {viewShift.x + k * x, viewShift.y + k * y}; }

    std::uint32_t lastTexture = 0;
    JST::iPOINT lastTexSize{0, 0};
    std::uint32_t clearColor = 0xFF000000u;
    float frameClock = 0.0f;
    int designWidth = 0, designHeight = 0;
    int shiftX = 0, shiftY = 0;
    float percentCompressionX = 1.0f, percentCompressionY = 1.0f;
    int widthNew = 0, heightNew = 0;
    int modeWidth = 0, modeHeight = 0;
    bool modeFull = false;

private:
    struct Texture {
        int w = 0, h = 0;
        std::vector<std::uint32_t> pixels;
        unsigned device = 0;
        bool dirty = true;
    };
    std::uint32_t Store(int w, int h, std::vector<std::uint32_t> pixels);
    unsigned DeviceTexture(std::uint32_t tex);
    void FlushDeletes();
    void DrawAsIs(const ZELVERTEX* v, int n, std::uint32_t tex, int blend, int layer, std::uint32_t color);
    void DrawTransformed(const ZELVERTEX* v, int n, std::uint32_t tex, int blend, int layer, std::uint32_t color,
                         float x, float y, float sx, float sy, float angle, int cx, int cy, float w, float h);

    std::unique_ptr<RenderDevice> device;
    int backW = 0, backH = 0;
    int quality = 0;
    float k = 1.0f;  // the view in force: design-to-buffer scale and border
    JST::fPOINT viewShift;
    bool smooth = false;
    int blendMode = 8;
    int frameState = 0;
    std::uint32_t defaultTexture = 0;
    std::uint32_t screenTexture = 0;
    std::uint32_t nextHandle = 0;
    mutable std::recursive_mutex storeMutex;
    std::unordered_map<std::uint32_t, Texture> textures;
    std::vector<unsigned> pendingDeletes;
    std::string lastAdaptLine;
};

} // namespace ZEL
