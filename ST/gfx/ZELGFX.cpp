#include "ST/gfx/ZELGFX.h"

#include "ST/core/Diag.h"
#include "ST/core/iFile.h"
#include "ST/platform/Display.h"
#include "ST/platform/ImageCodec.h"

#include <algorithm>
#include <cmath>

namespace ZEL {

namespace {
ZELGFX* gCurrent = nullptr;
constexpr int kPointBatch = 500;
} // namespace

ZELGFX* ZELGFX::Current() { return gCurrent; }
void ZELGFX::SetCurrent(ZELGFX* gfx) { gCurrent = gfx; }

ZELGFX::ZELGFX() {
    Diag("Grafix init... ");
    defaultTexture = Store(8, 8, std::vector<std::uint32_t>(64, 0xFFFFFFFFu));
    screenTexture = ++nextHandle;
    if (!gCurrent) gCurrent = this;
}

ZELGFX::~ZELGFX() {
    if (device) {
        for (auto& [handle, t] : textures)
            if (t.device) device->DeleteTexture(t.device);
    }
    if (gCurrent == this) gCurrent = nullptr;
}

int ZELGFX::Init(std::unique_ptr<RenderDevice> dev, int w, int h) {
    if (!dev) return -2;
    device = std::move(dev);
    backW = w;
    backH = h;
    modeWidth = w;
    modeHeight = h;
    if (!device->Resize(w, h)) {
        Diag("!!!PipeC!!!");
    }
    SetDefaultView();
    frameState = 0;
    Diag("Grafix ok");
    return 0;
}

// ---- textures ----

std::uint32_t ZELGFX::Store(int w, int h, std::vector<std::uint32_t> pixels) {
    std::lock_guard<std::recursive_mutex> lock(storeMutex);
    const std::uint32_t handle = ++nextHandle;
    Texture& t = textures[handle];
    t.w = w;
    t.h = h;
    t.pixels = std::move(pixels);
    t.dirty = true;
    lastTexture = handle;
    lastTexSize = JST::iPOINT(w, h);
    return handle;
}

std::uint32_t ZELGFX::TextureFromMemory(const void* bytes, std::size_t size, const char* what) {
    int w = 0, h = 0;
    std::vector<std::uint32_t> px;
    std::string err;
    if (!DecodeImage(bytes, size, w, h, px, &err)) {
        Diag(std::string("Zip textue not load 2 ") + (what ? what : "") + " (" + err + ")");
        return defaultTexture;
    }
    return Store(w, h, std::move(px));
}

std::uint32_t ZELGFX::TextureLoad(const char* path) {
    int w = 0, h = 0;
    std::vector<std::uint32_t> px;
    if (!DecodeImageFile(path, w, h, px)) {
        Diag(std::string("\n\nTextue not load ") + (path ? path : ""));
        return defaultTexture;
    }
    return Store(w, h, std::move(px));
}

std::uint32_t ZELGFX::TextureLoadZip(const char* pack, const char* name, const char* pass) {
    const std::string p = pack ? pack : "", n = name ? name : "", w = pass ? pass : "";
    if (ifile.ZipOpen(p.c_str()) != 1) {
        Diag("Zip open failed zip " + p + " ! name " + n + " ! pas " + w);
        Diag("Zip textue not load 1 " + n);
        return defaultTexture;
    }
    if (ifile.ZipFindFile(n.c_str()) != 1) {
        Diag("\n\n\nZip find fail " + p + " " + n + " " + w);
        ifile.ZipCloze();
        Diag("Zip textue not load 3 " + n);
        return defaultTexture;
    }
    if (ifile.ZipReadFile(w.c_str()) != 1) {
        ifile.ZipCloze();
        Diag("Zip textue not load 2 " + n);
        return defaultTexture;
    }
    const std::uint32_t tex = TextureFromMemory(ifile.GetData(), ifile.GetDataSize(), n.c_str());
    ifile.ZipClearData();
    ifile.ZipCloze();
    return tex;
}

std::uint32_t ZELGFX::TextureCreate(int w, int h) {
    if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > (64ll << 20)) return 0;
    return Store(w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, 0u));
}

void* ZELGFX::TextureLock(std::uint32_t tex) {
    std::lock_guard<std::recursive_mutex> lock(storeMutex);
    // The default texture is shared by every failed load: painting it would paint them all.
    if (tex == defaultTexture) return nullptr;
    auto it = textures.find(tex);
    if (it == textures.end()) return nullptr;
    lastTexSize = JST::iPOINT(it->second.w, it->second.h);
    it->second.dirty = true;
    return it->second.pixels.data();
}

int ZELGFX::TextureUnlock(std::uint32_t tex) {
    std::lock_guard<std::recursive_mutex> lock(storeMutex);
    auto it = textures.find(tex);
    if (it == textures.end()) return -1;
    it->second.dirty = true;
    return 0;
}

int ZELGFX::TextureFree(std::uint32_t tex) {
    std::lock_guard<std::recursive_mutex> lock(storeMutex);
    if (tex == defaultTexture || tex == screenTexture) return -1;
    auto it = textures.find(tex);
    if (it == textures.end()) return -1;
    if (it->second.device) pendingDeletes.push_back(it->second.device);
    textures.erase(it);
    return 0;
}

void ZELGFX::FlushDeletes() {
    std::vector<unsigned> del;
    {
        std::lock_guard<std::recursive_mutex> lock(storeMutex);
        del.swap(pendingDeletes);
    }
    if (device)
        for (unsigned d : del) device->DeleteTexture(d);
}

int ZELGFX::GetTextureW(std::uint32_t tex) const { return GetTextureWH(tex).x; }
int ZELGFX::GetTextureH(std::uint32_t tex) const { return GetTextureWH(tex).y; }

JST::iPOINT ZELGFX::GetTextureWH(std::uint32_t tex) const {
    std::lock_guard<std::recursive_mutex> lock(storeMutex);
    if (tex == screenTexture) return {backW, backH};
    auto it = textures.find(tex);
    if (it == textures.end()) return {-1, -1};
    return {it->second.w, it->second.h};
}

unsigned ZELGFX::DeviceTexture(std::uint32_t tex) {
    if (!device || tex == 0) return 0;
    if (tex == screenTexture) return device->SceneTexture();
    std::lock_guard<std::recursive_mutex> lock(storeMutex);
    auto it = textures.find(tex);
    if (it == textures.end()) return 0;
    Texture& t = it->second;
    if (t.dirty) {
        if (!t.device) t.device = device->CreateTexture(t.w, t.h);
        device->UploadTexture(t.device, t.pixels.data(), t.w, t.h);
        t.dirty = false;
    }
    return t.device;
}

JST::fPOINT ZELGFX::DesignToScreenUV(float x, float y) const {
    const JST::fPOINT b{static_cast<float>(shiftX) + percentCompressionX * x,
                        static_cast<float>(shiftY) + percentCompressionY * y};
    return {backW ? b.x / backW : 0.0f, backH ? b.y / backH : 0.0f};
}

// ---- frames ----

int ZELGFX::BeginFrame() {
    frameClock += 0.013f;
    if (frameState != 0 || !device) return -1;
    FlushDeletes();
    device->BeginTarget(RenderTarget::Scene, clearColor);
    frameState = 1;
    return 0;
}

int ZELGFX::EndFrame() {
    if (frameState != 1) return -1;
    device->EndTarget();
    frameState = 2;
    return 0;
}

int ZELGFX::BeginPostFrame() {
    if (frameState != 2) return -1;
    device->BeginTarget(RenderTarget::BackBuffer, clearColor);
    frameState = 3;
    SetDefaultView();
    device->CopySceneToBackBuffer();
    SetBlendMode(1);
    if (designWidth && designHeight) SetAdaptScreen(designWidth, designHeight);
    return 0;
}

int ZELGFX::EndPostFrame() {
    if (frameState != 3) return -1;
    device->EndTarget();
    device->Present();
    frameState = 0;
    return 0;
}

// ---- set-up ----

void ZELGFX::SetDefaultView() { k = 1.0f; viewShift = JST::fPOINT(0, 0); }

void ZELGFX::SetAdaptScreen(int w, int h) {
    if (w <= 0 || h <= 0) return;
    designWidth = w;
    designHeight = h;
    const float kx = static_cast<float>(backW - w) / w + 1.0f;
    const float ky = static_cast<float>(backH - h) / h + 1.0f;
    float kk = 1.0f;
    if (kx != 1.0f || ky != 1.0f) kk = std::min(kx, ky);
    percentCompressionX = percentCompressionY = kk;
    widthNew = static_cast<int>(std::lround(kk * w));
    heightNew = static_cast<int>(std::lround(kk * h));
    shiftX = (backW - widthNew) / 2;
    shiftY = (backH - heightNew) / 2;
    SetDefaultView();
    k = kk;
    viewShift = JST::fPOINT(static_cast<float>(shiftX), static_cast<float>(shiftY));
    // Every post frame re-applies the view; say so only when it changes.
    const std::string line = "shiftWidth " + std::to_string(shiftX) + " shiftHeight " + std::to_string(shiftY) +
                             " widthNew " + std::to_string(widthNew) + " heightNew " + std::to_string(heightNew) +
                             " percentCompressionX " + std::to_string(percentCompressionX) +
                             " percentCompressionY " + std::to_string(percentCompressionY);
    if (line != lastAdaptLine) Diag(line);
    lastAdaptLine = line;
    if (designWidth != backW && designHeight != backH) smooth = true;
}

void ZELGFX::ChangeVideoMode(int w, int h, bool full) {
    if (w == modeWidth && h == modeHeight && full == modeFull) return;
    Diag("ChangeVideoMode...");
    backW = w;
    backH = h;
    modeWidth = w;
    modeHeight = h;
    modeFull = full;
    if (device) device->Resize(w, h);
    SetDefaultView();
    Diag("change video mode ok");
}

void ZELGFX::ResetDevice() {
    if (device) device->Resize(backW, backH);
    SetDefaultView();
}

void ZELGFX::fGetAvailableResolution(std::vector<JST::iPOINT>& list) {
    list.clear();
    for (const DisplayMode& m : DisplayModes())
        if (m.w >= m.h && m.refresh >= 59 && m.refresh <= 61) list.push_back({m.w, m.h});
}

void ZELGFX::SetAnisotropic(bool on) {
    if (designWidth && designHeight && designWidth != backW && designHeight != backH) on = true;
    smooth = on;
}

int ZELGFX::SetBlendMode(JENUM::BLEND_MODE mode) {
    if (mode == blendMode) return 1;
    if (mode < 0 || mode > 5) return 0;
    blendMode = mode;
    return 0;
}

// ---- drawing ----

void ZELGFX::DrawTransformed(const ZELVERTEX* v, int n, std::uint32_t tex, int blend, int layer, std::uint32_t color,
                             float x, float y, float sx, float sy, float angle, int cx, int cy, float w, float h) {
    if (!device) return;
    if (sy == 0.0f) sy = sx;
    const float left = -cx * sx, top = -cy * sy, right = (w - cx) * sx, bottom = (h - cy) * sy;
    // Corners relative to the pivot, in the record's corner order.
    float px[4], py[4];
    if (n == 4) {
        px[0] = left;  py[0] = top;
        px[1] = left;  py[1] = bottom;
        px[2] = right; py[2] = bottom;
        px[3] = right; py[3] = top;
    } else {
        px[0] = left;  py[0] = top;
        px[1] = left;  py[1] = bottom;
        px[2] = right; py[2] = top;
    }
    const float c = std::cos(angle), s = std::sin(angle);
    const float z = std::clamp(layer, 0, 100) / 100.0f;
    DeviceVertex out[4];
    for (int i = 0; i < n; ++i) {
        float dx = px[i], dy = py[i];
        if (angle != 0.0f) {
            const float rx = dx * c - dy * s, ry = dy * c + dx * s;
            dx = rx;
            dy = ry;
        }
        const JST::fPOINT b = ToBuffer(x + dx, y + dy);
        out[i] = {b.x, b.y, z, color, v[i].u, v[i].v};
    }
    SetBlendMode(blend);
    DrawState st;
    st.texture = DeviceTexture(tex);
    st.blend = blendMode;
    st.smooth = smooth;
    if (n == 4) {
        const DeviceVertex tri[6] = {out[0], out[2], out[1], out[0], out[3], out[2]};
        device->Draw(Primitive::Triangles, tri, 6, st);
    } else {
        device->Draw(Primitive::Triangles, out, 3, st);
    }
}

void ZELGFX::RenderZEL4(ZEL4* q, float x, float y, float sx, float sy, float angle, int cx, int cy) {
    if (!q) return;
    DrawTransformed(q->v, 4, q->texture, q->blend, q->layer, q->color, x, y, sx, sy, angle, cx, cy,
                    q->v[3].x - q->v[0].x, q->v[1].y - q->v[0].y);
}

void ZELGFX::RenderZEL3(ZEL3* t, float x, float y, float sx, float sy, float angle, int cx, int cy) {
    if (!t) return;
    DrawTransformed(t->v, 3, t->texture, t->blend, t->layer, t->color, x, y, sx, sy, angle, cx, cy,
                    t->v[2].x - t->v[0].x, t->v[1].y - t->v[0].y);
}

void ZELGFX::DrawAsIs(const ZELVERTEX* v, int n, std::uint32_t tex, int blend, int layer, std::uint32_t color) {
    if (!device) return;
    DeviceVertex out[4];
    const float z = -std::clamp(layer, 0, 100) / 100.0f;
    for (int i = 0; i < n; ++i) {
        const JST::fPOINT b = ToBuffer(v[i].x, v[i].y);
        out[i] = {b.x, b.y, z, color, v[i].u, v[i].v};
    }
    SetBlendMode(blend);
    DrawState st{DeviceTexture(tex), blendMode, smooth, 1.0f};
    if (n == 4) {
        const DeviceVertex tri[6] = {out[0], out[2], out[1], out[0], out[3], out[2]};
        device->Draw(Primitive::Triangles, tri, 6, st);
    } else {
        device->Draw(Primitive::Triangles, out, 3, st);
    }
}

void ZELGFX::RenderZEL4(ZEL4* q) {
    if (q) DrawAsIs(q->v, 4, q->texture, q->blend, q->layer, q->color);
}

void ZELGFX::RenderZEL3(ZEL3* t) {
    if (t) DrawAsIs(t->v, 3, t->texture, t->blend, t->layer, t->color);
}

void ZELGFX::RenderLine(float x1, float y1, float x2, float y2, std::uint32_t argb) {
    if (!device) return;
    const JST::fPOINT a = ToBuffer(x1, y1), b = ToBuffer(x2, y2);
    const DeviceVertex v[2] = {{a.x, a.y, 0, argb, 0, 0}, {b.x, b.y, 0, argb, 0, 0}};
    DrawState st{0, blendMode >= 0 && blendMode <= 5 ? blendMode : 1, false, 1.0f};
    device->Draw(Primitive::Lines, v, 2, st);
}

void ZELGFX::RenderBox(float x1, float y1, float x2, float y2, std::uint32_t lineArgb, std::uint32_t fillArgb) {
    ZEL4 q;
    q.v[0] = {x1, y1, 0, 0};
    q.v[1] = {x1, y2, 0, 1};
    q.v[2] = {x2, y2, 1, 1};
    q.v[3] = {x2, y1, 1, 0};
    q.texture = 0;
    q.blend = 1;
    q.color = fillArgb;
    RenderZEL4(&q);
    RenderLine(x1, y1, x2, y1, lineArgb);
    RenderLine(x2, y1, x2, y2, lineArgb);
    RenderLine(x2, y2, x1, y2, lineArgb);
    RenderLine(x1, y2, x1, y1, lineArgb);
}

void ZELGFX::RenderPoint(float x, float y, std::uint32_t argb, float size) {
    const float h = size / 2.0f;
    ZEL4 q;
    q.v[0] = {x - h, y - h, 0, 0};
    q.v[1] = {x - h, y + h, 0, 1};
    q.v[2] = {x + h, y + h, 1, 1};
    q.v[3] = {x + h, y - h, 1, 0};
    q.texture = 0;
    q.blend = 1;
    q.color = argb;
    RenderZEL4(&q);
}

void ZELGFX::RenderJPARTIC(ZELPARTICSYS* sys) {
    if (!sys || !sys->particles || !device) return;
    SetBlendMode(sys->blend);
    DrawState st{DeviceTexture(sys->texture), blendMode, true, sys->size * sys->scale * k};
    std::vector<DeviceVertex> batch;
    batch.reserve(kPointBatch);
    for (const ZELPARTICLE* p = sys->particles; p; p = p->next) {
        if (!p->alive) continue;
        const JST::fPOINT b = ToBuffer(p->x, p->y);
        batch.push_back({b.x, b.y, p->z, p->color, 0, 0});
        if (static_cast<int>(batch.size()) == kPointBatch) {
            device->Draw(Primitive::Points, batch.data(), kPointBatch, st);
            batch.clear();
        }
    }
    if (!batch.empty()) device->Draw(Primitive::Points, batch.data(), static_cast<int>(batch.size()), st);
}

} // namespace ZEL
