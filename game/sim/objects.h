// The battle's objects: the common object record, the player's ship, the ship classes with their
// weapon mounts and torpedo racks, the object table and the player-systems state that the
// consoles read and write.
#pragma once

#include "engine/types.h"

struct Texture;

// Every degree/radian conversion of the game uses pi = 3.1415, not the exact value, so that
// arcs, headings and spreads come out as the game has always flown.
constexpr f32 GAME_PI = 3.1415f;
constexpr f32 DEG_TO_RAD = GAME_PI / 180.0f; // 0.0174527777...
constexpr f32 RAD_TO_DEG = 57.29747f;
f32 SinDeg(f32 degrees);
f32 CosDeg(f32 degrees);

// The common base of everything in the object table.
struct GameObject {
    f64 x = 0.0;
    f64 y = 0.0;
    f32 heading = 0.0f; // degrees, 0 = up the screen, clockwise
    f32 velX = 0.0f;
    f32 velY = 0.0f;
    f32 turnRate = 0.0f; // degrees per second, positive = clockwise
    f32 age = 0.0f;      // seconds since the object entered the table

    // The table releases objects through this base, so the release must reach the real kind.
    virtual ~GameObject() = default;
    virtual void Draw() = 0;
    virtual void Update(f32 dt) = 0;
};

// The shared motion step of every Update: integrate, then wrap a heading past 360 once.
void MoveObject(GameObject* object, f32 dt);

enum MountType : u8 {
    MOUNT_TORPEDO = 0,
    MOUNT_LANCER_STRIP = 1,
    MOUNT_LANCER_POINT = 2,
    MOUNT_DISRUPTOR = 3,
};

struct WeaponMount {
    i16 x = 0, y = 0; // position in the ship frame
    i16 arc = 0;      // half-angle of the firing arc, degrees
    f32 dirX = 0.0f, dirY = 0.0f;
    u8 type = MOUNT_TORPEDO;
    f32 emitterRadiusX = 0.0f, emitterRadiusY = 0.0f;
    f32 sweepRate = 0.0f;
};

struct TorpedoRack {
    f32 angle = 0.0f;  // where the rack's pips sit on the tactical console, degrees
    f32 radius = 0.0f; // distance of the pips from the console centre
    u8 mount = 0;      // torpedo mount the rack feeds
    u8 capacity = 0;
};

constexpr int MAX_MOUNTS = 32;
constexpr int MAX_RACKS = 16;
constexpr int SHIP_CLASS_SLOTS = 5;
constexpr int SHIP_CLASS_COUNT = 3;

struct ShipClass {
    Texture* sprite = nullptr;
    f32 maxSpeed = 0.0f;
    f32 maxReverse = 0.0f; // negative
    f32 throttleRate = 0.0f;
    f32 maxTurn = 0.0f;
    u16 shieldRadiusX = 0, shieldRadiusY = 0;
    i8 shieldOffsetY = 0;
    f32 shieldRegenDelay = 0.0f;
    f32 reserveRate = 0.0f;
    f32 reactorOutput = 0.0f;
    f32 warpCost = 0.0f;
    f32 reserveMarker = 0.0f;
    f32 cloakMinReserve = 0.0f;
    f32 polarizeCost = 0.0f;
    WeaponMount mounts[MAX_MOUNTS];
    u8 mountCount = 0;
    TorpedoRack racks[MAX_RACKS];
    u8 rackCount = 0;
    f32 cloakDrain = 0.0f; // 0: the class has no cloaking device
    f32 cloakCooldown = 0.0f;
    f32 maxWarp = 0.0f;
    f32 safeWarp = 0.0f;
};

struct BeamState {
    f32 progress = -1.0f; // -1 idle, 0..1 extending, above 1 out and tracking
    f32 dirX = 0.0f, dirY = 0.0f;
    f32 sweep = 0.0f; // origin along the emitter, 1.0 = centre
};

constexpr u32 NO_SOURCE = 0xFFFFFFFF;

struct Ship : GameObject {
    u16 spriteSize = 64;
    i8 turnInput = 0;
    i8 strafeInput = 0;
    i8 throttleInput = 0;
    f32 impulseSpeed = 0.0f;
    f32 engineFactor = 1.0f;
    f32 strafeSpeed = 0.0f;
    f32 shieldDisplay[4] = {};
    BeamState beams[MAX_MOUNTS];
    f32 cloakLevel = 0.0f;
    i8 cloakDir = 0;
    f32 warpFactor = 0.0f;
    f32 warpTarget = 0.0f;
    ShipClass* shipClass = nullptr;
    u32 beamSource = NO_SOURCE;

    void Draw() override;         // the scene's ShipDraw
    void Update(f32 dt) override; // the flight step, ShipUpdate
};

// The object table. The first entry is the player's ship; projectiles follow (or, for the
// Meridian, go to the front so they are drawn beneath the ship).
constexpr u32 MAX_OBJECTS = 42336;
constexpr f32 OBJECT_LIFETIME = 5.0f;
struct World {
    GameObject** objects = nullptr;
    u32 objectCount = 0;
    Ship* playerShip = nullptr;
    ShipClass* shipClasses = nullptr;
};
extern World world;

constexpr u16 NO_SYSTEM = 0xFFFF;
constexpr int POWER_SYSTEMS = 4;
constexpr int SHIELD_FACINGS = 4;
constexpr int HEALTH_SYSTEMS = 6;
constexpr int WEAPON_CHARGES = 64;

struct ScreenPoint {
    f32 x, y;
};

// The player's ship systems: single values that belong to the ship but live beside it.
struct PlayerSystems {
    f32 powerLevel[POWER_SYSTEMS] = {0.3f, 0.5f, 0.6f, 0.4f}; // 1 shields, 2 impulse engines
    f32 powerRequest[POWER_SYSTEMS] = {0.3f, 0.5f, 0.6f, 0.4f};
    f32 reserveEnergy = 0.7f;
    f32 sparePower = 0.7f;
    u16 overloadedSystem = NO_SYSTEM;
    u8 powerPriority[POWER_SYSTEMS] = {};
    ScreenPoint powerSlider[POWER_SYSTEMS] = {{345, 542}, {398, 542}, {327, 559}, {415, 559}};
    f32 shieldEnergy = 2.0f;
    f32 shieldFacing[SHIELD_FACINGS] = {0.5f, 0.5f, 0.5f, 0.5f}; // front, right, rear, left
    f32 shieldRegenTimer[SHIELD_FACINGS] = {5.0f, 5.0f, 5.0f, 5.0f};
    f32 systemHealth[HEALTH_SYSTEMS] = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
    f32 hullPlating = 1.0f;
    u8 hullPolarized = 0;
    f32 polarizeCooldown = 0.0f;
    f32 cloakCooldown = 0.0f;
    f32 breachCountdown = -1.0f;
    f32 weaponCharge[WEAPON_CHARGES] = {};
    u8 torpedoSpread = 0;
    f32 zoom = 1000.0f; // visible world height
    f32 zoomTarget = 1000.0f;
    f32 screenShake = 0.0f;
};
extern PlayerSystems systems;

void LoadModels();
// Fills classes 0..2 of table (room for SHIP_CLASS_SLOTS) with every figure, mount and rack;
// sprites are left empty.
void FillShipClasses(ShipClass* table);
// The sprite file of class index 0..2, or null.
const char* ShipSpritePath(int index);
// A fresh battle without loading anything: classes filled, the player's ship of class 0 as the
// only object, the player systems and the simulation's module records at their start values.
void ResetSimulation();
// Moves entry index to the front of the table, every entry before it one place up.
void MoveObjectToFront(u32 index);
// The next free table entry (the caller stores its new object there), or null when the table
// is missing or full.
GameObject** NewObjectSlot();
void FreeObjects();
// Releases the class table (the sprites stay with the engine's texture records).
void FreeShipClasses();
void UpdateObjects(f32 dt);
void DrawObjects();
void SetThrottle(i8 cmd);
void SetImpulseSpeed(f32 speed);
