#include "GAME/board/PUZZLE_PIECES.h"

#include "GAME/board/GAMETOOLS.h"
#include "ST/core/Clock.h"
#include "ST/gui/JSPRITE.h"

#include <algorithm>
#include <cmath>

namespace GAME {

namespace {
constexpr float kQuarter = 1.5707964f;
}

PUZZLE_PIECES::~PUZZLE_PIECES() {
    delete sprite;
    DeleteCutVector(outline);
}

void PUZZLE_PIECES::SetPoints(ZELCUTVECTOR* list) {
    if (list == outline) return;
    DeleteCutVector(outline);
    outline = list;
}

void PUZZLE_PIECES::TurnOutlineQuarter() {
    if (!outline) return;
    for (ZELCUTVECTOR* n = outline->next; n; n = n->next) {
        const float x = n->x;
        n->x = -n->y;
        n->y = x;
    }
}

void PUZZLE_PIECES::InitPiece(const PIECE_OPT& o, float k) {
    delete sprite;
    sprite = new JSPRITE(o.texture);
    sprite->SetPosF(static_cast<float>(o.startX), static_cast<float>(o.startY));
    col = o.col;
    row = o.row;
    cellW = o.cellW;
    cellH = o.cellH;
    edge = o.edge;
    dest = JST::iPOINT(o.destX, o.destY);
    speed = JST::iPOINT(static_cast<int>((o.destX - o.startX) * k), static_cast<int>((o.destY - o.startY) * k));
    rot = ((o.rot % 4) + 4) % 4;
    sprite->angle = static_cast<float>(rot) * kQuarter;
    for (int i = 0; i < rot; ++i) TurnOutlineQuarter();
    alpha = 1.0f;
}

void PUZZLE_PIECES::Update(bool edgeOnly, float dt) {
    // Rising or sinking runs until the lift reaches its end.
    if (liftDir > 0) {
        lift = std::min(1.0f, lift + 2.0f * dt);
        if (lift >= 1.0f) liftDir = 0;
    } else if (liftDir < 0) {
        lift = std::max(0.0f, lift - 2.0f * dt);
        if (lift <= 0.0f) liftDir = 0;
    }
    if (turn != 0.0f) {
        turn += 9.0f * dt;
        Rotation();
    }
    if (nstr == 0 && !edge) alpha += edgeOnly ? -dt : dt;
    else alpha += dt;
    alpha = std::clamp(alpha, 0.0f, 1.0f);
    if (!sprite) return;
    // Fly in per axis: snap onto the destination when a step would cross it; close enough, stop.
    auto fly = [dt](float& p, int& v, int d) {
        if (v == 0) return;
        if (std::abs(static_cast<int>(p) - d) >= 6) {
            const float np = p + static_cast<float>(v) * dt;
            if ((p < d && np >= d) || (p > d && np <= d)) {
                p = static_cast<float>(d);
                v = 0;
            } else {
                p = np;
            }
        } else {
            v = 0;
        }
    };
    fly(sprite->pos.x, speed.x, dest.x);
    fly(sprite->pos.y, speed.y, dest.y);
}

void PUZZLE_PIECES::Move(float dx, float dy) {
    if (sprite) {
        sprite->pos.x += dx;
        sprite->pos.y += dy;
    }
    dest.x = static_cast<int>(dest.x + dx);
    dest.y = static_cast<int>(dest.y + dy);
    pivot += JST::fPOINT(dx, dy);
    turnStart += JST::fPOINT(dx, dy);
}

void PUZZLE_PIECES::SetPos(float x, float y) {
    if (sprite) sprite->SetPosF(x, y);
    dest = JST::iPOINT(static_cast<int>(x), static_cast<int>(y));
}

void PUZZLE_PIECES::SetDestPoint(JST::iPOINT p) {
    dest = p;
    speed = JST::iPOINT(static_cast<int>(p.x - GetPosX()), static_cast<int>(p.y - GetPosY()));
}

void PUZZLE_PIECES::GetPos(float* x, float* y) const {
    *x = GetPosX();
    *y = GetPosY();
}

float PUZZLE_PIECES::GetPosX() const { return sprite ? sprite->pos.x : 0.0f; }
float PUZZLE_PIECES::GetPosY() const { return sprite ? sprite->pos.y : 0.0f; }

void PUZZLE_PIECES::ChangeRot(float px, float py) {
    if (fixed || !sprite) return;
    pivot = JST::fPOINT(px, py);
    turnStart = sprite->pos;
    turn = 0.001f;
    TurnOutlineQuarter();
}

void PUZZLE_PIECES::Rotation() {
    if (!sprite) return;
    const float a = turn * 1.5708f;
    const float sx = turnStart.x, sy = turnStart.y, px = pivot.x, py = pivot.y;
    if (a < 1.570796f) {
        sprite->angle = a + static_cast<float>(rot) * 1.5708f;
        const float c = std::cos(a), s = std::sin(a);
        sprite->pos.x = px + (sx - px) * c - (sy - py) * s;
        sprite->pos.y = py + (sy - py) * c + (sx - px) * s;
    } else {
        rot = (rot + 1) % 4;
        sprite->angle = static_cast<float>(rot) * 1.5708f;
        if (sprite->angle >= 6.28319f) sprite->angle = 0.0f;
        sprite->pos.x = px - (sy - py);
        sprite->pos.y = py + (sx - px);
        turn = 0.0f;
    }
}

void PUZZLE_PIECES::RotationPoint() {
    for (int i = 0; i < rot; ++i) TurnOutlineQuarter();
}

bool PUZZLE_PIECES::PieceInFrame(int x1, int y1, int x2, int y2) const {
    if (alpha != 1.0f) return false;
    const float x = GetPosX(), y = GetPosY();
    return x >= std::min(x1, x2) && x <= std::max(x1, x2) && y >= std::min(y1, y2) && y <= std::max(y1, y2);
}

bool PUZZLE_PIECES::Contains(int x, int y) const {
    return GAMETOOLS::InsideObj(x - static_cast<int>(GetPosX()), y - static_cast<int>(GetPosY()), outline);
}

namespace {
std::uint32_t Argb(float a, float r, float g, float b) {
    auto c = [](float v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
    return (c(a) << 24) | (c(r) << 16) | (c(g) << 8) | c(b);
}
} // namespace

void PUZZLE_PIECES::Draw(float x, float y, bool checkFixed) {
    if (!sprite) return;
    sprite->SetBlendMode(1);
    const float rg = selected ? 0.55f : 1.0f;
    sprite->SetColorU(Argb(alpha, rg, rg, 1.0f));
    sprite->Render(x, y);
    if (alpha >= 1.0f && hinted) {
        HelpAt(x, y, 1.0f - std::sin(0.005f * static_cast<float>(ZEL::ClockMs())));
    } else if (highlight && (!checkFixed || !fixed)) {
        HelpAt(x, y, 0.2f);
    }
}

void PUZZLE_PIECES::Render() { Draw(GetPosX(), GetPosY(), true); }

void PUZZLE_PIECES::Render(float x, float y) { Draw(x, y, false); }

void PUZZLE_PIECES::RenderHelp(float s) { HelpAt(GetPosX(), GetPosY(), s); }

void PUZZLE_PIECES::HelpAt(float x, float y, float s) {
    if (!sprite) return;
    sprite->SetBlendMode(3);
    sprite->SetColorU(Argb(0.4f * s, 1.0f, 1.0f, 1.0f));
    sprite->Render(x, y);
    sprite->SetColorU(0xFFFFFFFFu);
}

void PUZZLE_PIECES::RenderShadow() { RenderShadow(GetPosX(), GetPosY()); }

void PUZZLE_PIECES::RenderShadow(float x, float y) {
    if (!sprite || alpha < 1.0f) return;
    const float off = static_cast<float>(static_cast<int>(lift * 10.0f + 2.0f));
    sprite->SetBlendMode(1);
    sprite->SetColorU(Argb((1.0f - lift) * 0.4f + 0.4f, 0.0f, 0.0f, 0.0f));
    sprite->Render(x + off, y + off);
    sprite->SetColorU(0xFFFFFFFFu);
}

} // namespace GAME
