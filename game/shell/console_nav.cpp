// The navigation console's input: which element lies under the pointer, the speed lever and its
// drag, the buttons acting on release, and the lever's throttle commands each frame.
#include <cmath>

#include "engine/input.h"
#include "engine/loop.h"
#include "engine/utils.h"
#include "gui/sheet.h"
#include "game/shell/bindings.h"
#include "game/shell/chat.h"
#include "game/shell/console_parts.h"
#include "game/shell/consoles.h"
#include "game/sim/flight.h"
#include "game/sim/objects.h"
#include "game/sim/power.h"

HudState hud;

namespace {
constexpr ArtPoint C = NAV_DIAL_CENTRE;
constexpr f32 RIM_BUTTON_LAST = 118.0f; // phi where rim button 14 ends
constexpr i32 FIRST_RIM_ID = 7;
constexpr i32 LAST_RIM_ID = 14;
constexpr f32 LEVER_PRESS_OUTER = 76.0f;
constexpr f32 LEVER_REVERSE_DEG = 55.0f; // theta of full reverse (below the left horizontal)
constexpr f32 LEVER_AHEAD_DEG = 150.0f;  // theta of full ahead
constexpr f32 DRAG_LOW_DEG = -75.0f;
constexpr f32 DRAG_HIGH_DEG = 180.0f;
constexpr f32 LEVER_DEG_PER_SECOND = 100.0f;
constexpr f32 LEVER_RENEW_START = 1.0f;
constexpr f32 LEVER_RENEW_PERIOD = 1.25f;
// The console's corner region and the wider box a press must land in.
constexpr f32 CORNER_X = 662, CORNER_Y = 464, CORNER_W = 138, CORNER_H = 136;
constexpr f32 PRESS_X = 630, PRESS_Y = 460, PRESS_W = 170, PRESS_H = 140;

enum RimShield : i32 { SHIELD_FRONT = 0, SHIELD_RIGHT = 1, SHIELD_REAR = 2, SHIELD_LEFT = 3 };

void EnforceRear() {
    cvdEnforceShield(SHIELD_REAR);
}
void EnforceFront() {
    cvdEnforceShield(SHIELD_FRONT);
}
void EnforceRight() {
    cvdEnforceShield(SHIELD_RIGHT);
}
void EnforceLeft() {
    cvdEnforceShield(SHIELD_LEFT);
}

const ButtonAction NAV_CORNER_ACTIONS[CORNER_BUTTON_COUNT] = {ToggleBreach, ToggleSignal,
                                                              ToggleWarp, TogglePolarize, nullptr};
// Rim buttons 7 and 8 zoom while held, which the frame handles through hudHotId.
const ButtonAction RIM_ACTIONS[RIM_BUTTON_COUNT] = {nullptr,        nullptr,     TogglePause,
                                                    BalanceShields, EnforceRear, EnforceFront,
                                                    EnforceRight,   EnforceLeft};

f32 Distance(f32 x, f32 y) {
    return std::sqrt((x - C.x) * (x - C.x) + (y - C.y) * (y - C.y));
}

// Degrees between the pointer's direction from the dial centre and the right horizontal,
// negative above the centre.
f32 AngleFromRight(f32 x, f32 y) {
    f32 d = Distance(x, y);
    if (!(d > 0.0f)) return 0.0f;
    f32 a = std::acos(std::fmax(-1.0f, std::fmin(1.0f, (x - C.x) / d))) * RAD_TO_DEG;
    return y < C.y ? -a : a;
}

// Degrees between the pointer's direction and the left horizontal, negative below the centre.
f32 AngleFromLeft(f32 x, f32 y) {
    f32 d = Distance(x, y);
    if (!(d > 0.0f)) return 0.0f;
    f32 a = std::acos(std::fmax(-1.0f, std::fmin(1.0f, (C.x - x) / d))) * RAD_TO_DEG;
    return y > C.y ? -a : a;
}

f32 LeverFromAngle(f32 theta) {
    return theta <= 0.0f ? theta / LEVER_REVERSE_DEG : theta / LEVER_AHEAD_DEG;
}

f32 ClampLever(f32 lever) {
    f32 limit = world.playerShip ? world.playerShip->engineFactor : 1.0f;
    return std::fmax(-limit, std::fmin(limit, lever));
}

i32 CornerAt(f32 x, f32 y) {
    if (y >= CORNER_Y && y <= 509) return 2;
    if (x >= CORNER_X && x <= 709) return 6;
    if (x >= 783 && y >= 552) return 4;
    if (x >= 758 && y >= 583) return 4;
    if (y >= 552 && x > 752 && 31 - (583 - y) >= 783 - x) return 4;
    if ((600 - y) <= (800 - x)) return 5;
    return 3;
}

// Brings the lever toward the held speed keys at 100 degrees of dial a second.
void MoveLeverByKeys(f32 dt) {
    f32 direction = 0.0f;
    if (IsActionDown(ACTION_FASTER))
        direction = 1.0f;
    else if (IsActionDown(ACTION_SLOWER))
        direction = -1.0f;
    if (!HudHasInput()) return;
    f32 lever = hud.speedLever;
    f32 a = lever * (lever <= 0.0f ? LEVER_REVERSE_DEG : LEVER_AHEAD_DEG);
    a += direction * dt * LEVER_DEG_PER_SECOND;
    hud.speedLever = ClampLever(LeverFromAngle(a));
}
} // namespace

ButtonAction NavCornerAction(int index) {
    return index >= 0 && index < CORNER_BUTTON_COUNT ? NAV_CORNER_ACTIONS[index] : nullptr;
}

ButtonAction RimAction(int index) {
    return index >= 0 && index < RIM_BUTTON_COUNT ? RIM_ACTIONS[index] : nullptr;
}

MousePoint Mouse() {
    MousePoint p{};
    GetMousePos(&p.x, &p.y);
    return p;
}

bool ConsoleKeyHeld() {
    return IsActionDown(ACTION_CONSOLE);
}

bool HudHasInput() {
    return GetFocusControl() == GetActiveSheet();
}

i32 NavHitTest(f32 x, f32 y) {
    bool inOuter = PointInCircle(x, y, C.x, C.y, DIAL_RIM_OUTER);
    if (inOuter && !PointInCircle(x, y, C.x, C.y, DIAL_RIM_INNER)) {
        f32 phi = AngleFromRight(x, y);
        if (phi < RIM_FIRST_ANGLE || phi > RIM_BUTTON_LAST) return HOT_LEVER;
        i32 id = FIRST_RIM_ID + i32((phi - RIM_FIRST_ANGLE) / RIM_BUTTON_SPAN);
        return id > LAST_RIM_ID ? LAST_RIM_ID : id;
    }
    if (!PointInRect(x, y, CORNER_X, CORNER_Y, CORNER_W, CORNER_H) || inOuter) return HOT_NONE;
    return CornerAt(x, y);
}

void NavPress() {
    MousePoint p = Mouse();
    f32 d = Distance(p.x, p.y);
    if (d >= DIAL_RIM_INNER && d <= LEVER_PRESS_OUTER) {
        f32 theta = AngleFromLeft(p.x, p.y);
        if (theta >= -LEVER_REVERSE_DEG && theta <= LEVER_AHEAD_DEG) {
            hud.speedLever = LeverFromAngle(theta);
            hud.hudHotId = HOT_LEVER;
            return;
        }
    }
    if (hud.hudHotId == HOT_NONE && PointInRect(p.x, p.y, PRESS_X, PRESS_Y, PRESS_W, PRESS_H))
        hud.hudHotId = NavHitTest(p.x, p.y);
}

void NavDrag() {
    if (hud.hudHotId != HOT_LEVER) return;
    MousePoint p = Mouse();
    if (!(Distance(p.x, p.y) > 0.0f)) return;
    f32 theta = AngleFromLeft(p.x, p.y);
    if (theta >= DRAG_LOW_DEG && theta <= DRAG_HIGH_DEG)
        hud.speedLever = ClampLever(LeverFromAngle(theta));
}

bool RunElementAction(i32 id) {
    ButtonAction action = nullptr;
    if (id >= 2 && id <= 6)
        action = NavCornerAction(id - 2);
    else if (id >= FIRST_RIM_ID && id <= LAST_RIM_ID)
        action = RimAction(id - FIRST_RIM_ID);
    else if (id >= 25 && id <= 29)
        action = TacticalCornerAction(id - 25);
    else
        return false;
    if (action) action();
    return true;
}

void NavClick() {
    if (hud.hudHotId == HOT_LEVER) {
        ThrottleToward();
        return;
    }
    if (hud.hudHotId >= 2 && hud.hudHotId <= LAST_RIM_ID) RunElementAction(hud.hudHotId);
}

void UpdateNavConsole(f32 dt) {
    hud.signalTimer -= dt;
    if (hud.signalTimer < 0.0f) hud.signalTimer = -1.0f;
    const Ship* ship = world.playerShip;
    if (!ship || ship->warpFactor > 0.0f) return;
    ThrottleCheck();
    if (hud.leverTimer == 0.0f && LeverSpeed() != ship->impulseSpeed)
        hud.leverTimer = LEVER_RENEW_START;
    if (hud.leverTimer >= LEVER_RENEW_START) {
        hud.leverTimer += dt;
        if (hud.leverTimer >= LEVER_RENEW_PERIOD) {
            hud.leverTimer = LEVER_RENEW_START;
            ThrottleToward();
        }
    }
    MoveLeverByKeys(dt);
}

void ToggleBreach() {
    systems.breachCountdown = systems.breachCountdown >= 0.0f ? -1.0f : BREACH_SECONDS;
}

void ToggleSignal() {
    constexpr u32 SIGNAL_SENT = 49, SIGNAL_CANCELLED = 50;
    if (hud.signalTimer >= 0.0f) {
        hud.signalTimer = -1.0f;
        GameMessage(SIGNAL_CANCELLED);
    } else {
        hud.signalTimer = SIGNAL_SECONDS;
        GameMessage(SIGNAL_SENT);
    }
}

void TogglePause() {
    if (IsPaused())
        ResumeEngine();
    else
        PauseEngine();
}
