#pragma once
// What the board reads from the game object: frame time, generator, screen, input, renderer.
#include "ST/core/ST_GAME.h"

namespace GAME::env {

inline ZEL::ST_GAME* G() { return ZEL::GetGame(); }
inline float Dt() { return G()->GetDt(); }
inline ZEL::ST_RANDOM& Random() { return G()->GetRandom(); }
inline JST::iPOINT Middle() { return G()->middle; }
inline ZEL::ZELGFX* Gfx() { return G()->GetGfx(); }
inline ZEL::ST_INPUT& Input() { return *G()->GetInput(); }
inline int ScreenW() { return Gfx()->GetBackWidth(); }
inline int ScreenH() { return Gfx()->GetBackHeight(); }

} // namespace GAME::env
