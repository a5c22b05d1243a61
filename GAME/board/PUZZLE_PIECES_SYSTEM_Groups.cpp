// Groups and snapping: the snap test, merges, moves and turns of groups and of the selection,
// the stacking discipline of `order`, the alignment pass and the fast collector.
#include "GAME/board/PUZZLE_PIECES_SYSTEM.h"

#include "GAME/board/BoardEnv.h"
#include "ST/core/Diag.h"
#include "ST/gui/JSPRITE.h"

#include <cmath>
#include <cstdlib>

namespace GAME {

namespace {
inline int Tx(const PUZZLE_PIECES* p) { return static_cast<int>(p->GetPosX()); }
inline int Ty(const PUZZLE_PIECES* p) { return static_cast<int>(p->GetPosY()); }
constexpr int kTolerance = 9;
} // namespace

int PUZZLE_PIECES_SYSTEM::Index(const PUZZLE_PIECES* p) const {
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i] == p) return static_cast<int>(i);
    return -1;
}

void PUZZLE_PIECES_SYSTEM::MoveToIndex(int from, int to) {
    if (from == to || from < 0 || to < 0) return;
    PUZZLE_PIECES* p = order[from];
    order.erase(order.begin() + from);
    order.insert(order.begin() + to, p);
}

bool PUZZLE_PIECES_SYSTEM::RadiusTest(int i, int j) const {
    const PUZZLE_PIECES *a = order[i], *b = order[j];
    const float dx = static_cast<float>(Tx(b) - Tx(a)), dy = static_cast<float>(Ty(b) - Ty(a));
    const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    return std::abs(d - b->cellH) <= kTolerance || std::abs(d - b->cellW) <= kTolerance;
}

int PUZZLE_PIECES_SYSTEM::TestTwo(int i, int j) const {
    const PUZZLE_PIECES *a = order[i], *b = order[j];
    if (a->rot != b->rot) return 0;
    if (a->nstr != 0 && a->nstr == b->nstr) return 0;
    if (a->alpha != 1.0f || b->alpha != 1.0f) return 0;
    if (a->row == b->row && std::abs(a->col - b->col) == 1) return 1;
    if (a->col == b->col && std::abs(a->row - b->row) == 1) return 2;
    return 0;
}

bool PUZZLE_PIECES_SYSTEM::GlueTest(int i, int j) const {
    const PUZZLE_PIECES *a = order[i], *b = order[j];
    const int ax = Tx(a), ay = Ty(a), bx = Tx(b), by = Ty(b);
    const bool alignedX = std::abs(ax - bx) <= kTolerance;  // one above the other
    const bool alignedY = std::abs(ay - by) <= kTolerance;  // side by side
    const int dr = a->row - b->row, dc = a->col - b->col;
    // For each screen side, which grid offset of A shows there at this rotation:
    // below, left, above, right; as (row offset, column offset).
    struct Off { int dr, dc; };
    static constexpr Off kSides[4][4] = {
        {{1, 0}, {0, -1}, {-1, 0}, {0, 1}},  // rot 0
        {{0, 1}, {1, 0}, {0, -1}, {-1, 0}},  // rot 1
        {{-1, 0}, {0, 1}, {1, 0}, {0, -1}},  // rot 2
        {{0, -1}, {-1, 0}, {0, 1}, {1, 0}},  // rot 3
    };
    const Off* s = kSides[a->rot & 3];
    if (ay > by && dr == s[0].dr && dc == s[0].dc && alignedX) return true;
    if (ax < bx && dr == s[1].dr && dc == s[1].dc && alignedY) return true;
    if (ay < by && dr == s[2].dr && dc == s[2].dc && alignedX) return true;
    if (ax > bx && dr == s[3].dr && dc == s[3].dc && alignedY) return true;
    return false;
}

void PUZZLE_PIECES_SYSTEM::GlueTwo(int i, int j, int) {
    if (!RadiusTest(i, j)) return;
    const PUZZLE_PIECES *a = order[i], *b = order[j];
    const int ax = Tx(a), ay = Ty(a), bx = Tx(b), by = Ty(b);
    const float dx = static_cast<float>(bx - ax), dy = static_cast<float>(by - ay);
    const float w = static_cast<float>(a->RotW()), h = static_cast<float>(a->RotH());
    if (std::abs(ax - bx) <= kTolerance) {
        if (by < ay) PieceMove(i, dx, dy + h);
        else PieceMove(i, dx, dy - h);
    } else if (std::abs(ay - by) <= kTolerance) {
        if (bx < ax) PieceMove(i, dx + w, dy);
        else PieceMove(i, dx - w, dy);
    }
}

void PUZZLE_PIECES_SYSTEM::SetNewStrTo(int oldGroup, int newGroup) {
    for (PUZZLE_PIECES* p : order)
        if (p->nstr == oldGroup) p->nstr = newGroup;
}

void PUZZLE_PIECES_SYSTEM::Campai(int i, int j) {
    PUZZLE_PIECES *a = order[i], *b = order[j];
    if (grabTime < 2.0f) ++regFastGlue;
    const int points = CalculateRegistr(i, j);
    a->BK = 0;
    b->BK = 0;
    OnJoinEffect((Tx(a) + Tx(b)) / 2, (Ty(a) + Ty(b)) / 2, points);
    ++cstr;
    const int na = a->nstr, nb = b->nstr;
    if (na == 0) a->nstr = cstr;
    else SetNewStrTo(na, cstr);
    if (nb == 0) b->nstr = cstr;
    else SetNewStrTo(nb, cstr);
    a->lift = 0.0f;
    SwapStrDown(cstr, 0, true);
    ChangeShadow(1, cstr, true);
    ChangeShadow(-1, cstr, false);
    sinkGroup = cstr;
    glowGroup = cstr;
    glowPhase = 0.0f;
    HelpOff();
}

bool PUZZLE_PIECES_SYSTEM::Banzai(int i) {
    if (i < 0 || i >= static_cast<int>(order.size())) return false;
    PUZZLE_PIECES* self = order[i];
    // Joins restack `order`, so walk the pieces as they lay when the test began, bottom first.
    const std::vector<PUZZLE_PIECES*> others(order.rbegin(), order.rend());
    bool joined = false;
    for (PUZZLE_PIECES* other : others) {
        if (other == self) continue;
        const int me = Index(self), j = Index(other);
        if (!RadiusTest(me, j)) continue;
        ZEL::Diag("Radius ok");
        if (!TestTwo(me, j)) continue;
        ZEL::Diag("Test complete");
        if (!GlueTest(me, j)) continue;
        GlueTwo(me, j);
        Campai(Index(self), Index(other));
        joined = true;
    }
    if (!joined) ZEL::Diag("BANZAI NO NO NO ");
    return joined;
}

void PUZZLE_PIECES_SYSTEM::GlueNstr(int i) {
    if (i < 0 || i >= static_cast<int>(order.size())) return;
    const PUZZLE_PIECES* start = order[i];
    int group = start->nstr;
    if (group == 0) {
        while (Banzai(Index(start))) {}
        return;
    }
    // Every member of the group, as it stands now; joins renumber it, so follow the number.
    std::vector<PUZZLE_PIECES*> members;
    for (PUZZLE_PIECES* p : order)
        if (p->nstr == group) members.push_back(p);
    for (PUZZLE_PIECES* m : members)
        while (Banzai(Index(m))) {}
}

void PUZZLE_PIECES_SYSTEM::PieceMove(int i, float dx, float dy) {
    if (i < 0 || i >= static_cast<int>(order.size())) return;
    PUZZLE_PIECES* p = order[i];
    if (p->selected) MoveVstr(dx, dy);
    else if (p->nstr == 0) p->Move(dx, dy);
    else MoveStr(p->nstr, dx, dy);
}

void PUZZLE_PIECES_SYSTEM::MoveStr(int group, float dx, float dy) {
    const bool locked = FrameLocked() && group == FrameGroup();
    if (locked) return;
    for (PUZZLE_PIECES* p : order)
        if (p->nstr == group) p->Move(dx, dy);
}

void PUZZLE_PIECES_SYSTEM::MoveVstr(float dx, float dy) {
    const int frameGroup = FrameGroup();
    for (PUZZLE_PIECES* p : order) {
        if (!p->selected) continue;
        if (FrameLocked() && p->nstr != 0 && p->nstr == frameGroup) continue;
        float mx = dx, my = dy;
        if (p->nstr == 0 && p->lift == 0.0f && !p->Turning()) {
            const float x = p->GetPosX(), y = p->GetPosY(), half = static_cast<float>(p->cellW / 2);
            if (mx > 0 && x + mx > clipRight - half) mx = 0;
            if (mx < 0 && x + mx < clipLeft + half) mx = 0;
            if (my > 0 && y + my > clipBottom - half) my = 0;
            if (my < 0 && y + my < clipTop + half) my = 0;
        }
        p->Move(mx, my);
    }
}

void PUZZLE_PIECES_SYSTEM::PieceMoveRot(int g, float dx, float dy) {
    if (g >= 0 && g < static_cast<int>(grid.size())) grid[g]->Move(dx, dy);
}

void PUZZLE_PIECES_SYSTEM::RotStr(int group, float px, float py) {
    for (PUZZLE_PIECES* p : order)
        if (p->nstr == group && !p->Turning()) p->ChangeRot(px, py);
}

void PUZZLE_PIECES_SYSTEM::SwapStrDown(int group, int, bool rise) {
    int target = 0;
    for (int k = 0; k < static_cast<int>(order.size()); ++k) {
        PUZZLE_PIECES* p = order[k];
        if (p->nstr != group) continue;
        MoveToIndex(k, target);
        if (rise) p->liftDir = 1;
        else p->lift = 0.0f;
        ++target;
    }
}

void PUZZLE_PIECES_SYSTEM::SwapStrUp(int group, bool sink) {
    int target = static_cast<int>(order.size()) - 1;
    if (regBr < 2 && regF >= 2 && group != FrameGroup()) target -= regFinishP;
    std::vector<PUZZLE_PIECES*> members;
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if ((*it)->nstr == group) members.push_back(*it);
    for (PUZZLE_PIECES* p : members) {
        if (target < 0) break;
        MoveToIndex(Index(p), target);
        if (sink) p->liftDir = -1;
        --target;
    }
}

int PUZZLE_PIECES_SYSTEM::SwapDown(int i) {
    if (i < 0 || i >= static_cast<int>(order.size())) return i + 1;
    PUZZLE_PIECES* p = order[i];
    if (p->nstr != 0) return i + 1;
    int target = static_cast<int>(order.size()) - 1;
    if (regBr < 2 && regF >= 2) target -= regFinishP;
    while (target > 0 && order[target]->nstr != 0) --target;
    if (target < 0) {
        ZEL::Diag("pipiec  == NULL");
        return i + 1;
    }
    if (target < i) target = i;  // it already lies below every other loose piece
    MoveToIndex(i, target);
    p->liftDir = -1;
    return target + 1;
}

void PUZZLE_PIECES_SYSTEM::SwapVstr() {
    int target = 0;
    for (int k = 0; k < static_cast<int>(order.size()); ++k) {
        PUZZLE_PIECES* p = order[k];
        if (!p->selected) continue;
        MoveToIndex(k, target);
        p->liftDir = 1;
        ++target;
    }
}

int PUZZLE_PIECES_SYSTEM::VidelStr(int i) {
    const int group = order[i]->nstr;
    int k = i;
    while (k > 0 && order[k - 1]->nstr == group) --k;
    for (; k < static_cast<int>(order.size()) && order[k]->nstr == group; ++k) order[k]->selected = true;
    return k;
}

void PUZZLE_PIECES_SYSTEM::ChangeShadow(int dir, int group, bool now) {
    for (PUZZLE_PIECES* p : order) {
        if (p->nstr != group) continue;
        p->liftDir = dir >= 0 ? 1 : -1;
        if (now) p->lift = dir >= 0 ? 1.0f : 0.0f;
    }
}

void PUZZLE_PIECES_SYSTEM::ChangeShadowVstr(int dir) {
    for (PUZZLE_PIECES* p : order)
        if (p->selected) p->liftDir = dir;
}

void PUZZLE_PIECES_SYSTEM::GlowNstr(int group) {
    for (PUZZLE_PIECES* p : order)
        if (p->nstr == group) p->highlight = true;
}

int PUZZLE_PIECES_SYSTEM::DrawPieceShadowNstr(int i) {
    const int group = order[i]->nstr;
    int end = i;
    while (end >= 0 && order[end]->nstr == group) --end;  // first index outside the run
    for (int k = i; k > end; --k) order[k]->RenderShadow();
    const PUZZLE_PIECES* ringPiece = ringStep >= 0 && ringStep < static_cast<int>(ring.size()) ? ring[ringStep] : nullptr;
    const PUZZLE_PIECES* winPiece = winStep >= 0 && winStep < static_cast<int>(grid.size()) ? grid[winStep] : nullptr;
    for (int k = i; k > end; --k) {
        PUZZLE_PIECES* p = order[k];
        p->Render();
        if (glowGroup > 0 && group == glowGroup) p->RenderHelp(std::sin(glowPhase));
        if (p == ringPiece) p->RenderHelp(std::sin(ringTimer * 6.2f));
        if (p == winPiece) p->RenderHelp(std::sin(winTimer * 6.2f));
    }
    return end < 0 ? 0 : end + 1;
}

bool PUZZLE_PIECES_SYSTEM::TestFastCollector(int i) {
    if (i < 0 || i >= static_cast<int>(order.size()) || grid.empty() || !picture) return false;
    PUZZLE_PIECES* p = order[i];
    if (p->rot != 0) return false;
    const int cw0 = grid[0]->cellW, ch0 = grid[0]->cellH;
    const JST::iPOINT middle = env::Middle();
    const int tx = static_cast<int>(cw0 / 2.0f + middle.x - picture->imageSize.x / 2.0f) + p->col * cw0;
    const int ty = static_cast<int>(ch0 / 2.0f + middle.y - picture->imageSize.y / 2.0f) + p->row * ch0;
    const float dx = static_cast<float>(tx) - p->GetPosX(), dy = static_cast<float>(ty) - p->GetPosY();
    const float d = std::sqrt(dx * dx + dy * dy);
    if (d < static_cast<float>(p->cellW / 3) || d < static_cast<float>(p->cellH / 3)) {
        PieceMove(i, dx, dy);
        DisablePieces(i);
        return true;
    }
    return false;
}

void PUZZLE_PIECES_SYSTEM::DisablePieces(int i) {
    PUZZLE_PIECES* p = order[i];
    if (p->nstr == 0) {
        p->fixed = true;
        return;
    }
    for (PUZZLE_PIECES* q : order)
        if (q->nstr == p->nstr) q->fixed = true;
}

void PUZZLE_PIECES_SYSTEM::GlueTwoRot(int moved, int other) {
    PUZZLE_PIECES *m = grid[moved], *o = grid[other];
    const float dx = o->GetPosX() - m->GetPosX(), dy = o->GetPosY() - m->GetPosY();
    const float w = static_cast<float>(m->RotW()), h = static_cast<float>(m->RotH());
    float nx, ny;
    if (std::abs(dx) >= h / 1.5f) {
        if (std::abs(dy) >= w / 1.5f) return;  // neither side by side nor one above the other
        nx = m->GetPosX() > o->GetPosX() ? o->GetPosX() + w : o->GetPosX() - w;
        ny = o->GetPosY();
    } else {
        nx = o->GetPosX();
        ny = m->GetPosY() > o->GetPosY() ? o->GetPosY() + h : o->GetPosY() - h;
    }
    PieceMoveRot(moved, nx - m->GetPosX(), ny - m->GetPosY());
}

void PUZZLE_PIECES_SYSTEM::Debug() {
    for (int g = 0; g < static_cast<int>(grid.size()); ++g) {
        PUZZLE_PIECES* p = grid[g];
        if (p->nstr == 0 || p->Turning()) continue;
        const int c = p->col, r = p->row;
        auto same = [&](int n) { return grid[n]->nstr == p->nstr && !grid[n]->Turning(); };
        if (c + 1 < countX && same(g + 1)) GlueTwoRot(g + 1, g);
        if (r + 1 < countY && same(g + countX)) GlueTwoRot(g + countX, g);
    }
}

} // namespace GAME
