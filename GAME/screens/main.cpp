#include "GAME/data/Config.h"
#include "GAME/data/EDITION_CONF.h"
#include "ST/core/Clock.h"
#include "ST/core/Diag.h"
#include "ST/core/ST_GAME.h"
#include "ST/platform/Display.h"

#include <mutex>

ZEL::ST_GAME* Game = nullptr;
ZEL::ZELGFX* zel = nullptr;
ZEL::ST_INPUT* INPUTNAME = nullptr;

namespace {

// Until the game's screens arrive the loading phase ends at once and the frame stays clear.
void Initgoizflhgz(void*) {
    std::lock_guard<std::recursive_mutex> lock(ZEL::cs);
    Game->loading = 0;
}
int Updatenjlkxfdg() { return 0; }
void Renderjbxoig() {}
void PostRndr() {}
void KillFocus() {}
void FocusG() {}

} // namespace

int main() {
    Game = ZEL::GetGame();
    zel = Game->GetGfx();
    INPUTNAME = Game->GetInput();
    LoadEdition();
    LoadConfig();
    ZEL::Diag("Programm starting");
    Game->SetGameName(EffectiveProductName());
    Game->SetIni(Initgoizflhgz);
    Game->SetRnd(Renderjbxoig);
    Game->SetUpd(Updatenjlkxfdg);
    Game->SetKillFocusFunc(KillFocus);
    Game->SetPostRnd(PostRndr);
    Game->SetSetFocusFunc(FocusG);
    Game->SetClearColor(static_cast<int>(0xff000000u));
    Game->GetRandom().Seed(static_cast<float>(ZEL::ClockMs()));
    ZEL::Diag("Programm starting init...");
    // The folders come from these names, so they fall back to the game's own when empty.
    const int result = Game->Init(EffectiveCompanyName(), EffectiveProductName());
    if (result == -2) {
        ZEL::ShowMessageBox(chTEXT_ERROR_MESSAGE_RESOLUTION ? chTEXT_ERROR_MESSAGE_RESOLUTION : "", "Error");
        return -1;
    }
    if (result == -3) {
        ZEL::ShowMessageBox("Error Init Render", "Error");
        return 0;
    }
    return Game->Run();
}
