#pragma once
// The player's progress file: one element per completed puzzle, appended in the order they were
// completed. It only grows; nothing but deleting the whole player removes it.
#include "GAME/data/REG.h"

#include <string>
#include <vector>

namespace GAME {

class PROFILE;

// One completed puzzle as the progress file keeps it.
struct ProgressEntry {
    std::string face;    // the picture's preview name
    int score = 0;
    int count = 0;       // pieces
    bool rotata = false; // pieces could be turned
    double time = 0.0;   // seconds played
};

// C_NAME_PROGRESS_FILE, or "Progress.xml" when the table names no plain file.
std::string ProgressFileName();
// The progress file of the player whose folder is `playerDir` (ending with "/").
std::string ProgressFilePath(const std::string& playerDir);

// Appends one entry and rewrites the file atomically. A file that cannot be parsed, or has no
// "root" element, is never written over: it is renamed to <name>.bad (or .bad2, .bad3, ...)
// and the new file holds the elements that could still be read plus the new one. False, with a
// log line and nothing changed, when the entry could not be recorded.
bool AppendProgress(const std::string& path, const ProgressEntry& entry);

// The entries in file order; empty for a missing file. Of a damaged file, the elements before
// the damage. A time that is not a finite number from 0 to 2^31 - 1 reads as 0.
std::vector<ProgressEntry> ReadProgress(const std::string& path);

// A row of the scores screen: score, pieces, whole minutes (not reduced to hours) and seconds.
REG ScoreRow(const ProgressEntry& entry);

// Records a completed puzzle once per board: the first call for a board (`recorded` false)
// appends the entry to the current player's progress file and saves the player's settings, so
// the counters and trophies updated by the completion reach set.bin; later calls do nothing.
// False when either write failed (the player should be told).
bool RecordCompletedPuzzle(PROFILE& profile, const ProgressEntry& entry, bool& recorded);

// Whether the current player has a progress file (the scores button is enabled).
bool HasProgress(const PROFILE& profile);

} // namespace GAME
