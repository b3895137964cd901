// Ship flight: commands from the keys and the speed lever, the per-frame flight step, and the
// warp and cloak switches with their refusals.
#include "game/sim/flight.h"

#include <cmath>

#include "game/shell/bindings.h"
#include "game/shell/chat.h"
#include "game/shell/consoles.h"
#include "game/shell/sounds.h"
#include "game/sim/objects.h"
#include "game/sim/power.h"

FlightState flight;

namespace {
constexpr f32 ZOOM_RATE = 1000.0f; // world units of view height per second
constexpr f32 ZOOM_MIN = 500.0f, ZOOM_MAX = 3000.0f;
constexpr i32 ZOOM_IN_BUTTON = 7, ZOOM_OUT_BUTTON = 8;
constexpr f32 LEVER_DEAD_LOW = -0.063f, LEVER_DEAD_HIGH = 0.01f;
constexpr f32 THROTTLE_SNAP = 5.0f;
constexpr f32 WARP_SPEED_PER_FACTOR = 2000.0f;
constexpr f32 WARP_VELOCITY_FACTOR = 0.9f;
constexpr f32 TURN_ACCEL_SHARE = 0.16666667f, TURN_ACCEL_FLOOR = 0.01f;
constexpr f32 WARP_TURN_BASE = 6.0f, WARP_TURN_PER_FACTOR = 0.25f;
constexpr f32 IMPULSE_TURN_FLOOR = 0.1f, IMPULSE_TURN_SPEED_SHARE = 0.5f;
constexpr f32 STRAFE_MAX_SHARE = 0.125f, STRAFE_ACCEL_SHARE = 0.25f;
constexpr f32 CLOAK_RATE = 0.5f;
constexpr f32 WARP_SPIN_RATE = 1.0f / 3.0f;
constexpr f32 REFUND_PER_FACTOR = 0.1f;
constexpr f32 WORKING_HEALTH = 0.25f;
constexpr int WARP_DRIVE = 3, CLOAKING_DEVICE = 5;

f32 Sign(f32 v) {
    return v > 0.0f ? 1.0f : (v < 0.0f ? -1.0f : 0.0f);
}

// Takes accel * dt off a rate toward zero; a rate that would change sign stops.
f32 Damp(f32 rate, f32 accel, f32 dt) {
    if (rate == 0.0f) return rate;
    f32 next = rate - Sign(rate) * accel * dt;
    return Sign(next) == Sign(rate) ? next : 0.0f;
}

// Drives a rate in the input's direction unless it is turning the other way.
f32 Drive(f32 rate, i8 input, f32 accel, f32 dt) {
    if (input == 0) return rate;
    if ((input > 0 && rate < 0.0f) || (input < 0 && rate > 0.0f)) return rate;
    return rate + 2.0f * f32(input) * accel * dt;
}

void Throttle(Ship* ship, f32 dt) {
    if (ship->throttleInput == 0 || ship->warpFactor != 0.0f) return;
    ship->impulseSpeed +=
        ship->shipClass->throttleRate * ship->engineFactor * f32(ship->throttleInput) * dt;
}

void FollowVelocity(Ship* ship, f32 desiredX, f32 desiredY, f32 dt) {
    f32 dx = desiredX - ship->velX, dy = desiredY - ship->velY;
    if (dx == 0.0f && dy == 0.0f) return;
    f32 lengthSq = dx * dx + dy * dy;
    f32 length = std::sqrt(lengthSq);
    // A difference too small to normalise is simply closed.
    if (!(length > 0.0f) || !std::isfinite(length)) {
        ship->velX = desiredX;
        ship->velY = desiredY;
        return;
    }
    f32 stepLength = ship->shipClass->maxSpeed * ship->engineFactor * dt;
    f32 sx = dx / length * stepLength, sy = dy / length * stepLength;
    ship->velX += sx;
    ship->velY += sy;
    if (lengthSq < sx * sx + sy * sy) {
        ship->velX = desiredX;
        ship->velY = desiredY;
    }
}

void WarpVelocity(Ship* ship, f32 fx, f32 fy) {
    bool leaving = ship->warpFactor > 0.0f && ship->warpTarget == 0.0f;
    if (!(ship->warpFactor > WARP_VELOCITY_FACTOR || leaving)) return;
    f32 v = ship->warpFactor * WARP_SPEED_PER_FACTOR;
    if (ship->warpTarget == 0.0f && v < ship->shipClass->maxSpeed) v = ship->shipClass->maxSpeed;
    ship->velX = fx * v;
    ship->velY = fy * v;
}

f32 TurnLimit(const Ship* ship) {
    if (ship->warpFactor > 0.0f) return WARP_TURN_BASE - ship->warpFactor * WARP_TURN_PER_FACTOR;
    const ShipClass* c = ship->shipClass;
    f32 share = (1.0f - std::fabs(ship->impulseSpeed / c->maxSpeed) * IMPULSE_TURN_SPEED_SHARE) *
                ship->engineFactor;
    return c->maxTurn * std::fmax(IMPULSE_TURN_FLOOR, share);
}

void Turn(Ship* ship, f32 dt) {
    f32 maxSpeed = ship->shipClass->maxSpeed;
    f32 accel =
        std::fmax(ship->engineFactor * maxSpeed * TURN_ACCEL_SHARE, maxSpeed * TURN_ACCEL_FLOOR);
    f32 limit = TurnLimit(ship);
    ship->turnRate = Damp(ship->turnRate, accel, dt);
    if (std::fabs(ship->turnRate) < limit)
        ship->turnRate = Drive(ship->turnRate, ship->turnInput, accel, dt);
}

void Strafe(Ship* ship, f32 dt) {
    if (ship->warpFactor != 0.0f) return;
    f32 scale = ship->engineFactor * ship->shipClass->maxSpeed;
    f32 strafeMax = scale * STRAFE_MAX_SHARE, accel = scale * STRAFE_ACCEL_SHARE;
    ship->strafeSpeed = Damp(ship->strafeSpeed, accel, dt);
    ship->strafeSpeed = Drive(ship->strafeSpeed, ship->strafeInput, accel, dt);
    if (std::fabs(ship->strafeSpeed) > strafeMax)
        ship->strafeSpeed = Sign(ship->strafeSpeed) * strafeMax;
}

void CloakTransition(Ship* ship, f32 dt) {
    if (ship->cloakDir == 0) return;
    ship->cloakLevel += f32(ship->cloakDir) * dt * CLOAK_RATE;
    if (ship->cloakDir > 0 && ship->cloakLevel > 1.0f) {
        ship->cloakLevel = 1.0f;
        ship->cloakDir = 0;
    } else if (ship->cloakDir < 0 && ship->cloakLevel < 0.0f) {
        ship->cloakLevel = 0.0f;
        ship->cloakDir = 0;
    }
}

void WarpTransition(Ship* ship, f32 dt) {
    f32 target = ship->warpTarget;
    if (ship->warpFactor == target) return;
    if (ship->warpFactor < target) {
        ship->warpFactor += dt * WARP_SPIN_RATE;
        if (ship->warpFactor > target) ship->warpFactor = target;
        return;
    }
    ship->warpFactor -= ship->warpFactor >= 1.0f ? dt : dt * WARP_SPIN_RATE;
    if (ship->warpFactor < target) ship->warpFactor = target;
}

void Decloak(Ship* ship) {
    PlayUISound(cloakOffSound);
    ship->cloakDir = -1;
    systems.cloakCooldown = ship->shipClass->cloakCooldown;
}
} // namespace

void RefuseWith(u32 n) {
    flight.lastMessage = n;
    GameMessage(n);
}

void UpdateControls(f32 dt) {
    Ship* ship = world.playerShip;
    if (!ship) return;
    ship->turnInput =
        IsActionDown(ACTION_TURN_LEFT) ? -1 : (IsActionDown(ACTION_TURN_RIGHT) ? 1 : 0);
    ship->strafeInput =
        IsActionDown(ACTION_STRAFE_LEFT) ? -1 : (IsActionDown(ACTION_STRAFE_RIGHT) ? 1 : 0);
    if (IsActionDown(ACTION_ZOOM_IN) || hud.hudHotId == ZOOM_IN_BUTTON)
        systems.zoomTarget -= ZOOM_RATE * dt;
    else if (IsActionDown(ACTION_ZOOM_OUT) || hud.hudHotId == ZOOM_OUT_BUTTON)
        systems.zoomTarget += ZOOM_RATE * dt;
    else
        return;
    systems.zoomTarget = std::fmin(ZOOM_MAX, std::fmax(ZOOM_MIN, systems.zoomTarget));
    systems.zoom = systems.zoomTarget;
}

f32 LeverSpeed() {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return 0.0f;
    f32 lever = hud.speedLever;
    if (lever > LEVER_DEAD_LOW && lever < LEVER_DEAD_HIGH) return 0.0f;
    if (lever >= LEVER_DEAD_HIGH) return lever * ship->shipClass->maxSpeed;
    return lever * -ship->shipClass->maxReverse;
}

void ThrottleToward() {
    if (!world.playerShip) return;
    SetThrottle(LeverSpeed() >= world.playerShip->impulseSpeed ? 1 : -1);
}

void ThrottleCheck() {
    const Ship* ship = world.playerShip;
    if (!ship || ship->throttleInput == 0) return;
    f32 target = LeverSpeed();
    bool reached = (ship->throttleInput > 0 && ship->impulseSpeed >= target) ||
                   (ship->throttleInput < 0 && ship->impulseSpeed <= target);
    if (!reached || std::fabs(ship->impulseSpeed - target) > THROTTLE_SNAP) return;
    bool keyHeld = IsActionDown(ACTION_FASTER) || IsActionDown(ACTION_SLOWER);
    if (keyHeld && std::fabs(hud.speedLever) != ship->engineFactor) return;
    hud.leverTimer = 0.0f;
    SetImpulseSpeed(target);
}

void ShipUpdate(Ship* ship, f32 dt) {
    if (!ship || !ship->shipClass) return;
    Throttle(ship, dt);
    f32 fx = SinDeg(ship->heading), fy = -CosDeg(ship->heading);
    f32 desiredX = fx * ship->impulseSpeed, desiredY = fy * ship->impulseSpeed;
    if (ship->strafeSpeed != 0.0f) {
        desiredX += SinDeg(ship->heading + 90.0f) * ship->strafeSpeed;
        desiredY += -CosDeg(ship->heading + 90.0f) * ship->strafeSpeed;
    }
    FollowVelocity(ship, desiredX, desiredY, dt);
    WarpVelocity(ship, fx, fy);
    Turn(ship, dt);
    Strafe(ship, dt);
    CloakTransition(ship, dt);
    WarpTransition(ship, dt);
    MoveObject(ship, dt);
}

void ToggleWarp() {
    Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    const ShipClass* c = ship->shipClass;
    if (systems.systemHealth[WARP_DRIVE] < WORKING_HEALTH) return RefuseWith(MSG_WARP_DAMAGED);
    if (ship->warpFactor == 0.0f && systems.reserveEnergy < c->warpCost)
        return RefuseWith(MSG_WARP_NO_RESERVE);
    if (ship->warpFactor >= 1.0f) {
        power.warpRefund = (ship->warpFactor - 1.0f) * REFUND_PER_FACTOR + c->warpCost;
        ship->warpTarget = 0.0f;
        PlayUISound(warpExitSound);
        return;
    }
    if (ship->warpFactor != 0.0f) return; // spinning up or down: the button waits
    if (ship->cloakDir != 0) return RefuseWith(MSG_WARP_WHILE_CLOAKING);
    systems.reserveEnergy -= c->warpCost;
    ship->warpTarget = 1.0f;
    PlayUISound(warpSound);
}

void ToggleCloak() {
    Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    const ShipClass* c = ship->shipClass;
    if (c->cloakDrain == 0.0f) return RefuseWith(MSG_NO_CLOAK);
    if (systems.systemHealth[CLOAKING_DEVICE] < WORKING_HEALTH)
        return RefuseWith(MSG_CLOAK_DAMAGED);
    if (ship->cloakLevel == 0.0f && systems.reserveEnergy < c->cloakMinReserve)
        return RefuseWith(MSG_CLOAK_NO_RESERVE);
    if (ship->cloakDir != 0) return;
    bool enteringWarp =
        ship->warpFactor > 0.0f && ship->warpFactor < 1.0f && ship->warpTarget >= 1.0f;
    if (enteringWarp && ship->cloakLevel == 0.0f) return RefuseWith(MSG_CLOAK_ENTERING_WARP);
    if (ship->cloakLevel > 0.0f) return Decloak(ship);
    if (systems.cloakCooldown != 0.0f) return RefuseWith(MSG_CLOAK_COOLDOWN);
    PlayUISound(cloakOnSound);
    ship->cloakDir = 1;
}

void Ship::Update(f32 dt) {
    ShipUpdate(this, dt);
}
