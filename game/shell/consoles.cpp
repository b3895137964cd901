// Loading of the console art, and the keyboard shortcuts of the console buttons.
#include "game/shell/consoles.h"

#include "engine/log.h"
#include "graphics/texture.h"
#include "game/shell/bindings.h"
#include "game/shell/console_parts.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"

namespace {
constexpr u32 FILTER_LINEAR = 0x2601; // GL_LINEAR
constexpr f32 ZOOM_STEP = 200.0f;
constexpr i32 FIRST_REPEATING_RIM = 10; // rim buttons 10..14 repeat with the keyboard
constexpr i32 LAST_KEY_HIT_RIM = 9;     // rim buttons 7..9 act once per press
constexpr i32 FIRST_RIM_ID = 7;
constexpr f32 FULL_CHARGE = 10.0f;

void RunIfHeld(i32 id, ButtonAction action) {
    if (action && IsActionDown(u32(id))) action();
}
} // namespace

void navInit() {
    LogWrite("Entering navInit()");
    hud.navTexture = glLoadTexture("Data/Graphics/Navigations/nav.dsx", FILTER_LINEAR);
    hud.keyboardTexture = glLoadTexture("Data/Graphics/Navigations/keyboard.dsx", FILTER_LINEAR);
    hud.questionTexture = glLoadTexture("Data/Graphics/Navigations/question.dsx", FILTER_LINEAR);
    LogWrite("navInit() finished successfully");
}

void powInit() {
    LogWrite("Entering powInit()");
    hud.powerTexture = glLoadTexture("Data/Graphics/Power Display/power.dsx", FILTER_LINEAR);
    LogWrite("powInit() finished successfully");
}

void scrInit() {
    LogWrite("Entering scrInit()");
    hud.scoreSurface = glLoadSurface("Data/Graphics/Score Display/score.dsx", FILTER_LINEAR);
    LogWrite("scrInit() finished successfully");
}

void tacInit() {
    LogWrite("Entering tacInit()");
    for (f32& charge : systems.weaponCharge) charge = FULL_CHARGE;
    hud.tacticalTexture = glLoadTexture("Data/Graphics/Tactical/tactical.dsx", FILTER_LINEAR);
    LogWrite("tacInit() finished successfully");
}

void ConsoleKeyHit() {
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i)
        RunIfHeld(TacticalButtonArt()[i].id, TacticalCornerAction(i));
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i)
        RunIfHeld(NavButtonArt()[i].id, NavCornerAction(i));
    for (i32 id = FIRST_RIM_ID; id <= LAST_KEY_HIT_RIM; ++id)
        RunIfHeld(id, RimAction(id - FIRST_RIM_ID));
    if (IsActionDown(ACTION_ZOOM_STEP_IN))
        ZoomStep(-ZOOM_STEP, true);
    else if (IsActionDown(ACTION_ZOOM_STEP_OUT))
        ZoomStep(ZOOM_STEP, true);
}

void ConsoleKeyDown() {
    for (i32 id = FIRST_REPEATING_RIM; id < FIRST_RIM_ID + RIM_BUTTON_COUNT; ++id)
        RunIfHeld(id, RimAction(id - FIRST_RIM_ID));
}
