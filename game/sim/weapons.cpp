// Minimal bodies until this module is written.
#include "game/sim/weapons.h"

WeaponState weapons;

Vec2f CursorToShip() {
    return {0.0f, 0.0f};
}
u16 MountsInArc(u8* /*list*/) {
    return 0;
}
void FireWeapons(bool /*disruptors*/, bool /*torpedoes*/) {}
void FireSalvo(f32 /*x*/, f32 /*y*/, f32 /*dirX*/, f32 /*dirY*/, u8 /*mount*/) {}
void SpawnProjectile(ProjectileMaker /*make*/, f64 /*x*/, f64 /*y*/, f32 /*shipVelX*/,
                     f32 /*shipVelY*/, f32 /*dirX*/, f32 /*dirY*/, f32 /*speed*/) {}
void UpdateBeams(Ship* /*ship*/, f32 /*dt*/) {}
void StopBeam(u8 /*mount*/) {}
void RechargeWeapons(f32 /*dt*/) {}
void BuildArcTable() {}
void ToggleTorpedoSpread() {}
void DrawWeaponCursor(f32 /*x*/, f32 /*y*/) {}
