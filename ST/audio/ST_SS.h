#pragma once
// Sound system and sounds on SDL_mixer: effects and the two looping melodies.
#include <cstdint>

struct Mix_Chunk;

namespace ZEL {

class ST_A {
public:
    explicit ST_A(const char* path);
    ST_A(char* data, unsigned size);
    ~ST_A();
    ST_A(const ST_A&) = delete;
    ST_A& operator=(const ST_A&) = delete;

    // 1 when the play was refused (a multistream sound already played), else 0.
    int Render(int = 0);
    void Stop();
    void Pause();
    void Resume();
    void setRepeat(bool repeat);
    void setMultistriam(bool multi);
    void setVolume(float v);

    bool Loaded() const { return chunk != nullptr; }
    int Channel() const { return channel; }
    int Loops() const { return loops; }
    bool MultiPlayed() const { return multiPlayed; }
    int MixerVolume() const;

private:
    Mix_Chunk* chunk = nullptr;
    bool multistream = false;
    bool multiPlayed = false;
    int loops = 0;
    int channel = -1;
};

class ST_SS {
public:
    ST_SS();
    ~ST_SS();
    ST_SS(const ST_SS&) = delete;
    ST_SS& operator=(const ST_SS&) = delete;

    // The caller owns the sound; null while the mixer is not open.
    ST_A* GetSound(const char* path);
    ST_A* GetSound(char* data, unsigned size);

    int frequency = 22050;
    uint16_t format = 0x8010;
    int channels = 2;
    int chunkSize = 2048;
    bool ready = false;
    ST_A* lastSound = nullptr;

    // Mixer volume 0..128 for a volume 0..1; anything else is clamped, NaN is silence.
    static int MixerVolumeOf(float v);

private:
    bool Open();
    bool startedAudio = false;
};

} // namespace ZEL
