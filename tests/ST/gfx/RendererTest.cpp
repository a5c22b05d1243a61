#include "GfxFixture.h"

#include "ST/core/iFile.h"
#include "ST/gui/JSPRITE.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using gfxtest::Recorder;

TEST(Renderer, DesignResolutionScalesUniformlyWithCentredBorders) {
    struct Case { int bw, bh, dw, dh; float k; int wn, hn, sx, sy; } cases[] = {
        {1920, 1080, 1024, 768, 1.40625f, 1440, 1080, 240, 0},
        {1280, 1024, 1024, 768, 1.25f, 1280, 960, 0, 32},
        {1024, 768, 1024, 768, 1.0f, 1024, 768, 0, 0},
    };
    for (const Case& c : cases) {
        Recorder r(c.bw, c.bh);
        r.gfx.SetAdaptScreen(c.dw, c.dh);
        EXPECT_FLOAT_EQ(r.gfx.percentCompressionX, c.k);
        EXPECT_FLOAT_EQ(r.gfx.percentCompressionY, c.k);
        EXPECT_EQ(r.gfx.widthNew, c.wn);
        EXPECT_EQ(r.gfx.heightNew, c.hn);
        EXPECT_EQ(r.gfx.shiftX, c.sx);
        EXPECT_EQ(r.gfx.shiftY, c.sy);
        EXPECT_EQ(r.gfx.GetBackWidth(), c.dw);
        // The design rectangle's corners land on the scaled picture's corners.
        const JST::fPOINT tl = r.gfx.ToBuffer(0, 0), br = r.gfx.ToBuffer(float(c.dw), float(c.dh));
        EXPECT_FLOAT_EQ(tl.x, float(c.sx));
        EXPECT_FLOAT_EQ(tl.y, float(c.sy));
        EXPECT_FLOAT_EQ(br.x, float(c.sx + c.wn));
        EXPECT_FLOAT_EQ(br.y, float(c.sy + c.hn));
    }
}

TEST(Renderer, QuadTransform) {
    Recorder r;
    ZEL::ZEL4 q;
    q.v[0] = {0, 0, 0, 0};
    q.v[1] = {0, 20, 0, 1};
    q.v[2] = {40, 20, 1, 1};
    q.v[3] = {40, 0, 1, 0};
    // Pivot (0, 0), no turn: the top-left corner lands on (x, y).
    r.gfx.RenderZEL4(&q, 100, 50, 1, 1, 0, 0, 0);
    auto b = r.LastBox();
    EXPECT_FLOAT_EQ(b.x0, 100);
    EXPECT_FLOAT_EQ(b.y0, 50);
    EXPECT_FLOAT_EQ(b.x1, 140);
    EXPECT_FLOAT_EQ(b.y1, 70);
    // sy 0 scales both axes by sx.
    r.gfx.RenderZEL4(&q, 100, 50, 2, 0, 0, 0, 0);
    b = r.LastBox();
    EXPECT_FLOAT_EQ(b.x1, 180);
    EXPECT_FLOAT_EQ(b.y1, 90);
    // A quarter turn about the centre, clockwise on screen.
    r.gfx.RenderZEL4(&q, 100, 100, 1, 1, 1.5707964f, 20, 10);
    b = r.LastBox();
    EXPECT_NEAR(b.x0, 90, 1e-3);
    EXPECT_NEAR(b.y0, 80, 1e-3);
    EXPECT_NEAR(b.x1, 110, 1e-3);
    EXPECT_NEAR(b.y1, 120, 1e-3);
    const auto& tri = r.device->calls.back().vertices;
    ASSERT_EQ(tri.size(), 6u);
    // The old top-left corner (-20, -10) turns to (10, -20): top-right of the turned quad.
    EXPECT_NEAR(tri[0].x, 110, 1e-3);
    EXPECT_NEAR(tri[0].y, 80, 1e-3);
}

TEST(Renderer, FrameCycleRefusesCallsOutOfOrder) {
    Recorder r;
    EXPECT_EQ(r.gfx.EndFrame(), -1);
    EXPECT_EQ(r.gfx.BeginPostFrame(), -1);
    EXPECT_EQ(r.gfx.EndPostFrame(), -1);
    EXPECT_EQ(r.gfx.BeginFrame(), 0);
    EXPECT_EQ(r.gfx.BeginFrame(), -1);
    EXPECT_EQ(r.gfx.BeginPostFrame(), -1) << "post frame without EndFrame";
    EXPECT_EQ(r.gfx.EndFrame(), 0);
    EXPECT_EQ(r.gfx.BeginPostFrame(), 0);
    EXPECT_EQ(r.gfx.EndPostFrame(), 0);
    EXPECT_EQ(r.device->presents, 1);
    // The scene is copied 1:1 onto the back buffer before the post layer, then presented.
    std::vector<ZEL::RecordingDevice::Event::Kind> kinds;
    for (const auto& e : r.device->events) kinds.push_back(e.kind);
    using E = ZEL::RecordingDevice::Event;
    EXPECT_EQ(kinds, (std::vector<E::Kind>{E::Begin, E::End, E::Begin, E::CopyScene, E::End, E::Present}));
    EXPECT_EQ(r.device->events[0].target, ZEL::RenderTarget::Scene);
    EXPECT_EQ(r.device->events[2].target, ZEL::RenderTarget::BackBuffer);
}

TEST(Renderer, BlendModeTable) {
    Recorder r;
    EXPECT_EQ(r.gfx.SetBlendMode(2), 0);
    EXPECT_EQ(r.gfx.SetBlendMode(2), 1) << "the current mode again changes nothing";
    EXPECT_EQ(r.gfx.SetBlendMode(7), 0);
    EXPECT_EQ(r.gfx.GetBlendMode(), 2) << "unknown modes are ignored";
}

TEST(Renderer, FailedLoadsGiveTheWhiteDefaultTexture) {
    Recorder r;
    testsupport::TempDir dir;
    testsupport::DiagCapture diag;
    const std::uint32_t missingFile = r.gfx.TextureLoad((dir / "none.png").c_str());
    EXPECT_EQ(missingFile, r.gfx.DefaultTexture());
    EXPECT_NE(missingFile, 0u);
    const std::string pack = dir / "pack";
    const std::string member = dir / "a.png";
    testsupport::WriteFile(member, "not a picture");
    ASSERT_EQ(testsupport::RunCommand(std::string(ZEL_PACKBUILDER) + " --password pw " + pack + " " + member), 0);
    EXPECT_EQ(r.gfx.TextureLoadZip(pack.c_str(), "missing.png", "pw"), r.gfx.DefaultTexture());
    EXPECT_EQ(r.gfx.TextureLoadZip(pack.c_str(), "a.png", "pw"), r.gfx.DefaultTexture());
    EXPECT_EQ(r.gfx.TextureLoadZip((dir / "nopack").c_str(), "a.png", "pw"), r.gfx.DefaultTexture());
    EXPECT_EQ(r.gfx.TextureFree(r.gfx.DefaultTexture()), -1);
    EXPECT_EQ(r.gfx.GetTextureWH(r.gfx.DefaultTexture()), (JST::iPOINT{8, 8}));
    EXPECT_TRUE(diag.Contains("Zip find fail"));
    EXPECT_EQ(r.gfx.TextureLock(r.gfx.DefaultTexture()), nullptr) << "painting it would paint every failed load";
}

TEST(Renderer, CreatedTexturesLockAndUploadOnlyWhenChanged) {
    Recorder r;
    const std::uint32_t t = r.gfx.TextureCreate(3, 2);
    ASSERT_NE(t, 0u);
    EXPECT_EQ(r.gfx.lastTexSize, (JST::iPOINT{3, 2}));
    EXPECT_EQ(r.gfx.TextureCreate(0, 5), 0u);
    auto* px = static_cast<std::uint32_t*>(r.gfx.TextureLock(t));
    ASSERT_NE(px, nullptr);
    px[5] = 0xFF00FF00;
    EXPECT_EQ(r.gfx.TextureUnlock(t), 0);
    ZEL::ZEL4 q;
    q.v[1].y = q.v[2].y = 2;
    q.v[2].x = q.v[3].x = 3;
    q.texture = t;
    r.gfx.RenderZEL4(&q, 0, 0, 1, 1, 0, 0, 0);
    r.gfx.RenderZEL4(&q, 0, 0, 1, 1, 0, 0, 0);
    EXPECT_EQ(r.device->uploads.size(), 1u);
    r.gfx.TextureLock(t);
    r.gfx.TextureUnlock(t);
    r.gfx.RenderZEL4(&q, 0, 0, 1, 1, 0, 0, 0);
    EXPECT_EQ(r.device->uploads.size(), 2u);
    EXPECT_EQ(r.gfx.TextureFree(t), 0);
    EXPECT_EQ(r.gfx.TextureUnlock(t), -1);
    r.gfx.BeginFrame();
    EXPECT_EQ(r.device->deleted.size(), 1u) << "the device texture goes at the next frame, on the main thread";
}

TEST(Renderer, ParticlesDrawInBatchesOfFiveHundred) {
    Recorder r;
    ZEL::ZELPARTICSYS sys;
    sys.size = 16;
    sys.scale = 0.5f;
    std::vector<ZEL::ZELPARTICLE> parts(1200);
    for (size_t i = 0; i + 1 < parts.size(); ++i) parts[i].next = &parts[i + 1];
    parts[7].alive = false;
    sys.particles = parts.data();
    r.gfx.RenderJPARTIC(&sys);
    ASSERT_EQ(r.device->calls.size(), 3u);
    EXPECT_EQ(r.device->calls[0].vertices.size(), 500u);
    EXPECT_EQ(r.device->calls[2].vertices.size(), 199u);
    EXPECT_EQ(r.device->calls[0].primitive, ZEL::Primitive::Points);
    EXPECT_FLOAT_EQ(r.device->calls[0].state.pointSize, 8.0f);
    EXPECT_EQ(r.device->calls[0].state.blend, 5);
    sys.particles = nullptr;
    r.gfx.RenderJPARTIC(&sys);
    EXPECT_EQ(r.device->calls.size(), 3u);
}

TEST(Sprite, CornersFollowHotSpotScaleAndTurn) {
    Recorder r;
    r.gfx.TextureCreate(64, 32);
    JSPRITE s(r.gfx.lastTexture);
    s.SetPos(100, 100);
    s.Render(0);
    auto b = r.LastBox();
    EXPECT_FLOAT_EQ(b.x0, 68);
    EXPECT_FLOAT_EQ(b.y0, 84);
    EXPECT_FLOAT_EQ(b.x1, 132);
    EXPECT_FLOAT_EQ(b.y1, 116);
    s.angle = 1.5707964f;
    s.Render(0);
    b = r.LastBox();
    EXPECT_NEAR(b.x0, 84, 1e-3);
    EXPECT_NEAR(b.y0, 68, 1e-3);
    EXPECT_NEAR(b.x1, 116, 1e-3);
    EXPECT_NEAR(b.y1, 132, 1e-3);
    s.angle = 0;
    s.CalculateHotSpot(1);
    s.Render(0);
    b = r.LastBox();
    EXPECT_FLOAT_EQ(b.x0, 100);
    EXPECT_FLOAT_EQ(b.x1, 164);
    EXPECT_FLOAT_EQ(b.y1, 132);
    s.SetSize(2, 2);
    s.Render(0);
    b = r.LastBox();
    EXPECT_FLOAT_EQ(b.x1, 228);
    EXPECT_FLOAT_EQ(b.y1, 164);
    s.CalculateHotSpot(6);
    EXPECT_EQ(s.hotSpot, (JST::iPOINT{0, 0}));
    s.CalculateHotSpot(4);
    EXPECT_EQ(s.hotSpot, (JST::iPOINT{64, 32}));
}

TEST(Sprite, MissingPictureStretchesTheDefaultOverTheLastSize) {
    Recorder r;
    r.gfx.TextureCreate(40, 30);
    testsupport::DiagCapture quiet;
    JSPRITE s("/nonexistent/picture.png");
    EXPECT_EQ(s.GetTexture(), r.gfx.DefaultTexture());
    EXPECT_EQ(s.imageSize, (JST::iPOINT{40, 30}));
    s.Release();  // never frees the shared default
    EXPECT_EQ(r.gfx.GetTextureWH(r.gfx.DefaultTexture()), (JST::iPOINT{8, 8}));
}

TEST(Sprite, TexelRectangles) {
    Recorder r;
    r.gfx.TextureCreate(64, 32);
    JSPRITE s(r.gfx.lastTexture);
    EXPECT_FLOAT_EQ(s.quad.v[2].u, 0.99f) << "wrapped textures stop short of the far edge";
    s.SetTexelCoord(0, 0, 1, 1);
    s.CompressTexture();
    EXPECT_FLOAT_EQ(s.quad.v[0].u, 0.005f);
    EXPECT_FLOAT_EQ(s.quad.v[2].v, 0.995f);
    s.SetSizePix(256, 64);
    s.StreckenTexelz();
    EXPECT_FLOAT_EQ(s.quad.v[2].u, 4.0f);
    EXPECT_FLOAT_EQ(s.quad.v[2].v, 2.0f);
    s.SetColor(static_cast<int>(0x80FFFFFFu));
    s.Render(0);
    EXPECT_EQ(r.device->calls.back().vertices[0].color, 0x80FFFFFFu);
}

} // namespace
