// The three ship classes' fixed figures: speeds, shields, power, cloak and warp limits, weapon
// mounts and torpedo racks.
#include "game/sim/objects.h"

namespace {

struct ClassFigures {
    f32 maxSpeed, maxReverse, throttleRate, maxTurn;
    u16 shieldRadiusX, shieldRadiusY;
    i8 shieldOffsetY;
    f32 shieldRegenDelay, reserveRate, reactorOutput, warpCost, reserveMarker;
    f32 cloakMinReserve, polarizeCost, cloakDrain, cloakCooldown, maxWarp, safeWarp;
};

constexpr ClassFigures FIGURES[SHIP_CLASS_COUNT] = {
    {1000, -200, 120, 160, 70, 80, 4, 5.0f, 0.1f, 3.3f, 0.5f, 0.2f, 0.0f, 0.3f, 0.0f, 0.0f, 9.8f,
     9.2f},
    {1500, -500, 180, 220, 70, 70, 0, 4.0f, 0.15f, 2.7f, 0.7f, 0.1f, 0.5f, 0.2f, 0.01f, 15.0f, 7.2f,
     6.0f},
    {700, -150, 80, 100, 65, 75, 6, 7.0f, 0.08f, 3.5f, 0.4f, 0.2f, 0.0f, 0.5f, 0.0f, 0.0f, 9.0f,
     8.1f},
};

const char* const SPRITES[SHIP_CLASS_COUNT] = {"Data/tessaly.dsx", "Data/shrike.dsx",
                                               "Data/meridian.dsx"};

constexpr f32 DIAGONAL_DEG = 30.0f; // the Tessaly's forward point emitters look 30 degrees out

WeaponMount Mount(i16 x, i16 y, i16 arc, f32 dirX, f32 dirY, u8 type, f32 ex, f32 ey, f32 sweep) {
    WeaponMount m;
    m.x = x;
    m.y = y;
    m.arc = arc;
    m.dirX = dirX;
    m.dirY = dirY;
    m.type = type;
    m.emitterRadiusX = ex;
    m.emitterRadiusY = ey;
    m.sweepRate = sweep;
    return m;
}

void AddMount(ShipClass* c, const WeaponMount& m) {
    if (c->mountCount < MAX_MOUNTS) c->mounts[c->mountCount++] = m;
}

void AddRack(ShipClass* c, f32 angle, f32 radius, u8 mount, u8 capacity) {
    if (c->rackCount >= MAX_RACKS) return;
    c->racks[c->rackCount++] = TorpedoRack{angle, radius, mount, capacity};
}

void FillTessaly(ShipClass* c) {
    const f32 s = SinDeg(DIAGONAL_DEG), k = CosDeg(DIAGONAL_DEG);
    AddMount(c, Mount(-18, 32, 20, -s, k, MOUNT_LANCER_POINT, 0, 0, 1.0f));
    AddMount(c, Mount(18, 32, 20, s, k, MOUNT_LANCER_POINT, 0, 0, 0.7f));
    AddMount(c, Mount(0, -32, 103, 0, -1, MOUNT_LANCER_STRIP, 29, 27, 1.0f));
    AddMount(c, Mount(0, 28, 12, 0, -1, MOUNT_TORPEDO, 20, 20, 0));
    AddMount(c, Mount(0, -51, 12, 0, -1, MOUNT_TORPEDO, 10, 10, 0));
    AddMount(c, Mount(-25, -35, 12, -1, 0, MOUNT_TORPEDO, 10, 10, 0));
    AddMount(c, Mount(24, -35, 12, 1, 0, MOUNT_TORPEDO, 10, 10, 0));
    AddMount(c, Mount(0, 20, 40, 0, 1, MOUNT_TORPEDO, 9, 18, 0));
    AddRack(c, -7.5f, 57.5f, 4, 2);
    AddRack(c, -22.0f, 50.0f, 3, 4);
    AddRack(c, -76.0f, 57.5f, 5, 2);
    AddRack(c, 65.0f, 57.5f, 6, 2);
    AddRack(c, 161.0f, 57.5f, 7, 4);
}

void FillShrike(ShipClass* c) {
    AddMount(c, Mount(-56, -21, 20, 0, -1, MOUNT_DISRUPTOR, 0, 0, 0));
    AddMount(c, Mount(56, -21, 20, 0, -1, MOUNT_DISRUPTOR, 0, 0, 0));
    AddMount(c, Mount(0, -30, 30, 0, -1, MOUNT_TORPEDO, 8, 14, 0));
    AddRack(c, -10.0f, 57.5f, 2, 3);
}

void FillMeridian(ShipClass* c) {
    AddMount(c, Mount(0, -20, 155, 0, -1, MOUNT_LANCER_STRIP, 31, 23, 0.7f));
    AddMount(c, Mount(0, -10, 20, 0, -1, MOUNT_TORPEDO, 0, 0, 0));
    AddMount(c, Mount(0, 55, 20, 0, 1, MOUNT_TORPEDO, 0, 0, 0));
    AddRack(c, -33.0f, 57.5f, 1, 6);
    AddRack(c, 162.0f, 57.5f, 2, 4);
}

void ApplyFigures(ShipClass* c, const ClassFigures& f) {
    c->maxSpeed = f.maxSpeed;
    c->maxReverse = f.maxReverse;
    c->throttleRate = f.throttleRate;
    c->maxTurn = f.maxTurn;
    c->shieldRadiusX = f.shieldRadiusX;
    c->shieldRadiusY = f.shieldRadiusY;
    c->shieldOffsetY = f.shieldOffsetY;
    c->shieldRegenDelay = f.shieldRegenDelay;
    c->reserveRate = f.reserveRate;
    c->reactorOutput = f.reactorOutput;
    c->warpCost = f.warpCost;
    c->reserveMarker = f.reserveMarker;
    c->cloakMinReserve = f.cloakMinReserve;
    c->polarizeCost = f.polarizeCost;
    c->cloakDrain = f.cloakDrain;
    c->cloakCooldown = f.cloakCooldown;
    c->maxWarp = f.maxWarp;
    c->safeWarp = f.safeWarp;
}

} // namespace

const char* ShipSpritePath(int index) {
    return index >= 0 && index < SHIP_CLASS_COUNT ? SPRITES[index] : nullptr;
}

void FillShipClasses(ShipClass* table) {
    for (int i = 0; i < SHIP_CLASS_COUNT; ++i) {
        table[i] = ShipClass{};
        ApplyFigures(&table[i], FIGURES[i]);
    }
    FillTessaly(&table[0]);
    FillShrike(&table[1]);
    FillMeridian(&table[2]);
}
