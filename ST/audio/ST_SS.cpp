#include "ST/audio/ST_SS.h"

#include "ST/core/Diag.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace ZEL {

namespace {

bool AudioRunning() { return SDL_WasInit(SDL_INIT_AUDIO) != 0; }

Mix_Chunk* Decode(SDL_RWops* rw, const char* what) {
    if (!AudioRunning()) {
        // Refuse quietly rather than abort: the game simply stays silent.
        Diag(std::string("sound ") + what + " made while audio is not running: silent");
        if (rw) SDL_RWclose(rw);
        return nullptr;
    }
    if (!rw) {
        Diag(std::string("sound ") + what + ": " + SDL_GetError());
        return nullptr;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (!chunk) Diag(std::string("sound ") + what + " cannot be decoded: " + Mix_GetError());
    return chunk;
}

} // namespace

ST_A::ST_A(const char* path) {
    chunk = Decode(path ? SDL_RWFromFile(path, "rb") : nullptr, path ? path : "(null)");
}

ST_A::ST_A(char* data, unsigned size) {
    SDL_RWops* rw = (data && size > 0) ? SDL_RWFromConstMem(data, static_cast<int>(size)) : nullptr;
    chunk = Decode(rw, "(memory)");
}

ST_A::~ST_A() {
    if (chunk) Mix_FreeChunk(chunk);
}

int ST_A::Render(int) {
    if (!chunk) return 0;
    if (!multistream) {
        if (multiPlayed) return 1;
        channel = Mix_PlayChannel(-1, chunk, loops);
        return 0;
    }
    Mix_PlayChannel(-1, chunk, loops);
    multiPlayed = true;
    return 0;
}

void ST_A::Stop() {
    if (chunk) Mix_HaltChannel(channel);
}

void ST_A::Pause() {
    if (chunk) Mix_Pause(channel);
}

void ST_A::Resume() {
    if (chunk) Mix_Resume(channel);
}

void ST_A::setRepeat(bool repeat) {
    if (chunk) loops = repeat ? -1 : 0;
}

void ST_A::setMultistriam(bool multi) {
    if (chunk) multistream = multi;
}

void ST_A::setVolume(float v) {
    if (chunk) Mix_VolumeChunk(chunk, ST_SS::MixerVolumeOf(v));
}

int ST_A::MixerVolume() const {
    return chunk ? Mix_VolumeChunk(chunk, -1) : 0;
}

int ST_SS::MixerVolumeOf(float v) {
    if (!std::isfinite(v)) return v > 0 ? MIX_MAX_VOLUME : 0;
    long r = std::lround(static_cast<double>(v) * MIX_MAX_VOLUME);
    if (r < 0) return 0;
    if (r > MIX_MAX_VOLUME) return MIX_MAX_VOLUME;
    return static_cast<int>(r);
}

bool ST_SS::Open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Diag(std::string("audio: ") + SDL_GetError());
        return false;
    }
    startedAudio = true;
    if (Mix_OpenAudio(frequency, format, channels, chunkSize) != 0) {
        Diag(std::string("audio: the mixer cannot open: ") + Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        startedAudio = false;
        return false;
    }
    return true;
}

ST_SS::ST_SS() {
    ready = Open();
    if (!ready && !std::getenv("SDL_AUDIODRIVER")) {
        // No sound card: SDL never picks its dummy driver by itself, so ask for it and run silent.
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        ready = Open();
        if (ready) Diag("audio: no device, running silent");
    }
    if (!ready) Diag("audio: running without sound");
}

ST_SS::~ST_SS() {
    if (ready) Mix_CloseAudio();
    if (startedAudio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

ST_A* ST_SS::GetSound(const char* path) {
    if (!ready) return nullptr;
    lastSound = new ST_A(path);
    return lastSound;
}

ST_A* ST_SS::GetSound(char* data, unsigned size) {
    if (!ready) return nullptr;
    lastSound = new ST_A(data, size);
    return lastSound;
}

} // namespace ZEL
