// The bookkeeping of joins: fragments, edge fragments, the frame group's size, and the points.
#include "GAME/board/PUZZLE_PIECES_SYSTEM.h"

#include "ST/audio/ST_SS.h"

namespace GAME {

void PUZZLE_PIECES_SYSTEM::ResetRegistr() {
    regT = regTa = 0.0f;
    regH = regCg = regSc = regPf = 0;
    regBr = 2 * (countX + countY - 2);
    regF = countX * countY;
    regGVN = regGVN2 = false;
    regFastGlue = regFinishP = 0;
    joinSize = sideA = sideB = 0;
}

void PUZZLE_PIECES_SYSTEM::CheckRegistr(int a, int b, bool edge) {
    sideA = sideB = 0;
    bool edgeA = false, edgeB = false;
    for (const PUZZLE_PIECES* p : order) {
        if (p->nstr == 0) continue;
        if (p->nstr == a) {
            ++sideA;
            edgeA |= p->edge;
        }
        if (p->nstr == b) {
            ++sideB;
            edgeB |= p->edge;
        }
    }
    joinSize = sideA + sideB;
    if (!edge && edgeA && edgeB) --regBr;
    if (edge && (edgeA || edgeB)) --regBr;
}

int PUZZLE_PIECES_SYSTEM::CalculateRegistr(int i, int j) {
    const PUZZLE_PIECES *a = order[i], *b = order[j];
    const int frameBefore = FrameGroup();
    const bool aFrame = a->nstr != 0 && a->nstr == frameBefore;
    const bool bFrame = b->nstr != 0 && b->nstr == frameBefore;
    --regF;
    if (a->nstr == 0 && b->nstr == 0) {
        sideA = sideB = 1;
        if (a->edge && b->edge) --regBr;
        joinSize = 2;
    } else if (a->nstr == 0 || b->nstr == 0) {
        const PUZZLE_PIECES* loose = a->nstr == 0 ? a : b;
        const PUZZLE_PIECES* grouped = a->nstr == 0 ? b : a;
        // The loose side counts 1; the group's members are counted into the group's side.
        CheckRegistr(grouped->nstr, -1, loose->edge);
        if (a->nstr == 0) {
            sideB = sideA;
            sideA = 1;
        } else {
            sideB = 1;
        }
        joinSize = sideA + sideB;
    } else {
        CheckRegistr(a->nstr, b->nstr, false);
    }
    joinSize = sideA + sideB;
    if (regBr < 2) {
        if (regFinishP == 0) {
            borderOnly = false;
            OnFrameComplete();
            regFinishP = joinSize;
        } else {
            if (aFrame) regFinishP += sideB;
            if (bFrame) regFinishP += sideA;
        }
        if (regF >= 2 && ringStep == -1) ringStep = 0;
    }
    ++regCg;
    if (regT > 0.0f) {
        if (joinSize > 10) Play(sounds.conHigh);
        else if (sideA >= 2 && sideB >= 2) Play(sounds.conMid);
        else Play(sounds.conLow);
    }
    const float k = regT == 0.0f ? 2.0f : 2.0f / regT;
    regPf = static_cast<int>(static_cast<float>(regPf) + k);
    const int points = static_cast<int>(static_cast<float>(joinSize) * k + 12.0f);
    regSc += points;
    if (regF < 2) {
        regSc += countX * countY;
        if (winStep == -1) {
            winStep = 0;
            Play(sounds.levelWin);
        }
    }
    regT = 0.0f;
    return points;
}

} // namespace GAME
