// The ship in its own frame: the shield bubble per facing, the sprite with the cloak shimmer,
// and the lancer beams with their sparks. The firing arcs are in ship_arcs.cpp.
#include <cmath>

#include "game/shell/resources.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "game/sim/ship_draw.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"

namespace {
constexpr f32 FACING_SPAN = 90.0f, FACING_HALF_WIDTH = 40.0f, SHIELD_STEP = 1.25f;
constexpr int SHIELD_STEPS = int(2 * FACING_HALF_WIDTH / SHIELD_STEP); // 64 intervals
constexpr f32 SHIELD_ALPHA = 0.8f;
constexpr f32 SHIELD_INNER = 0.86f, SHIELD_OUTER = 1.05f; // band edges, fractions of the ellipse
constexpr f32 SHIELD_END_FADE = 10.0f;                    // degrees over which the band fades out
constexpr f32 CLOAK_ALPHA_LOSS = 0.75f;
constexpr int SPRITE_CELLS = 10;
constexpr f32 CELL = 0.2f;     // of spriteSize
constexpr f32 TEX_CELL = 0.1f; // of the texture
constexpr f32 SHIMMER_TURN = 350.0f, SHIMMER_WAVE = 800.0f, SHIMMER_DEPTH = 0.04f;
constexpr f32 SHIMMER_SHIFT = 1.0f / 15.0f;
constexpr f32 SHIMMER_IN_END = 0.4f, SHIMMER_IN_GAIN = 2.5f;
constexpr f32 SHIMMER_OUT_START = 0.8f, SHIMMER_OUT_GAIN = 5.0f;
constexpr f32 BEAM_HALF_WIDTH = 5.0f, BEAM_REACH = 400.0f;
constexpr f32 SPARK_SIZE = 6.0f;

struct ShipDrawBuffers {
    ColorVertex band[2 * (SHIELD_STEPS + 1)];
    TexVertex cells[SPRITE_CELLS * SPRITE_CELLS * 4];
};
ShipDrawBuffers buffers;

f32 EndFade(int step) {
    f32 fromEnd = std::fmin(f32(step), f32(SHIELD_STEPS - step)) * SHIELD_STEP;
    return std::fmin(1.0f, fromEnd / SHIELD_END_FADE);
}

// One strip between two scaled copies of the facing's arc; alphaInner/Outer pick which side
// carries the colour.
void ShieldStrip(const ShipClass& c, f32 centre, LevelRGBA colour, f32 scaleA, f32 alphaA,
                 f32 scaleB, f32 alphaB) {
    int n = 0;
    for (int step = 0; step <= SHIELD_STEPS; step++) {
        f32 t = centre - FACING_HALF_WIDTH + f32(step) * SHIELD_STEP;
        f32 ex = SinDeg(t) * c.shieldRadiusX, ey = -CosDeg(t) * c.shieldRadiusY;
        f32 fade = EndFade(step);
        buffers.band[n++] = {ex * scaleA, ey * scaleA + c.shieldOffsetY, colour.r, colour.g,
                             colour.b,    colour.a * alphaA * fade};
        buffers.band[n++] = {ex * scaleB, ey * scaleB + c.shieldOffsetY, colour.r, colour.g,
                             colour.b,    colour.a * alphaB * fade};
    }
    glDrawColored(PRIM_TRIANGLE_STRIP, buffers.band, n);
}

void DrawShield(const Ship& ship, const ShipClass& c) {
    for (int i = 0; i < SHIELD_FACINGS; i++) {
        f32 level = ship.shieldDisplay[i];
        if (!(level > 0.0f)) continue;
        LevelRGBA colour = LevelColour(level, SHIELD_ALPHA);
        f32 centre = f32(i) * FACING_SPAN;
        ShieldStrip(c, centre, colour, SHIELD_INNER, 0.0f, 1.0f, 1.0f);
        ShieldStrip(c, centre, colour, 1.0f, 1.0f, SHIELD_OUTER, 0.0f);
    }
}

void DrawSprite(const Ship& ship, const ShipClass& c) {
    f32 size = ship.spriteSize;
    CloakRow rows[SPRITE_CELLS];
    CloakShimmer(ship.cloakDir != 0 ? ship.cloakLevel : -1.0f, size, rows);
    f32 cell = size * CELL;
    f32 top = -size;
    int n = 0;
    for (int r = 0; r < SPRITE_CELLS; r++) {
        f32 y0 = top + rows[r].dy, y1 = y0 + rows[r].height;
        f32 t0 = f32(r) * TEX_CELL, t1 = t0 + TEX_CELL;
        for (int col = 0; col < SPRITE_CELLS; col++) {
            f32 x0 = -size + f32(col) * cell + rows[r].dx, x1 = x0 + cell;
            f32 s0 = f32(col) * TEX_CELL, s1 = s0 + TEX_CELL;
            buffers.cells[n++] = {x0, y0, s0, t0};
            buffers.cells[n++] = {x1, y0, s1, t0};
            buffers.cells[n++] = {x1, y1, s1, t1};
            buffers.cells[n++] = {x0, y1, s0, t1};
        }
        top += rows[r].height;
    }
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f - ship.cloakLevel * CLOAK_ALPHA_LOSS);
    glDrawTextured(PRIM_QUADS, buffers.cells, n, c.sprite);
}

void DrawBeam(const WeaponMount& m, const BeamState& beam) {
    f32 ox = m.x, oy = m.y;
    if (m.type == MOUNT_LANCER_STRIP) {
        f32 s = (beam.sweep - 1.0f) * f32(m.arc);
        ox -= SinDeg(s) * m.emitterRadiusX;
        oy -= CosDeg(s) * m.emitterRadiusY;
    }
    f32 length = (beam.progress * beam.progress - 1.0f) * BEAM_REACH;
    f32 nx = -beam.dirY * BEAM_HALF_WIDTH, ny = beam.dirX * BEAM_HALF_WIDTH;
    f32 ex = ox + beam.dirX * length, ey = oy + beam.dirY * length;
    TexVertex quad[4] = {{ox - nx, oy - ny, 0.0f, 0.0f},
                         {ox + nx, oy + ny, 1.0f, 0.0f},
                         {ex + nx, ey + ny, 1.0f, 1.0f},
                         {ex - nx, ey - ny, 0.0f, 1.0f}};
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    glDrawTextured(PRIM_QUADS, quad, 4, res.lancerTexture);
    glDrawTexture(ox - SPARK_SIZE / 2, oy - SPARK_SIZE / 2, SPARK_SIZE, SPARK_SIZE,
                  res.sparkTexture, nullptr, FLIP_NONE);
}

void DrawBeams(const Ship& ship, const ShipClass& c) {
    for (int i = 0; i < c.mountCount && i < MAX_MOUNTS; i++) {
        const WeaponMount& m = c.mounts[i];
        const BeamState& beam = ship.beams[i];
        if (m.type != MOUNT_LANCER_STRIP && m.type != MOUNT_LANCER_POINT) continue;
        if (beam.progress >= 1.0f && std::isfinite(beam.progress)) DrawBeam(m, beam);
    }
}
} // namespace

void CloakShimmer(f32 c, f32 size, CloakRow rows[SHIMMER_ROWS]) {
    f32 even = size * CELL;
    if (!(c >= 0.0f)) {
        for (int r = 0; r < SHIMMER_ROWS; r++) rows[r] = {0.0f, 0.0f, even};
        return;
    }
    f32 shift = size * SinDeg(c * SHIMMER_TURN) * SHIMMER_SHIFT;
    f32 shiftScale = 1.0f, settle = 0.0f;
    if (c < SHIMMER_IN_END) {
        shiftScale = c * SHIMMER_IN_GAIN;
        settle = (SHIMMER_IN_END - c) * SHIMMER_IN_GAIN;
    } else if (c > SHIMMER_OUT_START) {
        shiftScale = (1.0f - c) * SHIMMER_OUT_GAIN;
        settle = (c - SHIMMER_OUT_START) * SHIMMER_OUT_GAIN;
    }
    shift *= shiftScale;
    for (int r = 0; r < SHIMMER_ROWS; r++) {
        if (r % 2 == 1) {
            rows[r] = {0.0f, shift, 2.0f * even - rows[r - 1].height};
            continue;
        }
        f32 height =
            SinDeg((f32(r) * TEX_CELL + 1.0f) * c * SHIMMER_WAVE) * size * SHIMMER_DEPTH + even;
        height += (even - height) * settle;
        rows[r] = {shift, 0.0f, height};
    }
}

void DrawShip(const Ship& ship) {
    if (!ship.shipClass) return;
    const ShipClass& c = *ship.shipClass;
    DrawShield(ship, c);
    DrawSprite(ship, c);
    DrawBeams(ship, c);
    DrawFiringArcs(c);
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
}
