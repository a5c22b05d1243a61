#pragma once
// The leaderboard's entries: every player with a settings record and its total points, highest
// first.
#include <cstdint>
#include <string>
#include <vector>

namespace GAME {

class PROFILE;

struct LIDER_OPT {
    std::string name;
    std::uint32_t score = 0;  // unsigned as the counter it comes from: above 2^31 still sorts right
};

// Exchange sort, highest score first; equal scores are never swapped with each other.
void SortVect(std::vector<LIDER_OPT>& entries);
// Appends and sorts again.
void AddLider(std::vector<LIDER_OPT>& entries, LIDER_OPT entry);
// Every player folder in listing order (last listed first), skipping players other than the
// current one that have no readable set.bin, added one by one.
std::vector<LIDER_OPT> LeaderboardEntries(const PROFILE& profile);

} // namespace GAME
