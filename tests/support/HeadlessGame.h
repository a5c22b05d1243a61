#pragma once
// A game object on the recording device, with its per-user folder in a temporary place and a
// 1024 x 768 desktop; current for everything that asks for the game.
#include "ST/core/ST_GAME.h"
#include "support/TestSupport.h"

#include <memory>

namespace testsupport {

class HeadlessGame {
public:
    explicit HeadlessGame(int w = 1024, int h = 768);
    ~HeadlessGame();
    ZEL::ST_GAME& operator*() { return *game; }
    ZEL::ST_GAME* operator->() { return game.get(); }
    ZEL::RecordingDevice& Device() { return *game->Recorder(); }
    // One update of the input as the loop does it, with a fixed frame time.
    void SetDt(float dt) { game->GetTimer().SetDelta(dt); }

    TempDir home;
    std::unique_ptr<ZEL::ST_GAME> game;
};

} // namespace testsupport
