// Reactor power shared between four systems, the reserve, plating, and the four shield facings.
#pragma once

#include "engine/types.h"

constexpr i32 FIRST_METER_ID = 15; // hudHotId and binding numbers of the four power meters
constexpr f32 METER_WIDTH = 55.0f;
constexpr f32 METER_HEIGHT = 10.0f;

struct PowerState {
    f32 warpRefund = 0.0f; // flows back into the reserve at 0.1 per second
    f32 blinkPhase = 0.0f; // the power console's overload colour cycle
};
extern PowerState power;

f32 AvailablePower();
f32 SparePowerNow();
void UpdatePower(f32 dt);
void SetPowerRequest(i32 control, f32 level);
i32 PowerMeterAt();
void SetPowerFromMouse();
void DragPowerMeter();
void TogglePriority();
void ToggleOverload();
void TogglePolarize();
void cvdEnforceShield(i32 shield);
void BalanceShields();
void ShieldBalanceTick();
void RegenShields(f32 dt);
