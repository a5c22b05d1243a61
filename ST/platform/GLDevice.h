#pragma once
// The OpenGL 3.3 core device: a framebuffer object as the scene target, one dynamic vertex
// buffer, a small shader for the blend modes and point sprites. Main thread only.
#include "ST/platform/RenderDevice.h"

struct SDL_Window;

namespace ZEL {

class GLDevice : public RenderDevice {
public:
    // Uses the GL context current on this thread; `window` is swapped on Present (may be null).
    explicit GLDevice(SDL_Window* window);
    ~GLDevice() override;
    bool Ok() const { return ok; }

    bool Resize(int backW, int backH) override;
    unsigned CreateTexture(int w, int h) override;
    void UploadTexture(unsigned id, const std::uint32_t* pixels, int w, int h) override;
    void DeleteTexture(unsigned id) override;
    unsigned SceneTexture() const override { return sceneTex; }
    void BeginTarget(RenderTarget target, std::uint32_t clearArgb) override;
    void EndTarget() override {}
    void CopySceneToBackBuffer() override;
    void Present() override;
    void Draw(Primitive p, const DeviceVertex* v, int count, const DrawState& s) override;
    bool ReadPixels(RenderTarget target, std::vector<std::uint32_t>& out, int& w, int& h) override;
    float MaxAnisotropy() const override { return maxAniso; }

private:
    SDL_Window* window = nullptr;
    bool ok = false;
    int backW = 0, backH = 0;
    unsigned program = 0, vao = 0, vbo = 0;
    unsigned fbo = 0, sceneTex = 0;
    unsigned samplerSmooth = 0, samplerSharp = 0;
    int uSize = -1, uMode = -1, uTextured = -1, uPoints = -1, uFlip = -1, uPointSize = -1;
    float maxAniso = 1.0f;
    RenderTarget current = RenderTarget::BackBuffer;
};

} // namespace ZEL
