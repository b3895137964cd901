// Aiming and firing: the cursor in the ship's frame, the mounts whose arcs cover it, disruptor
// shots, single torpedoes and fanned salvos, recharging and the arc coverage table.
#include "game/sim/weapons.h"

#include <cmath>

#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/shell/sounds.h"
#include "game/sim/callbacks.h"
#include "game/sim/objects.h"
#include "game/sim/projectiles.h"
#include "game/sim/scene.h"
#include "game/sim/weapon_math.h"

using namespace weapon_math;

WeaponState weapons;

const f32 SPREAD_TABLE[SPREAD_TABLE_SIZE] = {
    0, -1, 1, -0.5, 0.5, -0.25, 0.25, -0.75, 0.75, -0.125, 0.125, -0.375, 0.375, -0.625, 0.625, 0};

namespace {

constexpr f32 SCREEN_CENTRE_X = 400.0f, SCREEN_CENTRE_Y = 300.0f, SCREEN_HEIGHT = 600.0f;
constexpr f32 TORPEDO_COST = 1.0f;
constexpr f32 SALVO_ARC_SHARE = 0.9f; // a salvo fans out over 90 % of what is left of the arc
constexpr f32 SALVO_DISTANCE_SCALE = 0.005f; // farther targets get a tighter fan
constexpr f32 BEAM_RECHARGE_RATE = 0.2f;
constexpr f32 RACK_RELOAD_RATE = 0.5f;
constexpr f32 BLINK_RATE = 1000.0f; // degrees per second
constexpr f32 FULL_TURN = 360.0f;
constexpr int ARC_TABLE_QUARTER = 90;
constexpr u32 MERIDIAN_CLASS = 2;

bool ClassIs(const Ship* ship, u32 index) {
    return ship && ship->shipClass && world.shipClasses &&
           ship->shipClass == &world.shipClasses[index];
}

bool FiresBeam(u8 type) {
    return type == MOUNT_LANCER_STRIP || type == MOUNT_LANCER_POINT || type == MOUNT_DISRUPTOR;
}

bool LeftOrMiddleHeld() {
    return IsKeyDown(KEY_LBUTTON) || IsKeyDown(KEY_MBUTTON);
}

bool RightOrMiddleHeld() {
    return IsKeyDown(KEY_RBUTTON) || IsKeyDown(KEY_MBUTTON);
}

// The heading whose unit vector (sin h, -cos h) is dir, in 0..360.
f32 HeadingOf(Vec2f dir) {
    f32 a = AsinDeg(dir.x);
    if (dir.y > 0.0f) a = 180.0f - a;
    if (a < 0.0f) a += FULL_TURN;
    if (a >= FULL_TURN) a -= FULL_TURN;
    return a;
}

// One single torpedo or one disruptor shot: charge is spent only when the object was made.
bool FireOne(ProjectileMaker make, f64 x, f64 y, Vec2f dir, f32 speed, u8 mount, f32 cost,
             u32 sound) {
    const Ship* ship = world.playerShip;
    if (!SpawnProjectile(make, x, y, ship->velX, ship->velY, dir.x, dir.y, speed)) return false;
    systems.weaponCharge[mount] -= cost;
    PlayUISound(sound);
    return true;
}

// The arc-table entry of step j around the ship, always inside the table.
int ArcEntryIndex(int j) {
    int e = j - ARC_TABLE_ENTRIES;
    if (e < 0) e = e >= -ARC_TABLE_ENTRIES ? j : j + ARC_TABLE_ENTRIES;
    return ((e % ARC_TABLE_ENTRIES) + ARC_TABLE_ENTRIES) % ARC_TABLE_ENTRIES;
}

void AddArcCoverage(const WeaponMount& mount, u8 index) {
    Vec2f p;
    if (!Normalise({f32(mount.x), f32(mount.y)}, &p)) return; // a mount at the centre has no side
    int a = int(AcosDeg(p.x));
    if (p.y > 0.0f) a = int(FULL_TURN) - a;
    int start = (ARC_TABLE_QUARTER - mount.arc - a) / 2;
    for (int j = start; j < start + mount.arc; ++j) {
        ArcEntry& entry = weapons.arcTable[ArcEntryIndex(j)];
        if (entry.count < ARC_ENTRY_MOUNTS) entry.mounts[entry.count++] = index;
    }
}

} // namespace

Vec2f CursorToShip() {
    const Ship* ship = world.playerShip;
    if (!ship) return {0.0f, 0.0f};
    f32 mx = SCREEN_CENTRE_X, my = SCREEN_CENTRE_Y;
    GetMousePos(&mx, &my);
    CameraRectangle cam = CameraRect();
    f32 x = f32((mx - SCREEN_CENTRE_X) * cam.height / SCREEN_HEIGHT + cam.width / 2 + cam.left -
                ship->x);
    f32 y = f32(((my - SCREEN_CENTRE_Y) / SCREEN_HEIGHT + 0.5f) * cam.height + cam.top - ship->y);
    return {x, y};
}

u16 MountsInArc(u8* list) {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return 0;
    const ShipClass& cls = *ship->shipClass;
    Vec2f t = Rotate(CursorToShip(), -ship->heading);
    u16 count = 0;
    for (u8 i = 0; i < cls.mountCount && i < MAX_MOUNTS; ++i) {
        const WeaponMount& mount = cls.mounts[i];
        Vec2f d;
        if (!Normalise({t.x - mount.x, t.y - mount.y}, &d)) continue;
        if (AcosDeg(Dot(d, {mount.dirX, mount.dirY})) < mount.arc) list[count++] = i;
    }
    return count;
}

void FireWeapons(bool disruptors, bool torpedoes) {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass || ship->cloakLevel == 1.0f || IsActionDown(ACTION_CONSOLE))
        return;
    Vec2f c = CursorToShip();
    u8 list[MAX_MOUNTS];
    u16 count = MountsInArc(list);
    bool fireDisruptors = disruptors && LeftOrMiddleHeld();
    bool fireTorpedoes = torpedoes && RightOrMiddleHeld();
    bool torpedoFired = false;
    for (u16 n = 0; n < count; ++n) {
        u8 m = list[n];
        const WeaponMount& mount = ship->shipClass->mounts[m];
        Vec2f o = Rotate({f32(mount.x), f32(mount.y)}, ship->heading);
        Vec2f dir;
        if (!Normalise({c.x - o.x, c.y - o.y}, &dir)) continue; // cursor on the mount point
        f64 x = ship->x + o.x, y = ship->y + o.y;
        if (fireDisruptors && mount.type == MOUNT_DISRUPTOR) {
            if (systems.weaponCharge[m] < DISRUPTOR_SHOT_COST) continue;
            if (FireOne(MakeDisruptorBolt, x, y, dir, DISRUPTOR_SPEED, m, DISRUPTOR_SHOT_COST,
                        disruptorSound))
                frame.disruptorRepeat = 0.0f;
        }
        if (fireTorpedoes && mount.type == MOUNT_TORPEDO) {
            if (systems.torpedoSpread) {
                FireSalvo(x, y, dir.x, dir.y, m);
            } else if (systems.weaponCharge[m] >= TORPEDO_COST && !torpedoFired) {
                torpedoFired = FireOne(MakePulseTorpedo, x, y, dir, TORPEDO_SPEED, m, TORPEDO_COST,
                                       torpedoSound);
                if (torpedoFired) frame.torpedoRepeat = 0.0f;
            }
        }
    }
}

void FireSalvo(f64 x, f64 y, f32 dirX, f32 dirY, u8 mount) {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass || mount >= MAX_MOUNTS) return;
    frame.torpedoRepeat = 0.0f;
    const WeaponMount& wm = ship->shipClass->mounts[mount];
    f32& charge = systems.weaponCharge[mount];
    int loaded = charge >= 1.0f ? int(charge) : 0;
    int index = loaded % 2 == 1 ? 0 : 1; // an even salvo has no centre torpedo
    Vec2f dir{dirX, dirY};
    Vec2f md = Rotate({wm.dirX, wm.dirY}, ship->heading);
    Vec2f c = CursorToShip();
    f32 dist = std::fmax(std::sqrt(Dot(c, c)) * SALVO_DISTANCE_SCALE, 1.0f);
    f32 spread = (wm.arc * SALVO_ARC_SHARE - AcosDeg(Dot(dir, md))) / dist;
    bool fired = false;
    // The table bounds a salvo even when a rack claims more torpedoes than it can fan out.
    while (charge >= TORPEDO_COST && index < SPREAD_TABLE_SIZE) {
        Vec2f d = Rotate(dir, spread * SPREAD_TABLE[index]);
        if (!SpawnProjectile(MakePulseTorpedo, x, y, ship->velX, ship->velY, d.x, d.y,
                             TORPEDO_SPEED))
            break;
        charge -= TORPEDO_COST;
        fired = true;
        ++index;
    }
    if (fired) PlayUISound(torpedoSound);
}

bool SpawnProjectile(ProjectileMaker make, f64 x, f64 y, f32 shipVelX, f32 shipVelY, f32 dirX,
                     f32 dirY, f32 speed) {
    if (!make || !std::isfinite(dirX) || !std::isfinite(dirY) || (dirX == 0.0f && dirY == 0.0f))
        return false;
    GameObject** slot = NewObjectSlot();
    if (!slot) return false;
    GameObject* object = make();
    *slot = object;
    object->x = x;
    object->y = y;
    object->heading = HeadingOf({dirX, dirY});
    object->age = 0.0f;
    object->turnRate = 0.0f;
    object->velX = dirX * speed + shipVelX;
    object->velY = dirY * speed + shipVelY;
    // The Meridian launches from under its hull: its projectiles are drawn beneath the ship.
    if (ClassIs(world.playerShip, MERIDIAN_CLASS)) MoveObjectToFront(world.objectCount - 1);
    return true;
}

void RechargeWeapons(f32 dt) {
    // Kept within one turn so the blink stays smooth however long the game runs.
    weapons.displayBlink = std::fmod(weapons.displayBlink + BLINK_RATE * dt, FULL_TURN);
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    const ShipClass& cls = *ship->shipClass;
    for (int i = 0; i < cls.mountCount && i < MAX_MOUNTS; ++i) {
        if (!FiresBeam(cls.mounts[i].type)) continue;
        f32& charge = systems.weaponCharge[i];
        charge = std::fmin(charge + BEAM_RECHARGE_RATE * dt, 1.0f);
    }
    for (int r = 0; r < cls.rackCount && r < MAX_RACKS; ++r) {
        const TorpedoRack& rack = cls.racks[r];
        if (rack.mount >= WEAPON_CHARGES) continue;
        f32& charge = systems.weaponCharge[rack.mount];
        charge = std::fmin(charge + RACK_RELOAD_RATE * dt, f32(rack.capacity));
    }
}

void BuildArcTable() {
    for (ArcEntry& entry : weapons.arcTable) entry.count = 0;
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    const ShipClass& cls = *ship->shipClass;
    for (u8 i = 0; i < cls.mountCount && i < MAX_MOUNTS; ++i)
        if (FiresBeam(cls.mounts[i].type)) AddArcCoverage(cls.mounts[i], i);
}

void ToggleTorpedoSpread() {
    systems.torpedoSpread = !systems.torpedoSpread;
}
