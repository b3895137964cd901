// Minimal bodies until this module is written.
#include "game/sim/power.h"

PowerState power;

f32 AvailablePower() {
    return 0.0f;
}
f32 SparePowerNow() {
    return 0.0f;
}
void UpdatePower(f32 /*dt*/) {}
void SetPowerRequest(i32 /*control*/, f32 /*level*/) {}
i32 PowerMeterAt() {
    return 0;
}
void SetPowerFromMouse() {}
void DragPowerMeter() {}
void TogglePriority() {}
void ToggleOverload() {}
void TogglePolarize() {}
void cvdEnforceShield(i32 /*shield*/) {}
void BalanceShields() {}
void ShieldBalanceTick() {}
void RegenShields(f32 /*dt*/) {}
