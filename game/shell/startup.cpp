// The game's main sequence: engine, sound, window and GL, the game's loading steps, the loop,
// then the release of the game's data.
#include "game/shell/startup.h"

#include <GL/gl.h>

#include "audio/audio.h"
#include "engine/engine.h"
#include "engine/log.h"
#include "engine/loop.h"
#include "engine/utils.h"
#include "engine/window.h"

namespace {
constexpr f32 MUSIC_PERIOD = 3.0f;
}

void MusicTick(); // the music playlist

int GameMain() {
    InitEngine(StrFormat("Corvane Drift 2 (%s)", GetGameVersion()));
    InitAL(nullptr);
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    EngineEnable(ENGINE_KEY_REPEAT);
    PostInit();
    AddTimer(MusicTick, MUSIC_PERIOD);
    LoadSounds();
    LoadFonts();
    Load();
    RunMainLoop();
    ReleaseGameData();
    return 0;
}

void PostInit() {
    LogWrite("Entering PostInit()");
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POINT_SMOOTH);
    LogWrite("PostInit() finished successfully");
}
