// The game's main sequence: engine, sound, window and GL, the game's loading steps, the loop,
// then the release of the game's data.
#include "game/shell/startup.h"

#include <cstring>

#include "audio/audio.h"
#include "audio/module.h"
#include "engine/engine.h"
#include "engine/log.h"
#include "engine/loop.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "game/shell/bindings.h"
#include "game/shell/loc.h"
#include "game/shell/menu.h"
#include "game/shell/music_gate.h"
#include "game/shell/resource_log.h"
#include "game/shell/resources.h"
#include "game/sim/objects.h"
#include "graphics/gl_setup.h"
#include "graphics/module.h"
#include "gui/control.h"
#include "gui/gui.h"
#include "gui/module.h"

namespace {

constexpr f32 MUSIC_PERIOD = 3.0f;
constexpr f32 EVERY_FRAME = 0.0f;
constexpr const char* MENU_SHEET = "PreGameSheetFake";
constexpr const char* FLIGHT_SHEET = "GameSheet";

// Which phase has already shown its first frame; the log notes each once, which is what the
// start-up timings are measured by.
struct FirstFrames {
    bool menuShown = false;
    bool flightShown = false;
};
FirstFrames firstFrames;

bool ActiveSheetIs(const char* name) {
    Control* sheet = GetActiveSheet();
    return sheet && strcmp(sheet->name, name) == 0;
}

// Timers run after the frame is drawn and before it is shown.
void NoteFirstFrames() {
    if (!firstFrames.menuShown && ActiveSheetIs(MENU_SHEET)) {
        firstFrames.menuShown = true;
        LogWrite("Pre-game menu on screen");
    }
    if (!firstFrames.flightShown && ActiveSheetIs(FLIGHT_SHEET)) {
        firstFrames.flightShown = true;
        LogWrite("Flight view on screen");
    }
}

} // namespace

int GameMain() {
    // The layers above the engine hook into its frame before it starts (the GUI starts with it).
    RegisterGraphicsModule();
    RegisterGUIModule();
    RegisterAudioModule();
    InitEngine(StrFormat("Corvane Drift 2 (%s)", GetGameVersion()));
    InitAL(nullptr);
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    EngineEnable(ENGINE_KEY_REPEAT);
    PostInit();
    AddTimer(UpdateMusicGate, EVERY_FRAME);
    AddTimer(MusicTick, MUSIC_PERIOD);
    LoadSounds();
    LoadFonts();
    Load();
    firstFrames = FirstFrames{};
    AddTimer(NoteFirstFrames, EVERY_FRAME);
    StartResourceLog();
    RunMainLoop();
    ReleaseGameData();
    return 0;
}

void PostInit() {
    LogWrite("Entering PostInit()");
    glEnableSmoothing();
    LogWrite("PostInit() finished successfully");
}

void Load() {
    LogWrite("Entering Load()");
    LoadAvatarTexture();
    LoadUserConfig();
    LoadLOC(LanguageFile(0, "game.loc"), &gameText);
    ApplyKeyNames(LanguageFile(0, "keyboard.loc"));
    LoadModels();
    LoadGameTextures();
    res.hudColor = DEFAULT_HUD_COLOR;
    BuildPreGameMenu();
    LogWrite("Load() finished successfully");
}

void ReleaseGameData() {
    FreeLOC(&gameText);
    FreeLOC(&menuText);
    FreeShipClasses();
    FreeObjects();
    DestroyAL();
}
