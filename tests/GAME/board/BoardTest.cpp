#include "BoardFixture.h"

#include "GAME/board/GAMETOOLS.h"

#include <gtest/gtest.h>

#include <set>

namespace boardtest {
namespace {

using GAME::PUZZLE_PIECES;

class Snapping : public BoardFixture {};

TEST_F(Snapping, NinePixelsOffSnapsTenDoesNot) {
    struct Case { float along, across; bool joins; } cases[] = {
        {0, 0, true}, {9, 0, true}, {-9, 0, true}, {0, 9, true}, {9, 9, true}, {10, 0, false}, {0, 10, false},
        {-10, 3, false},
    };
    for (const Case& c : cases) {
        MakePuzzle(3, 3, 100);
        PUZZLE_PIECES *a = Piece(1, 1), *b = Piece(2, 1);
        Place(a, 300, 300);
        Place(b, 700, 600);
        DragPiece(b, 300 + 100 + c.along, 300 + c.across);
        EXPECT_EQ(b->nstr != 0 && b->nstr == a->nstr, c.joins) << c.along << "," << c.across;
        if (c.joins) {
            EXPECT_FLOAT_EQ(b->GetPosX(), a->GetPosX() + 100) << "a join ends exactly one cell away";
            EXPECT_FLOAT_EQ(b->GetPosY(), a->GetPosY());
        }
    }
}

TEST_F(Snapping, OnlyEqualTurnsSnapAndOnlyAsTheTurnedPictureLies) {
    // b is a's right neighbour in the picture; where it must lie on screen for each turn.
    struct Case { int rotA, rotB; float dx, dy; bool joins; } cases[] = {
        {0, 0, 100, 0, true},   {0, 1, 100, 0, false}, {1, 1, 0, 100, true},   {1, 1, 100, 0, false},
        {2, 2, -100, 0, true},  {2, 2, 100, 0, false}, {3, 3, 0, -100, true},  {3, 3, 0, 100, false},
    };
    for (const Case& c : cases) {
        MakePuzzle(3, 3, 100, true);
        PUZZLE_PIECES *a = Piece(1, 1), *b = Piece(2, 1);
        a->rot = c.rotA;
        b->rot = c.rotB;
        Place(a, 400, 400);
        Place(b, 800, 650);
        DragPiece(b, 400 + c.dx, 400 + c.dy);
        EXPECT_EQ(b->nstr != 0 && b->nstr == a->nstr, c.joins)
            << "rot " << c.rotA << "/" << c.rotB << " at " << c.dx << "," << c.dy;
    }
}

TEST_F(Snapping, APartlyVisiblePieceNeverSnaps) {
    MakePuzzle(3, 3, 100);
    PUZZLE_PIECES *a = Piece(1, 1), *b = Piece(2, 1);
    Place(a, 300, 300);
    Place(b, 700, 600);
    a->alpha = 0.5f;
    DragPiece(b, 400, 300);
    EXPECT_EQ(b->nstr, 0);
    EXPECT_EQ(a->nstr, 0);
}

TEST_F(Snapping, OneDropJoinsBothNeighboursWithNewNumbers) {
    MakePuzzle(3, 3, 100);
    PUZZLE_PIECES *left = Piece(0, 1), *mid = Piece(1, 1), *right = Piece(2, 1);
    Place(left, 300, 300);
    Place(right, 500, 300);
    Place(mid, 700, 600);
    DragPiece(mid, 402, 304);
    EXPECT_NE(mid->nstr, 0);
    EXPECT_EQ(left->nstr, mid->nstr);
    EXPECT_EQ(right->nstr, mid->nstr);
    EXPECT_EQ(board->cstr, 2) << "two joins, each with a new number";
    EXPECT_EQ(mid->nstr, 2);
    EXPECT_EQ(board->regF, 9 - 2);

    // A later join renumbers the whole union to something never used before.
    std::set<int> seen{1, 2};
    PUZZLE_PIECES* below = Piece(1, 2);
    Place(below, 800, 200);
    DragPiece(below, 400, 400);
    EXPECT_EQ(below->nstr, mid->nstr);
    EXPECT_EQ(seen.count(mid->nstr), 0u);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(Piece(c, 1)->nstr, mid->nstr);
}

TEST_F(Snapping, DroppedLoosePieceLandsBelowLoosePiecesAboveGroups) {
    MakePuzzle(3, 3, 100);
    board->setup.fastCollector = true;
    // A group at the bottom of the stack, loose pieces above it.
    Place(Piece(0, 0), 200, 200);
    Place(Piece(1, 0), 700, 650);
    DragPiece(Piece(1, 0), 300, 200);
    ASSERT_NE(Piece(0, 0)->nstr, 0);
    for (int i = 0; i < 200; ++i) Frame();  // the joined group settles and sinks
    // Drop a loose piece onto its true place: the fast collector fixes it and sends it down.
    PUZZLE_PIECES* p = Piece(2, 2);
    // The 300 x 300 picture centred on a 1024 x 768 screen puts cell (2, 2) at (612, 484).
    DragPiece(p, 612 + 5, 484 - 5);
    ASSERT_TRUE(p->fixed);
    const int at = OrderIndex(p);
    for (int i = 0; i < static_cast<int>(board->order.size()); ++i) {
        const PUZZLE_PIECES* q = board->order[i];
        if (q == p) continue;
        if (q->nstr == 0) EXPECT_LT(i, at) << "loose pieces stay above it";
        else EXPECT_GT(i, at) << "groups stay below it";
    }
}

TEST_F(Snapping, FixedPiecesRefusePickUp) {
    MakePuzzle(3, 3, 100);
    PUZZLE_PIECES* p = Piece(1, 1);
    Place(p, 400, 400);
    p->fixed = true;
    DragPiece(p, 600, 500);
    EXPECT_FLOAT_EQ(p->GetPosX(), 400);
    EXPECT_TRUE(board->selecting || board->grabbed == 0);
}

TEST_F(Snapping, TheCompletedFrameGroupStaysPut) {
    MakePuzzle(3, 3, 100);
    PUZZLE_PIECES *a = Piece(0, 0), *b = Piece(1, 0);
    Place(a, 300, 300);
    Place(b, 700, 600);
    DragPiece(b, 400, 300);
    ASSERT_NE(a->nstr, 0);
    board->regBr = 1;  // the edge is one part: the frame lock holds
    DragPiece(a, 500, 500);
    EXPECT_FLOAT_EQ(a->GetPosX(), 300);
    EXPECT_FLOAT_EQ(b->GetPosX(), 400);
}

class Handling : public BoardFixture {};

TEST_F(Handling, SelectionOfOneUnitIsDroppedOfTwoIsKept) {
    MakePuzzle(3, 3, 100);
    Place(Piece(0, 0), 300, 300);
    Place(Piece(2, 2), 420, 330);
    // Around one loose piece only.
    Press(250, 250);
    MoveMouse(350, 350);
    Frame();
    Release();
    EXPECT_FALSE(Piece(0, 0)->selected);
    // Around two loose pieces.
    Press(250, 250);
    MoveMouse(470, 380);
    Frame();
    Release();
    EXPECT_TRUE(Piece(0, 0)->selected);
    EXPECT_TRUE(Piece(2, 2)->selected);
}

TEST_F(Handling, RightClickTurnsGroupAndSelectionAboutTheMouse) {
    MakePuzzle(3, 3, 100, true);
    PUZZLE_PIECES *a = Piece(0, 0), *b = Piece(1, 0);
    Place(a, 300, 300);
    Place(b, 700, 600);
    DragPiece(b, 400, 300);
    ASSERT_EQ(a->nstr, b->nstr);
    RightClick(310, 300);
    for (int i = 0; i < 30; ++i) Frame();
    EXPECT_EQ(a->rot, 1);
    EXPECT_EQ(b->rot, 1);
    // About (310, 300): a at (300, 300) goes to (310, 290); b at (400, 300) to (310, 390).
    EXPECT_NEAR(a->GetPosX(), 310, 0.01);
    EXPECT_NEAR(a->GetPosY(), 290, 0.01);
    EXPECT_NEAR(b->GetPosX(), 310, 1.01);
    EXPECT_NEAR(b->GetPosY(), 390, 1.01);

    // Rotation off: a right click changes nothing.
    board->rt = false;
    RightClick(310, 300);
    for (int i = 0; i < 30; ++i) Frame();
    EXPECT_EQ(a->rot, 1);
}

TEST_F(Handling, RightClickOnASelectionTurnsEachPiece) {
    MakePuzzle(3, 3, 100, true);
    Place(Piece(0, 0), 300, 300);
    Place(Piece(2, 2), 500, 300);
    Press(250, 250);
    MoveMouse(560, 360);
    Frame();
    Release();
    ASSERT_TRUE(Piece(0, 0)->selected);
    RightClick(300, 300);
    for (int i = 0; i < 30; ++i) Frame();
    EXPECT_EQ(Piece(0, 0)->rot, 1);
    EXPECT_EQ(Piece(2, 2)->rot, 1);
    EXPECT_NEAR(Piece(2, 2)->GetPosX(), 300, 0.01);
    EXPECT_NEAR(Piece(2, 2)->GetPosY(), 500, 0.01);
}

TEST_F(Handling, PiecesDriftBackOntoTheTable) {
    MakePuzzle(3, 3, 100);
    PUZZLE_PIECES* p = Piece(1, 1);
    Place(p, static_cast<float>(board->clipRight + 30), 300);
    for (int i = 0; i < 200; ++i) Frame();
    EXPECT_LE(p->GetPosX(), board->clipRight - 50);
    EXPECT_GE(p->GetPosX(), board->clipRight - 50 - 12);  // stops within one step of the limit
}

TEST_F(Handling, JoinPointsFollowTheTimeSinceTheLastJoin) {
    struct Case { float wait; int points; } cases[] = {{0.5f, 20}, {4.0f, 13}};
    for (const Case& c : cases) {
        MakePuzzle(3, 3, 100);
        board->regT = 0;
        PUZZLE_PIECES *a = Piece(1, 1), *b = Piece(2, 1);
        Place(a, 300, 300);
        Place(b, 700, 600);
        board->regT = c.wait;
        const int before = board->regSc;
        // Drag and drop in no time, so regT is what was set.
        b->SetPos(400, 300);
        const int i = OrderIndex(b);
        ASSERT_TRUE(board->Banzai(i));
        EXPECT_EQ(board->regSc - before, c.points) << c.wait;
    }
}

} // namespace
} // namespace boardtest
