#include "ST/core/ST_GAME.h"

#include "ST/core/Diag.h"
#include "ST/core/Utf.h"
#include "ST/core/iFile.h"
#include "ST/platform/Display.h"
#include "ST/core/XmlFile.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

namespace ZEL {

std::recursive_mutex cs;

namespace {
ST_GAME* gOverride = nullptr;
constexpr int kMinW = 1024, kMinH = 768;
} // namespace

ST_GAME* GetGame() {
    if (gOverride) return gOverride;
    static ST_GAME* game = new ST_GAME;  // lives until the process ends, as everything it owns
    return game;
}

void SetGame(ST_GAME* game) { gOverride = game; }

ST_GAME::ST_GAME() {
    desktop = DesktopSize();
    ZELGFX::SetCurrent(&gfx);
}

ST_GAME::~ST_GAME() {
    JoinLoading();
    if (ZELGFX::Current() == &gfx) ZELGFX::SetCurrent(nullptr);
    if (gOverride == this) gOverride = nullptr;
}

void ST_GAME::JoinLoading() {
    if (loadingThread.joinable()) loadingThread.join();
}

void ST_GAME::SetGameName(const char* name) { windowName = name ? std::string(name).substr(0, 63) : ""; }

void ST_GAME::SetWindowName(const std::string& utf8) { app.fSetWindowName(utf8.c_str()); }

void ST_GAME::SetLoadingScreen(JST::ST* screen) {
    gfx.SetBlendMode(1);
    loadingScreen = screen;
}

const char* ST_GAME::GetProfileDirg() {
    dirBuffer = ifile.GetFolderPath() + "/" + companyName + "/";
    return dirBuffer.c_str();
}

const char* ST_GAME::GetGameProfileDirg() {
    dirBuffer = ifile.GetFolderPath() + "/" + companyName + "/" + productName + "/";
    return dirBuffer.c_str();
}

std::string ST_GAME::ConfigPath() { return std::string(GetGameProfileDirg()) + "game.xml"; }

int ST_GAME::Init(const char* company, const char* product) {
    desktop = DesktopSize();
    if (desktop.x < kMinW || desktop.y < kMinH) return -2;
    companyName = company ? company : "";
    productName = product ? product : "";
    executionDir = ifile.GetCurrentDir();
    Diag("Execution dir is " + executionDir);
    if (!ifile.CheckFileExist(GetGameProfileDirg())) CreateDefaultConfig();
    if (!LoadGameConfig()) return -3;
    ifile.Log(windowName.c_str(), false);
    middle = JST::iPOINT(app.width / 2, app.height / 2);
    if (ini) {
        loading = 2;
        loadingThread = std::thread(ini, nullptr);
    }
    return 0;
}

void ST_GAME::CreateConfig(int x, int y, bool full, bool log) {
    pugi::xml_document doc;
    pugi::xml_node decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    pugi::xml_node main = doc.append_child("Config").append_child("Main");
    main.append_attribute("resX") = x;
    main.append_attribute("resY") = y;
    main.append_attribute("support1024") = support1024;
    main.append_attribute("FullScreen") = full;
    main.append_attribute("Log") = log;
    resX = x;
    resY = y;
    fullScreenConfig = full;
    pixelCount = x * y;
    // A fresh account may not even have its per-user data folder yet.
    std::error_code ec;
    std::filesystem::create_directories(GetGameProfileDirg(), ec);
    if (ec) Diag("cannot create " + std::string(GetGameProfileDirg()) + ": " + ec.message());
    std::ostringstream out;
    doc.save(out, "", pugi::format_default | pugi::format_write_bom, pugi::encoding_utf8);
    if (!iFile::WriteFileAtomic(ConfigPath(), out.str())) Diag("game.xml cannot be written: " + ConfigPath());
    Diag("Config created");
}

void ST_GAME::CreateDefaultConfig() {
    std::vector<JST::iPOINT> modes;
    gfx.fGetAvailableResolution(modes);
    support1024 = std::any_of(modes.begin(), modes.end(), [](const JST::iPOINT& m) { return m.x == 1024 && m.y == 768; });
    Diag("support resolutions");
    const JST::iPOINT size = support1024 ? desktop : JST::iPOINT(kMinW, kMinH);
    CreateConfig(size.x, size.y, true, false);
}

bool ST_GAME::LoadGameConfig() {
    const std::string path = ConfigPath();
    Diag(" LOAD GAME CONF: " + path);
    pugi::xml_document doc;
    pugi::xml_node main;
    if (LoadXmlFile(doc, path.c_str())) main = doc.child("Config").child("Main");
    if (!main) {
        // A lost or damaged file would leave a 0 x 0 window: write the defaults again instead.
        Diag("game.xml missing or unreadable: writing the defaults");
        CreateDefaultConfig();
        LoadXmlFile(doc, path.c_str());
        main = doc.child("Config").child("Main");
    }
    resX = main.attribute("resX").as_int();
    resY = main.attribute("resY").as_int();
    if (resX > desktop.x || resY > desktop.y) {
        resX = desktop.x;
        resY = desktop.y;
    }
    if (resX < kMinW || resY < kMinH) {
        resX = kMinW;
        resY = kMinH;
    }
    support1024 = main.attribute("support1024").as_bool();
    fullScreenConfig = main.attribute("FullScreen").as_bool();
    pixelCount = resX * resY;

    std::unique_ptr<RenderDevice> device;
    int bw = fullScreenConfig ? desktop.x : resX, bh = fullScreenConfig ? desktop.y : resY;
    if (recording) {
        device = std::make_unique<RecordingDevice>();
    } else {
        app.width = bw;
        app.height = bh;
        app.fullScreen = fullScreenConfig;
        if (app.fInit(windowName)) device = app.CreateDevice();
    }
    gfx.SetQuality(0);
    if (gfx.Init(std::move(device), bw, bh) != 0) return false;
    if (!fullScreenConfig) ChangeResolution(resX, resY, false);
    else ChangeResolution(desktop.x, desktop.y, true);
    Diag("Config loaded");
    return true;
}

void ST_GAME::ChangeResolution(int w, int h, bool full) {
    Diag("System reset " + std::to_string(w) + " " + std::to_string(h));
    middle = JST::iPOINT(w / 2, h / 2);
    if (!full) {
        gfx.ChangeVideoMode(w, h, false);
        app.fResizeWindow(w, h, false, true);
    } else {
        gfx.ChangeVideoMode(desktop.x, desktop.y, true);
        app.fResizeWindow(desktop.x, desktop.y, true, false);
    }
    app.width = full ? desktop.x : w;
    app.height = full ? desktop.y : h;
    gfx.SetAdaptScreen(w, h);
    Diag("change middle screen OK");
    fullScreen = full;
    Diag("System reset complete");
}

void ST_GAME::SetState(JENUM::GAMESTATE s) {
    if (s == 1) {
        if (prefs.pauseOnFocusLoss) state = 1;
        if (killFocus) killFocus();
    } else if (s == 0) {
        state = 0;
        if (setFocus) setFocus();
    }
}

ST_A* ST_GAME::GetSound(const char* name) {
    const char* pack = ifile.ZipGetCurrentPack();
    if (!pack || !*pack) return sound.GetSound(name);
    if (ifile.ZipOpen(pack) != 1) {
        Diag("\n\n ZipSound error open sound");
        return nullptr;
    }
    if (ifile.ZipFindFile(name) != 1) {
        Diag("\n\n ZIP ERROR FIND FILE");
        ifile.ZipCloze();
        return nullptr;
    }
    if (ifile.ZipReadFile(ifile.ZipGetCurrentPass()) != 1) {
        Diag("\n\n ZIP error read file");
        ifile.ZipCloze();
        return nullptr;
    }
    ST_A* s = sound.GetSound(const_cast<char*>(ifile.GetData()), static_cast<unsigned>(ifile.GetDataSize()));
    ifile.ZipClearData();
    ifile.ZipCloze();
    return s;
}

// ---- the loop ----

int ST_GAME::Update() {
    timer.Update();
    if (upd) upd();
    input.Update(0);
    return 0;
}

void ST_GAME::Render() {
    const float dt = GetDt();
    renderAccumulator += renderRate * dt;
    renderTimeSum += dt;
    if (renderAccumulator < 1.0f) return;
    timer.SetDelta(renderTimeSum);
    renderAccumulator -= 1.0f;
    // One frame per call: a slow stretch must not leave a backlog of frames to catch up.
    if (renderAccumulator >= 1.0f) renderAccumulator = 0.999f;
    renderTimeSum = 0.0f;
    const int r = gfx.BeginFrame();
    if (r == 2) {
        if (reset) reset();
        return;
    }
    if (r == -1) return;
    if (rnd) rnd();
    gfx.EndFrame();
    gfx.BeginPostFrame();
    if (postRnd) postRnd();
    gfx.EndPostFrame();
}

int ST_GAME::Loading(int) {
    std::lock_guard<std::recursive_mutex> lock(cs);
    if (!loadingScreen) return 0;
    loadingScreen->Update(0, 0.0f);
    gfx.BeginFrame();
    gfx.EndFrame();
    if (gfx.BeginPostFrame() == 0) {
        loadingScreen->Render(0);
        gfx.EndPostFrame();
    }
    return 0;
}

void ST_GAME::Idle() {
    if (!waitFn) waitFn = [](int ms) { JC_APP::WaitEvent(ms); };
    if (state == 1) {
        waitFn(-1);  // paused: nothing to do until the window hears something
        return;
    }
    if (loading > 0) {
        waitFn(1000 / renderRate);
        return;
    }
    // Until the next frame is due.
    const float left = (1.0f - renderAccumulator) / static_cast<float>(renderRate);
    const int ms = static_cast<int>(std::ceil(left * 1000.0f));
    if (ms > 0) waitFn(ms);
}

int ST_GAME::Run() {
    Diag("RUN!");
    running = true;
    while (running) {
        if (state == 0) {
            if (loading > 0) Loading(1);
            else {
                Update();
                Render();
            }
        }
        if (!recording) app.Pump(*this);
        if (running) Idle();
    }
    executionDir = ifile.GetCurrentDir();
    JoinLoading();
    return 0;
}

// ---- window events ----

JST::iPOINT ST_GAME::WindowToDesign(int wx, int wy) const {
    const int x = wx - gfx.shiftX, y = wy - gfx.shiftY;
    const int wn = gfx.widthNew ? gfx.widthNew : 1, hn = gfx.heightNew ? gfx.heightNew : 1;
    return {x - (gfx.widthNew - gfx.designWidth) * x / wn, y - (gfx.heightNew - gfx.designHeight) * y / hn};
}

void ST_GAME::OnMouseMove(int x, int y) {
    const JST::iPOINT p = WindowToDesign(x, y);
    input.EventMouseMove(p.x, p.y);
}

void ST_GAME::OnButton(int button, bool down, int clicks) {
    switch (button) {
    case 0:
        // A second press in quick succession reports a double click instead of a press.
        if (down && clicks == 2) input.EventMouseDblClick();
        else input.EventMouseLkm(down);
        break;
    case 1: input.EventMouseRkm(down); break;
    case 2: input.EventMouseMkm(down); break;
    default: break;
    }
}

void ST_GAME::OnKeyDown(int vk, const std::u16string& text, char16_t unshifted) {
    if (text.empty()) input.ClearTypedText();
    else input.SetTypedText(ST_INPUT::ComposeTypedText(text, unshifted, input.ShiftLatched()));
    input.EventKeyDown(vk);
}

void ST_GAME::OnKeyUp(int vk) { input.EventKeyUp(vk); }

void ST_GAME::OnFocus(bool gained, bool) { SetState(gained ? 0 : 1); }

} // namespace ZEL
