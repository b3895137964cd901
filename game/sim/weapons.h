// Weapons: aiming through the firing arcs, disruptors, torpedoes and salvos, lancer beams,
// recharging, the arc coverage table and the in-flight cursor.
#pragma once

#include "engine/types.h"

struct Ship;
struct GameObject;

constexpr int ARC_TABLE_ENTRIES = 180; // one per 2 degrees around the ship
constexpr int ARC_ENTRY_MOUNTS = 7;
struct ArcEntry {
    u8 mounts[ARC_ENTRY_MOUNTS];
    u8 count;
};

struct WeaponState {
    ArcEntry arcTable[ARC_TABLE_ENTRIES] = {};
    f32 displayBlink = 0.0f; // degrees, the weapon display's aimed blink
};
extern WeaponState weapons;

struct Vec2f {
    f32 x, y;
};

using ProjectileMaker = GameObject* (*)();

Vec2f CursorToShip();
u16 MountsInArc(u8* list); // list holds room for every mount
void FireWeapons(bool disruptors, bool torpedoes);
void FireSalvo(f32 x, f32 y, f32 dirX, f32 dirY, u8 mount);
void SpawnProjectile(ProjectileMaker make, f64 x, f64 y, f32 shipVelX, f32 shipVelY, f32 dirX,
                     f32 dirY, f32 speed);
void UpdateBeams(Ship* ship, f32 dt);
void StopBeam(u8 mount);
void RechargeWeapons(f32 dt);
void BuildArcTable();
void ToggleTorpedoSpread();
void DrawWeaponCursor(f32 x, f32 y);
