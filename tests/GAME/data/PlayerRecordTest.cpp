#include "GAME/data/PUZZLE_PLAYER_PROFILE.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using namespace GAME;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::string Image(const PlayerRecordBytes& b) { return std::string(reinterpret_cast<const char*>(b.data()), b.size()); }

std::uint32_t Bits(float f)
{
    std::uint32_t u;
    std::memcpy(&u, &f, 4);
    return u;
}

std::uint32_t Le32(const PlayerRecordBytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(PlayerRecord, AFreshRecordIsSeventySixZeroBytes)
{
    EXPECT_EQ(EncodePlayerRecord(PUZZLE_PLAYER_PROFILE{}), PlayerRecordBytes{});
}

TEST(PlayerRecord, FieldsSitAtTheirOffsetsLittleEndian)
{
    PUZZLE_PLAYER_PROFILE p;
    p.screen = 1296000;
    p.fullScreen = true;
    p.fastCollector = true;
    p.color = static_cast<std::int32_t>(0xFFD4FFC3u);
    for (int i = 0; i < 7; ++i)
        p.trofei[i] = static_cast<std::uint8_t>(i % 2);
    p.musicVolume = 0.5f;
    p.soundVolume = 0.25f;
    p.cursor = true;
    p.showTips = false;
    p.playTime = 3601;
    p.completedCount = 7;
    p.totalScore = 0xDEADBEEFu;
    p.totalPieces = 123456;
    p.reserved68 = -2;
    p.reserved72 = 9;
    const PlayerRecordBytes b = EncodePlayerRecord(p);

    struct Field {
        std::size_t offset;
        std::uint32_t value;
    } words[] = {{0, 1296000u}, {8, 0xFFD4FFC3u}, {20, Bits(0.5f)}, {24, Bits(0.25f)}, {52, 3601u},
                 {56, 7u},      {60, 0xDEADBEEFu}, {64, 123456u},    {68, 0xFFFFFFFEu}};
    for (const Field& f : words)
        EXPECT_EQ(Le32(b, f.offset), f.value) << "offset " << f.offset;
    EXPECT_EQ(b[0], 0x80);  // 1296000 = 0x0013C680, low byte first
    const std::uint8_t bytes[][2] = {{4, 1}, {5, 1}, {12, 0}, {13, 1}, {18, 0}, {48, 1}, {49, 0}, {72, 9}};
    for (const auto& f : bytes)
        EXPECT_EQ(b[f[0]], f[1]) << "offset " << int(f[0]);
    // Padding and reserved space stay zero in a record the game made.
    for (std::size_t at : {6, 7, 19, 50, 51, 73, 74, 75})
        EXPECT_EQ(b[at], 0) << at;
    EXPECT_TRUE(std::all_of(b.begin() + 28, b.begin() + 48, [](std::uint8_t x) { return x == 0; }));

    const PUZZLE_PLAYER_PROFILE back = DecodePlayerRecord(b);
    EXPECT_EQ(EncodePlayerRecord(back), b);
}

TEST(PlayerRecord, NewPlayerDefaults)
{
    const PUZZLE_PLAYER_PROFILE p = NewPlayerRecord(786432, true);
    EXPECT_EQ(p.screen, 786432);
    EXPECT_TRUE(p.fullScreen);
    EXPECT_FALSE(p.fastCollector);
    EXPECT_EQ(p.color, -1);
    EXPECT_FLOAT_EQ(p.musicVolume, 0.3f);
    EXPECT_FLOAT_EQ(p.soundVolume, 0.3f);
    EXPECT_TRUE(p.cursor);
    EXPECT_TRUE(p.showTips);
    EXPECT_EQ(p.playTime, 0);
    EXPECT_EQ(p.totalScore, 0u);
}

TEST(PlayerRecord, SetBinWithoutLineFeedsIsTheBareImage)
{
    TempDir dir;
    const std::string path = dir / "set.bin";
    const PUZZLE_PLAYER_PROFILE p = NewPlayerRecord(0, false);
    ASSERT_TRUE(SavePlayerRecord(path.c_str(), p));
    EXPECT_EQ(ReadFile(path), Image(EncodePlayerRecord(p)));
    EXPECT_EQ(ReadFile(path).size(), 76u);
}

TEST(PlayerRecord, LineFeedBytesAreExpandedOnDiskAndRestored)
{
    TempDir dir;
    const std::string path = dir / "set.bin";
    PUZZLE_PLAYER_PROFILE p = NewPlayerRecord(0, true);
    p.totalPieces = 0x0A0A;  // two 0x0A bytes
    p.playTime = 0x0A0D;     // 0x0D then 0x0A: must come back as the same two bytes
    ASSERT_TRUE(SavePlayerRecord(path.c_str(), p));
    const std::string disk = ReadFile(path);
    EXPECT_EQ(disk.size(), 79u);
    for (std::size_t i = 0; i < disk.size(); ++i) {
        if (disk[i] == '\n') {
            EXPECT_EQ(disk[i - 1], '\r') << i;
        }
    }

    PUZZLE_PLAYER_PROFILE q;
    ASSERT_TRUE(LoadPlayerRecord(path.c_str(), q));
    EXPECT_EQ(EncodePlayerRecord(q), EncodePlayerRecord(p));
}

TEST(PlayerRecord, ReservedAndPaddingBytesAreWrittenBackAsRead)
{
    PlayerRecordBytes image = EncodePlayerRecord(NewPlayerRecord(0, false));
    for (std::size_t at : {6, 7, 19, 50, 51, 68, 69, 70, 71, 72, 73, 74, 75})
        image[at] = static_cast<std::uint8_t>(0xA0 + at);
    for (std::size_t at = 28; at < 48; ++at)
        image[at] = static_cast<std::uint8_t>(at);  // includes 0x0A and 0x0D

    TempDir dir;
    const std::string path = dir / "set.bin";
    WriteFile(path, [&] {
        std::string disk;
        for (std::uint8_t c : image) {
            if (c == 0x0A)
                disk += '\r';
            disk += static_cast<char>(c);
        }
        return disk;
    }());
    const std::string before = ReadFile(path);

    PUZZLE_PLAYER_PROFILE p;
    ASSERT_TRUE(LoadPlayerRecord(path.c_str(), p));
    ASSERT_TRUE(SavePlayerRecord(path.c_str(), p));
    EXPECT_EQ(ReadFile(path), before);
}

TEST(PlayerRecord, DamagedBytesAreReadSafely)
{
    PlayerRecordBytes image = EncodePlayerRecord(NewPlayerRecord(0, false));
    image[4] = 7;     // fullScreen
    image[5] = 0xFF;  // fastCollector
    image[48] = 2;    // cursor
    image[49] = 0;    // showTips
    const std::uint8_t levels[7] = {6, 200, 4, 5, 9, 7, 3};
    std::memcpy(image.data() + 12, levels, 7);
    const PUZZLE_PLAYER_PROFILE p = DecodePlayerRecord(image);
    EXPECT_TRUE(p.fullScreen);
    EXPECT_TRUE(p.fastCollector);
    EXPECT_TRUE(p.cursor);
    EXPECT_FALSE(p.showTips);
    const std::uint8_t clamped[7] = {5, 3, 4, 4, 4, 6, 1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(p.trofei[i], clamped[i]) << i;
    const PlayerRecordBytes again = EncodePlayerRecord(p);
    EXPECT_EQ(again[4], 1);
    EXPECT_EQ(again[5], 1);
    EXPECT_EQ(again[48], 1);

    struct Case {
        float stored;
        float read;
    } volumes[] = {{0.0f, 0.0f},
                   {1.0f, 1.0f},
                   {0.7f, 0.7f},
                   {-0.01f, 0.3f},
                   {1.5f, 0.3f},
                   {std::numeric_limits<float>::infinity(), 0.3f},
                   {std::numeric_limits<float>::quiet_NaN(), 0.3f}};
    for (const Case& c : volumes) {
        PlayerRecordBytes b = image;
        const std::uint32_t bits = Bits(c.stored);
        for (int i = 0; i < 4; ++i) {
            b[20 + i] = static_cast<std::uint8_t>(bits >> (8 * i));
            b[24 + i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
        const PUZZLE_PLAYER_PROFILE v = DecodePlayerRecord(b);
        EXPECT_FLOAT_EQ(v.musicVolume, c.read) << c.stored;
        EXPECT_FLOAT_EQ(v.soundVolume, c.read) << c.stored;
    }
}

TEST(PlayerRecord, AMissingOrShortFileLeavesTheRecordAsItWas)
{
    TempDir dir;
    PUZZLE_PLAYER_PROFILE p = NewPlayerRecord(2073600, false);
    const PlayerRecordBytes before = EncodePlayerRecord(p);
    EXPECT_FALSE(LoadPlayerRecord((dir / "missing.bin").c_str(), p));
    EXPECT_EQ(EncodePlayerRecord(p), before);

    const std::string shortFile = dir / "short.bin";
    WriteFile(shortFile, std::string(50, '\x01'));
    EXPECT_FALSE(LoadPlayerRecord(shortFile.c_str(), p));
    EXPECT_EQ(EncodePlayerRecord(p), before);

    // 76 bytes on disk but one 0x0D 0x0A pair in them: 75 bytes of record, still short.
    std::string almost(76, '\x01');
    almost[10] = '\r';
    almost[11] = '\n';
    WriteFile(shortFile, almost);
    EXPECT_FALSE(LoadPlayerRecord(shortFile.c_str(), p));
    EXPECT_EQ(EncodePlayerRecord(p), before);
}

} // namespace
