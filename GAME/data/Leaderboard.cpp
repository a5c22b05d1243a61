#include "GAME/data/Leaderboard.h"

#include "GAME/data/PROFILE.h"

#include <utility>

namespace GAME {

void SortVect(std::vector<LIDER_OPT>& entries)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            if (entries[i].score < entries[j].score)
                std::swap(entries[i], entries[j]);
        }
    }
}

void AddLider(std::vector<LIDER_OPT>& entries, LIDER_OPT entry)
{
    entries.push_back(std::move(entry));
    SortVect(entries);
}

std::vector<LIDER_OPT> LeaderboardEntries(const PROFILE& profile)
{
    std::vector<LIDER_OPT> entries;
    for (const std::string& name : profile.GetNames()) {
        if (const std::optional<std::uint32_t> score = profile.GetScore4Player(name))
            AddLider(entries, {name, *score});
    }
    return entries;
}

} // namespace GAME
