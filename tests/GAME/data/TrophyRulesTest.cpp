#include "GAME/data/TrophyRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>

using namespace GAME;

namespace {

using Levels = std::array<int, kTrophyFamilies>;

Levels Stored(const PUZZLE_PLAYER_PROFILE& s)
{
    Levels l{};
    for (int i = 0; i < kTrophyFamilies; ++i)
        l[i] = s.trofei[i];
    return l;
}

Levels Reported(const REG& r)
{
    Levels l{};
    for (int i = 0; i < kTrophyFamilies; ++i)
        l[i] = r.trofei[i];
    return l;
}

FinishedPuzzle Puzzle(int pieces, int points, double seconds = 60.0, int quick = 0)
{
    FinishedPuzzle p;
    p.placedPieces = pieces;
    p.pieceCount = pieces;
    p.points = points;
    p.elapsed = seconds;
    p.quickJoins = quick;
    return p;
}

TEST(TrophyRules, OneCompletionAgainstTheRecord)
{
    struct Case {
        const char* what;
        std::function<void(PUZZLE_PLAYER_PROFILE&)> before;
        FinishedPuzzle puzzle;
        Levels stored;    // collector, master, endurance, meditation, inconstancy, sage, lord
        Levels reported;
    };
    auto withAid = [](FinishedPuzzle p, int hints, bool sort, bool pocket) {
        p.hints = hints;
        p.sortUsed = sort;
        p.pocketUsed = pocket;
        return p;
    };
    const Case cases[] = {
        {"first puzzle: 12 pieces, 150 points, 300 s, 3 quick joins", nullptr, Puzzle(12, 150, 300.0, 3),
         {1, 0, 1, 0, 1, 0, 0}, {1, 0, 1, 0, 1, 0, 0}},
        {"200 pieces without any aid wins the lord", nullptr, Puzzle(200, 5000),
         {2, 0, 2, 0, 1, 0, 1}, {2, 0, 2, 0, 1, 0, 1}},
        {"one hint: no lord", nullptr, withAid(Puzzle(200, 5000), 1, false, false), {2, 0, 2, 0, 1, 0, 0},
         {2, 0, 2, 0, 1, 0, 0}},
        {"sorting used: no lord", nullptr, withAid(Puzzle(200, 5000), 0, true, false), {2, 0, 2, 0, 1, 0, 0},
         {2, 0, 2, 0, 1, 0, 0}},
        {"pocket used: no lord", nullptr, withAid(Puzzle(200, 5000), 0, false, true), {2, 0, 2, 0, 1, 0, 0},
         {2, 0, 2, 0, 1, 0, 0}},
        {"199 pieces: no lord", nullptr, Puzzle(199, 5000), {2, 0, 2, 0, 1, 0, 0}, {2, 0, 2, 0, 1, 0, 0}},
        {"the lord is reported once",
         [](PUZZLE_PLAYER_PROFILE& s) {
             s.trofei[kLord] = 1;
             s.totalPieces = 200;
             s.completedCount = 1;
             s.trofei[kCollector] = 2;
             s.trofei[kEndurance] = 2;
             s.trofei[kInconstancy] = 1;
         },
         Puzzle(200, 0), {2, 0, 2, 0, 1, 0, 1}, {0, 0, 0, 0, 0, 0, 0}},
        {"endurance never falls",
         [](PUZZLE_PLAYER_PROFILE& s) {
             s.trofei[kEndurance] = 3;
             s.trofei[kSage] = 4;
         },
         Puzzle(12, 0, 60.0, 6), {1, 0, 3, 0, 1, 4, 0}, {1, 0, 0, 0, 1, 0, 0}},
        {"the 20th puzzle reaches the fourth inconstancy level",
         [](PUZZLE_PLAYER_PROFILE& s) {
             s.completedCount = 19;
             s.trofei[kInconstancy] = 3;
         },
         Puzzle(4, 0), {0, 0, 0, 0, 4, 0, 0}, {0, 0, 0, 0, 4, 0, 0}},
        {"lifetime counters cross their thresholds",
         [](PUZZLE_PLAYER_PROFILE& s) {
             s.totalScore = 99990;
             s.playTime = 35990;
             s.trofei[kJigsawMaster] = 1;
             s.trofei[kMeditation] = 2;
         },
         Puzzle(4, 10, 10.9, 100), {0, 2, 0, 3, 1, 6, 0}, {0, 2, 0, 3, 1, 6, 0}},
        {"a level lowered by a raised threshold is stored, not reported",
         [](PUZZLE_PLAYER_PROFILE& s) {
             s.totalPieces = 50;
             s.trofei[kCollector] = 5;  // as if the thresholds had been lower before
         },
         Puzzle(4, 0), {1, 0, 0, 0, 1, 0, 0}, {0, 0, 0, 0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        PUZZLE_PLAYER_PROFILE s = NewPlayerRecord(0, false);
        if (c.before)
            c.before(s);
        REG r;
        EvaluateTrophies(c.puzzle, s, r);
        EXPECT_EQ(Stored(s), c.stored) << c.what;
        EXPECT_EQ(Reported(r), c.reported) << c.what;
    }
}

TEST(TrophyRules, CountersSaturateInsteadOfWrapping)
{
    PUZZLE_PLAYER_PROFILE s = NewPlayerRecord(0, false);
    s.totalScore = std::numeric_limits<std::uint32_t>::max() - 5;
    s.totalPieces = std::numeric_limits<std::uint32_t>::max() - 1;
    s.playTime = std::numeric_limits<std::int32_t>::max() - 10;
    s.completedCount = std::numeric_limits<std::int32_t>::max();
    for (int i = 0; i < kTrophyFamilies - 1; ++i)
        s.trofei[i] = kTrophyTopLevel[i];
    REG r;
    EvaluateTrophies(Puzzle(1000, 2000000000, 1e9), s, r);
    EXPECT_EQ(s.totalScore, std::numeric_limits<std::uint32_t>::max());
    EXPECT_EQ(s.totalPieces, std::numeric_limits<std::uint32_t>::max());
    EXPECT_EQ(s.playTime, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(s.completedCount, std::numeric_limits<std::int32_t>::max());
    // Collector and master compare unsigned: a total above 2^31 is still the top level.
    EXPECT_EQ(s.trofei[kCollector], 5);
    EXPECT_EQ(s.trofei[kJigsawMaster], 3);
    EXPECT_EQ(Reported(r), (Levels{0, 0, 0, 0, 0, 0, 1}));
}

TEST(TrophyRules, LevelsFollowTheFirstThresholdNotReached)
{
    const long long th[] = {10, 100, 1000};
    struct Case {
        long long value;
        int level;
    };
    for (const Case c : {Case{-1, 0}, Case{9, 0}, Case{10, 1}, Case{99, 1}, Case{100, 2}, Case{999, 2},
                         Case{1000, 3}, Case{1LL << 40, 3}})
        EXPECT_EQ(TrophyLevel(c.value, th), c.level) << c.value;
    // Out-of-order thresholds from a hand-edited table: the first one not reached decides.
    const long long muddled[] = {100, 10};
    EXPECT_EQ(TrophyLevel(50, muddled), 0);
}

TEST(TrophyRules, TheResultRecordCarriesDateTimeAndPuzzle)
{
    const char* oldTz = std::getenv("TZ");
    const std::string saved = oldTz ? oldTz : "";
    setenv("TZ", "UTC", 1);
    tzset();
    FinishedPuzzle p = Puzzle(48, 730, 3725.9);
    p.bonus = 17;
    p.hints = 2;
    p.rotation = true;
    PUZZLE_PLAYER_PROFILE s = NewPlayerRecord(0, false);
    const REG r = RecordCompletion(p, s, 1700000000);  // 2023-11-14 22:13:20 UTC
    EXPECT_EQ((std::array<int, 3>{r.day, r.month, r.year}), (std::array<int, 3>{14, 11, 2023}));
    EXPECT_EQ((std::array<int, 3>{r.hours, r.minutes, r.seconds}), (std::array<int, 3>{1, 2, 5}));
    EXPECT_EQ((std::array<int, 5>{r.pieces, r.score, r.bonus, r.hints, r.rotation}),
              (std::array<int, 5>{48, 730, 17, 2, 1}));
    EXPECT_EQ(r.trofei[kCollector], 1);
    EXPECT_EQ(s.playTime, 3725);

    for (double bad : {std::nan(""), -5.0, std::numeric_limits<double>::infinity()}) {
        PUZZLE_PLAYER_PROFILE t = NewPlayerRecord(0, false);
        p.elapsed = bad;
        const REG q = RecordCompletion(p, t, 1700000000);
        EXPECT_EQ(q.hours + q.minutes + q.seconds, 0) << bad;
        EXPECT_EQ(t.playTime, 0) << bad;
    }
    if (oldTz)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(TrophyRules, PicturesNameTheLevelAndFadeWhatIsNotWon)
{
    struct Case {
        int family, level;
        const char* file;
        bool faded;
    };
    const Case cases[] = {
        {kCollector, 3, "trofi_sobiratel3.png", false},
        {kCollector, 0, "trofi_sobiratel1.png", true},
        {kSage, 6, "trofi_mudrec6.png", false},
        {kJigsawMaster, 9, "trofi_master3.png", false},
        {kLord, 0, "trofi_povelitel.png", true},
        {kLord, 1, "trofi_povelitel.png", false},
    };
    for (const Case& c : cases) {
        const TrophyPicture pic = TrophyPictureFor(c.family, c.level);
        EXPECT_EQ(pic.file, c.file);
        EXPECT_EQ(pic.faded, c.faded) << c.file;
    }
}

} // namespace
