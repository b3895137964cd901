// The game's frame callbacks: the update order of one frame, the keys and the mouse, and their
// installation in the engine's slots.
#include "game/sim/callbacks.h"

#include <cmath>

#include "audio/audio.h"
#include "audio/loop_source.h"
#include "engine/input.h"
#include "engine/loop.h"
#include "game/shell/bindings.h"
#include "game/shell/chat.h"
#include "game/shell/consoles.h"
#include "game/sim/flight.h"
#include "game/sim/objects.h"
#include "game/sim/power.h"
#include "game/sim/scene.h"
#include "game/sim/weapons.h"
#include "gui/sheet.h"

FrameState frame;

namespace {
constexpr f32 DISRUPTOR_REPEAT = 0.35f, TORPEDO_REPEAT = 0.5f;
constexpr f32 PLATING_RATE = 1.0f / 70.0f;
constexpr f32 BREACH_SHAKE = 20.0f, SHAKE_DECAY = 4.0f, SHAKE_STEP = 5.0f, SHAKE_MAX = 20.0f;
constexpr f32 PULSE_RATE = 180.0f; // degrees per second
constexpr f32 GAIN_STEP = 0.2f;
constexpr f32 WARP_STEP_LOW = 0.2f, WARP_STEP_HIGH = 0.1f, WARP_POWER_PER_FACTOR = 0.1f;
constexpr f32 SHIELD_TICK_PERIOD = 1.0f;
constexpr u32 KEY_INSERT = 45, KEY_DELETE = 46, KEY_DIGIT_0 = 48, KEY_F1 = 112, KEY_F2 = 113;
constexpr u32 SLOT_KEY_UP = 1, SLOT_KEY_DOWN = 2, SLOT_KEY_HIT = 3, SLOT_MOUSE_MOVE = 4;
constexpr u32 SLOT_DOUBLE_CLICK = 5, SLOT_RENDER = 7, SLOT_UPDATE = 8;
const char* const BREACH_LINE =
    "KAA-BOOOOOOOOM! <c grey>Yeah, an explosion should've been here :)</c>";

bool IsMouseButton(u32 key) {
    return key == KEY_LBUTTON || key == KEY_RBUTTON || key == KEY_MBUTTON;
}

void RepeatFire(f32 dt) {
    frame.disruptorRepeat += dt;
    if (frame.disruptorRepeat > DISRUPTOR_REPEAT &&
        (IsKeyDown(KEY_LBUTTON) || IsKeyDown(KEY_MBUTTON))) {
        frame.disruptorRepeat = 0.0f;
        FireWeapons(true, false);
    }
    frame.torpedoRepeat += dt;
    if (frame.torpedoRepeat > TORPEDO_REPEAT &&
        (IsKeyDown(KEY_RBUTTON) || IsKeyDown(KEY_MBUTTON))) {
        frame.torpedoRepeat = 0.0f;
        FireWeapons(false, true);
    }
}

void ShipTimers(f32 dt) {
    if (systems.hullPlating < 1.0f)
        systems.hullPlating = std::fmin(1.0f, systems.hullPlating + dt * PLATING_RATE);
    if (systems.polarizeCooldown > 0.0f)
        systems.polarizeCooldown = std::fmax(0.0f, systems.polarizeCooldown - dt);
    if (systems.breachCountdown > 0.0f) {
        systems.breachCountdown -= dt;
        if (systems.breachCountdown <= 0.0f) {
            systems.screenShake = BREACH_SHAKE;
            SystemMessage(BREACH_LINE);
            systems.breachCountdown = -1.0f;
        }
    }
    systems.screenShake = std::fmax(0.0f, systems.screenShake - SHAKE_DECAY * dt);
    frame.pulsePhase += PULSE_RATE * dt;
}

// Bindings 0 and 1 step the warp factor while at warp, if the reactor can carry the change.
void WarpKeys() {
    Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass || ship->warpTarget < 1.0f) return;
    const ShipClass* c = ship->shipClass;
    f32 t = ship->warpTarget;
    if (IsActionDown(ACTION_FASTER))
        t += ship->warpTarget < c->safeWarp ? WARP_STEP_LOW : WARP_STEP_HIGH;
    if (IsActionDown(ACTION_SLOWER))
        t -= ship->warpTarget > c->safeWarp ? WARP_STEP_HIGH : WARP_STEP_LOW;
    t = std::fmax(1.0f, std::fmin(c->maxWarp, t));
    f32 p = AvailablePower();
    for (int i = 0; i < POWER_SYSTEMS; ++i)
        if (systems.overloadedSystem != u16(i)) p -= systems.powerLevel[i];
    p -= (t - ship->warpTarget) * WARP_POWER_PER_FACTOR;
    if (t < ship->warpTarget) power.warpRefund += (ship->warpTarget - t) * WARP_POWER_PER_FACTOR;
    if (p > 0.0f) ship->warpTarget = t;
}

void VolumeAndShake(u32 key) {
    if (key == KEY_F1) frame.showQuickHelp = !frame.showQuickHelp;
    if (key == KEY_F2) frame.showDirections = !frame.showDirections;
    if (key == KEY_INSERT) SetMasterVolume(std::fmin(1.0f, MasterVolume() + GAIN_STEP));
    if (key == KEY_DELETE) SetMasterVolume(std::fmax(0.0f, MasterVolume() - GAIN_STEP));
    if (key == KEY_DIGIT_0)
        systems.screenShake = std::fmin(SHAKE_MAX, systems.screenShake + SHAKE_STEP);
}
} // namespace

bool GameHasInput() {
    // The focus falls back to the active sheet: equal means no control holds it.
    return GetFocusControl() == GetActiveSheet();
}

void GameUpdate(f32 dt) {
    RepeatFire(dt);
    ShipTimers(dt);
    UpdateNavConsole(dt);
    UpdatePower(dt);
    RechargeWeapons(dt);
    UpdateChat(dt);
    if (GameHasInput()) UpdateControls(dt);
    UpdateViewOffset(dt);
    UpdateZoom(dt);
    UpdateObjects(dt);
    RegenShields(dt);
    if (world.playerShip) UpdateBeams(world.playerShip, dt);
    // Starts the next track as soon as one ends; the 3-second timer's call then finds it playing.
    MusicTick();
}

void GameMouseMove(f32 /*x*/, f32 /*y*/) {
    NavDrag();
    DragPowerMeter();
}

void GameKeyUp(u32 key) {
    if (!GameHasInput()) return;
    if (key == KEY_LBUTTON) {
        NavClick();
        TacticalClick();
        hud.hudHotId = 0;
        return;
    }
    const KeyBinding& console = keyBindings[ACTION_CONSOLE];
    if (key == KEY_RBUTTON || (console.count > 0 && key == console.keys[0])) hud.hudHotId = 0;
}

void GameKeyDown(u32 key) {
    if (IsPaused() || !GameHasInput()) return;
    if (IsMouseButton(key)) FireWeapons(true, true);
    ConsoleKeyDown();
    WarpKeys();
}

void GameKeyHit(u32 key) {
    ChatKeyHit(key);
    if (!GameHasInput()) return;
    VolumeAndShake(key);
    if (IsActionDown(ACTION_CONSOLE)) {
        if (key == KEY_LBUTTON) {
            NavPress();
            SetPowerFromMouse();
            TacticalPress();
        } else if (key == KEY_RBUTTON) {
            TogglePriority();
        }
    }
    ConsoleKeyHit();
}

void GameDoubleClick(u32 key) {
    if (!GameHasInput()) return;
    if (!IsActionDown(ACTION_CONSOLE)) return GameKeyDown(key);
    if (key == KEY_LBUTTON) ToggleOverload();
}

void InstallGameCallbacks() {
    SetCallbackFn(SLOT_RENDER, GameRender);
    SetCallbackFn(SLOT_UPDATE, GameUpdate);
    SetCallbackFn(SLOT_MOUSE_MOVE, GameMouseMove);
    SetCallbackFn(SLOT_KEY_UP, GameKeyUp);
    SetCallbackFn(SLOT_KEY_DOWN, GameKeyDown);
    SetCallbackFn(SLOT_KEY_HIT, GameKeyHit);
    SetCallbackFn(SLOT_DOUBLE_CLICK, GameDoubleClick);
    frame.shieldTimer = AddTimer(ShieldBalanceTick, SHIELD_TICK_PERIOD);
}
