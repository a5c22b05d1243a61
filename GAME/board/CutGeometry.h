#pragma once
// The geometry of the cut: piece counts and sizes, grid nodes, knobs and each piece's outline.
// It depends only on the picture size, the piece count and the distortion, so the same picture
// and options are cut identically on every run and every machine.
#include "GAME/board/GAMETOOLS.h"
#include "ST/core/JST_POINT.h"

#include <vector>

namespace GAME {

inline constexpr int kOutlinePoints = 24;

struct CutSize {
    int countX = 0, countY = 0;
    int cellW = 0, cellH = 0;
    float d = 0.0f;  // distortion factor, at most 0.2
    int pieceW = 0, pieceH = 0;  // the piece image is (pieceW + 1) x (pieceH + 1)
};

CutSize ComputeCutSize(int W, int H, int Min, float distort);

struct CutEdge {
    bool vertical = false;
    int c = 0, r = 0;  // column and row of the edge as counted by the cut
    JST::iPOINT start, end;
    JST::iPOINT knob[7];
};

struct CutLayout {
    int W = 0, H = 0, Min = 0;
    CutSize size;
    std::vector<JST::iPOINT> nodes;      // (countX + 1) x (countY + 1), row after row
    std::vector<CutEdge> edges;          // inner edges in the order they are drawn
    std::vector<JST::iPOINT> cellPoints; // 24 per piece, pieces in grid order

    const JST::iPOINT& Node(int c, int r) const { return nodes[c + r * (size.countX + 1)]; }
    const JST::iPOINT* Points(int c, int r) const { return &cellPoints[(c + r * size.countX) * kOutlinePoints]; }
    JST::iPOINT CellCentre(int c, int r) const {
        return {size.cellW / 2 + size.cellW * c, size.cellH / 2 + size.cellH * r};
    }
    // Where the fill of a piece starts: between the knob bases of opposite edges.
    JST::iPOINT SeedPoint(int c, int r) const;
};

void InitPuzzleEar(JST::iPOINT* ear);
void ChangeCoordFromVector(int x1, int y1, int x2, int y2, JST::iPOINT* ear, bool flip);

// Computes nodes, knobs and outlines. The cut needs an inner edge in each direction, so fewer
// than 3 pieces on the short side is refused (the layout then has no pieces).
CutLayout ComputeCutLayout(int W, int H, int Min, float distort);

// Draws every inner edge of the layout into a picture-sized layer.
void DrawCutLines(const CutLayout& layout, GAMETOOLS::Pixel* pixels, JST::iPOINT size, GAMETOOLS::Pixel colour);

// The edge pieces clockwise from the top-left corner, as (column, row).
std::vector<JST::iPOINT> RingOrder(int countX, int countY);

} // namespace GAME
