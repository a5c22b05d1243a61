// Handling pieces with the mouse, the rubber-band selection and the board's per-frame work.
#include "GAME/board/PUZZLE_PIECES_SYSTEM.h"

#include "GAME/board/BoardEnv.h"
#include "GAME/board/PUZZLE_POCKET.h"
#include "ST/audio/ST_SS.h"
#include "ST/gui/JSPRITE.h"

#include <algorithm>
#include <cmath>

namespace GAME {

bool PUZZLE_PIECES_SYSTEM::InClosedPocket(const PUZZLE_PIECES* p) const {
    return p->BK != 0 && !(pocket && pocket->open);
}

bool PUZZLE_PIECES_SYSTEM::Pickable(const PUZZLE_PIECES* p) const {
    const bool visible = p->edge || !borderOnly || p->nstr != 0;
    return visible && !InClosedPocket(p);
}

int PUZZLE_PIECES_SYSTEM::WhoIn(int x, int y) const {
    for (size_t i = 0; i < order.size(); ++i) {
        const PUZZLE_PIECES* p = order[i];
        if (Pickable(p) && p->Contains(x, y)) return static_cast<int>(i) + 1;
    }
    return 0;
}

void PUZZLE_PIECES_SYSTEM::ResetAllocation() {
    for (PUZZLE_PIECES* p : order) p->selected = false;
}

void PUZZLE_PIECES_SYSTEM::HelpOff() {
    hintOn = false;
    for (PUZZLE_PIECES* p : order) p->hinted = false;
}

bool PUZZLE_PIECES_SYSTEM::SetBorder() {
    if (ringStep == -2) return borderOnly;
    borderOnly = !borderOnly;
    Play(borderOnly ? sounds.toolOn : sounds.toolOff);
    return borderOnly;
}

bool PUZZLE_PIECES_SYSTEM::SetMagnifer() {
    magnifier = !magnifier;
    if (magnifier && magnifierSprite) magnifierSprite->SetTexture(env::Gfx()->GetScreen());
    Play(magnifier ? sounds.toolOn : sounds.toolOff);
    return magnifier;
}

void PUZZLE_PIECES_SYSTEM::SelectionStart() {
    if (selectionSprite) {
        selectionSprite->SetPos(0, 0);
        selectionSprite->SetSizePix(0, 0);
    }
    ResetAllocation();
    const ZEL::ST_INPUT& in = env::Input();
    grabbed = 0;
    selecting = true;
    selStart = selEnd = JST::iPOINT(in.GetMouseX(), in.GetMouseY());
    if (selectionSprite) selectionSprite->SetPos(selStart.x, selStart.y);
}

void PUZZLE_PIECES_SYSTEM::CheckTheSelection() {
    const int frameGroup = FrameGroup();
    for (int i = 0; i < static_cast<int>(order.size());) {
        PUZZLE_PIECES* p = order[i];
        const bool eligible = p->PieceInFrame(selStart.x, selStart.y, selEnd.x, selEnd.y) &&
                              !(FrameLocked() && p->nstr != 0 && p->nstr == frameGroup) && !InClosedPocket(p) &&
                              !p->fixed && ((p->BK != 0) == pressInPocket);
        if (!eligible) {
            p->selected = false;
            ++i;
        } else if (p->nstr != 0) {
            i = VidelStr(i);
        } else {
            p->selected = true;
            ++i;
        }
    }
}

void PUZZLE_PIECES_SYSTEM::CheckCountAllocation() {
    int count = 0, firstGroup = 0;
    for (const PUZZLE_PIECES* p : grid) {
        if (!p->selected) continue;
        if (p->nstr == 0) ++count;
        else if (firstGroup == 0) {
            firstGroup = p->nstr;
            ++count;
        } else if (p->nstr != firstGroup) {
            ++count;
        }
    }
    if (count <= 1) ResetAllocation();
}

void PUZZLE_PIECES_SYSTEM::VK(bool put) {
    const int cw0 = grid.empty() ? 0 : grid[0]->cellW;
    for (PUZZLE_PIECES* p : order) {
        if (!p->selected || p->nstr != 0) continue;
        p->BK = put ? 1 : 0;
        if (put && pocket && !pocket->open) {
            const int y = env::Random().GetRandomI(0, pocket->areaH - cw0, 0);
            const int x = env::Random().GetRandomI(0, pocket->areaW - cw0, 0);
            p->SetPos(static_cast<float>(x), static_cast<float>(y));
        }
    }
}

void PUZZLE_PIECES_SYSTEM::VKoffNSTR(int group) {
    for (PUZZLE_PIECES* p : order)
        if (p->nstr == group) p->BK = 0;
}

int PUZZLE_PIECES_SYSTEM::PlayerActivity() {
    ZEL::ST_INPUT& in = env::Input();
    const int mx = in.GetMouseX(), my = in.GetMouseY();
    const bool overPocket = pocket && pocket->MouseInPocket();
    const bool pocketOpen = pocket && pocket->open;

    // Right button: turns.
    if (in.Rkm() == 1 && !selecting) {
        if (magnifier) {
            magnifier = false;
            grabbed = 0;
            return 1007;
        }
        if (!rt) {
            Play(sounds.rotationWrong);
            return 0;
        }
        bool once = false;
        if (grabbed == 0) {
            grabbed = WhoIn(mx, my);
            once = true;
            if (grabbed == 0) {
                if (hintOn) {
                    HelpOff();
                    return 1004;
                }
                return 0;
            }
        }
        PUZZLE_PIECES* p = order[grabbed - 1];
        auto release = [&] { if (once) grabbed = 0; };
        if (InClosedPocket(p)) {
            Play(sounds.rotationWrong);
            release();
            return 0;
        }
        if (p->selected) {
            Play(sounds.rotation);
            for (PUZZLE_PIECES* q : order)
                if (q->selected && !q->Turning()) q->ChangeRot(float(mx), float(my));
        } else if (p->nstr != 0) {
            if (FrameLocked() && p->nstr == FrameGroup()) {
                Play(sounds.rotationWrong);
                release();
                return 0;
            }
            Play(sounds.rotation);
            RotStr(p->nstr, float(mx), float(my));
        } else {
            if (p->BK == 0 && pressInPocket) {
                Play(sounds.rotationWrong);
                release();
                return 0;
            }
            if (!p->Turning()) {
                Play(sounds.rotation);
                p->ChangeRot(float(mx), float(my));
            }
        }
        release();
        if (p->hinted) return 0;
        HelpOff();
        return 1004;
    }

    // Left press: pick up.
    if (in.Lkm() == 1) {
        selecting = false;
        if (magnifier) {
            magnifier = false;
            return 1007;
        }
        pressInPocket = overPocket;
        lastMouse = JST::iPOINT(mx, my);
        grabbed = WhoIn(mx, my);
        if (grabbed == 0) {
            if (!(overPocket && !pocketOpen)) SelectionStart();
            return 0;
        }
        if (setup.showTips && tipPending) return 126;
        PUZZLE_PIECES* p = order[grabbed - 1];
        int code = 0;
        if (InClosedPocket(p) || p->fixed) {
            // Not to be picked up: the press draws a selection instead.
            grabbed = 0;
            SelectionStart();
            return 0;
        } else if (p->selected) {
            if (p->BK == 0 && pressInPocket) {
                grabbed = 0;
                SelectionStart();
                return 0;
            }
            SwapVstr();
            Play(sounds.pickUp);
            if (pocketOpen) VK(true);
        } else if (p->nstr != 0) {
            if ((FrameLocked() && p->nstr == FrameGroup()) || (p->BK == 0 && pressInPocket)) {
                grabbed = 0;
                SelectionStart();
                return 0;
            }
            GlowNstr(p->nstr);
            SwapStrDown(p->nstr, 0, true);
            Play(sounds.pickUp);
            grabbed = 1;
        } else {
            if (p->BK == 0 && pressInPocket) {
                grabbed = 0;
                SelectionStart();
                return 0;
            }
            MoveToIndex(grabbed - 1, 0);
            p->liftDir = 1;
            p->highlight = true;
            if (pocketOpen) p->BK = 1;
            Play(sounds.pickUp);
            grabbed = 1;
            if (hintOn && !p->hinted) {
                HelpOff();
                code = 1004;
            }
            if (!p->selected) ResetAllocation();
        }
        if (code != 0) return code;
        grabbed = WhoIn(mx, my);
        return 0;
    }

    // Held: drag.
    if (in.Lkm() >= 2) {
        if (grabbed > 0 && grabbed <= static_cast<int>(order.size())) {
            PUZZLE_PIECES* p = order[grabbed - 1];
            PieceMove(grabbed - 1, float(mx - lastMouse.x), float(my - lastMouse.y));
            if (p->nstr != 0) GlowNstr(p->nstr);
            else p->highlight = true;
            lastMouse = JST::iPOINT(mx, my);
        } else if (selecting) {
            selEnd = JST::iPOINT(mx, my);
            if (selectionSprite) {
                selectionSprite->SetPos(std::min(selStart.x, selEnd.x), std::min(selStart.y, selEnd.y));
                selectionSprite->SetSizePix(std::abs(selEnd.x - selStart.x), std::abs(selEnd.y - selStart.y));
            }
        }
        return 0;
    }

    // Release: drop.
    if (in.Lkm() == -1) {
        if (selecting) {
            if (selectionSprite) {
                selectionSprite->SetPos(0, 0);
                selectionSprite->SetSizePix(0, 0);
            }
            selStart = selEnd = JST::iPOINT(0, 0);
            selecting = false;
            CheckCountAllocation();
            return 0;
        }
        if (grabbed > 0 && grabbed <= static_cast<int>(order.size())) {
            PUZZLE_PIECES* p = order[grabbed - 1];
            Play(sounds.put);
            selStart = selEnd = JST::iPOINT(0, 0);
            selecting = false;
            bool placed = false;
            if (setup.fastCollector && !overPocket) placed = TestFastCollector(grabbed - 1);
            if (p->selected) {
                ChangeShadowVstr(-1);
                if (overPocket) {
                    VK(true);
                    HelpOff();
                    ResetAllocation();
                    grabbed = 0;
                    return 1004;
                }
                VK(false);
            } else if (p->nstr != 0) {
                if (FrameLocked() && p->nstr == FrameGroup()) {
                    grabbed = 0;
                    return 0;
                }
                sinkGroup = p->nstr;
                SwapStrDown(p->nstr, 0, true);
                ChangeShadow(-1, p->nstr, false);
                GlueNstr(Index(p));
                if (!order.empty() && order[0]->nstr != 0) GlowNstr(order[0]->nstr);
            } else {
                p->BK = 0;
                p->liftDir = -1;
                p->highlight = true;
                bool joined = false;
                while (Banzai(Index(p))) {
                    joined = true;
                    if (p->nstr != 0) VKoffNSTR(p->nstr);
                }
                if (joined) {
                    grabbed = 0;
                    HelpOff();
                    return 1004;
                }
                if (overPocket) {
                    HelpOff();
                    p->BK = 1;
                    if (!pocketOpen && pocket) {
                        const int cw0 = grid.empty() ? 0 : grid[0]->cellW;
                        const int y = env::Random().GetRandomI(0, pocket->areaH - cw0, 0);
                        const int x = env::Random().GetRandomI(0, pocket->areaW - cw0, 0);
                        p->SetPos(static_cast<float>(x), static_cast<float>(y));
                    }
                    grabbed = 0;
                    return 1004;
                }
                if (placed) SwapDown(Index(p));
            }
        }
        grabbed = 0;
        return 0;
    }

    // Hover.
    if (in.Lkm() == 0 && !magnifier) {
        pressInPocket = overPocket;
        const int who = WhoIn(mx, my);
        if (who > 0) {
            PUZZLE_PIECES* p = order[who - 1];
            const bool allowed = overPocket ? (p->BK != 0 && (p->nstr != 0 || !(pocket && pocket->motion != 0)))
                                            : true;
            if (allowed && !InClosedPocket(p)) {
                if (p->nstr != 0) {
                    if (!(FrameLocked() && p->nstr == FrameGroup()) && p->nstr != glowGroup) GlowNstr(p->nstr);
                } else {
                    p->highlight = true;
                }
            }
        }
    }
    return 0;
}

void PUZZLE_PIECES_SYSTEM::Routin() {
    const float dt = env::Dt();
    const float hintPeriod = Min * 0.003f;
    if (grabbed > 0) grabTime += dt;
    else grabTime = 0.0f;

    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        PUZZLE_PIECES* p = order[i];
        p->Update(borderOnly, dt);
        p->highlight = false;
        if (p->lift != 0.0f || p->Flying()) continue;
        const float step = 1000.0f * dt, half = static_cast<float>(p->cellW / 2);
        const float x = p->GetPosX(), y = p->GetPosY();
        if (p->BK == 0) {
            if (x > clipRight - half) PieceMove(i, -step, 0);
            if (x < clipLeft + half) PieceMove(i, step, 0);
            if (y < clipTop + half) PieceMove(i, 0, step);
            if (y > clipBottom - half) PieceMove(i, 0, -step);
        } else if (pocket) {
            if (x > pocket->areaW - p->cellW / 1.2f) PieceMove(i, -step, 0);
            if (y > pocket->areaH - p->cellH / 1.2f) PieceMove(i, 0, -step);
        }
    }
    if (sinkGroup > 0) {
        for (const PUZZLE_PIECES* p : order) {
            if (p->nstr == sinkGroup && p->lift == 0.0f) {
                SwapStrUp(sinkGroup, false);
                sinkGroup = -1;
                break;
            }
        }
    }
    if (regBr < 2) BorderToCenter();
    if (glowGroup > 0) {
        glowPhase += 3.14159265f * dt;
        if (glowPhase > 3.14159265f) {
            glowPhase = 0.0f;
            glowGroup = -1;
        }
    }
    if (ringStep >= 0) {
        ringTimer += dt;
        if (ringTimer > ringStepTime) {
            ringTimer = 0.0f;
            ++ringStep;
            if (ringStep >= static_cast<int>(ring.size())) ringStep = -2;
        }
    }
    if (winStep >= 0) {
        winTimer += dt;
        if (winTimer > 0.3f) {
            winTimer = 0.0f;
            if (winFlashes > 0) {
                --winFlashes;
                winStep = env::Random().GetRandomI(0, countX * countY - 1, 0);
            } else {
                winStep = -2;
            }
        }
    }
    if (hintTimer >= hintPeriod) hintTimer = 0.0f;
    hintTimer += dt;
    if (spark) spark->angle += 6.0f * dt;
}

} // namespace GAME
