// Minimal loading steps until the game's resources, menu and flight land: nothing to load, and
// the release step only closes the audio device.
#include "audio/audio.h"
#include "engine/log.h"
#include "game/shell/startup.h"

void LoadFonts() {
    LogWrite("Loading fonts");
    LogWrite("Fonts loaded");
}

void Load() {
    LogWrite("Entering Load()");
    LogWrite("Load() finished successfully");
}

void ReleaseGameData() {
    DestroyAL();
}
