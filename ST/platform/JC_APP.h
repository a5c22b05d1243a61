#pragma once
// The game's window on SDL: creation with its GL context, windowed or desktop-sized full
// screen, the title, the cursor, and the event pump that feeds the game.
#include "ST/platform/RenderDevice.h"

#include <cstdint>
#include <memory>
#include <string>

struct SDL_Window;

namespace ZEL {

// Where the pump delivers what happened; positions are window pixels.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void OnMouseMove(int x, int y) = 0;
    virtual void OnButton(int button, bool down, int clicks) = 0;  // 0 left, 1 right, 2 middle
    virtual void OnKeyDown(int vk, const std::u16string& text, char16_t unshifted) = 0;
    virtual void OnKeyUp(int vk) = 0;
    virtual void OnFocus(bool gained, bool minimise) = 0;
    virtual void OnClose() = 0;
};

// The virtual-key number of an SDL key code; 0 for keys the game does not know.
int VirtualKeyOf(int sdlKeycode);

class JC_APP {
public:
    JC_APP();
    ~JC_APP();
    JC_APP(const JC_APP&) = delete;
    JC_APP& operator=(const JC_APP&) = delete;

    // Opens the window with a GL 3.3 core context; false when that is impossible.
    bool fInit(const std::string& title);
    void fResizeWindow(int w, int h, bool full, bool stretch);
    void fSetWindowName(const char* utf8);
    void fMouseShowEX(bool show);
    void fMouseShow(bool show) { mouseShown = show; }
    bool fGetMouseState() const { return mouseShown; }
    static std::uint32_t fGetSystemTime();
    static void fSleep(int ms);
    bool Exists() const { return window != nullptr; }
    SDL_Window* fGetWindow() const { return window; }

    // The OpenGL device on this window's context.
    std::unique_ptr<RenderDevice> CreateDevice();
    // Every pending event; returns how many there were.
    int Pump(WindowEvents& sink);
    // Sleeps until an event arrives or `ms` pass (ms < 0: until an event).
    static void WaitEvent(int ms);

    int width = 1024, height = 768;
    bool fullScreen = false;
    int desktopWidth = 0, desktopHeight = 0;
    bool border = true, resize = false, minimize = true, maximize = false;
    bool mouseShown = true;
    float stretchScale = 1.0f;
    bool stretch = false;

private:
    SDL_Window* window = nullptr;
    void* context = nullptr;
};

} // namespace ZEL
