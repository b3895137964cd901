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

constexpr f32 DISRUPTOR_SHOT_COST = 0.2f;
constexpr f32 DISRUPTOR_SPEED = 3000.0f;
constexpr f32 TORPEDO_SPEED = 1500.0f;
constexpr int SPREAD_TABLE_SIZE = 16;
// Salvo directions in firing order, as multiples of the salvo's spread angle.
extern const f32 SPREAD_TABLE[SPREAD_TABLE_SIZE];

// The cursor relative to the player's ship, in world units and world axes.
Vec2f CursorToShip();
// Mount numbers whose arc holds the cursor direction, in mount order; list holds MAX_MOUNTS.
// A mount the cursor sits exactly on has no direction to the cursor and is not listed.
u16 MountsInArc(u8* list);
void FireWeapons(bool disruptors, bool torpedoes);
// Fires every whole torpedo loaded in the mount at once, fanned out around (dirX, dirY).
void FireSalvo(f64 x, f64 y, f32 dirX, f32 dirY, u8 mount);
// False (nothing created) when the object table has no free entry or the direction is void.
bool SpawnProjectile(ProjectileMaker make, f64 x, f64 y, f32 shipVelX, f32 shipVelY, f32 dirX,
                     f32 dirY, f32 speed);
void UpdateBeams(Ship* ship, f32 dt);
void StopBeam(u8 mount);
void RechargeWeapons(f32 dt);
void BuildArcTable();
void ToggleTorpedoSpread();
void DrawWeaponCursor(f32 x, f32 y);
