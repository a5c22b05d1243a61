#include "GAME/data/Leaderboard.h"
#include "GAME/data/PROFILE.h"
#include "support/HeadlessGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

using namespace GAME;

namespace {

std::vector<std::string> Names(const std::vector<LIDER_OPT>& v)
{
    std::vector<std::string> out;
    for (const LIDER_OPT& e : v)
        out.push_back(e.name);
    return out;
}

std::vector<LIDER_OPT> AddAll(std::initializer_list<LIDER_OPT> entries)
{
    std::vector<LIDER_OPT> v;
    for (const LIDER_OPT& e : entries)
        AddLider(v, e);
    return v;
}

TEST(Leaderboard, HighestScoreFirst)
{
    struct Case {
        std::vector<LIDER_OPT> added;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {{{"a", 10}, {"b", 30}, {"c", 20}}, {"b", "c", "a"}},
        {{{"low", 2147483647u}, {"high", 3000000000u}, {"top", 4294967295u}}, {"top", "high", "low"}},
        {{{"x", 5}, {"y", 5}, {"z", 5}}, {"x", "y", "z"}},
    };
    for (const Case& c : cases) {
        std::vector<LIDER_OPT> v;
        for (const LIDER_OPT& e : c.added)
            AddLider(v, e);
        EXPECT_EQ(Names(v), c.shown);
    }
    // Ties among other scores: none is lost or doubled, and the order is by score.
    const std::vector<LIDER_OPT> v = AddAll({{"p", 1}, {"q", 5}, {"r", 5}, {"s", 9}, {"t", 5}, {"u", 0}});
    ASSERT_EQ(v.size(), 6u);
    std::vector<std::string> names = Names(v);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"p", "q", "r", "s", "t", "u"}));
    for (std::size_t i = 1; i < v.size(); ++i)
        EXPECT_GE(v[i - 1].score, v[i].score);
}

TEST(Leaderboard, EveryPlayerWithARecordAndTheCurrentOne)
{
    testsupport::DiagCapture quiet;
    testsupport::HeadlessGame game;
    const std::string dir = game->GetGameProfileDirg();
    for (const auto& [name, score] : {std::pair{"Anna", 10u}, {"Boris", 30u}, {"Clara", 20u}}) {
        PUZZLE_PLAYER_PROFILE rec = NewPlayerRecord(0, false);
        rec.totalScore = score;
        mkdir((dir + name).c_str(), 0755);
        ASSERT_TRUE(SavePlayerRecord((dir + name + "/set.bin").c_str(), rec));
    }
    mkdir((dir + "Dmitri").c_str(), 0755);  // no settings record: not on the board
    PROFILE profile;                         // the default player, current, without set.bin yet
    profile.GetSettings()->totalScore = 25;
    const std::vector<LIDER_OPT> board = LeaderboardEntries(profile);
    EXPECT_EQ(Names(board), (std::vector<std::string>{"Boris", "Игрок", "Clara", "Anna"}));
}

} // namespace
