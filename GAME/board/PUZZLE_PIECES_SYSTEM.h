#pragma once
// The board: one puzzle from the chosen picture to the last join. It owns the picture, the cut
// pieces and their groups and stacking order, the table, the pocket and the join bookkeeping.
#include "GAME/board/CutGeometry.h"
#include "GAME/board/PUZZLE_PIECES.h"
#include "ST/gui/JST.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

class JSPRITE;
class PUZZLE_POCKET;

namespace ZEL {
class ST_A;
class PARTIC;
class PARTIC_CIRCLE;
} // namespace ZEL

namespace GAME {

struct PUZZLE_PLAYER_PROFILE;

// The sounds the board plays; any of them may be missing (silent).
struct BoardSounds {
    ZEL::ST_A* pickUp = nullptr;
    ZEL::ST_A* put = nullptr;
    ZEL::ST_A* rotation = nullptr;
    ZEL::ST_A* rotationWrong = nullptr;
    ZEL::ST_A* conHigh = nullptr;
    ZEL::ST_A* conMid = nullptr;
    ZEL::ST_A* conLow = nullptr;
    ZEL::ST_A* levelWin = nullptr;
    ZEL::ST_A* toolOn = nullptr;
    ZEL::ST_A* toolOff = nullptr;
};

// The player's settings the handling follows.
struct BoardSetup {
    bool fastCollector = false;
    bool showTips = false;
};

class PUZZLE_PIECES_SYSTEM : public JST::ST {
public:
    PUZZLE_PIECES_SYSTEM();
    ~PUZZLE_PIECES_SYSTEM() override;
    PUZZLE_PIECES_SYSTEM(const PUZZLE_PIECES_SYSTEM&) = delete;
    PUZZLE_PIECES_SYSTEM& operator=(const PUZZLE_PIECES_SYSTEM&) = delete;

    void Init(const char* img, int Min, int areaHeight, PUZZLE_PLAYER_PROFILE* profile, bool rt, float distort,
              int typeborder);
    void SetOptions(int Min, float distort, bool rt, int typeborder);
    void Reset(int areaHeight);
    void SetClip(int w, int h);
    void SetSmImg(const char* path) { ImgSmAdr = path ? path : ""; }
    void SetColored(std::uint32_t colour);
    int Update(int, float) override;
    int Render(int) override;
    void PostRender();
    virtual int Message(int) { return 0; }
    void Exit() {}

    // The cut.
    void DrawGrid(std::uint32_t colour, int thick, std::uint32_t texture);
    void Narezator();
    std::uint32_t CutGrid(int x, int y, std::uint32_t* scratch, JST::iPOINT size, JST::iPOINT cell, int col, int row);
    void CompleteVectorBorder();

    // Groups and snapping.
    int TestTwo(int i, int j) const;
    bool RadiusTest(int i, int j) const;
    bool GlueTest(int i, int j) const;
    void GlueTwo(int i, int j, int = 0);
    void GlueTwoRot(int moved, int other);
    void Campai(int i, int j);
    bool Banzai(int i);
    void GlueNstr(int i);
    void SetNewStrTo(int oldGroup, int newGroup);
    void PieceMove(int i, float dx, float dy);
    void MoveStr(int group, float dx, float dy);
    void MoveVstr(float dx, float dy);
    void PieceMoveRot(int g, float dx, float dy);
    void RotStr(int group, float px, float py);
    void SwapStrDown(int group, int start, bool rise);
    void SwapStrUp(int group, bool sink);
    int SwapDown(int i);
    void SwapVstr();
    int VidelStr(int i);
    void ChangeShadow(int dir, int group, bool now);
    void ChangeShadowVstr(int dir);
    void GlowNstr(int group);
    int DrawPieceShadowNstr(int i);
    bool TestFastCollector(int i);
    void DisablePieces(int i);
    void Debug();

    // Handling.
    int PlayerActivity();
    int WhoIn(int x, int y) const;
    void SelectionStart();
    void CheckTheSelection();
    void CheckCountAllocation();
    void ResetAllocation();
    void VK(bool put);
    void VKoffNSTR(int group);
    bool SetMagnifer();
    void Routin();
    void HelpOff();
    bool SetBorder();

    // Join bookkeeping.
    int CalculateRegistr(int i, int j);
    void CheckRegistr(int a, int b, bool edge);
    void ResetRegistr();

    // Drawing helpers.
    void RenderPieces();
    void Odnoklasniki();

    // Whether the frame group is complete and locked in place.
    bool FrameLocked() const { return regBr == 1; }
    int FrameGroup() const { return grid.empty() ? 0 : grid[0]->nstr; }
    int Fragments() const { return regF; }

    // Options.
    int Min = 6;
    float distort = 0.0f;
    bool rt = false;
    int typeborder = 0;
    PUZZLE_PLAYER_PROFILE* profile = nullptr;
    std::string ImgAdr, ImgSmAdr, ImgPkAdr, saveName;

    // Geometry.
    int countX = 0, countY = 0;
    CutLayout layout;
    std::vector<JST::iPOINT> cellPoints;
    int clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;

    // Pieces.
    std::deque<PUZZLE_PIECES*> order;
    std::vector<PUZZLE_PIECES*> grid;
    std::vector<PUZZLE_PIECES*> ring;
    std::vector<JST::STE*> effects;
    int cstr = 0;
    int grabbed = 0;

    // Sprites and companions.
    JSPRITE* picture = nullptr;
    JSPRITE* gridLayer = nullptr;
    JSPRITE* table = nullptr;
    JSPRITE* scorePanel = nullptr;
    JSPRITE* spark = nullptr;
    JSPRITE* selectionSprite = nullptr;
    JSPRITE* magnifierSprite = nullptr;
    JSPRITE* plate = nullptr;  // the white plate under the grid preview; not owned
    PUZZLE_POCKET* pocket = nullptr;
    BoardSounds sounds;
    BoardSetup setup;

    // State and timers.
    int state = 0;
    bool magnifier = false;
    bool borderOnly = false;
    bool frame = false;
    bool fly = false;
    bool scoreSaved = false;
    bool tipPending = false;
    bool selecting = false;
    JST::iPOINT selStart{0, 0}, selEnd{0, 0};
    JST::iPOINT lastMouse{0, 0};
    bool pressInPocket = false;
    bool hintOn = false;
    JST::iPOINT hintPair[2]{};  // (row, column) of each hinted piece
    float hintTimer = 0.0f;
    float grabTime = 0.0f;
    int sinkGroup = -1;
    int glowGroup = -1;
    float glowPhase = 0.0f;
    int ringStep = -1;
    float ringTimer = 0.0f, ringStepTime = 0.0f;
    int winStep = -1;
    float winTimer = 0.0f;
    int winFlashes = 12;

    // Bookkeeping.
    float regT = 0.0f, regTa = 0.0f;
    int regH = 0, regCg = 0, regSc = 0, regPf = 0, regBr = 0, regF = 0;
    bool regGVN = false, regGVN2 = false;
    int regFastGlue = 0, regFinishP = 0;
    int joinSize = 0, sideA = 0, sideB = 0;

    // Seams for the companions that arrive with their own work.
    virtual void OnJoinEffect(int /*x*/, int /*y*/, int /*points*/) {}
    // The edge became one part: the play panel releases its edge-only button.
    virtual void OnFrameComplete() {}
    // Keeps the completed frame upright and centred; the assistance tools bring it.
    virtual void BorderToCenter() {}

private:
    void FitPicture(int areaHeight);
    bool Pickable(const PUZZLE_PIECES* p) const;
    bool InClosedPocket(const PUZZLE_PIECES* p) const;
    int Index(const PUZZLE_PIECES* p) const;
    void MoveToIndex(int from, int to);
    void Play(ZEL::ST_A* s);
    void ClearPieces();
    std::vector<GAMETOOLS::Pixel> pictureCopy;
};

} // namespace GAME
