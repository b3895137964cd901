// The firing-arc sectors shown while SPACE is held: a fading fan from each point emitter, and
// for elliptical emitters a strip from the ellipse outward with an inner rim and soft sides.
#include <algorithm>
#include <cmath>

#include "engine/input.h"
#include "game/sim/callbacks.h"
#include "game/sim/objects.h"
#include "game/sim/ship_draw.h"
#include "graphics/draw2d_game.h"

namespace {
constexpr f32 ARC_ALPHA = 0.6f;
constexpr f32 FULL_TURN = 360.0f, QUARTER_TURN = 90.0f;
constexpr int FAN_HALF_STEPS = 20;
constexpr int STRIP_MIN_STEPS = 3;
constexpr f32 DEGREES_PER_STEP = 4.0f;
constexpr f32 RIM_SCALE = 0.93f;
constexpr f32 SOFT_SIDE = 8.0f;
constexpr int MAX_STRIP_STEPS = 180; // arcs are at most 180 degrees
constexpr f32 RAD_TO_DEG_GAME = RAD_TO_DEG;

struct ArcColour {
    f32 r, g, b;
};
constexpr ArcColour BEAM_ARC{0.0f, 1.0f, 0.0f};
constexpr ArcColour TORPEDO_ARC{0.0f, 0.5f, 1.0f};

struct ArcBuffers {
    ColorVertex v[2 * (2 * MAX_STRIP_STEPS + 3)];
};
ArcBuffers arcs;

struct Ray {
    f32 x, y;
};
Ray RayAt(f32 t, f32 length) {
    return {SinDeg(t) * length, -CosDeg(t) * length};
}

// Where the ray at angle t meets the emitter ellipse.
Ray EllipsePoint(const WeaponMount& m, f32 t) {
    f32 s = SinDeg(t), c = CosDeg(t);
    f32 qx = s / m.emitterRadiusX, qy = c / m.emitterRadiusY;
    f32 r = 1.0f / std::sqrt(qx * qx + qy * qy);
    return {s * r, -c * r};
}

ColorVertex Vertex(Ray p, ArcColour c, f32 alpha) {
    return {p.x, p.y, c.r, c.g, c.b, alpha};
}

void PointSector(const WeaponMount& m, ArcColour c, f32 reach) {
    int n = 0;
    arcs.v[n++] = Vertex({0.0f, 0.0f}, c, ARC_ALPHA);
    for (int j = -FAN_HALF_STEPS; j <= FAN_HALF_STEPS; j++)
        arcs.v[n++] = Vertex(RayAt(f32(j) * m.arc / FAN_HALF_STEPS, reach), c, 0.0f);
    glDrawColored(PRIM_TRIANGLE_FAN, arcs.v, n);
    for (f32 side : {-1.0f, 1.0f}) {
        ColorVertex soft[3] = {Vertex({0.0f, 0.0f}, c, ARC_ALPHA),
                               Vertex(RayAt(side * m.arc, reach), c, 0.0f),
                               Vertex(RayAt(side * (m.arc + SOFT_SIDE), reach), c, 0.0f)};
        glDrawColored(PRIM_TRIANGLES, soft, 3);
    }
}

void EllipseSector(const WeaponMount& m, ArcColour c, f32 reach) {
    int steps = std::min(MAX_STRIP_STEPS, std::max(STRIP_MIN_STEPS, int(m.arc / DEGREES_PER_STEP)));
    f32 step = f32(m.arc) / f32(steps);
    int n = 0;
    for (int j = -steps; j <= steps; j++) {
        f32 t = f32(j) * step;
        arcs.v[n++] = Vertex(EllipsePoint(m, t), c, ARC_ALPHA);
        arcs.v[n++] = Vertex(RayAt(t, reach), c, 0.0f);
    }
    glDrawColored(PRIM_TRIANGLE_STRIP, arcs.v, n);
    n = 0;
    for (int j = -(steps + 1); j <= steps + 1; j++) {
        Ray e = EllipsePoint(m, f32(j) * step);
        f32 alpha = std::abs(j) == steps + 1 ? 0.0f : ARC_ALPHA;
        arcs.v[n++] = Vertex(e, c, 0.0f);
        arcs.v[n++] = Vertex({e.x * RIM_SCALE, e.y * RIM_SCALE}, c, alpha);
    }
    glDrawColored(PRIM_TRIANGLE_STRIP, arcs.v, n);
    for (f32 side : {-1.0f, 1.0f}) {
        f32 edge = side * m.arc, beyond = side * (m.arc + SOFT_SIDE);
        ColorVertex soft[4] = {
            Vertex(EllipsePoint(m, edge), c, ARC_ALPHA), Vertex(RayAt(edge, reach), c, 0.0f),
            Vertex(RayAt(beyond, reach), c, 0.0f), Vertex(EllipsePoint(m, beyond), c, 0.0f)};
        glDrawColored(PRIM_QUADS, soft, 4);
    }
}

// The sector's centre direction as a turn from straight up (clockwise degrees).
f32 ArcTurn(const WeaponMount& m) {
    f32 a = std::acos(std::fmax(-1.0f, std::fmin(1.0f, m.dirX))) * RAD_TO_DEG_GAME;
    if (m.dirY > 0) a = FULL_TURN - a;
    return QUARTER_TURN - a;
}
} // namespace

void DrawFiringArcs(const ShipClass& c) {
    if (!IsKeyDown(KEY_SPACE) || !GameHasInput()) return;
    f32 reach = systems.zoom / 2.0f;
    for (int i = 0; i < c.mountCount && i < MAX_MOUNTS; i++) {
        const WeaponMount& m = c.mounts[i];
        if (m.arc <= 0) continue;
        ArcColour colour = m.type == MOUNT_TORPEDO ? TORPEDO_ARC : BEAM_ARC;
        Transform2D frame;
        glTranslate2D(m.x, m.y);
        glRotate2D(ArcTurn(m));
        if (m.emitterRadiusX > 0.0f && m.emitterRadiusY > 0.0f)
            EllipseSector(m, colour, reach);
        else
            PointSector(m, colour, reach);
    }
}
