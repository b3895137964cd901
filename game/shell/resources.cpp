// Minimal bodies until this module is written.
#include "game/shell/resources.h"

GameResources res;

void DrawMenuPointer(f32 /*x*/, f32 /*y*/) {}
