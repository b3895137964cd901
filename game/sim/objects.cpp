// The object table and its per-frame update and drawing, the player's ship creation, the degree
// trigonometry every module shares, and the reset of a whole battle.
#include "game/sim/objects.h"

#include <cmath>
#include <cstring>

#include "engine/log.h"
#include "game/shell/consoles.h"
#include "game/sim/callbacks.h"
#include "game/sim/power.h"
#include "game/sim/scene.h"
#include "game/sim/weapons.h"
#include "graphics/object_frame.h"
#include "graphics/texture.h"
#include "gui/gui.h"

World world;
PlayerSystems systems;

namespace {
constexpr u32 SPRITE_FILTER = 9987; // linear, mipmapped
constexpr f64 SHIP_START_X = 100.0, SHIP_START_Y = 100.0;
constexpr f32 FULL_TURN = 360.0f;

void CreateObjectTable() {
    world.objects = new GameObject*[MAX_OBJECTS];
    world.objectCount = 0;
}

void CreatePlayerShip(ShipClass* shipClass) {
    GameObject** slot = NewObjectSlot();
    if (!slot) return;
    Ship* ship = new Ship;
    ship->x = SHIP_START_X;
    ship->y = SHIP_START_Y;
    ship->shipClass = shipClass;
    *slot = ship;
    world.playerShip = ship;
}

bool Expired(const GameObject* object) {
    return object != world.playerShip && object->age >= OBJECT_LIFETIME;
}
} // namespace

f32 SinDeg(f32 degrees) {
    return std::sin(degrees * DEG_TO_RAD);
}

f32 CosDeg(f32 degrees) {
    return std::cos(degrees * DEG_TO_RAD);
}

void MoveObject(GameObject* object, f32 dt) {
    object->x += f64(dt * object->velX);
    object->y += f64(dt * object->velY);
    object->heading += dt * object->turnRate;
    if (object->heading >= FULL_TURN) object->heading -= FULL_TURN;
}

void LoadModels() {
    LogWrite("Loading models");
    world.shipClasses = new ShipClass[SHIP_CLASS_SLOTS];
    FillShipClasses(world.shipClasses);
    for (int i = 0; i < SHIP_CLASS_COUNT; ++i)
        world.shipClasses[i].sprite = glLoadTexture(ShipSpritePath(i), SPRITE_FILTER);
    CreateObjectTable();
    CreatePlayerShip(&world.shipClasses[0]);
    BuildArcTable();
    LogWrite("Models loaded");
}

GameObject** NewObjectSlot() {
    if (!world.objects) {
        MsgBox("Unable to allocate new object, objects == NULL", "Critical Error", "Ok");
        return nullptr;
    }
    // A full table refuses the object rather than writing past its end.
    if (world.objectCount >= MAX_OBJECTS) return nullptr;
    GameObject** slot = &world.objects[world.objectCount++];
    *slot = nullptr;
    return slot;
}

void MoveObjectToFront(u32 index) {
    if (!world.objects || index >= world.objectCount || index == 0) return;
    GameObject* moved = world.objects[index];
    std::memmove(&world.objects[1], &world.objects[0], index * sizeof(GameObject*));
    world.objects[0] = moved;
}

void FreeObjects() {
    if (world.objects) {
        for (u32 i = 0; i < world.objectCount; ++i) delete world.objects[i];
        delete[] world.objects;
    }
    world.objects = nullptr;
    world.objectCount = 0;
    world.playerShip = nullptr;
}

void FreeShipClasses() {
    delete[] world.shipClasses;
    world.shipClasses = nullptr;
}

void UpdateObjects(f32 dt) {
    if (systems.cloakCooldown > 0.0f)
        systems.cloakCooldown = std::fmax(0.0f, systems.cloakCooldown - dt);
    Ship* ship = world.playerShip;
    if (ship) {
        f32 product = systems.systemHealth[0] * systems.powerLevel[2];
        ship->engineFactor = std::sqrt(std::fmax(0.0f, product));
    }
    if (!world.objects) return;
    // One pass that keeps the survivors in order: an entry that moves into a freed place is
    // still updated this frame, and a burst of expiries costs one sweep, not one per object.
    u32 kept = 0;
    for (u32 i = 0; i < world.objectCount; ++i) {
        GameObject* object = world.objects[i];
        if (!object) continue; // a slot its caller never filled
        object->Update(dt);
        object->age += dt;
        if (Expired(object)) {
            delete object;
            continue;
        }
        world.objects[kept++] = object;
    }
    world.objectCount = kept;
}

void DrawObjects() {
    const Ship* ship = world.playerShip;
    if (!world.objects || !ship) return;
    for (u32 i = 0; i < world.objectCount; ++i) {
        GameObject* object = world.objects[i];
        if (!object) continue;
        glPushObjectFrame(f32(object->x - ship->x), f32(object->y - ship->y), object->heading);
        object->Draw();
        glPopObjectFrame();
    }
}

void SetThrottle(i8 cmd) {
    if (world.playerShip && world.playerShip->throttleInput != cmd)
        world.playerShip->throttleInput = cmd;
}

void SetImpulseSpeed(f32 speed) {
    if (!world.playerShip) return;
    world.playerShip->impulseSpeed = speed;
    world.playerShip->throttleInput = 0;
}

void ResetSimulation() {
    FreeObjects();
    FreeShipClasses();
    world = World{};
    world.shipClasses = new ShipClass[SHIP_CLASS_SLOTS];
    FillShipClasses(world.shipClasses);
    CreateObjectTable();
    CreatePlayerShip(&world.shipClasses[0]);
    systems = PlayerSystems{};
    frame = FrameState{};
    power = PowerState{};
    weapons = WeaponState{};
    scene = SceneState{};
    HudState fresh;
    fresh.navTexture = hud.navTexture;
    fresh.keyboardTexture = hud.keyboardTexture;
    fresh.questionTexture = hud.questionTexture;
    fresh.powerTexture = hud.powerTexture;
    fresh.tacticalTexture = hud.tacticalTexture;
    fresh.scoreSurface = hud.scoreSurface;
    hud = fresh;
    BuildArcTable();
}
