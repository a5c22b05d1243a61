#include "GAME/data/GameIdentity.h"
