#pragma once
// The game object: window, timer, random numbers, input, renderer and sounds for the whole
// run, the main loop with its frame pacing, and the loading thread.
#include "ST/audio/ST_SS.h"
#include "ST/core/JST_POINT.h"
#include "ST/core/ST_INPUT.h"
#include "ST/core/ST_RANDOM.h"
#include "ST/core/ST_TIMER.h"
#include "ST/gfx/ZELGFX.h"
#include "ST/gui/JST.h"
#include "ST/platform/JC_APP.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace ZEL {

// The one lock shared with the loading thread (re-entrant, as a critical section is).
extern std::recursive_mutex cs;

namespace JENUM {
using GAMESTATE = int;  // 0 active, 1 paused
}

class ST_GAME : public WindowEvents {
public:
    struct GAME_PREFENCES {
        bool pauseOnFocusLoss = true;
    };

    ST_GAME();
    ~ST_GAME() override;
    ST_GAME(const ST_GAME&) = delete;
    ST_GAME& operator=(const ST_GAME&) = delete;

    // 0; -2 when the desktop is smaller than 1024 x 768; -3 when no renderer can be made.
    virtual int Init(const char* company, const char* product);
    virtual void Render();
    virtual int Update();
    virtual int Run();
    int Loading(int);

    void SetGameName(const char* name);
    void SetWindowName(const std::string& utf8);
    void SetIni(void (*f)(void*)) { ini = f; }
    void SetUpd(int (*f)()) { upd = f; }
    void SetRnd(void (*f)()) { rnd = f; }
    void SetPostRnd(void (*f)()) { postRnd = f; }
    void SetKillFocusFunc(void (*f)()) { killFocus = f; }
    void SetSetFocusFunc(void (*f)()) { setFocus = f; }
    // What the game rebuilds when the renderer had to reset.
    void SetResetFunc(void (*f)()) { reset = f; }
    void SetClearColor(int argb) { gfx.SetClearColor(static_cast<std::uint32_t>(argb)); }
    void SetLoadingScreen(JST::ST* screen);
    JST::ST* GetLoadingScreen() const { return loadingScreen; }

    void ChangeResolution(int w, int h, bool full);
    void SetState(JENUM::GAMESTATE s);
    ST_A* GetSound(const char* name);

    const char* GetProfileDirg();
    const char* GetGameProfileDirg();
    void CreateDefaultConfig();
    void CreateConfig(int resX, int resY, bool fullScreen, bool log);
    // false when neither a window nor a renderer could be made.
    bool LoadGameConfig();

    void Off() { running = false; }
    void Exit() { running = false; }
    bool Running() const { return running; }

    int Rand(int x) { return ST_RANDOM::Rand(x); }
    int Rand(int lo, int hi) { return random.GetRandomI(lo, hi, 0); }
    bool RandB(int x) { return ST_RANDOM::RandB(x); }
    float GetDt() const { return timer.GetDelta(); }
    ZELGFX* GetGfx() { return &gfx; }
    ST_INPUT* GetInput() { return &input; }
    ST_RANDOM& GetRandom() { return random; }
    ST_TIMER& GetTimer() { return timer; }
    ST_SS& GetSoundSystem() { return sound; }
    JC_APP& GetWindow() { return app; }
    int GetScreenWidth() const { return gfx.GetBackWidth(); }
    int GetScreenHeight() const { return gfx.GetBackHeight(); }
    int LastTexWidth() const { return gfx.lastTexSize.x; }
    int LastTexHeight() const { return gfx.lastTexSize.y; }
    void ShowCursor(bool show) { app.fMouseShowEX(show); }
    // Waits for the loading thread, if one is running.
    void JoinLoading();

    // Test seams: a recording device instead of OpenGL (no window), and the loop's waiting.
    void UseRecordingDevice(bool on) { recording = on; }
    RecordingDevice* Recorder() { return recording ? static_cast<RecordingDevice*>(gfx.Device()) : nullptr; }
    std::function<void(int ms)> waitFn;
    // Design pixels of a window position, as the mouse reaches the game.
    JST::iPOINT WindowToDesign(int x, int y) const;

    // WindowEvents
    void OnMouseMove(int x, int y) override;
    void OnButton(int button, bool down, int clicks) override;
    void OnKeyDown(int vk, const std::u16string& text, char16_t unshifted) override;
    void OnKeyUp(int vk) override;
    void OnFocus(bool gained, bool minimise) override;
    void OnClose() override { Exit(); }

    GAME_PREFENCES prefs;
    bool fullScreen = false;
    JST::iPOINT middle{0, 0};
    std::atomic<int> loading{0};
    std::string windowName;
    std::string executionDir;
    int renderRate = 90;
    float renderAccumulator = 0.0f;
    JENUM::GAMESTATE state = 0;
    int resX = 1024, resY = 768;
    JST::iPOINT desktop{0, 0};
    bool support1024 = false;
    bool fullScreenConfig = false;
    int pixelCount = 0;
    std::string productName, companyName;

private:
    void Idle();
    std::string ConfigPath();

    JC_APP app;
    ST_TIMER timer{0.18f};
    ST_RANDOM random;
    ST_INPUT input;
    ZELGFX gfx;
    ST_SS sound;
    JST::ST* loadingScreen = nullptr;
    void (*ini)(void*) = nullptr;
    int (*upd)() = nullptr;
    void (*rnd)() = nullptr;
    void (*postRnd)() = nullptr;
    void (*killFocus)() = nullptr;
    void (*setFocus)() = nullptr;
    void (*reset)() = nullptr;
    std::atomic<bool> running{false};
    bool recording = false;
    float renderTimeSum = 0.0f;
    std::thread loadingThread;
    std::string dirBuffer;
};

// The game object of this process, made on the first call (before any thread starts).
ST_GAME* GetGame();
// Makes another game object current (tests); null goes back to the process's own.
void SetGame(ST_GAME* game);

} // namespace ZEL
