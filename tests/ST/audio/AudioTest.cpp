#include "ST/audio/ST_SS.h"
#include "support/TestSupport.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace {

// A stereo 16-bit tone as a WAV file image, the smallest thing the mixer decodes from memory.
std::string ToneWav(double seconds, double amplitude = 0.5) {
    const uint32_t rate = 22050, frames = static_cast<uint32_t>(seconds * rate);
    const uint32_t dataBytes = frames * 4;
    std::string w;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) w.push_back(char(v >> (8 * i))); };
    auto u16 = [&](uint16_t v) { w.push_back(char(v)); w.push_back(char(v >> 8)); };
    w += "RIFF"; u32(36 + dataBytes); w += "WAVEfmt ";
    u32(16); u16(1); u16(2); u32(rate); u32(rate * 4); u16(4); u16(16);
    w += "data"; u32(dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        auto s = static_cast<int16_t>(amplitude * 32767 * std::sin(2 * M_PI * 440.0 * i / rate));
        u16(uint16_t(s)); u16(uint16_t(s));
    }
    return w;
}

std::unique_ptr<ZEL::ST_A> Sound(ZEL::ST_SS& ss, std::string& bytes) {
    return std::unique_ptr<ZEL::ST_A>(ss.GetSound(bytes.data(), unsigned(bytes.size())));
}

TEST(Audio, VolumeMapsOntoTheMixerScale) {
    struct Case { float v; int mixer; } cases[] = {
        {0.5f, 64}, {1.0f, 128}, {0.0f, 0}, {0.3f, 38}, {-0.2f, 0}, {7.0f, 128},
        {std::numeric_limits<float>::quiet_NaN(), 0}, {std::numeric_limits<float>::infinity(), 128},
    };
    for (const Case& c : cases) EXPECT_EQ(ZEL::ST_SS::MixerVolumeOf(c.v), c.mixer) << c.v;
}

TEST(Audio, OpensWithTheGamesFormatOnTheDummyDriver) {
    ZEL::ST_SS ss;
    ASSERT_TRUE(ss.ready);
    int freq = 0, chans = 0;
    Uint16 fmt = 0;
    ASSERT_EQ(Mix_QuerySpec(&freq, &fmt, &chans), 1);
    EXPECT_EQ(freq, 22050);
    EXPECT_EQ(fmt, AUDIO_S16LSB);
    EXPECT_EQ(chans, 2);
}

TEST(Audio, PlayingVolumesAndRepeats) {
    ZEL::ST_SS ss;
    ASSERT_TRUE(ss.ready);
    std::string wav = ToneWav(1.0);
    auto melody = Sound(ss, wav);
    ASSERT_TRUE(melody && melody->Loaded());
    EXPECT_EQ(ss.lastSound, melody.get());
    EXPECT_EQ(melody->Channel(), -1);

    melody->setRepeat(true);
    EXPECT_EQ(melody->Loops(), -1);
    melody->setVolume(0.0f);
    EXPECT_EQ(melody->MixerVolume(), 0);
    // Silent, yet it takes a channel; played twice it plays twice over itself.
    EXPECT_EQ(melody->Render(0), 0);
    int first = melody->Channel();
    ASSERT_GE(first, 0);
    EXPECT_EQ(melody->Render(0), 0);
    EXPECT_NE(melody->Channel(), first);
    EXPECT_EQ(Mix_Playing(-1), 2);
    melody->setVolume(1.0f);
    EXPECT_EQ(melody->MixerVolume(), 128);
    melody->setVolume(0.5f);
    EXPECT_EQ(melody->MixerVolume(), 64);
    melody->Stop();
    EXPECT_EQ(Mix_Playing(melody->Channel()), 0);
}

TEST(Audio, MultistreamPlaysOnceThenRefusesSingleStream) {
    ZEL::ST_SS ss;
    std::string wav = ToneWav(0.3);
    auto tick = Sound(ss, wav);
    ASSERT_TRUE(tick);
    tick->setMultistriam(true);
    EXPECT_EQ(tick->Render(0), 0);
    EXPECT_EQ(tick->Render(0), 0);
    EXPECT_EQ(tick->Channel(), -1);
    EXPECT_EQ(Mix_Playing(-1), 2);
    tick->setMultistriam(false);
    EXPECT_EQ(tick->Render(0), 1);
    EXPECT_EQ(Mix_Playing(-1), 2);
}

TEST(Audio, PausingASoundNeverPlayedPausesEveryChannel) {
    ZEL::ST_SS ss;
    std::string wav = ToneWav(1.0);
    auto playing = Sound(ss, wav), idle = Sound(ss, wav);
    playing->Render(0);
    // The mixer stamps a pause with SDL's tick count, and a stamp of 0 reads as "not paused".
    SDL_Delay(5);
    idle->Pause();
    EXPECT_EQ(Mix_Paused(playing->Channel()), 1);
    idle->Resume();
    EXPECT_EQ(Mix_Paused(playing->Channel()), 0);
    playing->Pause();
    EXPECT_EQ(Mix_Paused(playing->Channel()), 1);
}

TEST(Audio, UndecodableOrMissingSoundsStaySilent) {
    ZEL::ST_SS ss;
    testsupport::DiagCapture diag;
    std::string junk = "OggS but not really a sound";
    auto bad = Sound(ss, junk);
    ASSERT_TRUE(bad);
    EXPECT_FALSE(bad->Loaded());
    std::unique_ptr<ZEL::ST_A> missing(ss.GetSound("/nonexistent/sound.ogg"));
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->Loaded());
    for (ZEL::ST_A* s : {bad.get(), missing.get()}) {
        s->setRepeat(true);
        s->setVolume(1.0f);
        EXPECT_EQ(s->Render(0), 0);
        s->Pause();
        s->Stop();
        EXPECT_EQ(s->Loops(), 0);
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_TRUE(diag.Contains("cannot be decoded"));
}

TEST(Audio, NoDeviceMeansNoSoundsAndNoExit) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ZEL::ST_SS ss;
    EXPECT_FALSE(ss.ready);
    std::string wav = ToneWav(0.1);
    EXPECT_EQ(ss.GetSound(wav.data(), unsigned(wav.size())), nullptr);
    EXPECT_EQ(ss.GetSound("x.ogg"), nullptr);
    // A sound made with audio down is refused, not fatal.
    ZEL::ST_A orphan(wav.data(), unsigned(wav.size()));
    EXPECT_FALSE(orphan.Loaded());
}

TEST(Audio, WithoutADriverNamedFallsBackRatherThanFailing) {
    unsetenv("SDL_AUDIODRIVER");
    ZEL::ST_SS ss;
    EXPECT_TRUE(ss.ready);
}

TEST(Audio, ASoundReallyReachesTheOutput) {
    testsupport::TempDir dir;
    const std::string out = dir / "mix.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    {
        ZEL::ST_SS ss;
        ASSERT_TRUE(ss.ready);
        std::string wav = ToneWav(0.4);
        auto tone = Sound(ss, wav);
        tone->setVolume(1.0f);
        tone->Render(0);
        // The disk driver mixes in real time; give it the length of the tone.
        for (int i = 0; i < 60 && Mix_Playing(tone->Channel()); ++i) SDL_Delay(10);
        SDL_Delay(100);
    }
    std::string raw = testsupport::ReadFile(out);
    ASSERT_GE(raw.size(), 4096u);
    int peak = 0;
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
        int16_t s;
        std::memcpy(&s, raw.data() + i, 2);
        peak = std::max(peak, std::abs(int(s)));
    }
    EXPECT_GT(peak, 8000);
}

} // namespace
