#include "ST/gfx/JFONT.h"
#include "ST/gfx/PARTIC.h"
#include "ST/platform/ImageCodec.h"
#include "support/HeadlessGame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A font of three glyphs (A, B, C) and a digit pair, on a 64 x 32 page.
struct FontFixture {
    testsupport::TempDir dir;
    std::string file;
    explicit FontFixture(int size = 20, bool withGlyphs = true) {
        std::vector<std::uint32_t> page(64 * 32, 0xFFFFFFFFu);
        ZEL::SavePng((dir / "page.png").c_str(), page.data(), 64, 32);
        std::string chars;
        if (withGlyphs) {
            chars = R"(<char id="65" x="0" y="0" width="10" height="20" xoffset="0" yoffset="0"/>
<char id="66" x="10" y="0" width="12" height="20" xoffset="0" yoffset="0"/>
<char id="67" x="22" y="0" width="8" height="16" xoffset="1" yoffset="3"/>
<char id="52" x="30" y="0" width="9" height="20" xoffset="0" yoffset="0"/>
<char id="50" x="40" y="0" width="11" height="20" xoffset="0" yoffset="0"/>
<char id="1041" x="51" y="0" width="13" height="20" xoffset="0" yoffset="0"/>)";
        }
        file = dir / "test.fnt";
        testsupport::WriteFile(file, "<?xml version=\"1.0\"?>\n<font><info face=\"t\" size=\"" + std::to_string(size) +
                                         "\"/><common lineHeight=\"20\"/><pages><page id=\"0\" file=\"" +
                                         (dir / "page.png") + "\"/></pages><chars count=\"6\">" + chars +
                                         "</chars></font>");
    }
};

// The left (or top) edge of every draw since `from`.
std::vector<float> Drawn(const ZEL::RecordingDevice& d, size_t from, float ZEL::DeviceVertex::*axis) {
    std::vector<float> edges;
    for (size_t i = from; i < d.calls.size(); ++i) {
        float e = d.calls[i].vertices[0].*axis;
        for (const auto& v : d.calls[i].vertices) e = std::min(e, v.*axis);
        edges.push_back(e);
    }
    return edges;
}
std::vector<float> DrawnX(const ZEL::RecordingDevice& d, size_t from) { return Drawn(d, from, &ZEL::DeviceVertex::x); }
std::vector<float> DrawnY(const ZEL::RecordingDevice& d, size_t from) { return Drawn(d, from, &ZEL::DeviceVertex::y); }

TEST(Font, MeasuresWithSpacing) {
    testsupport::HeadlessGame game;
    FontFixture fx(22);
    ZEL::JFONT font(fx.file.c_str());
    EXPECT_EQ(font.glyphCount, 6);
    EXPECT_EQ(font.spacing, 5) << "a quarter of the size until the game sets it";
    font.spacing = -6;
    EXPECT_EQ(font.GetStringLenght(""), 0);
    EXPECT_EQ(font.GetStringLenght("A"), 10 - 6);
    EXPECT_EQ(font.GetStringLenght("AB\nCCCC"), 10 + 12 - 12) << "first line only";
    EXPECT_EQ(font.GetStringLenght("AZ"), 10 + 0 - 12) << "unknown codes count 0 plus spacing";
    EXPECT_EQ(font.GetStringLenght("Б"), 13 - 6) << "UTF-8 reaches the glyph of its UTF-16 unit";
    EXPECT_EQ(font.GetStringHeight("A\nB\nC"), 66);
    EXPECT_EQ(font.GetLetterWidth('B'), 12);
    EXPECT_EQ(font.GetLetterWidth('Z'), 0);
}

TEST(Font, DrawsLinesAlignmentsAndOffsets) {
    testsupport::HeadlessGame game;
    auto& dev = game.Device();
    FontFixture fx(20);
    ZEL::JFONT font(fx.file.c_str());
    font.spacing = 0;

    size_t at = dev.calls.size();
    font.Render(100, 50, "%d", 42);
    EXPECT_EQ(DrawnX(dev, at), (std::vector<float>{100, 109}));
    EXPECT_EQ(DrawnY(dev, at), (std::vector<float>{50, 50}));

    at = dev.calls.size();
    font.Rende(100, 50, "AB\nC");
    EXPECT_EQ(DrawnX(dev, at), (std::vector<float>{100, 110, 100}));
    EXPECT_EQ(DrawnY(dev, at), (std::vector<float>{50, 50, 73})) << "next line at +size, glyph yoffset 3";

    at = dev.calls.size();
    font.align = 0;
    font.Rende(100, 50, "AB\nCCCCCCCC");
    EXPECT_EQ(DrawnX(dev, at)[0], 100 - 11) << "centred on the first line's length only";
    EXPECT_EQ(DrawnY(dev, at)[0], 40);
    EXPECT_EQ(font.align, 1) << "alignment holds for one draw";

    at = dev.calls.size();
    font.align = 2;
    font.Rende(100, 50, "AB");
    EXPECT_EQ(DrawnX(dev, at)[0], 100 - 22);
    font.align = 8;
    at = dev.calls.size();
    font.Rende(100, 50, "AB");
    EXPECT_EQ(DrawnY(dev, at)[0], 40);
}

TEST(Font, LongTextsAreCutNotOverflowed) {
    testsupport::HeadlessGame game;
    FontFixture fx(20);
    ZEL::JFONT font(fx.file.c_str());
    const std::string longText(5000, 'A');
    font.Render(0, 0, "%s", longText.c_str());
    EXPECT_EQ(std::string(font.narrowText).size(), size_t(ZEL::JFONT::kNarrowMax));
    font.Render(0, 0, u"%s", longText.c_str());
    EXPECT_EQ(std::u16string(font.wideText).size(), size_t(ZEL::JFONT::kWideMax));
}

TEST(Font, AnUnreadableFontDrawsNothingAndMeasuresZero) {
    testsupport::HeadlessGame game;
    auto& dev = game.Device();
    testsupport::DiagCapture diag;
    ZEL::JFONT missing("/nonexistent/font.fnt");
    EXPECT_TRUE(diag.Contains("Font not loaded"));
    const size_t at = dev.calls.size();
    missing.Rende(10, 10, "ABC");
    EXPECT_EQ(dev.calls.size(), at);
    EXPECT_EQ(missing.RenderLetter('A', 0, 0), 0);
    EXPECT_EQ(missing.GetStringLenght("ABC"), 0);

    FontFixture empty(20, false);
    ZEL::JFONT none(empty.file.c_str());
    EXPECT_EQ(none.RenderLetter('A', 0, 0), 0) << "no head glyph to take a width from";
    EXPECT_TRUE(diag.Contains("not concide"));
}

class Particles : public ::testing::Test {
protected:
    testsupport::HeadlessGame game;
};

TEST_F(Particles, ColourPassesTheMiddleAtHalfLifeAndEndsAtTheEnd) {
    ZEL::PARTIC p("", 0, 10);
    p.system.startColor = 0xFF000000u;
    p.system.middleColor = 0xFF808080u;
    p.system.endColor = 0x00FFFFFFu;
    p.prototype.lifetime = 1.0f;
    p.prototype.vx = p.prototype.vy = p.prototype.ax = p.prototype.ay = 0;
    p.ShootAt(1, 0, 0);
    p.system.particles->lifetime = 1.0f;
    p.Step(0.5f);
    EXPECT_EQ(p.system.particles->color, 0xFF808080u);
    p.Step(0.5f);
    EXPECT_EQ(p.system.particles->color, 0x00FFFFFFu);
    EXPECT_TRUE(p.system.particles->alive);
    p.Step(0.1f);
    EXPECT_TRUE(p.system.particles->alive);
    p.Step(0.1f);  // found beyond its life: marked, and removed by the next update
    EXPECT_FALSE(p.system.particles->alive);
    p.Step(0.1f);
    EXPECT_EQ(p.system.count, 0);
}

TEST_F(Particles, ContinuousEmissionMakesAtMostOnePerUpdate) {
    ZEL::PARTIC p("", 0, 1000);
    p.SetType(1);  // rate 100
    EXPECT_FLOAT_EQ(p.system.emissionRate, 100.0f);
    EXPECT_FLOAT_EQ(p.system.scale, 0.5f);
    p.Feuer();
    for (int i = 0; i < 90; ++i) p.Step(1.0f / 90.0f);
    EXPECT_EQ(p.system.count, 90);
    p.SetEmission(0);
    for (int i = 0; i < 10; ++i) p.Step(1.0f / 90.0f);
    EXPECT_EQ(p.system.count, 90);
    p.ShootAt(5, 10, 10);
    EXPECT_EQ(p.system.count, 95) << "bursts do not care for the emission rate";

    ZEL::PARTIC capped("", 0, 3);
    capped.SetType(0);
    capped.Feuer();
    for (int i = 0; i < 60; ++i) capped.Step(0.1f);
    EXPECT_LE(capped.system.count, 3);
}

TEST_F(Particles, BurstsIgnoreTheLimitAndTheCircleCanBeAPoint) {
    ZEL::PARTIC p("", 0, 0);
    p.ShootAt(30, 5, 6);
    EXPECT_EQ(p.system.count, 30);
    ZEL::PARTIC_CIRCLE c("", 0, 0);
    c.SetType(2);
    c.SetZone(200, 100, 0);
    c.ShootAt(4, 50, 60);
    for (auto* q = c.system.particles; q; q = q->next) {
        EXPECT_FLOAT_EQ(q->x, 50);
        EXPECT_FLOAT_EQ(q->y, 60);
    }
    c.SetEmission(100);
    c.system.maxCount = 10;
    c.prototype.vx = c.prototype.vy = 0;
    c.prototype.wobbleSinX = c.prototype.wobbleSinY = c.prototype.wobbleCosX = c.prototype.wobbleCosY = 0;
    c.Feuer();
    c.Step(0.1f);
    EXPECT_FLOAT_EQ(c.system.particles->x, 200);
    EXPECT_FLOAT_EQ(c.system.particles->y, 100);
}

TEST_F(Particles, PresetsAsTabled) {
    ZEL::PARTIC p("", 0, 5);
    struct Case { int type; float scale, spread, life; std::uint32_t start, end; float freq; } cases[] = {
        {0, 0.15f, 2.5132742f, 3.5f, 0x00FF2400u, 0x0003C03Cu, 10},
        {1, 0.5f, 1.5707964f, 4.0f, 0xFFFF2400u, 0xFFFF2400u, 10},
        {2, 0.12f, 6.2831855f, 1.8f, 0x00FF2400u, 0x00CCFF00u, 20},
        {3, 0.3f, 0.0f, 5.0f, 0xFF003399u, 0xFFFFFFFFu, 10},
    };
    for (const Case& c : cases) {
        p.SetType(c.type);
        EXPECT_FLOAT_EQ(p.system.scale, c.scale) << c.type;
        EXPECT_FLOAT_EQ(p.system.spread, c.spread) << c.type;
        EXPECT_FLOAT_EQ(p.prototype.lifetime, c.life) << c.type;
        EXPECT_EQ(p.system.startColor, c.start) << c.type;
        EXPECT_EQ(p.system.endColor, c.end) << c.type;
        EXPECT_FLOAT_EQ(p.prototype.wobbleFrequency, c.freq) << c.type;
        EXPECT_EQ(p.system.blend, 5);
        EXPECT_FLOAT_EQ(p.system.emitterX, 512);
        EXPECT_FALSE(p.emitting);
    }
}

} // namespace
