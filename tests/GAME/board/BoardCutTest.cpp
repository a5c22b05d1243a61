#include "GAME/board/PUZZLE_PIECES_SYSTEM.h"
#include "ST/gui/JSPRITE.h"
#include "ST/platform/ImageCodec.h"
#include "support/HeadlessGame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using GAME::PUZZLE_PIECES;

std::string Picture(testsupport::HeadlessGame& g, int w, int h) {
    std::vector<std::uint32_t> px(static_cast<size_t>(w) * h);
    for (int i = 0; i < w * h; ++i) px[i] = 0xFF000000u | (i * 2654435761u >> 8);
    const std::string file = g.home / ("pic" + std::to_string(w) + "x" + std::to_string(h) + ".png");
    ZEL::SavePng(file.c_str(), px.data(), w, h);
    return file;
}

struct PieceState {
    int rot;
    JST::iPOINT dest;
    JST::fPOINT start;
    std::vector<float> outline;
    bool operator==(const PieceState&) const = default;
};

std::vector<PieceState> Snapshot(const GAME::PUZZLE_PIECES_SYSTEM& b) {
    std::vector<PieceState> out;
    for (const PUZZLE_PIECES* p : b.grid) {
        PieceState s{p->rot, p->dest, p->sprite->pos, {}};
        for (const ZELCUTVECTOR* n = p->outline->next; n; n = n->next) {
            s.outline.push_back(n->x);
            s.outline.push_back(n->y);
        }
        out.push_back(s);
    }
    return out;
}

TEST(Board, BootsThroughPictureAndPreviewThenCutsInTheThirdUpdate) {
    testsupport::HeadlessGame g;
    GAME::PUZZLE_PIECES_SYSTEM board;
    board.Init(Picture(g, 480, 360).c_str(), 4, 0, nullptr, false, 0.5f, 0);
    board.state = 1;
    EXPECT_EQ(board.Update(0, 0), 0);
    EXPECT_EQ(board.state, 2);
    EXPECT_EQ(board.Update(0, 0), 0);
    EXPECT_EQ(board.state, 3);
    EXPECT_TRUE(board.order.empty());
    board.Update(0, 0);
    EXPECT_EQ(board.state, 4);
    EXPECT_EQ(board.countX, 5);
    EXPECT_EQ(board.countY, 4);
    ASSERT_EQ(board.order.size(), 20u);
    EXPECT_EQ(board.ring.size(), 14u);
    EXPECT_EQ(board.regF, 20);
    EXPECT_EQ(board.regBr, 14);
    EXPECT_FLOAT_EQ(board.ringStepTime, 0.8f / 7);
    // Every piece image is the cell plus its margins, and flies in from beyond the screen.
    const JST::iPOINT tex = g->GetGfx()->GetTextureWH(board.grid[0]->sprite->GetTexture());
    EXPECT_EQ(tex, (JST::iPOINT{board.layout.size.pieceW + 1, board.layout.size.pieceH + 1}));
    for (const PUZZLE_PIECES* p : board.order) {
        const float dx = p->GetPosX() - 512, dy = p->GetPosY() - 384;
        EXPECT_GT(std::sqrt(dx * dx + dy * dy), 700.0f);
        EXPECT_GE(p->dest.x, board.clipLeft + 48);
        EXPECT_LE(p->dest.x, board.clipRight - 48);
    }
}

TEST(Board, TheSameOptionsCutTheSameWayEveryTime) {
    testsupport::HeadlessGame g;
    const std::string pic = Picture(g, 480, 360);
    auto cut = [&](bool rt) {
        GAME::PUZZLE_PIECES_SYSTEM b;
        b.Init(pic.c_str(), 4, 0, nullptr, rt, 0.8f, 0);
        b.state = 3;
        g->GetRandom().Seed(12345.0f);  // whatever the generator did before, the cut reseeds it
        b.Update(0, 0);
        return Snapshot(b);
    };
    const auto a = cut(true), b = cut(true);
    ASSERT_EQ(a.size(), 20u);
    EXPECT_TRUE(a == b);
    int turned = 0;
    for (const PieceState& s : a) turned += s.rot != 0;
    EXPECT_GT(turned, 5);
    for (const PieceState& s : cut(false)) EXPECT_EQ(s.rot, 0);
}

TEST(Board, TooFewPiecesOnASideAreRefused) {
    testsupport::HeadlessGame g;
    GAME::PUZZLE_PIECES_SYSTEM board;
    testsupport::DiagCapture diag;
    board.Init(Picture(g, 480, 360).c_str(), 2, 0, nullptr, false, 0.5f, 0);
    board.state = 3;
    board.Update(0, 0);
    EXPECT_TRUE(board.order.empty());
    EXPECT_TRUE(diag.Contains("too few pieces"));
}

TEST(Board, APictureTallerThanTheTableIsScaledDown) {
    testsupport::HeadlessGame g;
    struct Case { int h; float scale; } cases[] = {{600, 1.0f}, {692, 1.0f}, {800, (692 * 100.0f / 800) / 100}};
    for (const Case& c : cases) {
        GAME::PUZZLE_PIECES_SYSTEM board;
        board.Init(Picture(g, 400, c.h).c_str(), 3, 0, nullptr, false, 0, 0);
        EXPECT_FLOAT_EQ(board.picture->scale.x, c.scale) << c.h;
        EXPECT_FLOAT_EQ(board.picture->pos.x, 512);
        EXPECT_FLOAT_EQ(board.picture->pos.y, 384);
    }
}

class Piece : public ::testing::Test {
protected:
    void SetUp() override {
        GAME::PIECE_OPT o;
        o.texture = g->GetGfx()->TextureCreate(101, 101);
        o.cellW = o.cellH = 100;
        o.startX = o.destX = 300;
        o.startY = o.destY = 200;
        o.rot = 3;
        auto* outline = new ZELCUTVECTOR;
        const JST::iPOINT square[4] = {{-50, -50}, {50, -50}, {50, 50}, {-50, 50}};
        GAMETOOLS::IpointToCutVector(square, outline, 4);
        p.SetPoints(outline);
        p.InitPiece(o, 0.5f);
    }
    testsupport::HeadlessGame g;
    PUZZLE_PIECES p;
};

TEST_F(Piece, AQuarterTurnTakesAnEighthOfASecondAndLandsExactly) {
    p.ChangeRot(350, 200);
    int frames = 0;
    while (p.Turning() && frames < 100) {
        p.Update(false, 1.0f / 90.0f);
        ++frames;
    }
    EXPECT_EQ(frames, 10);  // 1/9 s at 90 updates a second
    EXPECT_EQ(p.rot, 0) << "3 wraps to 0";
    EXPECT_FLOAT_EQ(p.sprite->angle, 0.0f);
    EXPECT_FLOAT_EQ(p.GetPosX(), 350);
    EXPECT_FLOAT_EQ(p.GetPosY(), 150);
    p.fixed = true;
    p.ChangeRot(0, 0);
    EXPECT_FALSE(p.Turning()) << "a fixed piece never turns";
}

TEST_F(Piece, FlyInStopsOnItsDestinationWithoutOvershooting) {
    p.SetPos(0, 0);
    p.SetDestPoint({400, 3});
    float lastX = 0;
    for (int i = 0; i < 200; ++i) {
        p.Update(false, 1.0f / 90.0f);
        EXPECT_LE(p.GetPosX(), 400.0f);
        EXPECT_GE(p.GetPosX(), lastX);
        lastX = p.GetPosX();
    }
    EXPECT_GT(p.GetPosX(), 394.0f) << "it lands on the spot, or stops once within 5 pixels of it";
    EXPECT_FLOAT_EQ(p.GetPosY(), 0) << "closer than 6 pixels on an axis: it stays";
    EXPECT_FALSE(p.Flying());
}

TEST_F(Piece, EdgeOnlyModeFadesLooseInnerPiecesOnly) {
    p.edge = false;
    for (int i = 0; i < 90; ++i) p.Update(true, 1.0f / 90.0f);
    EXPECT_FLOAT_EQ(p.alpha, 0.0f);
    for (int i = 0; i < 90; ++i) p.Update(false, 1.0f / 90.0f);
    EXPECT_FLOAT_EQ(p.alpha, 1.0f);
    p.nstr = 3;
    for (int i = 0; i < 90; ++i) p.Update(true, 1.0f / 90.0f);
    EXPECT_FLOAT_EQ(p.alpha, 1.0f);
    p.nstr = 0;
    p.edge = true;
    for (int i = 0; i < 90; ++i) p.Update(true, 1.0f / 90.0f);
    EXPECT_FLOAT_EQ(p.alpha, 1.0f);
}

} // namespace
