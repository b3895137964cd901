// Reactor power shared between four systems through the reserve, the overload and the hull
// plating's polarisation.
#include "game/sim/power.h"

#include <cmath>

#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/shell/consoles.h"
#include "game/sim/flight.h"
#include "game/sim/objects.h"

PowerState power;

namespace {
constexpr f32 BLINK_RATE = 6.0f;
constexpr f32 KEY_REQUEST_RATE = 0.5f;
constexpr f32 OVERLOAD_LEVEL = 1.5f;
constexpr f32 OVERLOAD_SETTLED = 0.001f;
constexpr f32 WARP_POWER_PER_FACTOR = 0.1f;
constexpr f32 REFUND_RATE = 0.1f;
constexpr f32 POLARIZE_COOLDOWN = 20.0f;
constexpr f32 METER_INSET = 5.0f, METER_TRAVEL = 45.0f;

bool Overloaded(int i) {
    return systems.overloadedSystem == u16(i);
}

f32 Clamp01(f32 v) {
    return std::fmin(1.0f, std::fmax(0.0f, v));
}

f32 LevelSum() {
    f32 sum = 0.0f;
    for (int i = 0; i < POWER_SYSTEMS; ++i)
        if (!Overloaded(i)) sum += systems.powerLevel[i];
    return sum;
}

void KeyboardRequests(f32 dt) {
    for (int i = 0; i < POWER_SYSTEMS; ++i) {
        f32& request = systems.powerRequest[i];
        if (IsActionDown(ACTION_POWER_UP + u32(i)))
            request = Clamp01(request + KEY_REQUEST_RATE * dt);
        if (IsActionDown(ACTION_POWER_DOWN + u32(i)))
            request = Clamp01(request - KEY_REQUEST_RATE * dt);
    }
}

// Shares available among the systems of one priority group; returns what they were given.
f32 ShareGroup(f32 available, bool priority, f32 target[POWER_SYSTEMS]) {
    f32 sum = 0.0f;
    for (int i = 0; i < POWER_SYSTEMS; ++i)
        if (!Overloaded(i) && (systems.powerPriority[i] != 0) == priority)
            sum += systems.powerRequest[i];
    f32 share = sum > 0.0f ? std::fmin(1.0f, std::fmax(0.0f, available) / sum) : 1.0f;
    f32 given = 0.0f;
    for (int i = 0; i < POWER_SYSTEMS; ++i) {
        if (Overloaded(i) || (systems.powerPriority[i] != 0) != priority) continue;
        target[i] = share * systems.powerRequest[i];
        given += target[i];
    }
    return given;
}

void Distribute(const f32 target[POWER_SYSTEMS], f32 rate) {
    f32 pool = 0.0f;
    if (systems.reserveEnergy > 0.0f) {
        f32 lent = std::fmin(rate, systems.reserveEnergy);
        systems.reserveEnergy -= lent;
        pool += lent;
    }
    int rising = 0;
    for (int i = 0; i < POWER_SYSTEMS; ++i) {
        if (Overloaded(i)) continue;
        f32& level = systems.powerLevel[i];
        if (level < target[i]) ++rising;
        if (level > target[i]) {
            f32 next = std::fmax(target[i], level - rate);
            pool += level - next;
            level = next;
        }
    }
    for (int i = 0; i < POWER_SYSTEMS && rising > 0; ++i) {
        f32& level = systems.powerLevel[i];
        if (Overloaded(i) || level >= target[i]) continue;
        f32 gain = std::fmin(pool / f32(rising--), target[i] - level);
        level += gain;
        pool -= gain;
    }
    if (pool > 0.0f) {
        f32 room = AvailablePower() - LevelSum();
        systems.reserveEnergy = std::fmax(0.0f, std::fmin(systems.reserveEnergy + pool, room));
    }
}

void CloakDrain(const Ship* ship, f32 dt) {
    if (!ship || ship->cloakLevel <= 0.0f) return;
    systems.reserveEnergy -= (ship->shipClass->reserveRate + ship->shipClass->cloakDrain) * dt;
    if (systems.reserveEnergy < 0.0f) {
        systems.reserveEnergy = 0.0f;
        ToggleCloak();
    }
}

void Refund(f32 dt) {
    if (power.warpRefund == 0.0f) return;
    power.warpRefund = std::fmax(0.0f, power.warpRefund - REFUND_RATE * dt);
    systems.reserveEnergy += REFUND_RATE * dt;
}

i32 MeterUnderCursor() {
    f32 mx = 0.0f, my = 0.0f;
    GetMousePos(&mx, &my);
    for (int i = 0; i < POWER_SYSTEMS; ++i) {
        const ScreenPoint& p = systems.powerSlider[i];
        if (mx >= p.x && mx < p.x + METER_WIDTH && my >= p.y && my < p.y + METER_HEIGHT)
            return FIRST_METER_ID + i;
    }
    return 0;
}

void RequestFromCursor(i32 control) {
    f32 mx = 0.0f, my = 0.0f;
    GetMousePos(&mx, &my);
    const ScreenPoint& p = systems.powerSlider[control - FIRST_METER_ID];
    SetPowerRequest(control, (mx - p.x - METER_INSET) / METER_TRAVEL);
}

bool IsMeter(i32 control) {
    return control >= FIRST_METER_ID && control < FIRST_METER_ID + POWER_SYSTEMS;
}

// Fills the overloaded system from the reserve first, then from the others in index order.
void TakeForOverload(int m, f32 need) {
    f32 fromReserve = std::fmin(need, std::fmax(0.0f, systems.reserveEnergy));
    systems.reserveEnergy -= fromReserve;
    need -= fromReserve;
    for (int i = 0; i < POWER_SYSTEMS && need >= OVERLOAD_SETTLED; ++i) {
        if (i == m) continue;
        f32 give = std::fmin(need, std::fmax(0.0f, systems.powerLevel[i]));
        systems.powerLevel[i] -= give;
        need -= give;
    }
}
} // namespace

f32 AvailablePower() {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return 0.0f;
    const ShipClass* c = ship->shipClass;
    f32 available = c->reactorOutput;
    if (ship->warpFactor > 0.0f) {
        f32 w = ship->warpTarget > ship->warpFactor ? ship->warpTarget : ship->warpFactor;
        available -= c->warpCost + (w - 1.0f) * WARP_POWER_PER_FACTOR;
    }
    if (systems.hullPolarized) available -= c->polarizeCost;
    if (systems.overloadedSystem != NO_SYSTEM) available -= OVERLOAD_LEVEL;
    return available;
}

f32 SparePowerNow() {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return 0.0f;
    f32 spare = ship->shipClass->reactorOutput;
    for (int i = 0; i < POWER_SYSTEMS; ++i)
        if (!Overloaded(i)) spare -= systems.powerRequest[i];
    if (systems.overloadedSystem != NO_SYSTEM) spare -= OVERLOAD_LEVEL;
    return spare > 0.0f ? spare : 0.0f;
}

void UpdatePower(f32 dt) {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    f32 rate = ship->shipClass->reserveRate * dt;
    power.blinkPhase += BLINK_RATE * dt;
    systems.sparePower = SparePowerNow();
    KeyboardRequests(dt);
    f32 target[POWER_SYSTEMS] = {};
    f32 available = AvailablePower();
    available -= ShareGroup(available, true, target);
    ShareGroup(available, false, target);
    Distribute(target, rate);
    f32 total = LevelSum() + systems.reserveEnergy;
    f32 produced = AvailablePower();
    CloakDrain(ship, dt);
    Refund(dt);
    if (total <= produced) {
        f32 levels = total - systems.reserveEnergy;
        systems.reserveEnergy += rate;
        if (systems.reserveEnergy + levels > produced) systems.reserveEnergy = produced - levels;
    }
}

void SetPowerRequest(i32 control, f32 level) {
    if (!IsMeter(control)) return;
    systems.powerRequest[control - FIRST_METER_ID] = Clamp01(level);
}

i32 PowerMeterAt() {
    return MeterUnderCursor();
}

void SetPowerFromMouse() {
    i32 meter = MeterUnderCursor();
    if (meter == 0 || Overloaded(meter - FIRST_METER_ID)) return;
    hud.hudHotId = meter;
    RequestFromCursor(meter);
}

void DragPowerMeter() {
    if (IsMeter(hud.hudHotId)) RequestFromCursor(hud.hudHotId);
}

void TogglePriority() {
    i32 meter = MeterUnderCursor();
    if (meter == 0) return;
    u8& flag = systems.powerPriority[meter - FIRST_METER_ID];
    flag = flag ? 0 : 1;
}

void ToggleOverload() {
    i32 meter = MeterUnderCursor();
    if (meter == 0) return;
    int m = meter - FIRST_METER_ID;
    if (Overloaded(m)) {
        systems.powerLevel[m] = 0.0f;
        systems.overloadedSystem = NO_SYSTEM;
        return;
    }
    if (systems.overloadedSystem != NO_SYSTEM) return;
    f32 sum = systems.reserveEnergy;
    for (f32 level : systems.powerLevel) sum += level;
    if (sum < OVERLOAD_LEVEL) return RefuseWith(MSG_OVERLOAD_NO_POWER);
    systems.overloadedSystem = u16(m);
    f32 need = OVERLOAD_LEVEL - systems.powerLevel[m];
    systems.powerLevel[m] = OVERLOAD_LEVEL;
    TakeForOverload(m, need);
}

void TogglePolarize() {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    if (systems.hullPolarized) {
        systems.hullPolarized = 0;
        systems.polarizeCooldown = POLARIZE_COOLDOWN;
        return;
    }
    f32 cost = ship->shipClass->polarizeCost;
    if (systems.reserveEnergy < cost || systems.polarizeCooldown > 0.0f) return;
    systems.hullPolarized = 1;
    systems.hullPlating = 1.0f;
    systems.reserveEnergy -= cost;
}
