// A whole puzzle assembled through the real input path: SDL events pushed into the queue, the
// game loop pumping them into the input, the board handling them frame by frame.
#include "GAME/board/PUZZLE_PIECES_SYSTEM.h"
#include "ST/core/Clock.h"
#include "ST/core/ST_GAME.h"
#include "ST/gui/JSPRITE.h"
#include "ST/platform/Display.h"
#include "ST/platform/ImageCodec.h"
#include "support/TestSupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {

using GAME::PUZZLE_PIECES;

std::uint32_t gNow = 5000;

struct Script {
    ZEL::ST_GAME* game = nullptr;
    GAME::PUZZLE_PIECES_SYSTEM* board = nullptr;
    std::vector<std::function<bool()>> steps;  // each returns true when it is done
    size_t current = 0;
    int frames = 0, wait = 0;
    bool rotate = false;
    std::string screenshot;
    bool shotTaken = false;
    int lastCode = 0;
} gScript;

void PushMotion(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    SDL_PushEvent(&e);
}

void PushButton(int button, bool down, int x, int y) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = static_cast<Uint8>(button);
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

int Upd() {
    Script& s = gScript;
    ++s.frames;
    s.lastCode = s.board->Update(0, 0.0f);
    if (s.wait > 0) {
        --s.wait;
    } else if (s.current < s.steps.size()) {
        if (s.steps[s.current]()) ++s.current;
    } else {
        s.game->Exit();
    }
    if (s.frames > 20000) s.game->Exit();  // a script that cannot finish must not hang the suite
    return 0;
}

void Rnd() { gScript.board->Render(0); }

void Post() {
    gScript.board->PostRender();
    if (!gScript.screenshot.empty() && !gScript.shotTaken) {
        std::vector<std::uint32_t> px;
        int w = 0, h = 0;
        if (gScript.game->GetGfx()->Device()->ReadPixels(ZEL::RenderTarget::BackBuffer, px, w, h))
            ZEL::SavePng(gScript.screenshot.c_str(), px.data(), w, h);
        gScript.shotTaken = true;
    }
}

// Press at a point, move there in a few steps, release: queued as the steps of the script.
void AddDrag(std::function<JST::iPOINT()> from, std::function<JST::iPOINT()> to) {
    auto a = std::make_shared<JST::iPOINT>(), b = std::make_shared<JST::iPOINT>();
    auto k = std::make_shared<int>(0);
    gScript.steps.push_back([=] {
        *a = from();
        *b = to();
        PushMotion(a->x, a->y);
        PushButton(SDL_BUTTON_LEFT, true, a->x, a->y);
        *k = 0;
        return true;
    });
    gScript.steps.push_back([=] {
        ++*k;
        PushMotion(a->x + (b->x - a->x) * *k / 5, a->y + (b->y - a->y) * *k / 5);
        return *k == 5;
    });
    gScript.steps.push_back([=] {
        PushButton(SDL_BUTTON_LEFT, false, b->x, b->y);
        gScript.wait = 3;
        return true;
    });
}

JST::iPOINT Centre(const PUZZLE_PIECES* p) { return {static_cast<int>(p->GetPosX()), static_cast<int>(p->GetPosY())}; }

class WholeGame : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        setenv("XDG_DATA_HOME", home.path().c_str(), 1);
        ZEL::SetDisplayOverride({1024, 768}, {{1024, 768, 60}});
        ZEL::SetClock([] { return gNow; });
        game = std::make_unique<ZEL::ST_GAME>();
        ZEL::SetGame(game.get());
        ASSERT_EQ(game->Init("Test", "WholeGame"), 0);
        game->ChangeResolution(1024, 768, false);
        game->waitFn = [](int ms) { gNow += static_cast<std::uint32_t>(ms > 0 ? ms : 1); };
    }
    void TearDown() override {
        board.reset();
        game.reset();
        ZEL::SetGame(nullptr);
        ZEL::SetClock({});
        ZEL::ClearDisplayOverride();
    }
    testsupport::TempDir home;
    std::unique_ptr<ZEL::ST_GAME> game;
    std::unique_ptr<GAME::PUZZLE_PIECES_SYSTEM> board;
};

TEST_P(WholeGame, EveryPieceFindsItsNeighbourUntilOneFragmentIsLeft) {
    const bool rotate = GetParam();
    // A 400 x 300 picture: 4 x 3 pieces of 100 pixels.
    std::vector<std::uint32_t> pic(400 * 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            const int r = 90 + x * 150 / 400, g = 120 + y * 100 / 300, b = 200 - (x + y) * 120 / 700;
            const bool stripe = ((x / 25) + (y / 25)) % 2 == 0;
            pic[x + y * 400] = 0xFF000000u | (std::uint32_t(stripe ? r : r - 40) << 16) | (g << 8) | b;
        }
    const std::string picture = home / "picture.png";
    ASSERT_TRUE(ZEL::SavePng(picture.c_str(), pic.data(), 400, 300));
    std::vector<std::uint32_t> felt(64 * 64);
    for (int i = 0; i < 64 * 64; ++i) felt[i] = 0xFF2E5E3A + ((i * 2654435761u >> 28) & 0x3) * 0x010101;

    board = std::make_unique<GAME::PUZZLE_PIECES_SYSTEM>();
    ZEL::ZELGFX* gfx = game->GetGfx();
    delete board->table;
    board->table = new JSPRITE(gfx->TextureCreate(64, 64));
    std::copy(felt.begin(), felt.end(), static_cast<std::uint32_t*>(gfx->TextureLock(board->table->GetTexture())));
    gfx->TextureUnlock(board->table->GetTexture());
    board->Init(picture.c_str(), 3, 0, nullptr, rotate, 0.6f, 0);
    board->state = 1;

    gScript = Script{};
    gScript.game = game.get();
    gScript.board = board.get();
    gScript.rotate = rotate;
    const std::string shots = std::string(ZEL_TEST_BINARY_DIR) + "/screenshots";
    std::filesystem::create_directories(shots);

    // Wait for the cut and the fly-in.
    gScript.steps.push_back([] {
        if (gScript.board->state != 4) return false;
        for (const PUZZLE_PIECES* p : gScript.board->order)
            if (p->Flying()) return false;
        return true;
    });
    // Park every piece apart on the right, topmost first, so none lies under another.
    auto parked = std::make_shared<std::vector<const PUZZLE_PIECES*>>();
    for (int n = 0; n < 12; ++n) {
        const JST::iPOINT spot{604 + (n % 3) * 160, 125 + (n / 3) * 160};
        auto chosen = std::make_shared<const PUZZLE_PIECES*>(nullptr);
        AddDrag(
            [=] {
                for (const PUZZLE_PIECES* p : gScript.board->order) {
                    if (std::find(parked->begin(), parked->end(), p) != parked->end()) continue;
                    const JST::iPOINT c = Centre(p);
                    const int who = gScript.board->WhoIn(c.x, c.y);
                    if (who > 0 && gScript.board->order[who - 1] == p) {
                        *chosen = p;
                        parked->push_back(p);
                        return c;
                    }
                }
                ADD_FAILURE() << "no piece lies free on top";
                return JST::iPOINT{0, 0};
            },
            [=] { return spot; });
    }
    // Turn every piece upright with right clicks on its centre.
    if (rotate) {
        for (int n = 0; n < 12; ++n) {
            auto clicks = std::make_shared<int>(0);
            auto down = std::make_shared<bool>(false);
            gScript.steps.push_back([=] {
                const PUZZLE_PIECES* p = gScript.board->grid[n];
                const JST::iPOINT c = Centre(p);
                // A press and its release in one frame would read as released only: one frame each.
                if (*down) {
                    PushButton(SDL_BUTTON_RIGHT, false, c.x, c.y);
                    *down = false;
                    gScript.wait = 1;
                    return false;
                }
                if (p->Turning()) return false;
                if (p->rot == 0 || *clicks >= 4) return true;
                PushMotion(c.x, c.y);
                PushButton(SDL_BUTTON_RIGHT, true, c.x, c.y);
                *down = true;
                ++*clicks;
                return false;
            });
        }
    }
    // Assemble in grid order around piece (0, 0), placed at (150, 150).
    for (int n = 0; n < 12; ++n) {
        const int c = n % 4, r = n / 4;
        AddDrag([=] { return Centre(gScript.board->grid[n]); },
                [=] { return JST::iPOINT{150 + 100 * c + (n % 2 ? 4 : -3), 150 + 100 * r + (n % 3 ? -5 : 2)}; });
        if (n == 6) {
            // Half done: draw a rubber band over the parked pieces and take the picture while
            // it is held; then let go and click the empty table to clear the selection.
            auto k = std::make_shared<int>(0);
            gScript.steps.push_back([] {
                PushMotion(560, 60);
                PushButton(SDL_BUTTON_LEFT, true, 560, 60);
                return true;
            });
            gScript.steps.push_back([=] {
                ++*k;
                PushMotion(560 + 44 * *k, 60 + 42 * *k);
                return *k == 10;
            });
            gScript.steps.push_back([=] {
                gScript.screenshot = shots + (rotate ? "/board-half-rot.png" : "/board-half.png");
                gScript.wait = 2;
                return true;
            });
            gScript.steps.push_back([] {
                PushButton(SDL_BUTTON_LEFT, false, 1000, 480);
                gScript.wait = 2;
                return true;
            });
            gScript.steps.push_back([] {
                int selected = 0;
                for (const PUZZLE_PIECES* p : gScript.board->order) selected += p->selected;
                EXPECT_GE(selected, 2) << "the band held several loose pieces";
                PushMotion(560, 60);
                PushButton(SDL_BUTTON_LEFT, true, 560, 60);
                return true;
            });
            gScript.steps.push_back([] {
                PushButton(SDL_BUTTON_LEFT, false, 560, 60);
                gScript.wait = 2;
                return true;
            });
        }
    }
    gScript.steps.push_back([] {
        gScript.wait = 60;
        return true;
    });

    game->SetUpd(Upd);
    game->SetRnd(Rnd);
    game->SetPostRnd(Post);
    game->GetTimer().Init();
    game->Run();

    EXPECT_EQ(board->Fragments(), 1);
    const int group = board->grid[0]->nstr;
    EXPECT_NE(group, 0);
    for (const PUZZLE_PIECES* p : board->grid) {
        EXPECT_EQ(p->nstr, group) << p->col << "," << p->row;
        EXPECT_EQ(p->rot, 0);
    }
    EXPECT_EQ(board->regCg, 11);
    EXPECT_GT(board->regSc, 11 * 12);
    EXPECT_NE(board->winStep, -1) << "the completion run has started";
    EXPECT_TRUE(gScript.shotTaken);
    EXPECT_LT(gScript.frames, 3000);
}

INSTANTIATE_TEST_SUITE_P(RotationOffAndOn, WholeGame, ::testing::Values(false, true));

} // namespace
