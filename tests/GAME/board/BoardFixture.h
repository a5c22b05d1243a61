#pragma once
// A board on the headless game object, with pieces placed by hand and a mouse driven through
// the input object, one board update per frame.
#include "GAME/board/PUZZLE_PIECES_SYSTEM.h"

#include <gtest/gtest.h>

#include <memory>

namespace boardtest {

class BoardFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A hand-made countX x countY puzzle of cell x cell pieces, all loose at their true places
    // relative to `origin` (which is where piece (0, 0) lies).
    void MakePuzzle(int countX, int countY, int cell, bool rotation = false);
    GAME::PUZZLE_PIECES* Piece(int c, int r) const { return board->grid[c + r * board->countX]; }
    int OrderIndex(const GAME::PUZZLE_PIECES* p) const;
    void Place(GAME::PUZZLE_PIECES* p, float x, float y);

    // One frame: the board sees the input as it stands, then the input ages.
    int Frame(float dt = 1.0f / 90.0f);
    void MoveMouse(int x, int y);
    void Press(int x, int y);
    void Release();
    void RightClick(int x, int y);
    // Press on the piece's centre, drag it so its centre lands on (x, y), release.
    int DragPiece(GAME::PUZZLE_PIECES* p, float x, float y, int steps = 4);

    std::unique_ptr<GAME::PUZZLE_PIECES_SYSTEM> board;
    int cellSize = 100;
};

} // namespace boardtest
