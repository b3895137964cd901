// The two projectile kinds: disruptor bolts and animated pulse torpedoes.
#pragma once

#include "game/sim/objects.h"

struct DisruptorBolt : GameObject {
    void Draw() override;
    void Update(f32 dt) override;
};

struct PulseTorpedo : GameObject {
    f32 phase = 0.0f; // animation phase 0..1, nine frames per cycle
    void Draw() override;
    void Update(f32 dt) override;
    u32 Frame() const; // 0..8
};

GameObject* MakeDisruptorBolt();
GameObject* MakePulseTorpedo();
