#pragma once
// The result of one completed puzzle: filled by the board's completion step, shown by the
// completion dialog and the scores screen.

namespace GAME {

// The trophy families, in the order of PUZZLE_PLAYER_PROFILE::trofei and REG::trofei.
enum TrophyFamily : int {
    kCollector = 0,
    kJigsawMaster,
    kEndurance,
    kMeditation,
    kInconstancy,
    kSage,
    kLord,
    kTrophyFamilies
};

struct REG {
    int day = 0, month = 0, year = 0;        // local date of completion (month 1..12)
    int hours = 0, minutes = 0, seconds = 0; // time spent
    int pieces = 0;                          // columns x rows
    int score = 0;
    int bonus = 0;                           // accumulated speed factor
    int hints = 0;
    int rotation = 0;                        // 1 when pieces could be turned
    int trofei[kTrophyFamilies] = {};        // level newly reached by this completion, 0 = none
};

} // namespace GAME
