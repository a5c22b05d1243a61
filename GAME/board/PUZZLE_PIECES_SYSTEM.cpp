#include "GAME/board/PUZZLE_PIECES_SYSTEM.h"

#include "GAME/board/BoardEnv.h"
#include "GAME/data/Config.h"
#include "GAME/board/PUZZLE_POCKET.h"
#include "ST/audio/ST_SS.h"
#include "ST/core/Diag.h"
#include "ST/core/iFile.h"
#include "ST/gui/JSPRITE.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace GAME {

PUZZLE_PIECES_SYSTEM::PUZZLE_PIECES_SYSTEM() {
    ZEL::ZELGFX* gfx = env::Gfx();
    // The pictures come from whichever pack the caller made current.
    table = new JSPRITE(chFrontColor);
    scorePanel = new JSPRITE(chUP_SCORE_PANEL);
    scorePanel->CalculateHotSpot(5);
    scorePanel->SetPos(env::Middle().x, 0);
    spark = new JSPRITE(chPARTIC_SNOW_CURSOR);
    spark->SetColorU(0x88FFFFFF);
    spark->SetSize(0.4f, 0.4f);
    spark->SetBlendMode(2);
    const std::uint32_t sel = gfx->TextureCreate(10, 10);
    if (auto* px = static_cast<GAMETOOLS::Pixel*>(gfx->TextureLock(sel))) {
        GAMETOOLS::PillAll(0x661E90FF, px, {10, 10});
        gfx->TextureUnlock(sel);
    }
    selectionSprite = new JSPRITE(sel);
    selectionSprite->SetTexelCoord(0, 0, 1, 1);
    selectionSprite->CalculateHotSpot(1);
    selectionSprite->SetSizePix(0, 0);
    magnifierSprite = new JSPRITE(gfx->GetScreen());
    magnifierSprite->SetSizePix(200, 150);
    magnifierSprite->SetBlendMode(0);
    pocket = new PUZZLE_POCKET;
    SetClip(env::ScreenW(), env::ScreenH());
    ResetRegistr();
}

PUZZLE_PIECES_SYSTEM::~PUZZLE_PIECES_SYSTEM() {
    ClearPieces();
    for (JST::STE* e : effects) delete e;
    delete picture;
    delete gridLayer;
    delete table;
    delete scorePanel;
    delete spark;
    delete selectionSprite;
    delete magnifierSprite;
    delete pocket;
}

void PUZZLE_PIECES_SYSTEM::ClearPieces() {
    for (PUZZLE_PIECES* p : order) delete p;
    order.clear();
    grid.clear();
    ring.clear();
}

void PUZZLE_PIECES_SYSTEM::Play(ZEL::ST_A* s) {
    if (s) s->Render(0);
}

void PUZZLE_PIECES_SYSTEM::SetClip(int w, int h) {
    clipLeft = 50;
    clipTop = 50;
    clipRight = w - 50;
    clipBottom = h - 50;
}

void PUZZLE_PIECES_SYSTEM::SetColored(std::uint32_t colour) {
    if (table) table->SetColorU(colour);
}

void PUZZLE_PIECES_SYSTEM::SetOptions(int min, float d, bool r, int tb) {
    Min = min;
    distort = d;
    rt = r;
    typeborder = tb;
}

void PUZZLE_PIECES_SYSTEM::Init(const char* img, int min, int areaHeight, PUZZLE_PLAYER_PROFILE* prof, bool r,
                                float d, int tb) {
    ZEL::Diag("PIECE SYSTEM    Init");
    const char* pack = ZEL::ifile.ZipGetCurrentPack();
    ImgPkAdr = pack ? pack : "";
    scoreSaved = false;
    SetOptions(min, d, r, tb);
    profile = prof;
    ImgAdr = img ? img : "";
    delete picture;
    picture = new JSPRITE(ImgAdr.c_str());
    delete gridLayer;
    const JST::iPOINT size = picture->imageSize;
    std::uint32_t layer = env::Gfx()->TextureCreate(std::max(1, size.x), std::max(1, size.y));
    gridLayer = new JSPRITE(layer);
    gridLayer->SetTexelCoord(0.0f, 0.0f, 1.0f, 1.0f);
    FitPicture(areaHeight);
    ResetRegistr();
    ZEL::Diag("PIECE SYSTEM    Init compleate");
}

void PUZZLE_PIECES_SYSTEM::FitPicture(int areaHeight) {
    if (!picture) return;
    const int sh = env::ScreenH(), sw = env::ScreenW();
    if (areaHeight == 0) areaHeight = sh;
    const int m = static_cast<int>(sh * 0.05);
    const int h = areaHeight - 2 * m;
    const int ph = picture->imageSize.y;
    float s = 1.0f;
    if (ph > 0 && h < ph) s = (static_cast<float>(h) * 100.0f / static_cast<float>(ph)) / 100.0f;
    picture->SetSize(s, s);
    picture->SetPos(sw / 2, areaHeight / 2);
    if (gridLayer) {
        gridLayer->SetSize(s, s);
        gridLayer->pos = picture->pos;
    }
}

void PUZZLE_PIECES_SYSTEM::Reset(int areaHeight) {
    ZEL::Diag("Piece system reset ...");
    if (state <= 2) {
        ZEL::Diag(" state<3 ");
        FitPicture(areaHeight);
    } else if (state == 4) {
        ZEL::Diag(" state=4 ");
        if (picture) picture->SetPos(env::Middle().x, env::Middle().y);
        if (magnifierSprite) magnifierSprite->SetTexture(env::Gfx()->GetScreen());
        if (table) {
            table->SetSizePix(clipRight - clipLeft, clipBottom - clipTop);
            table->SetPos(env::ScreenW() / 2, env::ScreenH() / 2);
            table->CalculateHotSpot(0);
            table->StreckenTexelz();
        }
    }
    ZEL::Diag("Reset ok");
}

int PUZZLE_PIECES_SYSTEM::Update(int, float) {
    switch (state) {
    case 0:
        return 0;
    case 1:
    case 2:
        ++state;
        return 0;
    case 3:
        Narezator();
        state = 4;
        Reset(0);
        return 0;
    default:
        break;
    }
    const float dt = env::Dt();
    regTa += dt;
    regT += dt;
    Routin();
    if (selecting) CheckTheSelection();
    if (winStep != -2) {
        const int pr = pocket ? pocket->Update() : 0;
        if (pr == 1) {
            regGVN = true;
            HelpOff();
            ResetAllocation();
            selecting = false;
            return 0;
        }
        if (pr == -2) return 0;
        const int code = PlayerActivity();
        if (code == 1007 || code == 1005 || code == 1004 || code == 126) return code;
    }
    return regF == 1 ? 1 : 0;
}

int PUZZLE_PIECES_SYSTEM::Render(int) {
    ZEL::ZELGFX* gfx = env::Gfx();
    switch (state) {
    case 1:
        if (picture) picture->Render(0);
        break;
    case 2:
        if (plate && picture) {
            plate->SetSizePix(picture->imageSize.x + 65, picture->imageSize.y + 65);
            plate->scale = picture->scale;
            plate->CalculateHotSpot(0);
            plate->Render(picture->pos.x, picture->pos.y);
        }
        gfx->SetAnisotropic(true);
        if (picture) picture->Render(0);
        if (gridLayer) gridLayer->Render(0);
        break;
    case 4:
        Debug();
        if (table) table->Render(0);
        if (frame && picture) {
            picture->SetColorU(0xAAFFFFFF);
            picture->Render(0);
        }
        RenderPieces();
        if (scorePanel) scorePanel->Render(0);
        if (pocket) pocket->Render();
        Odnoklasniki();
        if (pocket) pocket->RenderButton();
        if (selecting && selectionSprite) {
            selectionSprite->Render(0);
            const float x1 = float(selStart.x), y1 = float(selStart.y), x2 = float(selEnd.x), y2 = float(selEnd.y);
            gfx->RenderLine(x1, y1, x2, y1, 0xFF1E90FF);
            gfx->RenderLine(x2, y1, x2, y2, 0xFF1E90FF);
            gfx->RenderLine(x2, y2, x1, y2, 0xFF1E90FF);
            gfx->RenderLine(x1, y2, x1, y1, 0xFF1E90FF);
        }
        for (JST::STE* e : effects) e->Render();
        break;
    default:
        break;
    }
    return 0;
}

void PUZZLE_PIECES_SYSTEM::PostRender() {
    if (state != 4 || !magnifier || !magnifierSprite) return;
    ZEL::ST_INPUT& in = env::Input();
    const int sw = env::ScreenW(), sh = env::ScreenH();
    const int mx = std::clamp(in.GetMouseX(), 0, sw - 1), my = std::clamp(in.GetMouseY(), 0, sh - 1);
    ZEL::ZELGFX* gfx = env::Gfx();
    const JST::fPOINT tl = gfx->DesignToScreenUV(mx - 70.0f, my - 52.5f);
    const JST::fPOINT br = gfx->DesignToScreenUV(mx + 70.0f, my + 52.5f);
    magnifierSprite->SetTexelCoord(tl.x, tl.y, br.x, br.y);
    magnifierSprite->SetPos(mx, my);
    magnifierSprite->CalculateHotSpot(0);
    magnifierSprite->Render(0);
    const float l = float(std::max(mx - 100, 1)), t = float(std::max(my - 75, 1));
    const float r = float(std::min(mx + 100, sw - 1)), b = float(std::min(my + 75, sh - 1));
    gfx->RenderLine(l, t, r, t, 0xFF1A4780);
    gfx->RenderLine(r, t, r, b, 0xFF1A4780);
    gfx->RenderLine(r, b, l, b, 0xFF1A4780);
    gfx->RenderLine(l, b, l, t, 0xFF1A4780);
}

void PUZZLE_PIECES_SYSTEM::RenderPieces() {
    env::Gfx()->SetAnisotropic(true);
    for (int i = static_cast<int>(order.size()) - 1; i >= 0; --i) {
        PUZZLE_PIECES* p = order[i];
        if (p->BK != 0 || p->lift != 0.0f) continue;
        if (p->nstr == 0) {
            p->RenderShadow();
            p->Render();
        } else {
            const int next = DrawPieceShadowNstr(i);
            i = next;  // the loop's decrement steps on from the first piece outside the group
        }
    }
}

void PUZZLE_PIECES_SYSTEM::Odnoklasniki() {
    const JST::fPOINT off = pocket ? pocket->ScrollOffset() : JST::fPOINT();
    for (int i = static_cast<int>(order.size()) - 1; i >= 0; --i) {
        PUZZLE_PIECES* p = order[i];
        if (p->BK != 0) {
            const float x = p->GetPosX() + off.x, y = p->GetPosY() + off.y;
            p->RenderShadow(x, y);
            p->Render(x, y);
        } else if (p->lift != 0.0f) {
            if (p->nstr == 0) {
                p->RenderShadow();
                p->Render();
            } else {
                i = DrawPieceShadowNstr(i);
            }
        }
    }
}

// ---- the cut ----

void PUZZLE_PIECES_SYSTEM::DrawGrid(std::uint32_t colour, int thick, std::uint32_t texture) {
    if (!picture) return;
    const JST::iPOINT size = picture->imageSize;
    layout = ComputeCutLayout(size.x, size.y, Min, distort);
    cellPoints = layout.cellPoints;
    ZEL::ZELGFX* gfx = env::Gfx();
    const std::uint32_t target = texture ? texture : (gridLayer ? gridLayer->GetTexture() : 0);
    auto* px = reinterpret_cast<GAMETOOLS::Pixel*>(gfx->TextureLock(target));
    if (!px) return;
    const JST::iPOINT tsize = gfx->lastTexSize;
    if (texture == 0) GAMETOOLS::PillAll(0x00FFFFFF, px, tsize);
    DrawCutLines(layout, px, tsize, colour);
    if (thick == 1) GAMETOOLS::DrawGrid3px(colour, px, tsize);
    gfx->TextureUnlock(target);
}

std::uint32_t PUZZLE_PIECES_SYSTEM::CutGrid(int x, int y, std::uint32_t* scratch, JST::iPOINT size,
                                            JST::iPOINT cell, int col, int row) {
    ZEL::ZELGFX* gfx = env::Gfx();
    const JST::iPOINT tsize{size.x + 1, size.y + 1};
    // The mask first: the piece texture must be the last one touched, its sprite takes that size.
    const std::uint32_t mtex = gridLayer->GetTexture();
    auto* mask = reinterpret_cast<GAMETOOLS::Pixel*>(gfx->TextureLock(mtex));
    const std::uint32_t tex = gfx->TextureCreate(tsize.x, tsize.y);
    auto* target = reinterpret_cast<GAMETOOLS::Pixel*>(gfx->TextureLock(tex));
    if (target) {
        std::fill(target, target + tsize.x * tsize.y, 0u);
        if (mask) {
            const int cx = cell.x / 2 + cell.x * col, cy = cell.y / 2 + cell.y * row;
            GAMETOOLS::CopyPiece(x, y, scratch, target, mask, picture->imageSize, tsize, cx, cy);
        }
        GAMETOOLS::DrawBeauty(target, tsize);
        GAMETOOLS::SmoothAlpha(target, tsize);
        gfx->TextureUnlock(tex);
    }
    if (mask) gfx->TextureUnlock(mtex);
    return tex;
}

void PUZZLE_PIECES_SYSTEM::Narezator() {
    ZEL::Diag("narezator");
    ZEL::ST_RANDOM& rng = env::Random();
    rng.Seed(0.0f);
    ZEL::ZELGFX* gfx = env::Gfx();
    if (!picture || !gridLayer) return;
    const JST::iPOINT size = picture->imageSize;
    if (layout = ComputeCutLayout(size.x, size.y, Min, distort); layout.size.countX < 3) {
        ZEL::Diag("narezator: too few pieces to cut");
        return;
    }
    // The scratch copy's alpha marks what the fill has visited.
    auto* src = reinterpret_cast<GAMETOOLS::Pixel*>(gfx->TextureLock(picture->GetTexture()));
    if (!src) return;
    std::vector<GAMETOOLS::Pixel> scratch(src, src + size.x * size.y);
    gfx->TextureUnlock(picture->GetTexture());

    if (auto* m = reinterpret_cast<GAMETOOLS::Pixel*>(gfx->TextureLock(gridLayer->GetTexture()))) {
        GAMETOOLS::PillAll(0xFFFFFFFF, m, gfx->lastTexSize);
        gfx->TextureUnlock(gridLayer->GetTexture());
    }
    DrawGrid(0x00FFFFFF, 0, gridLayer->GetTexture());
    const CutSize& cs = layout.size;
    countX = cs.countX;
    countY = cs.countY;
    typeborder = 0;
    ClearPieces();
    cstr = 0;
    const JST::iPOINT middle = env::Middle();
    const int radius = std::max(middle.x, middle.y) + 200;
    for (int r = 0; r < countY; ++r) {
        for (int c = 0; c < countX; ++c) {
            const JST::iPOINT seed = layout.SeedPoint(c, r);
            PIECE_OPT o;
            o.texture = CutGrid(seed.x, seed.y, scratch.data(), {cs.pieceW, cs.pieceH}, {cs.cellW, cs.cellH}, c, r);
            o.col = c;
            o.row = r;
            o.edge = r == 0 || c == 0 || c == countX - 1 || r == countY - 1;
            o.rot = rt ? rng.GetRandomI(0, 3, 0) : 0;
            o.destX = rng.GetRandomI(clipLeft + cs.cellW / 2, clipRight - cs.cellW / 2, 0);
            o.destY = rng.GetRandomI(clipTop + cs.cellH / 2, clipBottom - cs.cellH / 2, 0);
            const float angle = rng.GetRandomF(0.0f, 6.2831855f, 0);
            o.startX = middle.x + static_cast<int>(std::cos(angle) * radius);
            o.startY = middle.y + static_cast<int>(std::sin(angle) * radius);
            o.cellW = cs.cellW;
            o.cellH = cs.cellH;
            auto* piece = new PUZZLE_PIECES;
            auto* outline = new ZELCUTVECTOR;
            GAMETOOLS::IpointToCutVector(layout.Points(c, r), outline, kOutlinePoints);
            piece->SetPoints(outline);
            piece->InitPiece(o, rng.GetRandomF(0.5f, 0.8f, 0));
            order.push_back(piece);
            grid.push_back(piece);
        }
    }
    if (auto* m = reinterpret_cast<GAMETOOLS::Pixel*>(gfx->TextureLock(gridLayer->GetTexture()))) {
        GAMETOOLS::PillAll(0xFFFFFFFF, m, gfx->lastTexSize);
        gfx->TextureUnlock(gridLayer->GetTexture());
    }
    DrawGrid(0, 0, gridLayer->GetTexture());
    ResetRegistr();
    CompleteVectorBorder();
    ringStepTime = 0.8f / static_cast<float>(countX + countY - 2);
    winFlashes = 12;
}

void PUZZLE_PIECES_SYSTEM::CompleteVectorBorder() {
    ring.clear();
    for (const JST::iPOINT& p : RingOrder(countX, countY)) ring.push_back(grid[p.x + p.y * countX]);
}

} // namespace GAME
