#include "BoardFixture.h"

#include "ST/core/ST_GAME.h"
#include "ST/gui/JSPRITE.h"
#include "ST/platform/Display.h"
#include "support/HeadlessGame.h"

#include <cstdlib>

namespace boardtest {

namespace {
testsupport::HeadlessGame* gWorld = nullptr;
} // namespace

void BoardFixture::SetUp() {
    gWorld = new testsupport::HeadlessGame;
    board = std::make_unique<GAME::PUZZLE_PIECES_SYSTEM>();
}

void BoardFixture::TearDown() {
    board.reset();
    delete gWorld;
    gWorld = nullptr;
}

void BoardFixture::MakePuzzle(int countX, int countY, int cell, bool rotation) {
    board = std::make_unique<GAME::PUZZLE_PIECES_SYSTEM>();
    ZEL::ZELGFX* gfx = (*gWorld)->GetGfx();
    board->picture = new JSPRITE(gfx->TextureCreate(cell * countX, cell * countY));
    board->countX = countX;
    board->countY = countY;
    board->rt = rotation;
    cellSize = cell;
    const int h = cell / 2;
    const JST::iPOINT square[4] = {{-h, -h}, {h, -h}, {h, h}, {-h, h}};
    for (int r = 0; r < countY; ++r) {
        for (int c = 0; c < countX; ++c) {
            auto* p = new GAME::PUZZLE_PIECES;
            auto* outline = new ZELCUTVECTOR;
            GAMETOOLS::IpointToCutVector(square, outline, 4);
            p->SetPoints(outline);
            GAME::PIECE_OPT o;
            o.texture = gfx->TextureCreate(cell + 1, cell + 1);
            o.col = c;
            o.row = r;
            o.cellW = o.cellH = cell;
            // Parked in a row along the bottom, out of each other's reach.
            o.destX = o.startX = 80 + (c + r * countX) * 60 % 880;
            o.destY = o.startY = 700 - ((c + r * countX) * 60 / 880) * 10;
            o.edge = r == 0 || c == 0 || r == countY - 1 || c == countX - 1;
            p->InitPiece(o, 0.5f);
            board->order.push_back(p);
            board->grid.push_back(p);
        }
    }
    board->ResetRegistr();
    board->CompleteVectorBorder();
    board->state = 4;
}

int BoardFixture::OrderIndex(const GAME::PUZZLE_PIECES* p) const {
    for (size_t i = 0; i < board->order.size(); ++i)
        if (board->order[i] == p) return static_cast<int>(i);
    return -1;
}

void BoardFixture::Place(GAME::PUZZLE_PIECES* p, float x, float y) { p->SetPos(x, y); }

int BoardFixture::Frame(float dt) {
    ZEL::ST_GAME& g = **gWorld;
    g.GetTimer().SetDelta(dt);
    const int code = board->Update(0, 0.0f);
    g.GetInput()->Update(0);
    return code;
}

void BoardFixture::MoveMouse(int x, int y) { (*gWorld)->GetInput()->EventMouseMove(x, y); }

void BoardFixture::Press(int x, int y) {
    MoveMouse(x, y);
    (*gWorld)->GetInput()->EventMouseLkm(true);
    Frame();
}

void BoardFixture::Release() {
    (*gWorld)->GetInput()->EventMouseLkm(false);
    Frame();
}

void BoardFixture::RightClick(int x, int y) {
    MoveMouse(x, y);
    (*gWorld)->GetInput()->EventMouseRkm(true);
    Frame();
    (*gWorld)->GetInput()->EventMouseRkm(false);
    Frame();
}

int BoardFixture::DragPiece(GAME::PUZZLE_PIECES* p, float x, float y, int steps) {
    const int sx = static_cast<int>(p->GetPosX()), sy = static_cast<int>(p->GetPosY());
    const int tx = static_cast<int>(x), ty = static_cast<int>(y);
    Press(sx, sy);
    for (int s = 1; s <= steps; ++s) {
        MoveMouse(sx + (tx - sx) * s / steps, sy + (ty - sy) * s / steps);
        Frame();
    }
    Release();
    return 0;
}

} // namespace boardtest
