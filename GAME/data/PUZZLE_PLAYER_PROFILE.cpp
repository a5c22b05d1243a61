#include "GAME/data/PUZZLE_PLAYER_PROFILE.h"

#include "ST/core/iFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace GAME {

namespace {

class Writer {
public:
    explicit Writer(PlayerRecordBytes& b) : bytes(b) {}
    void U8(std::size_t at, std::uint8_t v) { bytes[at] = v; }
    void U32(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    void I32(std::size_t at, std::int32_t v) { U32(at, static_cast<std::uint32_t>(v)); }
    void F32(std::size_t at, float v)
    {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        U32(at, u);
    }
    void Raw(std::size_t at, const std::uint8_t* p, std::size_t n) { std::memcpy(bytes.data() + at, p, n); }

private:
    PlayerRecordBytes& bytes;
};

class Reader {
public:
    explicit Reader(const PlayerRecordBytes& b) : bytes(b) {}
    std::uint8_t U8(std::size_t at) const { return bytes[at]; }
    bool Bool(std::size_t at) const { return bytes[at] != 0; }
    std::uint32_t U32(std::size_t at) const
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
        return v;
    }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    float F32(std::size_t at) const
    {
        const std::uint32_t u = U32(at);
        float v;
        std::memcpy(&v, &u, 4);
        return v;
    }
    void Raw(std::size_t at, std::uint8_t* p, std::size_t n) const { std::memcpy(p, bytes.data() + at, n); }

private:
    const PlayerRecordBytes& bytes;
};

float Volume(float v) { return std::isfinite(v) && v >= 0.0f && v <= 1.0f ? v : kDefaultVolume; }

} // namespace

PUZZLE_PLAYER_PROFILE NewPlayerRecord(std::int32_t screen, bool fullScreen)
{
    PUZZLE_PLAYER_PROFILE p;
    p.screen = screen;
    p.fullScreen = fullScreen;
    p.fastCollector = false;
    p.color = -1;
    p.musicVolume = kDefaultVolume;
    p.soundVolume = kDefaultVolume;
    p.cursor = true;
    p.showTips = true;
    return p;
}

PlayerRecordBytes EncodePlayerRecord(const PUZZLE_PLAYER_PROFILE& p)
{
    PlayerRecordBytes b{};
    Writer w(b);
    w.I32(0, p.screen);
    w.U8(4, p.fullScreen ? 1 : 0);
    w.U8(5, p.fastCollector ? 1 : 0);
    w.Raw(6, p.pad6, 2);
    w.I32(8, p.color);
    w.Raw(12, p.trofei, 7);
    w.U8(19, p.pad19);
    w.F32(20, p.musicVolume);
    w.F32(24, p.soundVolume);
    w.Raw(28, p.reserved28, 20);
    w.U8(48, p.cursor ? 1 : 0);
    w.U8(49, p.showTips ? 1 : 0);
    w.Raw(50, p.pad50, 2);
    w.I32(52, p.playTime);
    w.I32(56, p.completedCount);
    w.U32(60, p.totalScore);
    w.U32(64, p.totalPieces);
    w.I32(68, p.reserved68);
    w.U8(72, p.reserved72);
    w.Raw(73, p.pad73, 3);
    return b;
}

PUZZLE_PLAYER_PROFILE DecodePlayerRecord(const PlayerRecordBytes& b)
{
    const Reader r(b);
    PUZZLE_PLAYER_PROFILE p;
    p.screen = r.I32(0);
    p.fullScreen = r.Bool(4);
    p.fastCollector = r.Bool(5);
    r.Raw(6, p.pad6, 2);
    p.color = r.I32(8);
    for (int i = 0; i < 7; ++i) {
        const std::uint8_t level = r.U8(12 + i);
        // Levels index the trophy pictures and thresholds; a damaged byte must stay in range.
        p.trofei[i] = level > kTrophyTopLevel[i] ? kTrophyTopLevel[i] : level;
    }
    p.pad19 = r.U8(19);
    p.musicVolume = Volume(r.F32(20));
    p.soundVolume = Volume(r.F32(24));
    r.Raw(28, p.reserved28, 20);
    p.cursor = r.Bool(48);
    p.showTips = r.Bool(49);
    r.Raw(50, p.pad50, 2);
    p.playTime = r.I32(52);
    p.completedCount = r.I32(56);
    p.totalScore = r.U32(60);
    p.totalPieces = r.U32(64);
    p.reserved68 = r.I32(68);
    p.reserved72 = r.U8(72);
    r.Raw(73, p.pad73, 3);
    return p;
}

bool SavePlayerRecord(const char* path, const PUZZLE_PLAYER_PROFILE& p)
{
    const PlayerRecordBytes b = EncodePlayerRecord(p);
    return ZEL::ifile.SaveData(path, b.data(), static_cast<int>(b.size())) == 0;
}

bool LoadPlayerRecord(const char* path, PUZZLE_PLAYER_PROFILE& p)
{
    PlayerRecordBytes b{};
    if (ZEL::ifile.LoadData(path, b.data(), static_cast<int>(b.size())) != 0)
        return false;
    p = DecodePlayerRecord(b);
    return true;
}

std::optional<PUZZLE_PLAYER_PROFILE> ReadPlayerRecord(const char* path, const PUZZLE_PLAYER_PROFILE& base)
{
    if (!path)
        return std::nullopt;
    const std::optional<std::string> disk = ZEL::iFile::ReadWholeFile(path);
    if (!disk)
        return std::nullopt;
    const std::string record = ZEL::iFile::CollapseRecord(*disk);
    PlayerRecordBytes b = EncodePlayerRecord(base);
    std::memcpy(b.data(), record.data(), std::min(record.size(), b.size()));
    return DecodePlayerRecord(b);
}

} // namespace GAME
