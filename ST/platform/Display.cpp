#include "ST/platform/Display.h"

#include "ST/core/Diag.h"

#include <SDL.h>

#include <optional>

namespace ZEL {

namespace {
struct Override {
    JST::iPOINT desktop;
    std::vector<DisplayMode> modes;
};
std::optional<Override> gOverride;
MessageBoxHandler gMessageBox;

bool VideoUp() { return SDL_WasInit(SDL_INIT_VIDEO) != 0 || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; }
} // namespace

JST::iPOINT DesktopSize() {
    if (gOverride) return gOverride->desktop;
    SDL_DisplayMode m;
    if (!VideoUp() || SDL_GetDesktopDisplayMode(0, &m) != 0) return {0, 0};
    return {m.w, m.h};
}

std::vector<DisplayMode> DisplayModes() {
    if (gOverride) return gOverride->modes;
    std::vector<DisplayMode> out;
    if (!VideoUp()) return out;
    const int n = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) == 0) out.push_back({m.w, m.h, m.refresh_rate});
    }
    return out;
}

void SetDisplayOverride(JST::iPOINT desktop, std::vector<DisplayMode> modes) {
    gOverride = Override{desktop, std::move(modes)};
}

void ClearDisplayOverride() { gOverride.reset(); }

void ShowMessageBox(const std::string& text, const std::string& caption) {
    Diag("message: " + caption + ": " + text);
    if (gMessageBox) {
        gMessageBox(text, caption);
        return;
    }
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler old = std::move(gMessageBox);
    gMessageBox = std::move(handler);
    return old;
}

} // namespace ZEL
