// The shipped sprites, fonts and particle pictures drawn by the real renderer, saved for a look:
// build/screenshots/scene.png.
#include "GAME/data/Config.h"
#include "ST/core/ST_GAME.h"
#include "ST/core/iFile.h"
#include "ST/gfx/JFONT.h"
#include "ST/gfx/PARTIC.h"
#include "ST/gui/JSPRITE.h"
#include "ST/platform/Display.h"
#include "ST/platform/ImageCodec.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

const std::string kRun = std::string(ZEL_TEST_BINARY_DIR) + "/run";

class SceneShot : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetConfigToDefaults();
        setenv("XDG_DATA_HOME", home.path().c_str(), 1);
        ZEL::SetDisplayOverride({1024, 768}, {{1024, 768, 60}});
        game = std::make_unique<ZEL::ST_GAME>();
        ZEL::SetGame(game.get());
        ASSERT_EQ(game->Init("Test", "Scene"), 0);
        game->ChangeResolution(1024, 768, false);
    }
    void TearDown() override
    {
        Select(nullptr, nullptr);
        game.reset();
        ZEL::SetGame(nullptr);
        ZEL::ClearDisplayOverride();
    }
    void Select(const char* pack, const char* pass)
    {
        selected = pack ? kRun + "/" + pack : "";
        ZEL::ifile.ZipSetCurrentPack(pack ? selected.c_str() : nullptr);
        ZEL::ifile.ZipSetCurrentPass(pass);
    }
    testsupport::TempDir home;
    std::unique_ptr<ZEL::ST_GAME> game;
    std::string selected;
};

// Count of pixels in a rectangle that differ clearly from the colour at its top-left corner.
int Ink(const std::vector<std::uint32_t>& px, int w, int x0, int y0, int x1, int y1)
{
    const std::uint32_t bg = px[x0 + y0 * w];
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const std::uint32_t p = px[x + y * w];
            int d = 0;
            for (int s : {0, 8, 16}) d += std::abs(int((p >> s) & 0xFF) - int((bg >> s) & 0xFF));
            n += d > 90;
        }
    return n;
}

TEST_F(SceneShot, SpritesTextAtEveryAlignmentAndAParticleBurst)
{
    Select(C_NAME_PACK_MENU, C_PAS_MENY);
    JSPRITE table(chMAIN_MENU_LENOLIUM), play(chMAIN_MENU_DWN_PANELKA_PLAY), cursor(chCURNAME), plate(chWhitePlain);
    Select(C_NAME_PACK_GUI, C_PAS_GUI);
    JSPRITE window(chWINDOWMINI);
    Select(C_NAME_PACK_TROFEI, C_PAS_TROFEI);
    JSPRITE trophy1((std::string(chTEXT_TROFEI_SAGE_PATH) + "1.png").c_str());
    JSPRITE trophy6((std::string(chTEXT_TROFEI_SAGE_PATH) + "6.png").c_str());
    Select(C_NAME_PACK_FONTS, C_PAS_FONTS);
    ZEL::JFONT big((kRun + "/" + chFONT_BIG).c_str()), comix((kRun + "/" + chFONT_COMIX).c_str()),
        numbers((kRun + "/" + chFONT_EXPENSE).c_str());
    big.spacing = FONT_SPACE_BIG;
    comix.spacing = FONT_SPACE_SMALL;
    numbers.spacing = FONT_SPACE_EXPENSE;
    ASSERT_GT(big.glyphCount, 100);
    Select(C_NAME_PACK_EFFECTS, C_PAS_EFFECTS);
    ZEL::PARTIC burst(chPARTIC_BLOW_CURSOR, 1, 200);
    Select(nullptr, nullptr);

    burst.SetType(2);
    burst.system.scale = 0.25f;
    burst.prototype.vx = 140.0f;  // the preset's drift is slow; spread the burst for the picture
    burst.ShootAt(30, 660, 690);
    for (int i = 0; i < 40; ++i)
        burst.Step(1.0f / 60.0f);

    ZEL::ZELGFX* gfx = game->GetGfx();
    gfx->BeginFrame();
    table.SetSizePix(1024, 768);
    table.SetTexelCoord(0, 0, 1024.0f / table.imageSize.x, 768.0f / table.imageSize.y);
    table.SetHotSpot(0, 0);
    table.Render(0.f, 0.f);
    plate.SetSizePix(984, 500);
    plate.SetHotSpot(0, 0);
    plate.Render(20.f, 14.f);

    // Six alignments, one per row, all anchored on the red line at x = 512.
    gfx->RenderLine(512, 20, 512, 508, 0xFFD9534F);
    const int aligns[] = {0, 1, 2, 4, 7, 8};
    for (int i = 0; i < 6; ++i) {
        const int y = 56 + i * 80;
        gfx->RenderLine(440, y, 584, y, 0xFFD9534F);
        big.SetColor(static_cast<int>(0xFF2E4577u));
        big.align = aligns[i];
        big.Render(512, y, "Пазл %d: Ёжик", aligns[i]);
        comix.SetColor(static_cast<int>(0xFF2E4577u));
        comix.align = aligns[i] == 0 ? 1 : aligns[i];
        comix.Rende(aligns[i] == 0 ? 40 : 512, y + 30, u"Jigsaw, щука & «ёлка» — вторая строка 0123");
    }
    comix.align = 1;
    comix.Rende(40, 560, "Очки:\t\t\t1234\nЧастей:\t48\nВремя:\t\t01:23");
    play.Render(512.f, 590.f);
    trophy1.SetColor(0x33FFFFFF);
    trophy1.Render(120.f, 700.f);
    trophy6.Render(230.f, 700.f);
    numbers.SetSize(2.0f);
    numbers.align = 0;
    numbers.Render(860, 690, "+%d", 20);
    burst.Render(0);
    cursor.SetHotSpot(0, 0);
    cursor.Render(960.f, 700.f);
    gfx->EndFrame();
    gfx->BeginPostFrame();
    std::vector<std::uint32_t> px;
    int w = 0, h = 0;
    ASSERT_TRUE(gfx->Device()->ReadPixels(ZEL::RenderTarget::BackBuffer, px, w, h));
    gfx->EndPostFrame();
    const std::string shots = std::string(ZEL_TEST_BINARY_DIR) + "/screenshots";
    std::filesystem::create_directories(shots);
    ASSERT_TRUE(ZEL::SavePng((shots + "/scene.png").c_str(), px.data(), w, h));

    // Row 1 is left-aligned on x = 512, row 2 right-aligned, row 0 centred.
    const double k = w / 1024.0;
    auto ink = [&](int x0, int y0, int x1, int y1) {
        return Ink(px, w, int(x0 * k), int(y0 * k), int(x1 * k), int(y1 * k));
    };
    EXPECT_GT(ink(516, 140, 660, 166), 30) << "left-aligned text missing";
    EXPECT_EQ(ink(360, 140, 508, 166), 0) << "left-aligned text reaches left of its anchor";
    EXPECT_GT(ink(360, 220, 508, 240), 30) << "right-aligned text missing";
    EXPECT_EQ(ink(516, 220, 660, 240), 0) << "right-aligned text reaches right of its anchor";
    EXPECT_GT(ink(400, 42, 508, 56), 30) << "centred text missing on the left";
    EXPECT_GT(ink(516, 42, 620, 56), 30) << "centred text missing on the right";
}

} // namespace
