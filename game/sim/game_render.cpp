// The game's render callback: the engine hum, the scene, the consoles and the heads-up texts.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "audio/loop_source.h"
#include "engine/utils.h"
#include "game/shell/chat.h"
#include "game/shell/chat_format.h"
#include "game/shell/consoles.h"
#include "game/shell/loc.h"
#include "game/shell/resources.h"
#include "game/shell/sounds.h"
#include "game/sim/callbacks.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/font.h"
#include "graphics/object_frame.h"
#include "gui/gui.h"

namespace {
constexpr f32 HUM_GAIN_SCALE = 240.0f, HUM_GAIN_FLOOR = 0.2f;
constexpr int WEAPON_READOUT = 2;
constexpr f32 WARNING_ALPHA = 0.85f, WARNING_SHAKE_PER_FACTOR = 5.0f;
constexpr u32 TEXT_WARP_WARNING = 45, TEXT_BREACH = 51;
constexpr i32 CROSSHAIR_CURSOR = 2;
constexpr u32 WHITE = MakeRGB(255, 255, 255), YELLOW = MakeRGB(255, 255, 0);
const char* const DIRECTIONS =
    "Press T,R or E to chat\nRight click in one of the power meters to prioritize it\nDouble "
    "click in one of the power meters to overload it\nPress F1 do display quick help\n<c "
    "orange>Press 0 to induce screen shake\nPress V to polarize hull plating and press F to "
    "damage it<c green>\nPress Insert / Delete to adjust master volume\nExpect better volume "
    "control in the next CVD2 Alpha release";
const char* const F2_HINT =
    "Press <color 255,255,0>F2<color default> to display directions for this alpha version";
const char* const FIRING_HINT =
    "Hold SPACE to show firing arcs\n<c green>Click the mouse buttons arround to fire torpedoes "
    "or distruptors\n(lancers will be available in the next alpha release)";

void EngineHum() {
    if (frame.engineSource == NO_SOURCE) frame.engineSource = StartLoopSource(engineSound);
    f32 zoom = systems.zoom > 0.0f ? systems.zoom : 1.0f;
    SetLoopSourceGain(frame.engineSource,
                      systems.powerLevel[2] / zoom * HUM_GAIN_SCALE + HUM_GAIN_FLOOR);
}

u32 PulseColour() {
    f32 s = (std::sin(frame.pulsePhase * DEG_TO_RAD) + 1.0f) * 0.5f;
    return MakeRGBA(255, u8((s + 1.0f) * 0.5f * 255.0f), u8(s * 255.0f),
                    u8(WARNING_ALPHA * 255.0f));
}

void WarpWarnings() {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    bool overstressed = ship->warpFactor >= ship->shipClass->safeWarp;
    if (!overstressed && !(systems.breachCountdown > 0.0f)) return;
    SetFont(res.largeFont);
    SetColor(PulseColour());
    if (overstressed) {
        DrawText(400, 450, GameText(TEXT_WARP_WARNING), ALIGN_CENTER);
        f32 shake = (ship->warpFactor - ship->shipClass->safeWarp) * WARNING_SHAKE_PER_FACTOR;
        systems.screenShake = std::fmax(systems.screenShake, shake);
    }
    if (systems.breachCountdown > 0.0f) {
        char line[256];
        FormatLocFloat(line, sizeof line, GameText(TEXT_BREACH), systems.breachCountdown);
        DrawText(400, 370, line, ALIGN_CENTER);
    }
    SetFont(res.smallFont);
}

void HintTexts() {
    if (frame.showDirections) {
        SetColor(YELLOW);
        DrawText(790, 40, DIRECTIONS, ALIGN_RIGHT);
    }
    SetColor(WHITE);
    DrawText(790, 6, F2_HINT, ALIGN_RIGHT);
    SetColor(YELLOW);
    DrawText(790, 20, FIRING_HINT, ALIGN_RIGHT);
}

void DrawScene() {
    glEnter2D();
    glResetObjectView();
    ApplyCamera();
    glClearFrame();
    DrawStars();
    DrawObjects();
    glResetObjectView();
}
} // namespace

void GameRender() {
    EngineHum();
    DrawScene();
    SetColor(WHITE);
    DrawText(5, 25, StrFormat("%.1f", f64(systems.weaponCharge[WEAPON_READOUT])), ALIGN_LEFT);
    DrawStatusIndicators();
    DrawNavConsole();
    DrawPowerDisplay();
    DrawTacticalConsole();
    DrawChat();
    DrawScoreDisplay();
    if (frame.showQuickHelp) DrawQuickHelp();
    DrawPauseBox();
    WarpWarnings();
    HintTexts();
    if (GameHasInput()) SelectCursor(CROSSHAIR_CURSOR);
}
