#pragma once
// How a completed puzzle moves the player's lifetime counters and trophy levels, and the result
// record the completion dialog and the progress file are filled from.
#include "GAME/data/PUZZLE_PLAYER_PROFILE.h"
#include "GAME/data/REG.h"

#include <array>
#include <ctime>
#include <span>
#include <string>

namespace GAME {

// What the board knows about the puzzle just completed.
struct FinishedPuzzle {
    int placedPieces = 0;      // pieces of the frame group once the edge was complete
    int points = 0;            // score of this puzzle
    int pieceCount = 0;        // columns x rows
    double elapsed = 0.0;      // seconds played
    int quickJoins = 0;        // joins made within 2 seconds of picking the piece up
    int hints = 0;
    bool sortUsed = false;
    bool pocketUsed = false;
    int bonus = 0;             // accumulated speed factor
    bool rotation = false;
};

// Level thresholds per family, ascending as shipped (config.xml, group trofy).
struct TrophyThresholds {
    std::array<long long, 5> collector{};
    std::array<long long, 3> jigsawMaster{};
    std::array<long long, 4> endurance{};
    std::array<long long, 4> meditation{};
    std::array<long long, 4> inconstancy{};
    std::array<long long, 6> sage{};

    static TrophyThresholds FromConfig();
};

// Pieces a puzzle needs for the lord trophy; fixed, not configurable.
inline constexpr int kLordPieces = 200;

// The thresholds are tested in order and the first one `value` is below decides; a value that
// reaches them all gets the top level (with ascending thresholds: the number reached).
int TrophyLevel(long long value, std::span<const long long> thresholds);

// Elapsed seconds as whole seconds: truncated, and 0 for a negative or non-finite time; held to
// the int range.
int WholeSeconds(double elapsed);

// Adds the puzzle to the counters of `s` (saturating, never wrapping) and moves its trophy
// levels; `r.trofei` receives each level newly won by this completion (a level that only fell
// is stored in `s` but not reported).
void EvaluateTrophies(const FinishedPuzzle& p, PUZZLE_PLAYER_PROFILE& s, REG& r,
                      const TrophyThresholds& t = TrophyThresholds::FromConfig());

// The completion step in one call: the result record with the local date of `now`, the time
// spent, pieces, score, bonus, hints and rotation, and the trophies evaluated against `s`.
REG RecordCompletion(const FinishedPuzzle& p, PUZZLE_PLAYER_PROFILE& s, std::time_t now = std::time(nullptr),
                     const TrophyThresholds& t = TrophyThresholds::FromConfig());

// The trophy pack member that shows family `f` at `level`: the family's stem, the level and the
// extension; level 0 shows the level-1 picture faded. The lord's stem is its whole file name.
struct TrophyPicture {
    std::string file;
    bool faded = false;  // drawn with colour 0x33FFFFFF
};
TrophyPicture TrophyPictureFor(int family, int level);

} // namespace GAME
