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
    burst.system.scale = 0.12f;
    burst.ShootAt(30, 840, 600);
    for (int i = 0; i < 12; ++i)
        burst.Step(1.0f / 60.0f);

    ZEL::ZELGFX* gfx = game->GetGfx();
    gfx->BeginFrame();
    table.SetSizePix(1024, 768);
    table.SetTexelCoord(0, 0, 1024.0f / table.imageSize.x, 768.0f / table.imageSize.y);
    table.SetHotSpot(0, 0);
    table.Render(0.f, 0.f);
    plate.SetSizePix(980, 420);
    plate.Render(512.f, 230.f);

    // Six alignments, each anchored on a red cross.
    const int aligns[] = {0, 1, 2, 4, 7, 8};
    for (int i = 0; i < 6; ++i) {
        const int x = 190 + (i % 3) * 320, y = 90 + (i / 3) * 190;
        gfx->RenderLine(x - 8, y, x + 8, y, 0xFFD9534F);
        gfx->RenderLine(x, y - 8, x, y + 8, 0xFFD9534F);
        big.SetColor(static_cast<int>(0xFF2E4577u));
        big.align = aligns[i];
        big.Render(x, y, "Пазл %d: Ёжик", aligns[i]);
        comix.SetColor(static_cast<int>(0xFF2E4577u));
        comix.align = aligns[i];
        comix.Rende(x, y + 50, u"Jigsaw, щука & «ёлка»\nвторая строка 0123");
    }
    window.Render(300.f, 590.f);
    comix.SetColor(static_cast<int>(0xFF2E4577u));
    comix.align = 0;
    comix.Rende(300, 560, "Очки:\t\t\t%i\nЧастей:\t48");
    big.align = 0;
    big.Rende(300, 520, "Сохранить пазл?");
    play.Render(620.f, 560.f);
    trophy1.SetColor(0x33FFFFFF);
    trophy1.Render(560.f, 680.f);
    trophy6.Render(680.f, 680.f);
    numbers.SetSize(2.0f);
    numbers.align = 0;
    numbers.Render(840, 480, "+%d", 20);
    burst.Render(0);
    cursor.SetHotSpot(0, 0);
    cursor.Render(900.f, 640.f);
    gfx->EndFrame();
    gfx->BeginPostFrame();
    std::vector<std::uint32_t> px;
    int w = 0, h = 0;
    ASSERT_TRUE(gfx->Device()->ReadPixels(ZEL::RenderTarget::BackBuffer, px, w, h));
    gfx->EndPostFrame();
    const std::string shots = std::string(ZEL_TEST_BINARY_DIR) + "/screenshots";
    std::filesystem::create_directories(shots);
    ASSERT_TRUE(ZEL::SavePng((shots + "/scene.png").c_str(), px.data(), w, h));

    // Left-aligned text (anchor 510, 90) starts at its cross; centred text (190, 90) spans it.
    const double k = w / 1024.0;
    auto ink = [&](int x0, int y0, int x1, int y1) {
        return Ink(px, w, int(x0 * k), int(y0 * k), int(x1 * k), int(y1 * k));
    };
    EXPECT_GT(ink(514, 76, 660, 120), 30) << "left-aligned text missing";
    EXPECT_EQ(ink(440, 76, 500, 120), 0) << "left-aligned text reaches left of its anchor";
    EXPECT_GT(ink(100, 76, 180, 120), 30) << "centred text missing on the left";
    EXPECT_GT(ink(200, 76, 280, 120), 30) << "centred text missing on the right";
}

} // namespace
