#include "GAME/data/TrophyRules.h"

#include "GAME/data/Config.h"

#include <climits>
#include <cmath>
#include <cstdint>

namespace GAME {

TrophyThresholds TrophyThresholds::FromConfig()
{
    TrophyThresholds t;
    t.collector = {COLLECTOR_1, COLLECTOR_2, COLLECTOR_3, COLLECTOR_4, COLLECTOR_5};
    t.jigsawMaster = {JIGSAW_MASTER_1, JIGSAW_MASTER_2, JIGSAW_MASTER_3};
    t.endurance = {ENDURANCE_1, ENDURANCE_2, ENDURANCE_3, ENDURANCE_4};
    t.meditation = {MEDITATION_1, MEDITATION_2, MEDITATION_3, MEDITATION_4};
    t.inconstancy = {BICH_1, BICH_2, BICH_3, BICH_4};
    t.sage = {SAGE_1, SAGE_2, SAGE_3, SAGE_4, SAGE_5, SAGE_6};
    return t;
}

int TrophyLevel(long long value, std::span<const long long> thresholds)
{
    for (std::size_t i = 0; i < thresholds.size(); ++i) {
        if (value < thresholds[i])
            return static_cast<int>(i);
    }
    return static_cast<int>(thresholds.size());
}

int WholeSeconds(double elapsed)
{
    if (!std::isfinite(elapsed) || elapsed <= 0.0)
        return 0;
    if (elapsed >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(elapsed);
}

namespace {

std::uint32_t AddSaturated(std::uint32_t counter, int amount)
{
    if (amount <= 0)
        return counter;
    const std::uint64_t sum = static_cast<std::uint64_t>(counter) + static_cast<std::uint64_t>(amount);
    return sum > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(sum);
}

std::int32_t AddSaturated(std::int32_t counter, int amount)
{
    if (amount <= 0)
        return counter;
    const long long sum = static_cast<long long>(counter) + amount;
    return sum > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(sum);
}

// A level that follows its counter: stored whenever it differs, reported only when it rose.
void Follow(PUZZLE_PLAYER_PROFILE& s, REG& r, int family, int level)
{
    const int old = s.trofei[family];
    if (level == old)
        return;
    s.trofei[family] = static_cast<std::uint8_t>(level);
    if (level > old)
        r.trofei[family] = level;
}

// A level earned by one puzzle alone: it only ever rises.
void Raise(PUZZLE_PLAYER_PROFILE& s, REG& r, int family, int level)
{
    if (level <= s.trofei[family])
        return;
    s.trofei[family] = static_cast<std::uint8_t>(level);
    r.trofei[family] = level;
}

} // namespace

void EvaluateTrophies(const FinishedPuzzle& p, PUZZLE_PLAYER_PROFILE& s, REG& r, const TrophyThresholds& t)
{
    s.totalPieces = AddSaturated(s.totalPieces, p.placedPieces);
    Follow(s, r, kCollector, TrophyLevel(s.totalPieces, t.collector));

    s.totalScore = AddSaturated(s.totalScore, p.points);
    Follow(s, r, kJigsawMaster, TrophyLevel(s.totalScore, t.jigsawMaster));

    Raise(s, r, kEndurance, TrophyLevel(p.pieceCount, t.endurance));

    s.playTime = AddSaturated(s.playTime, WholeSeconds(p.elapsed));
    Follow(s, r, kMeditation, TrophyLevel(s.playTime, t.meditation));

    s.completedCount = AddSaturated(s.completedCount, 1);
    Follow(s, r, kInconstancy, TrophyLevel(s.completedCount, t.inconstancy));

    Raise(s, r, kSage, TrophyLevel(p.quickJoins, t.sage));

    if (p.pieceCount >= kLordPieces && p.hints == 0 && !p.sortUsed && !p.pocketUsed && s.trofei[kLord] != 1) {
        s.trofei[kLord] = 1;
        r.trofei[kLord] = 1;
    }
}

REG RecordCompletion(const FinishedPuzzle& p, PUZZLE_PLAYER_PROFILE& s, std::time_t now, const TrophyThresholds& t)
{
    REG r;
    EvaluateTrophies(p, s, r, t);
    std::tm local{};
    if (localtime_r(&now, &local)) {
        r.day = local.tm_mday;
        r.month = local.tm_mon + 1;
        r.year = local.tm_year + 1900;
    }
    const int whole = WholeSeconds(p.elapsed);
    r.hours = whole / 3600;
    r.minutes = whole / 60 % 60;
    r.seconds = whole % 60;
    r.pieces = p.pieceCount;
    r.score = p.points;
    r.bonus = p.bonus;
    r.hints = p.hints;
    r.rotation = p.rotation ? 1 : 0;
    return r;
}

TrophyPicture TrophyPictureFor(int family, int level)
{
    const char* stems[kTrophyFamilies] = {chTEXT_TROFEI_COLLECTOR_PATH, chTEXT_TROFEI_JIGSAW_MASTER_PATH,
                                          chTEXT_TROFEI_ENDURANCE_PATH, chTEXT_TROFEI_MEDITATION_PATH,
                                          chTEXT_TROFEI_BICH_PATH,      chTEXT_TROFEI_SAGE_PATH,
                                          chTEXT_TROFEI_OVERLORD_PATH};
    if (family < 0 || family >= kTrophyFamilies)
        return {};
    const char* stem = stems[family] ? stems[family] : "";
    if (family == kLord)
        return {stem, level != 1};
    const int top = kTrophyTopLevel[family];
    const int shown = level < 1 ? 1 : (level > top ? top : level);
    return {stem + std::to_string(shown) + (chTEXT_TROFEI_EXTENSION ? chTEXT_TROFEI_EXTENSION : ""), level < 1};
}

} // namespace GAME
