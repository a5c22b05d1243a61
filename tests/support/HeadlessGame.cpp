#include "support/HeadlessGame.h"

#include "ST/platform/Display.h"

#include <cstdlib>
#include <stdexcept>

namespace testsupport {

HeadlessGame::HeadlessGame(int w, int h) {
    setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    ZEL::SetDisplayOverride({w, h}, {{1024, 768, 60}, {w, h, 60}});
    game = std::make_unique<ZEL::ST_GAME>();
    ZEL::SetGame(game.get());
    game->UseRecordingDevice(true);
    if (game->Init("Test", "Headless") != 0) throw std::runtime_error("headless game does not start");
    game->ChangeResolution(1024, 768, false);
    game->GetTimer().SetDelta(1.0f / 90.0f);
}

HeadlessGame::~HeadlessGame() {
    game.reset();
    ZEL::SetGame(nullptr);
    ZEL::ClearDisplayOverride();
}

} // namespace testsupport
