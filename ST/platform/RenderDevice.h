#pragma once
// What the renderer needs from a graphics device. Positions arrive in back-buffer pixels
// (y downward); textures are the device's own ids. Two implementations: OpenGL, and a
// recording device that keeps every draw for tests.
#include <cstdint>
#include <vector>

namespace ZEL {

struct DeviceVertex {
    float x = 0, y = 0, z = 0;
    std::uint32_t color = 0xFFFFFFFFu;  // ARGB
    float u = 0, v = 0;
};

enum class RenderTarget { Scene, BackBuffer };
enum class Primitive { Triangles, Lines, Points };

struct DrawState {
    unsigned texture = 0;  // 0: untextured
    int blend = 1;
    bool smooth = false;   // linear/anisotropic filtering, else point sampling
    float pointSize = 1;   // back-buffer pixels, for points
};

class RenderDevice {
public:
    virtual ~RenderDevice() = default;
    // (Re)creates the scene target at the back-buffer size.
    virtual bool Resize(int backW, int backH) = 0;
    virtual unsigned CreateTexture(int w, int h) = 0;
    // Pixels as 32-bit words 0xAARRGGBB (bytes B, G, R, A), rows top to bottom.
    virtual void UploadTexture(unsigned id, const std::uint32_t* pixels, int w, int h) = 0;
    virtual void DeleteTexture(unsigned id) = 0;
    // The scene target as a texture, sampled with (0, 0) at its top-left.
    virtual unsigned SceneTexture() const = 0;
    virtual void BeginTarget(RenderTarget target, std::uint32_t clearArgb) = 0;
    // The finished scene onto the whole back buffer, pixel for pixel.
    virtual void CopySceneToBackBuffer() = 0;
    virtual void EndTarget() = 0;
    virtual void Present() = 0;
    virtual void Draw(Primitive p, const DeviceVertex* v, int count, const DrawState& s) = 0;
    // The target's pixels, rows top to bottom, as 0xAARRGGBB.
    virtual bool ReadPixels(RenderTarget target, std::vector<std::uint32_t>& out, int& w, int& h) = 0;
    virtual float MaxAnisotropy() const { return 1.0f; }
};

// Keeps every draw; nothing is drawn.
class RecordingDevice : public RenderDevice {
public:
    struct Call {
        Primitive primitive;
        RenderTarget target;
        std::vector<DeviceVertex> vertices;
        DrawState state;
    };
    struct Event {
        enum Kind { Begin, End, Present, CopyScene } kind;
        RenderTarget target;
        std::uint32_t clear;
    };

    bool Resize(int w, int h) override { backW = w; backH = h; return true; }
    unsigned CreateTexture(int, int) override { return ++nextId; }
    void UploadTexture(unsigned id, const std::uint32_t*, int, int) override { uploads.push_back(id); }
    void DeleteTexture(unsigned id) override { deleted.push_back(id); }
    unsigned SceneTexture() const override { return 0x7FFFFFFFu; }
    void BeginTarget(RenderTarget t, std::uint32_t clear) override { current = t; events.push_back({Event::Begin, t, clear}); }
    void EndTarget() override { events.push_back({Event::End, current, 0}); }
    void CopySceneToBackBuffer() override { events.push_back({Event::CopyScene, current, 0}); }
    void Present() override { events.push_back({Event::Present, current, 0}); ++presents; }
    void Draw(Primitive p, const DeviceVertex* v, int n, const DrawState& s) override {
        calls.push_back({p, current, std::vector<DeviceVertex>(v, v + n), s});
    }
    bool ReadPixels(RenderTarget, std::vector<std::uint32_t>&, int&, int&) override { return false; }

    std::vector<Call> calls;
    std::vector<Event> events;
    std::vector<unsigned> uploads, deleted;
    int presents = 0;
    int backW = 0, backH = 0;

private:
    unsigned nextId = 0;
    RenderTarget current = RenderTarget::BackBuffer;
};

} // namespace ZEL
