// The two projectile kinds: disruptor bolts and pulse torpedoes with their nine-frame animation,
// drawn in the object frame that DrawObjects sets up (flight along the frame's negative y).
#include "game/sim/projectiles.h"

#include <cmath>

#include "game/shell/resources.h"
#include "graphics/draw2d.h"

namespace {

constexpr f32 BOLT_LEFT = -10.0f, BOLT_TOP = -10.0f; // 10 ahead of the position, 30 behind
constexpr f32 BOLT_WIDTH = 20.0f, BOLT_HEIGHT = 40.0f;
constexpr f32 TORPEDO_HALF = 25.0f;
constexpr f32 TORPEDO_SIZE = 50.0f;
constexpr i16 TORPEDO_FRAME_PIXELS = 42;
constexpr u32 TORPEDO_SHEET_COLUMNS = 3;
constexpr u32 TORPEDO_FRAMES = 9;
constexpr f32 TORPEDO_CYCLES_PER_SECOND = 5.0f; // the nine frames last 0.2 s

} // namespace

GameObject* MakeDisruptorBolt() {
    return new DisruptorBolt();
}

GameObject* MakePulseTorpedo() {
    return new PulseTorpedo();
}

void DisruptorBolt::Draw() {
    glDrawTextureRect(BOLT_LEFT, BOLT_TOP, BOLT_WIDTH, BOLT_HEIGHT, res.disruptorTexture, nullptr);
}

void DisruptorBolt::Update(f32 dt) {
    MoveObject(this, dt);
}

void PulseTorpedo::Draw() {
    u32 f = Frame();
    TempRect* source = glTempRect(i16(f % TORPEDO_SHEET_COLUMNS * TORPEDO_FRAME_PIXELS),
                                  i16(f / TORPEDO_SHEET_COLUMNS * TORPEDO_FRAME_PIXELS),
                                  TORPEDO_FRAME_PIXELS, TORPEDO_FRAME_PIXELS);
    glDrawTextureRect(-TORPEDO_HALF, -TORPEDO_HALF, TORPEDO_SIZE, TORPEDO_SIZE, res.torpedoTexture,
                      source);
}

void PulseTorpedo::Update(f32 dt) {
    MoveObject(this, dt);
    phase += TORPEDO_CYCLES_PER_SECOND * dt;
    // Reset in the same step, so the frame index never reaches 9.
    if (phase >= 1.0f || !(phase >= 0.0f)) phase = 0.0f;
}

u32 PulseTorpedo::Frame() const {
    if (!(phase >= 0.0f)) return 0;
    u32 f = u32(phase * TORPEDO_FRAMES);
    return f < TORPEDO_FRAMES ? f : TORPEDO_FRAMES - 1;
}
