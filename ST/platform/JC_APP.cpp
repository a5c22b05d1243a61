#include "ST/platform/JC_APP.h"

#include "ST/core/Diag.h"
#include "ST/core/Utf.h"
#include "ST/platform/Display.h"
#include "ST/platform/GLDevice.h"

#include <SDL.h>
#include <SDL_image.h>
#include <epoxy/gl.h>

namespace ZEL {

int VirtualKeyOf(int k) {
    if (k >= SDLK_a && k <= SDLK_z) return 0x41 + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return 0x30 + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 0x70 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 0x61 + (k - SDLK_KP_1);
    switch (k) {
    case SDLK_BACKSPACE: return 0x08;
    case SDLK_TAB: return 0x09;
    case SDLK_RETURN: case SDLK_KP_ENTER: return 0x0D;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 0x10;
    case SDLK_LCTRL: case SDLK_RCTRL: return 0x11;
    case SDLK_LALT: case SDLK_RALT: return 0x12;
    case SDLK_PAUSE: return 0x13;
    case SDLK_CAPSLOCK: return 0x14;
    case SDLK_ESCAPE: return 0x1B;
    case SDLK_SPACE: return 0x20;
    case SDLK_PAGEUP: return 0x21;
    case SDLK_PAGEDOWN: return 0x22;
    case SDLK_END: return 0x23;
    case SDLK_HOME: return 0x24;
    case SDLK_LEFT: return 0x25;
    case SDLK_UP: return 0x26;
    case SDLK_RIGHT: return 0x27;
    case SDLK_DOWN: return 0x28;
    case SDLK_INSERT: return 0x2D;
    case SDLK_DELETE: return 0x2E;
    case SDLK_KP_0: return 0x60;
    case SDLK_KP_MULTIPLY: return 0x6A;
    case SDLK_KP_PLUS: return 0x6B;
    case SDLK_KP_MINUS: return 0x6D;
    case SDLK_KP_PERIOD: return 0x6E;
    case SDLK_KP_DIVIDE: return 0x6F;
    case SDLK_SEMICOLON: return 0xBA;
    case SDLK_EQUALS: return 0xBB;
    case SDLK_COMMA: return 0xBC;
    case SDLK_MINUS: return 0xBD;
    case SDLK_PERIOD: return 0xBE;
    case SDLK_SLASH: return 0xBF;
    case SDLK_BACKQUOTE: return 0xC0;
    case SDLK_LEFTBRACKET: return 0xDB;
    case SDLK_BACKSLASH: return 0xDC;
    case SDLK_RIGHTBRACKET: return 0xDD;
    case SDLK_QUOTE: return 0xDE;
    default: return 0;
    }
}

JC_APP::JC_APP() {
    const JST::iPOINT d = DesktopSize();
    desktopWidth = d.x;
    desktopHeight = d.y;
}

JC_APP::~JC_APP() {
    if (context) SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
    if (window) SDL_DestroyWindow(window);
}

bool JC_APP::fInit(const std::string& title) {
    Diag("WindowInit");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        Diag(std::string(" Window create error ") + SDL_GetError());
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) {
        Diag(std::string(" Window create error ") + SDL_GetError());
        return false;
    }
    // The window icon ships beside the game as a plain picture; without it the desktop's default.
    if (SDL_Surface* icon = IMG_Load("icon.png")) {
        SDL_SetWindowIcon(window, icon);
        SDL_FreeSurface(icon);
    }
    context = SDL_GL_CreateContext(window);
    if (!context) {
        Diag(std::string(" Window create error ") + SDL_GetError());
        SDL_DestroyWindow(window);
        window = nullptr;
        return false;
    }
    // Vsync may be refused (it is under Xvfb and offscreen); pacing never depends on it.
    SDL_GL_SetSwapInterval(1);
    Diag("Window created\n===========================");
    fResizeWindow(width, height, fullScreen, stretch);
    SDL_ShowWindow(window);
    SDL_StartTextInput();
    return true;
}

void JC_APP::fResizeWindow(int w, int h, bool full, bool str) {
    width = w;
    height = h;
    fullScreen = full;
    stretch = str;
    if (!window) return;
    if (full) {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowBordered(window, border ? SDL_TRUE : SDL_FALSE);
        SDL_SetWindowResizable(window, resize ? SDL_TRUE : SDL_FALSE);
        SDL_SetWindowSize(window, w, h);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    stretchScale = 1.0f;
}

void JC_APP::fSetWindowName(const char* utf8) {
    if (window) SDL_SetWindowTitle(window, utf8 ? utf8 : "");
}

void JC_APP::fMouseShowEX(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

std::uint32_t JC_APP::fGetSystemTime() { return SDL_GetTicks(); }

void JC_APP::fSleep(int ms) { SDL_Delay(static_cast<Uint32>(ms > 0 ? ms : 0)); }

std::unique_ptr<RenderDevice> JC_APP::CreateDevice() {
    if (!window || !context) return nullptr;
    auto dev = std::make_unique<GLDevice>(window);
    if (!dev->Ok()) return nullptr;
    Diag(std::string("About hardware:\n===========================\nD3D Driver:    ") +
         reinterpret_cast<const char*>(glGetString(GL_RENDERER)) + "\nDescription:   " +
         reinterpret_cast<const char*>(glGetString(GL_VERSION)) + "\n===========================");
    return dev;
}

void JC_APP::WaitEvent(int ms) {
    if (ms < 0) SDL_WaitEvent(nullptr);
    else SDL_WaitEventTimeout(nullptr, ms);
}

int JC_APP::Pump(WindowEvents& sink) {
    SDL_Event e;
    int n = 0;
    while (SDL_PollEvent(&e)) {
        ++n;
        switch (e.type) {
        case SDL_MOUSEMOTION:
            sink.OnMouseMove(e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int b = e.button.button == SDL_BUTTON_LEFT ? 0 : e.button.button == SDL_BUTTON_RIGHT ? 1
                        : e.button.button == SDL_BUTTON_MIDDLE ? 2 : -1;
            if (b >= 0) {
                sink.OnMouseMove(e.button.x, e.button.y);
                sink.OnButton(b, e.type == SDL_MOUSEBUTTONDOWN, e.button.clicks);
            }
            break;
        }
        case SDL_KEYDOWN: {
            const int vk = VirtualKeyOf(e.key.keysym.sym);
            // The text of a key arrives as its own event right behind it: attach it to the key.
            std::u16string text;
            SDL_Event t;
            if (SDL_PeepEvents(&t, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 && t.type == SDL_TEXTINPUT) {
                SDL_PeepEvents(&t, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT);
                text = Utf8ToUtf16(t.text.text);
            }
            const int sym = e.key.keysym.sym;
            const char16_t unshifted = (sym >= 0x20 && sym < 0x7F) ? static_cast<char16_t>(sym) : 0;
            if (vk) sink.OnKeyDown(vk, text, unshifted);
            break;
        }
        case SDL_KEYUP: {
            const int vk = VirtualKeyOf(e.key.keysym.sym);
            if (vk) sink.OnKeyUp(vk);
            break;
        }
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_FOCUS_GAINED: sink.OnFocus(true, false); break;
            case SDL_WINDOWEVENT_FOCUS_LOST: sink.OnFocus(false, false); break;
            case SDL_WINDOWEVENT_MINIMIZED: sink.OnFocus(false, true); break;
            case SDL_WINDOWEVENT_RESTORED: sink.OnFocus(true, false); break;
            case SDL_WINDOWEVENT_CLOSE: sink.OnClose(); break;
            default: break;
            }
            break;
        case SDL_QUIT:
            sink.OnClose();
            break;
        default:
            break;
        }
    }
    return n;
}

} // namespace ZEL
