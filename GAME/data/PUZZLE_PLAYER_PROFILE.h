#pragma once
// One player's settings, trophy levels and lifetime counters. Its 76-byte image is the file
// format of the player's set.bin; the image is built field by field (little-endian), never from
// the compiler's layout of this struct.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace GAME {

struct PUZZLE_PLAYER_PROFILE {
    std::int32_t screen = 0;          // resolution as width x height pixels; 0 = the desktop's
    bool fullScreen = false;
    bool fastCollector = false;
    std::uint8_t pad6[2] = {};
    std::int32_t color = 0;           // table background, ARGB
    std::uint8_t trofei[7] = {};      // collector, jigsaw master, endurance, meditation,
                                      // inconstancy, sage, lord
    std::uint8_t pad19 = 0;
    float musicVolume = 0.0f;         // 0..1
    float soundVolume = 0.0f;         // 0..1
    std::uint8_t reserved28[20] = {}; // kept and written back unchanged
    bool cursor = false;              // draw the game's own cursor
    bool showTips = false;            // the help screens are still offered
    std::uint8_t pad50[2] = {};
    std::int32_t playTime = 0;        // seconds spent on completed puzzles
    std::int32_t completedCount = 0;
    std::uint32_t totalScore = 0;
    std::uint32_t totalPieces = 0;
    std::int32_t reserved68 = 0;
    std::uint8_t reserved72 = 0;
    std::uint8_t pad73[3] = {};
};

inline constexpr std::size_t kPlayerRecordSize = 76;
inline constexpr float kDefaultVolume = 0.3f;
// Highest level of each trophy, in the order of PUZZLE_PLAYER_PROFILE::trofei.
inline constexpr std::uint8_t kTrophyTopLevel[7] = {5, 3, 4, 4, 4, 6, 1};

using PlayerRecordBytes = std::array<std::uint8_t, kPlayerRecordSize>;

// The record a new player starts with; screen and fullScreen come from game.xml.
PUZZLE_PLAYER_PROFILE NewPlayerRecord(std::int32_t screen, bool fullScreen);

PlayerRecordBytes EncodePlayerRecord(const PUZZLE_PLAYER_PROFILE& p);
// Reads an image as stored. Boolean bytes read as 0 or 1, a volume outside 0..1 or not finite
// reads as the default volume, and a trophy level above the trophy's top level reads as the top
// level; every other byte, reserved and padding included, is kept as it is.
PUZZLE_PLAYER_PROFILE DecodePlayerRecord(const PlayerRecordBytes& bytes);

// set.bin through the record functions of ZEL::iFile (every 0x0A preceded by 0x0D on disk).
// Save is atomic; true on success.
bool SavePlayerRecord(const char* path, const PUZZLE_PLAYER_PROFILE& p);
// True when a whole record was read into `p`; a missing or short file leaves `p` unchanged.
bool LoadPlayerRecord(const char* path, PUZZLE_PLAYER_PROFILE& p);
// The record in the file laid over `base`: a short file keeps the rest of `base`, a longer one
// is read to its 76th byte. Nullopt when the file cannot be opened or read.
std::optional<PUZZLE_PLAYER_PROFILE> ReadPlayerRecord(const char* path, const PUZZLE_PLAYER_PROFILE& base);

} // namespace GAME
