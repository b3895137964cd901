// The four shield facings: the slow balance of their total toward the shield power, their
// regeneration toward an even level, reinforcing one facing, and the display copy.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/log.h"
#include "engine/utils.h"
#include "game/sim/objects.h"
#include "game/sim/power.h"

namespace {
constexpr f32 FACING_MAX = 2.0f;
constexpr f32 ENFORCE_STEP = 0.15f;
constexpr f32 FACING_EMPTY = 0.001f;
constexpr f32 BALANCE_EPSILON = 0.0001f;
constexpr f32 BALANCE_STEP = 0.4f;
constexpr f32 SETTLED = 0.001f;
constexpr f32 EQUAL_FACINGS = 0.00001f;
constexpr f32 REGEN_SHARE = 0.2f;
constexpr f32 DISPLAY_FLOOR = 0.0001f;
// Every pass empties or fills at least one facing, so a handful always suffices; the cap keeps
// odd float values from looping forever.
constexpr int MAX_BALANCE_PASSES = 8;

bool Cloaked() {
    return world.playerShip && world.playerShip->cloakLevel != 0.0f;
}

f32 ShieldPower() {
    return systems.powerLevel[1] * SHIELD_FACINGS;
}

f32 RegenDelay() {
    const Ship* ship = world.playerShip;
    return ship && ship->shipClass ? ship->shipClass->shieldRegenDelay : 0.0f;
}

bool AllEmpty() {
    for (f32 f : systems.shieldFacing)
        if (f > 0.0f) return false;
    return true;
}

// A facing or total that is not a number counts as empty, so it cannot spread to the rest.
void ClearDamagedValues() {
    bool damaged = !std::isfinite(systems.shieldEnergy);
    for (f32& f : systems.shieldFacing) {
        if (std::isfinite(f)) continue;
        f = 0.0f;
        damaged = true;
    }
    if (!damaged) return;
    systems.shieldEnergy = 0.0f;
    for (f32 f : systems.shieldFacing) systems.shieldEnergy += f;
}

// One pass over the facings; returns what is left of diff.
f32 BalancePass(f32 diff) {
    int n = SHIELD_FACINGS;
    if (diff <= 0.0f) {
        n = 0;
        for (f32 f : systems.shieldFacing) n += f > 0.0f ? 1 : 0;
    }
    for (int i = 0; i < SHIELD_FACINGS && n >= 1; ++i) {
        f32& facing = systems.shieldFacing[i];
        if (diff < 0.0f && facing <= 0.0f) continue;
        f32 next = std::clamp(facing + diff / f32(n), 0.0f, FACING_MAX);
        f32 change = next - facing;
        facing = next;
        systems.shieldEnergy += change;
        diff -= change;
        --n;
    }
    return diff;
}

// The even level the facings regenerate toward: the shield power shared by the facings that
// do not already hold more than their share.
f32 RegenLevel() {
    f32 sorted[SHIELD_FACINGS];
    std::copy(std::begin(systems.shieldFacing), std::end(systems.shieldFacing), sorted);
    std::sort(sorted, sorted + SHIELD_FACINGS);
    f32 remaining = ShieldPower();
    int k = SHIELD_FACINGS;
    for (int i = 0; i < SHIELD_FACINGS; ++i) {
        if (i > 0 && std::fabs(sorted[i] - sorted[i - 1]) < EQUAL_FACINGS)
            sorted[i] = sorted[i - 1];
        if (k > 0 && remaining / f32(k) < sorted[i]) {
            remaining -= sorted[i];
            --k;
        }
    }
    return k > 0 ? remaining / f32(k) : 0.0f;
}

void Regenerate(f32 dt) {
    f32 level = RegenLevel();
    f32 shieldLevel = systems.powerLevel[1];
    for (int j = 0; j < SHIELD_FACINGS; ++j) {
        f32& timer = systems.shieldRegenTimer[j];
        f32& facing = systems.shieldFacing[j];
        if (level <= facing) {
            timer = RegenDelay();
            continue;
        }
        timer -= (shieldLevel + 1.0f) * 0.5f * dt;
        if (timer < 0.0f) {
            timer = RegenDelay();
            facing = std::fmin(level, facing + shieldLevel * REGEN_SHARE);
        }
    }
}

void UpdateDisplay() {
    Ship* ship = world.playerShip;
    if (!ship) return;
    for (int i = 0; i < SHIELD_FACINGS; ++i) {
        f32 value = systems.shieldFacing[i] < DISPLAY_FLOOR ? 0.0f : systems.shieldFacing[i];
        ship->shieldDisplay[i] = Cloaked() ? 0.0f : value;
    }
}
} // namespace

void cvdEnforceShield(i32 shield) {
    if (Cloaked()) return;
    if (shield < 0 || shield >= SHIELD_FACINGS) {
        LogWrite(StrFormat("[ERROR] Trying to enforce non-existing shield. Function: "
                           "cvdEnforceShield, parameters: shield=%i",
                           shield));
        return;
    }
    f32& chosen = systems.shieldFacing[shield];
    f32 take = chosen + ENFORCE_STEP > FACING_MAX ? FACING_MAX - chosen : ENFORCE_STEP;
    if (take <= 0.0f) return;
    int n = 0;
    for (int i = 0; i < SHIELD_FACINGS; ++i)
        n += (i != shield && systems.shieldFacing[i] > FACING_EMPTY);
    if (n == 0) return;
    f32 remaining = take;
    for (int i = 0; i < SHIELD_FACINGS && n > 0; ++i) {
        if (i == shield) continue;
        f32& facing = systems.shieldFacing[i];
        f32 give = std::fmin(remaining / f32(n), std::fmax(0.0f, facing));
        facing -= give;
        remaining -= give;
        if (give > 0.0f) --n;
    }
    chosen += take - remaining;
    systems.shieldRegenTimer[shield] = RegenDelay();
}

void BalanceShields() {
    f32 sum = 0.0f;
    for (f32 f : systems.shieldFacing) sum += f;
    for (f32& f : systems.shieldFacing) f = sum / f32(SHIELD_FACINGS);
}

void ShieldBalanceTick() {
    if (Cloaked()) return;
    ClearDamagedValues();
    f32 diff = ShieldPower() - systems.shieldEnergy;
    if (!(std::fabs(diff) >= BALANCE_EPSILON)) return; // also refuses a NaN difference
    diff = std::clamp(diff, -BALANCE_STEP, BALANCE_STEP);
    for (int pass = 0; pass < MAX_BALANCE_PASSES; ++pass) {
        if (AllEmpty()) {
            if (diff <= 0.0f) return;
            for (f32& f : systems.shieldFacing) f += diff / f32(SHIELD_FACINGS);
            systems.shieldEnergy += diff;
            return;
        }
        diff = BalancePass(diff);
        if (diff >= -BALANCE_EPSILON) return;
    }
}

void RegenShields(f32 dt) {
    bool settled = std::fabs(ShieldPower() - systems.shieldEnergy) < SETTLED;
    if (!Cloaked() && settled) Regenerate(dt);
    UpdateDisplay();
}
