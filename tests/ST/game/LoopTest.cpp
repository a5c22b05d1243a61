#include "ST/core/Clock.h"
#include "ST/core/iFile.h"
#include "ST/platform/Display.h"
#include "support/HeadlessGame.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <atomic>
#include <string>
#include <vector>

namespace {

// The callbacks are plain functions: they report into this.
struct Log {
    std::vector<std::string> events;
    int updates = 0, renders = 0, exitAfter = 0;
    std::vector<float> renderDt;
    ZEL::ST_GAME* game = nullptr;
} gLog;

std::atomic<std::uint32_t> gNow{1000};

void Ini(void*) {
    std::lock_guard<std::recursive_mutex> lock(ZEL::cs);
    gLog.events.push_back("ini");
    gLog.game->loading = 0;
}
int Upd() {
    ++gLog.updates;
    if (gLog.events.size() < 8) gLog.events.push_back("upd");
    if (gLog.exitAfter && gLog.updates >= gLog.exitAfter) gLog.game->Exit();
    return 0;
}
void Rnd() {
    ++gLog.renders;
    gLog.renderDt.push_back(gLog.game->GetDt());
    if (gLog.events.size() < 8) gLog.events.push_back("rnd");
}
void Post() {
    if (gLog.events.size() < 8) gLog.events.push_back("post");
}
void Kill() { gLog.events.push_back("kill"); }
void Set() { gLog.events.push_back("set"); }

class Loop : public ::testing::Test {
protected:
    void SetUp() override {
        gLog = Log{};
        ZEL::SetClock([] { return gNow.load(); });
    }
    void TearDown() override { ZEL::SetClock({}); }

    // Runs the loop with a clock that moves `stepMs` per iteration.
    void Run(testsupport::HeadlessGame& g, int stepMs, int iterations) {
        gLog.game = g.game.get();
        gLog.exitAfter = iterations;
        g->SetIni(Ini);
        g->SetUpd(Upd);
        g->SetRnd(Rnd);
        g->SetPostRnd(Post);
        g->SetKillFocusFunc(Kill);
        g->SetSetFocusFunc(Set);
        g->waitFn = [stepMs](int ms) {
            if (ms < 0) {  // paused: the next thing the window hears is the focus coming back
                gLog.game->OnFocus(true, false);
                return;
            }
            gNow += static_cast<std::uint32_t>(stepMs);
        };
        g->loading = 2;
        std::thread t(Ini, nullptr);
        t.join();
        g->GetTimer().Init();
        g->Run();
    }
};

TEST_F(Loop, UpdateThenPacedRenderAtNinetyFramesASecond) {
    testsupport::HeadlessGame g;
    Run(g, 5, 200);  // 200 iterations a second, for one second
    ASSERT_GE(gLog.events.size(), 4u);
    EXPECT_EQ(gLog.events[0], "ini");
    EXPECT_EQ(gLog.events[1], "upd");
    // Every render is preceded by its update and followed by the post layer.
    for (size_t i = 1; i + 1 < gLog.events.size(); ++i)
        if (gLog.events[i] == "rnd") {
            EXPECT_EQ(gLog.events[i + 1], "post");
        }
    EXPECT_NEAR(gLog.renders, 90, 2);
    for (size_t i = 1; i < gLog.renderDt.size(); ++i) EXPECT_NEAR(gLog.renderDt[i], 1.0f / 90, 0.004f);
    EXPECT_EQ(g.Device().presents, gLog.renders);
}

TEST_F(Loop, ASlowLoopRendersEveryIterationWithoutABacklog) {
    testsupport::HeadlessGame g;
    Run(g, 33, 30);
    EXPECT_GE(gLog.renders, 29);  // all but the very first iteration, which has no time behind it
    EXPECT_LT(g->renderAccumulator, 1.0f);
}

TEST_F(Loop, FocusLossPausesAndResumesWithACappedDelta) {
    testsupport::HeadlessGame g;
    gLog.game = g.game.get();
    g->SetKillFocusFunc(Kill);
    g->SetSetFocusFunc(Set);
    g->OnFocus(false, false);
    EXPECT_EQ(g->state, 1);
    g->OnFocus(true, false);
    EXPECT_EQ(g->state, 0);
    EXPECT_EQ(gLog.events, (std::vector<std::string>{"kill", "set"}));

    g->prefs.pauseOnFocusLoss = false;
    g->OnFocus(false, false);
    EXPECT_EQ(g->state, 0) << "still calls back, but keeps running";
    EXPECT_EQ(gLog.events.back(), "kill");

    // A long pause comes back as one capped step.
    g->GetTimer().Init();
    gNow += 10000;
    g->Update();
    EXPECT_FLOAT_EQ(g->GetDt(), 0.18f);
}

TEST_F(Loop, CloseEndsTheLoop) {
    testsupport::HeadlessGame g;
    gLog.game = g.game.get();
    g->SetUpd([] {
        gLog.game->OnClose();
        return 0;
    });
    g->waitFn = [](int) { gNow += 5; };
    EXPECT_EQ(g->Run(), 0);
    EXPECT_FALSE(g->Running());
}

TEST(GameObject, SmallDesktopsAreRefused) {
    struct Case { int w, h, result; } cases[] = {{1024, 768, 0}, {1023, 768, -2}, {1024, 767, -2}, {800, 600, -2}};
    for (const Case& c : cases) {
        testsupport::TempDir home;
        setenv("XDG_DATA_HOME", home.path().c_str(), 1);
        ZEL::SetDisplayOverride({c.w, c.h}, {});
        ZEL::ST_GAME game;
        game.UseRecordingDevice(true);
        EXPECT_EQ(game.Init("Test", "Desk"), c.result) << c.w << "x" << c.h;
        if (c.result == -2) {
            EXPECT_FALSE(ZEL::ifile.CheckFileExist((home / "Test").c_str())) << "nothing is written";
        }
        ZEL::ClearDisplayOverride();
    }
}

TEST(GameObject, GameXmlIsWrittenAsStoredAndClampedWhenRead) {
    testsupport::TempDir root;
    const std::string homePath = root / "not/yet/made";  // a fresh account's folder may not exist
    setenv("XDG_DATA_HOME", homePath.c_str(), 1);
    const std::string file = homePath + "/Co/Prod/game.xml";
    {
        ZEL::SetDisplayOverride({1920, 1080}, {{1024, 768, 60}, {1920, 1080, 60}});
        ZEL::ST_GAME game;
        game.UseRecordingDevice(true);
        ASSERT_EQ(game.Init("Co", "Prod"), 0);
        EXPECT_EQ(testsupport::ReadFile(file),
                  "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<Config>\n<Main resX=\"1920\" resY=\"1080\" "
                  "support1024=\"true\" FullScreen=\"true\" Log=\"false\" />\n</Config>\n");
        EXPECT_TRUE(game.fullScreen);
        EXPECT_EQ(game.GetScreenWidth(), 1920);
    }
    {
        // No 1024 x 768 mode: the default is 1024 x 768 itself.
        testsupport::TempDir other;
        setenv("XDG_DATA_HOME", other.path().c_str(), 1);
        ZEL::SetDisplayOverride({1920, 1080}, {{1920, 1080, 60}});
        ZEL::ST_GAME game;
        game.UseRecordingDevice(true);
        ASSERT_EQ(game.Init("Co", "Prod"), 0);
        EXPECT_EQ(game.resX, 1024);
        setenv("XDG_DATA_HOME", homePath.c_str(), 1);
    }
    {
        // A file from a bigger machine is clamped to this desktop.
        testsupport::WriteFile(file, "<Config><Main resX=\"2560\" resY=\"900\" support1024=\"true\" FullScreen=\"false\" Log=\"false\"/></Config>");
        ZEL::SetDisplayOverride({1440, 900}, {{1024, 768, 60}});
        ZEL::ST_GAME game;
        game.UseRecordingDevice(true);
        ASSERT_EQ(game.Init("Co", "Prod"), 0);
        EXPECT_EQ(game.resX, 1440);
        EXPECT_EQ(game.resY, 900);
        EXPECT_FALSE(game.fullScreen);
    }
    {
        // A damaged file is replaced by the defaults rather than opening a 0 x 0 window.
        testsupport::WriteFile(file, "<Config><Ma");
        ZEL::SetDisplayOverride({1440, 900}, {{1024, 768, 60}});
        testsupport::DiagCapture diag;
        ZEL::ST_GAME game;
        game.UseRecordingDevice(true);
        ASSERT_EQ(game.Init("Co", "Prod"), 0);
        EXPECT_EQ(game.resX, 1440);
        EXPECT_TRUE(diag.Contains("game.xml missing or unreadable"));
    }
    ZEL::ClearDisplayOverride();
}

TEST(GameObject, MouseMapsBackToTheDesignResolution) {
    testsupport::HeadlessGame g(1920, 1080);
    g->ChangeResolution(1024, 768, true);
    // The design picture is 1440 x 1080 from x = 240.
    struct Case { int wx, wy, dx, dy; } cases[] = {{240, 0, 0, 0}, {960, 540, 512, 384}, {1679, 1079, 1023, 767}};
    for (const Case& c : cases) {
        g->OnMouseMove(c.wx, c.wy);
        EXPECT_NEAR(g->GetInput()->GetMouseX(), c.dx, 1) << c.wx;
        EXPECT_NEAR(g->GetInput()->GetMouseY(), c.dy, 1) << c.wy;
    }
    EXPECT_EQ(g->middle, (JST::iPOINT{512, 384}));
}

TEST(GameObject, ButtonsKeysAndText) {
    testsupport::HeadlessGame g;
    ZEL::ST_INPUT& in = *g->GetInput();
    g->OnButton(0, true, 1);
    g->OnButton(1, true, 1);
    EXPECT_EQ(in.Lkm(), 1);
    EXPECT_EQ(in.Rkm(), 1);
    g->OnButton(0, false, 1);
    g->OnButton(0, true, 2);
    EXPECT_TRUE(in.DoubleClick());
    g->OnKeyDown(0x41, u"a", u'a');
    EXPECT_EQ(in.Key(0x41), 1);
    EXPECT_EQ(std::u16string(in.typedText), u"a");
    g->OnKeyDown(0x44, u"в", u'd');
    EXPECT_EQ(std::u16string(in.typedText), u"в");
    g->OnKeyUp(0x41);
    in.Update(0);
    EXPECT_EQ(in.Key(0x41), 0);
}

} // namespace
