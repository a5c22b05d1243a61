// Turns a rendered picture into the JPEG the game ships:
//
//   imgconv IN OUT.jpg [QUALITY]
//
// JPEG has no alpha, so any transparency left in the source is laid on black (the colour the
// game's own splash backdrop uses) and reported, since such a picture was meant to be opaque.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: imgconv IN OUT.jpg [QUALITY]\n");
        return 2;
    }
    const int quality = argc == 4 ? std::atoi(argv[3]) : 90;
    SDL_Surface* in = IMG_Load(argv[1]);
    if (!in) {
        std::fprintf(stderr, "imgconv: cannot read %s: %s\n", argv[1], IMG_GetError());
        return 1;
    }
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(in, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(in);
    if (!rgba) {
        std::fprintf(stderr, "imgconv: %s\n", SDL_GetError());
        return 1;
    }
    long translucent = 0;
    SDL_LockSurface(rgba);
    for (int y = 0; y < rgba->h; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(rgba->pixels) + y * rgba->pitch);
        for (int x = 0; x < rgba->w; ++x) {
            const Uint32 p = row[x], a = p >> 24;
            if (a == 255)
                continue;
            ++translucent;
            auto ch = [&](int s) { return (((p >> s) & 0xFF) * a / 255) << s; };
            row[x] = 0xFF000000u | ch(16) | ch(8) | ch(0);
        }
    }
    SDL_UnlockSurface(rgba);
    if (translucent)
        std::fprintf(stderr, "imgconv: warning: %s has %ld translucent pixels, laid on black\n", argv[1], translucent);
    const int rc = IMG_SaveJPG(rgba, argv[2], quality);
    SDL_FreeSurface(rgba);
    if (rc != 0) {
        std::fprintf(stderr, "imgconv: cannot write %s: %s\n", argv[2], IMG_GetError());
        return 1;
    }
    return 0;
}
