// Minimal bodies until this module is written.
#include "game/sim/objects.h"

World world;
PlayerSystems systems;

f32 SinDeg(f32 /*degrees*/) {
    return 0.0f;
}
f32 CosDeg(f32 /*degrees*/) {
    return 0.0f;
}
void MoveObject(GameObject* /*object*/, f32 /*dt*/) {}
void LoadModels() {}
GameObject** NewObjectSlot() {
    return nullptr;
}
void FreeObjects() {}
void FreeShipClasses() {}
void UpdateObjects(f32 /*dt*/) {}
void DrawObjects() {}
void SetThrottle(i8 /*cmd*/) {}
void SetImpulseSpeed(f32 /*speed*/) {}
