#pragma once
// Raster work on 32-bit pixels 0xAARRGGBB (bytes B, G, R, A in memory), row after row, and the
// small geometric helpers of the board. Every write is bounds-checked: a cut line or knob that
// strays outside a texture is clipped, never written past it.
#include "GAME/board/ZELCUTVECTOR.h"
#include "ST/core/JST_POINT.h"

#include <cstdint>
#include <vector>

namespace GAMETOOLS {

using Pixel = std::uint32_t;

inline std::uint32_t Alpha(Pixel p) { return p >> 24; }
inline Pixel WithAlpha(Pixel p, std::uint32_t a) { return (p & 0x00FFFFFFu) | (a << 24); }

void PillAll(Pixel colour, Pixel* pixels, JST::iPOINT size);

void DrawLineInTex(int x0, int y0, int x1, int y1, JST::iPOINT size, Pixel* pixels, Pixel colour);

JST::iPOINT Bezier3(JST::iPOINT p0, JST::iPOINT p1, JST::iPOINT p2, double t);
JST::iPOINT Bezier3ex(JST::iPOINT p0, JST::iPOINT p1, JST::iPOINT p2, double t);
void DrawBezier3(JST::iPOINT p0, JST::iPOINT p1, JST::iPOINT p2, JST::iPOINT size, Pixel* pixels,
                 Pixel colour);
void DrawBezier3ex(JST::iPOINT p0, JST::iPOINT p1, JST::iPOINT p2, JST::iPOINT size, Pixel* pixels,
                   Pixel colour);
// One cut line: start node, the seven knob points, end node.
void DrawBezier7(JST::iPOINT start, JST::iPOINT end, const JST::iPOINT* knob, JST::iPOINT size,
                 Pixel* pixels, Pixel colour, int Min);

// Every pixel of the line colour gets its four neighbours (that are not the colour) set to a
// half-transparent white seam.
void DrawGrid3px(Pixel colour, Pixel* pixels, JST::iPOINT size);

// The 4-connected flood fill that copies one piece out of the picture. `source` is the scratch
// copy of the picture (its alpha marks visited pixels) and `mask` the cut-line layer, both of
// pictureSize; `target` is the piece image of targetSize; (cx, cy) the piece's cell centre.
void CopyPiece(int sx, int sy, Pixel* source, Pixel* target, Pixel* mask, JST::iPOINT pictureSize,
               JST::iPOINT targetSize, int cx, int cy);

// Bevel width and strength for a piece image of the given width.
void BevelOf(int width, int* b, int* s);
void DrawBeauty(Pixel* pixels, JST::iPOINT size);
void DrawPointInTex(int x, int y, Pixel* pixels, JST::iPOINT size, int delta);

int GetPowerPixel(const Pixel* pixels, JST::iPOINT size, int y, int x, std::uint32_t a);
Pixel GetAnyPix(const Pixel* pixels, JST::iPOINT size, int y, int x);
void SmoothAlpha(Pixel* pixels, JST::iPOINT size);

// Appends the points to the list, each at its front: the list runs from the last point to the first.
void IpointToCutVector(const JST::iPOINT* points, ZELCUTVECTOR* list, int n);
// Even-odd test of a point against an outline, in whole pixels.
bool InsideObj(int x, int y, const ZELCUTVECTOR* list);

} // namespace GAMETOOLS
