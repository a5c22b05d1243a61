#pragma once
// One piece of the puzzle: its image sprite, outline, grid place, turn, lift and fly-in.
#include "GAME/board/ZELCUTVECTOR.h"
#include "ST/core/JST_POINT.h"

#include <cstdint>

class JSPRITE;

namespace GAME {

struct PIECE_OPT {
    std::uint32_t texture = 0;
    int col = 0, row = 0;
    int destX = 0, destY = 0;
    int cellW = 0, cellH = 0;
    int startX = 0, startY = 0;
    int rot = 0;
    bool edge = false;
};

class PUZZLE_PIECES {
public:
    PUZZLE_PIECES() = default;
    ~PUZZLE_PIECES();
    PUZZLE_PIECES(const PUZZLE_PIECES&) = delete;
    PUZZLE_PIECES& operator=(const PUZZLE_PIECES&) = delete;

    // `flightK` is the random flight-speed factor in [0.5, 0.8] the board draws for the piece.
    void InitPiece(const PIECE_OPT& opt, float flightK);
    void SetPoints(ZELCUTVECTOR* list);  // takes ownership
    void Update(bool edgeOnly, float dt);
    void Render();
    void Render(float x, float y);
    void RenderShadow();
    void RenderShadow(float x, float y);
    void RenderHelp(float strength);
    void Move(float dx, float dy);
    void ChangeRot(float px, float py);
    void Rotation();
    void RotationPoint();
    bool PieceInFrame(int x1, int y1, int x2, int y2) const;
    void SetDestPoint(JST::iPOINT p);
    void SetPos(float x, float y);
    void GetPos(float* x, float* y) const;
    float GetPosX() const;
    float GetPosY() const;
    bool Flying() const { return speed.x != 0 || speed.y != 0; }
    bool Turning() const { return turn != 0.0f; }
    // Cell extents turned with the piece.
    int RotW() const { return (rot & 1) ? cellH : cellW; }
    int RotH() const { return (rot & 1) ? cellW : cellH; }
    // Whether (x, y), relative to the sprite centre, lies inside the outline.
    bool Contains(int x, int y) const;

    int row = 0, col = 0;
    int cellW = 0, cellH = 0;
    int rot = 0;
    int nstr = 0;
    bool selected = false;
    bool edge = false;
    bool highlight = false;
    int BK = 0;
    float lift = 0.0f;
    int liftDir = 0;
    float turn = 0.0f;
    ZELCUTVECTOR* outline = nullptr;
    bool hinted = false;
    float alpha = 1.0f;
    JST::fPOINT pivot, turnStart;
    JST::iPOINT speed{0, 0};
    bool fixed = false;
    JST::iPOINT dest{0, 0};
    JSPRITE* sprite = nullptr;

private:
    void TurnOutlineQuarter();
    void Draw(float x, float y, bool checkFixed);
    void HelpAt(float x, float y, float s);
};

} // namespace GAME
