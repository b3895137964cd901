// Minimal bodies until this module is written.
#include "game/sim/flight.h"
#include "game/sim/objects.h"

void UpdateControls(f32 /*dt*/) {}
f32 LeverSpeed() {
    return 0.0f;
}
void ThrottleToward() {}
void ThrottleCheck() {}
void ShipUpdate(Ship* /*ship*/, f32 /*dt*/) {}
void ToggleWarp() {}
void ToggleCloak() {}
void Ship::Update(f32 dt) {
    ShipUpdate(this, dt);
}
