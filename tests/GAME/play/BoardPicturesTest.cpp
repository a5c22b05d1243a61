// Pictures of the board to look at: the grid preview over the picture, the pieces flying in,
// and every piece laid on its true place, where the picture must reappear seamlessly.
#include "GAME/board/PUZZLE_PIECES_SYSTEM.h"
#include "ST/core/ST_GAME.h"
#include "ST/gui/JSPRITE.h"
#include "ST/platform/Display.h"
#include "ST/platform/ImageCodec.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace {

class BoardPictures : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_DATA_HOME", home.path().c_str(), 1);
        ZEL::SetDisplayOverride({1024, 768}, {{1024, 768, 60}});
        game = std::make_unique<ZEL::ST_GAME>();
        ZEL::SetGame(game.get());
        ASSERT_EQ(game->Init("Test", "Pictures"), 0);
        game->ChangeResolution(1024, 768, false);
        game->GetTimer().SetDelta(1.0f / 90.0f);
        std::filesystem::create_directories(shots);
    }
    void TearDown() override {
        game.reset();
        ZEL::SetGame(nullptr);
        ZEL::ClearDisplayOverride();
    }
    std::vector<std::uint32_t> Shot(GAME::PUZZLE_PIECES_SYSTEM& b, const char* name) {
        ZEL::ZELGFX* gfx = game->GetGfx();
        gfx->BeginFrame();
        b.Render(0);
        gfx->EndFrame();
        gfx->BeginPostFrame();
        std::vector<std::uint32_t> px;
        int w = 0, h = 0;
        gfx->Device()->ReadPixels(ZEL::RenderTarget::BackBuffer, px, w, h);
        gfx->EndPostFrame();
        ZEL::SavePng((shots + "/" + name).c_str(), px.data(), w, h);
        return px;
    }
    testsupport::TempDir home;
    std::unique_ptr<ZEL::ST_GAME> game;
    const std::string shots = std::string(ZEL_TEST_BINARY_DIR) + "/screenshots";
};

TEST_F(BoardPictures, PreviewFlightAndTheAssembledPicture) {
    const int W = 640, H = 480;
    std::vector<std::uint32_t> pic(W * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            // A sky, a sun and rolling hills: smooth areas and sharp contours across the cuts.
            const float hill = 300 + 40 * std::sin(x * 0.015f) + 25 * std::sin(x * 0.041f + 1);
            const float sun = std::hypot(x - 470.0f, y - 120.0f);
            int r, g, b;
            if (y > hill) { r = 60 + (y - 300) / 4; g = 130 + (x % 97) / 6; b = 50; }
            else if (sun < 60) { r = 255; g = 210; b = 90; }
            else { r = 110 + y / 5; g = 160 + y / 6; b = 235; }
            pic[x + y * W] = 0xFF000000u | (std::uint32_t(std::min(r, 255)) << 16) | (std::uint32_t(std::min(g, 255)) << 8) | b;
        }
    const std::string file = home / "landscape.png";
    ASSERT_TRUE(ZEL::SavePng(file.c_str(), pic.data(), W, H));

    GAME::PUZZLE_PIECES_SYSTEM board;
    board.Init(file.c_str(), 6, 0, nullptr, false, 0.7f, 0);
    board.state = 2;
    board.DrawGrid(0xFFFFFFFF, 1, 0);
    Shot(board, "board-preview.png");

    board.state = 3;
    board.Update(0, 0);
    ASSERT_EQ(board.state, 4);
    for (int i = 0; i < 40; ++i) board.Routin();
    Shot(board, "board-flying.png");

    // Every piece on its true place: the centred picture's cells.
    const int cw = board.grid[0]->cellW, ch = board.grid[0]->cellH;
    for (GAME::PUZZLE_PIECES* p : board.grid) {
        const float x = std::trunc(cw / 2.0f + 512 - W / 2.0f) + p->col * cw;
        const float y = std::trunc(ch / 2.0f + 384 - H / 2.0f) + p->row * ch;
        p->SetPos(x, y);
        p->speed = {0, 0};
        p->nstr = 1;  // one group: all shadows lie under all pieces
    }
    const auto px = Shot(board, "board-assembled.png");
    // The picture is back: exact inside the pieces, only the bevelled rims along the cuts
    // differ, and only a little.
    long diff = 0;
    int exact = 0, total = 0;
    for (int y = 4; y < H - 4; y += 3)
        for (int x = 4; x < W - 4; x += 3) {
            const std::uint32_t a = px[(x + 192) + (y + 144) * 1024], b = pic[x + y * W];
            ++total;
            exact += (a & 0xFFFFFF) == (b & 0xFFFFFF);
            for (int sh : {0, 8, 16}) diff += std::abs(int((a >> sh) & 0xFF) - int((b >> sh) & 0xFF));
        }
    EXPECT_GT(exact, total / 4) << exact << " of " << total;
    EXPECT_LT(diff / (3.0 * total), 8.0) << "mean difference per channel";
}

} // namespace
