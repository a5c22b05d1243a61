// The OpenGL device on the offscreen driver, read back pixel by pixel.
#include "ST/gfx/ZELGFX.h"
#include "ST/platform/ImageCodec.h"
#include "ST/platform/JC_APP.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

class GL : public ::testing::Test {
protected:
    void SetUp() override {
        app.width = 256;
        app.height = 192;
        ASSERT_TRUE(app.fInit("gl test"));
        ASSERT_EQ(gfx.Init(app.CreateDevice(), 256, 192), 0);
        ZEL::ZELGFX::SetCurrent(&gfx);
    }
    ZEL::ZEL4 Quad(float w, float h, std::uint32_t tex, int blend, std::uint32_t color) {
        ZEL::ZEL4 q;
        q.v[0] = {0, 0, 0, 0};
        q.v[1] = {0, h, 0, 1};
        q.v[2] = {w, h, 1, 1};
        q.v[3] = {w, 0, 1, 0};
        q.texture = tex;
        q.blend = blend;
        q.color = color;
        return q;
    }
    std::vector<std::uint32_t> Frame(const std::function<void()>& draw) {
        EXPECT_EQ(gfx.BeginFrame(), 0);
        draw();
        gfx.EndFrame();
        gfx.BeginPostFrame();
        std::vector<std::uint32_t> px;
        int w = 0, h = 0;
        EXPECT_TRUE(gfx.Device()->ReadPixels(ZEL::RenderTarget::BackBuffer, px, w, h));
        gfx.EndPostFrame();
        width = w;
        return px;
    }
    std::uint32_t At(const std::vector<std::uint32_t>& px, int x, int y) const { return px[x + y * width] | 0xFF000000u; }

    ZEL::JC_APP app;
    ZEL::ZELGFX gfx;
    int width = 0;
};

TEST_F(GL, BlendModes) {
    gfx.SetAdaptScreen(256, 192);
    const auto px = Frame([&] {
        auto red = Quad(100, 100, 0, 0, 0xFFFF0000);
        gfx.RenderZEL4(&red, 0, 0, 1, 1, 0, 0, 0);
        auto halfGreen = Quad(50, 50, 0, 1, 0x8000FF00);  // transparency
        gfx.RenderZEL4(&halfGreen, 0, 0, 1, 1, 0, 0, 0);
        auto addBlue = Quad(50, 50, 0, 2, 0xFF0000FF);    // additive
        gfx.RenderZEL4(&addBlue, 50, 0, 1, 1, 0, 0, 0);
        auto opaqueHalf = Quad(50, 50, 0, 0, 0x0000FF00); // blending off: alpha ignored
        gfx.RenderZEL4(&opaqueHalf, 0, 50, 1, 1, 0, 0, 0);
    });
    const std::uint32_t mixed = At(px, 10, 10);
    EXPECT_NEAR(int((mixed >> 16) & 0xFF), 127, 2);
    EXPECT_NEAR(int((mixed >> 8) & 0xFF), 128, 2);
    EXPECT_EQ(At(px, 60, 10), 0xFFFF00FFu);
    EXPECT_EQ(At(px, 10, 60), 0xFF00FF00u);
    EXPECT_EQ(At(px, 60, 60), 0xFFFF0000u);
    EXPECT_EQ(At(px, 150, 150), 0xFF000000u);
}

TEST_F(GL, LockedTexturePixelsArriveExactly) {
    gfx.SetAdaptScreen(256, 192);
    const std::uint32_t t = gfx.TextureCreate(4, 4);
    auto* p = static_cast<std::uint32_t*>(gfx.TextureLock(t));
    for (int i = 0; i < 16; ++i) p[i] = 0xFF000000u | (i * 0x0F0A05u);
    gfx.TextureUnlock(t);
    gfx.SetAnisotropic(false);
    const auto px = Frame([&] {
        auto q = Quad(4, 4, t, 1, 0xFFFFFFFF);
        gfx.RenderZEL4(&q, 10, 20, 1, 1, 0, 0, 0);
    });
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(At(px, 10 + x, 20 + y), p[x + y * 4]) << x << "," << y;
}

TEST_F(GL, TheScaledPictureIsCentredWithBlackBorders) {
    ASSERT_TRUE(gfx.Device()->Resize(256, 192));
    gfx.ChangeVideoMode(256, 192, false);
    gfx.SetAdaptScreen(128, 128);  // k = 1.5: 192 x 192 picture, 32 px borders left and right
    const auto px = Frame([&] {
        auto q = Quad(128, 128, 0, 1, 0xFFFFFFFF);
        gfx.RenderZEL4(&q, 0, 0, 1, 1, 0, 0, 0);
    });
    EXPECT_EQ(gfx.shiftX, 32);
    EXPECT_EQ(At(px, 31, 100), 0xFF000000u);
    EXPECT_EQ(At(px, 32, 100), 0xFFFFFFFFu);
    EXPECT_EQ(At(px, 223, 100), 0xFFFFFFFFu);
    EXPECT_EQ(At(px, 224, 100), 0xFF000000u);
}

TEST_F(GL, Screenshot) {
    gfx.SetAdaptScreen(256, 192);
    gfx.SetClearColor(0xFF203040);
    const std::uint32_t t = gfx.TextureCreate(32, 32);
    auto* p = static_cast<std::uint32_t*>(gfx.TextureLock(t));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool check = ((x / 8) + (y / 8)) % 2 == 0;
            const float d = std::hypot(x - 15.5f, y - 15.5f);
            const std::uint32_t a = d < 15 ? 255 : d < 16 ? 128 : 0;
            p[x + y * 32] = (a << 24) | (check ? 0xF0C060u : 0x3070E0u);
        }
    gfx.TextureUnlock(t);
    ZEL::ZELPARTICSYS sys;
    sys.texture = t;
    sys.size = 32;
    sys.scale = 0.4f;
    std::vector<ZEL::ZELPARTICLE> parts(40);
    for (size_t i = 0; i < parts.size(); ++i) {
        parts[i].x = 128 + 60 * std::cos(i * 0.157f);
        parts[i].y = 150 + 30 * std::sin(i * 0.157f);
        parts[i].color = 0xC0FFD080u;
        if (i + 1 < parts.size()) parts[i].next = &parts[i + 1];
    }
    sys.particles = parts.data();
    sys.blend = 5;
    gfx.SetAnisotropic(true);
    const auto px = Frame([&] {
        auto plain = Quad(32, 32, t, 1, 0xFFFFFFFF);
        gfx.RenderZEL4(&plain, 20, 20, 2, 2, 0, 0, 0);
        auto tinted = Quad(32, 32, t, 1, 0xFFFF8080);
        gfx.RenderZEL4(&tinted, 150, 50, 2, 2, 0.6f, 16, 16);
        auto faint = Quad(32, 32, t, 1, 0x80FFFFFF);
        gfx.RenderZEL4(&faint, 200, 40, 1.5f, 1.5f, -0.3f, 16, 16);
        auto bright = Quad(32, 32, t, 3, 0xFF404040);
        gfx.RenderZEL4(&bright, 100, 30, 1.5f, 1.5f, 0, 0, 0);
        gfx.RenderLine(10, 185, 246, 185, 0xFFFFFFFF);
        gfx.RenderBox(10, 100, 60, 130, 0xFF000000, 0xC0FFFFFF);
        gfx.RenderJPARTIC(&sys);
    });
    const std::string dir = std::string(ZEL_TEST_BINARY_DIR) + "/screenshots";
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(ZEL::SavePng((dir + "/renderer.png").c_str(), px.data(), width, 192));
    EXPECT_EQ(At(px, 0, 0), 0xFF203040u);
}

} // namespace
