#include "ST/platform/ImageCodec.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

namespace ZEL {

namespace {

bool FromSurface(SDL_Surface* s, int& w, int& h, std::vector<std::uint32_t>& pixels, std::string* error) {
    if (!s) {
        if (error) *error = IMG_GetError();
        return false;
    }
    // ARGB8888 is one 0xAARRGGBB word per pixel: in memory the bytes B, G, R, A.
    SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!c) {
        if (error) *error = SDL_GetError();
        return false;
    }
    w = c->w;
    h = c->h;
    pixels.resize(static_cast<std::size_t>(w) * h);
    SDL_LockSurface(c);
    for (int y = 0; y < h; ++y)
        std::memcpy(&pixels[static_cast<std::size_t>(y) * w], static_cast<const char*>(c->pixels) + y * c->pitch,
                    static_cast<std::size_t>(w) * 4);
    SDL_UnlockSurface(c);
    SDL_FreeSurface(c);
    return w > 0 && h > 0;
}

} // namespace

bool DecodeImage(const void* bytes, std::size_t size, int& w, int& h, std::vector<std::uint32_t>& pixels,
                 std::string* error) {
    if (!bytes || size == 0 || size > 0x7FFFFFFF) {
        if (error) *error = "no data";
        return false;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    return FromSurface(rw ? IMG_Load_RW(rw, 1) : nullptr, w, h, pixels, error);
}

bool DecodeImageFile(const char* path, int& w, int& h, std::vector<std::uint32_t>& pixels, std::string* error) {
    if (!path || !*path) {
        if (error) *error = "no file name";
        return false;
    }
    return FromSurface(IMG_Load(path), w, h, pixels, error);
}

bool SavePng(const char* path, const std::uint32_t* pixels, int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels), w, h, 32, w * 4,
                                                        SDL_PIXELFORMAT_ARGB8888);
    if (!s) return false;
    const bool ok = IMG_SavePNG(s, path) == 0;
    SDL_FreeSurface(s);
    return ok;
}

} // namespace ZEL
