// Minimal bodies until this module is written.
#include "game/sim/callbacks.h"

FrameState frame;

void GameUpdate(f32 /*dt*/) {}
void GameRender() {}
void GameMouseMove(f32 /*x*/, f32 /*y*/) {}
void GameKeyUp(u32 /*key*/) {}
void GameKeyDown(u32 /*key*/) {}
void GameKeyHit(u32 /*key*/) {}
void GameDoubleClick(u32 /*key*/) {}
void InstallGameCallbacks() {}
bool GameHasInput() {
    return false;
}
