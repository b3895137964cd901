// Ship flight: the pilot's turn, strafe and zoom keys, the speed lever's throttle, the flight
// step, warp and cloak.
#pragma once

#include "engine/types.h"

struct Ship;

// Localised message numbers of refused warp, cloak and overload commands.
enum RefusalMessage : u32 {
    MSG_WARP_NO_RESERVE = 36,
    MSG_WARP_DAMAGED = 37,
    MSG_WARP_WHILE_CLOAKING = 38,
    MSG_CLOAK_DAMAGED = 39,
    MSG_NO_CLOAK = 40,
    MSG_CLOAK_ENTERING_WARP = 41,
    MSG_CLOAK_COOLDOWN = 42,
    MSG_CLOAK_NO_RESERVE = 43,
    MSG_OVERLOAD_NO_POWER = 44,
};

struct FlightState {
    u32 lastMessage = 0; // the last refusal shown to the pilot, 0 none
};
extern FlightState flight;

// Shows game text n as a system line and remembers it as the last refusal.
void RefuseWith(u32 n);

void UpdateControls(f32 dt);
f32 LeverSpeed();
void ThrottleToward();
void ThrottleCheck();
void ShipUpdate(Ship* ship, f32 dt);
void ToggleWarp();
void ToggleCloak();
