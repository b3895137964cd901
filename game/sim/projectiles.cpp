// Minimal bodies until this module is written.
#include "game/sim/projectiles.h"

GameObject* MakeDisruptorBolt() {
    return nullptr;
}
GameObject* MakePulseTorpedo() {
    return nullptr;
}
void DisruptorBolt::Draw() {}
void DisruptorBolt::Update(f32 dt) {
    MoveObject(this, dt);
}
void PulseTorpedo::Draw() {}
void PulseTorpedo::Update(f32 dt) {
    MoveObject(this, dt);
}
u32 PulseTorpedo::Frame() const {
    return 0;
}
