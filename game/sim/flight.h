// Ship flight: the pilot's turn, strafe and zoom keys, the speed lever's throttle, the flight
// step, warp and cloak.
#pragma once

#include "engine/types.h"

struct Ship;

void UpdateControls(f32 dt);
f32 LeverSpeed();
void ThrottleToward();
void ThrottleCheck();
void ShipUpdate(Ship* ship, f32 dt);
void ToggleWarp();
void ToggleCloak();
