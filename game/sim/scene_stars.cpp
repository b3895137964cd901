// The star field: ten parallax layers of fixed pseudo-random stars around the ship, drawn as
// points at rest and as streaks along the flight direction at warp.
#include <cmath>
#include <cstdlib>

#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "graphics/draw2d_game.h"
#include "platform/platform.h"

namespace {
constexpr int STAR_LAYERS = 10;
constexpr int STARS_PER_LAYER = 500;
constexpr f64 DEPTH_PER_INDEX_SQUARED = 0.000004;
constexpr f64 MILLI = 1000.0, UNMILLI = 0.001;
constexpr f64 TILE_HALF_X = 4000000.0, TILE_HALF_Y = 3000000.0; // thousandths of a unit
constexpr f32 POINT_SIZE_PER_LAYER = 0.11111111f;
constexpr int SHADES = 128;
constexpr f32 GREY_BASE = 128.0f, ALPHA_BASE = 64.0f, BYTE = 255.0f;
constexpr f32 WIDEN = 70.0f;
constexpr f32 STREAK_MIN_WARP = 0.05f;
constexpr f32 ENGAGE_START = 0.925f, ENGAGE_GAIN = 15.0f;
constexpr int STREAK_SPREAD = 20, STREAK_BASE = 25;
constexpr f32 STREAK_WARP_SCALE = 0.04f, STREAK_WARP_GAIN = 25.0f;
constexpr f32 TAIL = 2.0f, BODY = 0.5f, HEAD = 0.2f;
constexpr int STREAK_VERTICES = 6; // three segments as line pairs

struct StarField {
    ColorVertex vertices[STARS_PER_LAYER * STREAK_VERTICES];
    int count = 0;
};
StarField stars;

// Wraps into [-half, half).
f64 Wrap(f64 v, f64 half) {
    f64 period = 2.0 * half;
    f64 w = std::fmod(v + half, period);
    if (w < 0) w += period;
    return w - half;
}

struct VisibleArea {
    f32 left, top, right, bottom; // relative to the ship
};

VisibleArea WidenedArea(const Ship& ship, StreakVector s) {
    CameraRectangle r = CameraRect();
    f32 wx = std::fabs(s.x) * WIDEN, wy = std::fabs(s.y) * WIDEN;
    f32 left = r.left - f32(ship.x), top = r.top - f32(ship.y);
    return {left - wx, top - wy, left + r.width + wx, top + r.height + wy};
}

void AddVertex(f32 x, f32 y, f32 grey, f32 alpha) {
    stars.vertices[stars.count++] = ColorVertex{x, y, grey, grey, grey, alpha};
}

void AddStreak(f32 x, f32 y, f32 dx, f32 dy, f32 grey, f32 alpha) {
    f32 tailX = x - TAIL * dx, tailY = y - TAIL * dy;
    f32 bodyX = x - BODY * dx, bodyY = y - BODY * dy;
    AddVertex(tailX, tailY, grey, 0.0f);
    AddVertex(bodyX, bodyY, grey, alpha);
    AddVertex(bodyX, bodyY, grey, alpha);
    AddVertex(x, y, grey, alpha);
    AddVertex(x, y, grey, alpha);
    AddVertex(x + HEAD * dx, y + HEAD * dy, grey, 0.0f);
}

f32 StreakScale(int i, f32 warpFactor) {
    f32 k = f32(i % STREAK_SPREAD + STREAK_BASE);
    if (warpFactor < 1.0f) return k;
    return std::sqrt(k * STREAK_WARP_SCALE) * STREAK_WARP_GAIN;
}

void DrawLayer(const Ship& ship, int layer, StreakVector s, const VisibleArea& area) {
    bool streaks = s.x != 0.0f || s.y != 0.0f;
    stars.count = 0;
    for (int i = 0; i < STARS_PER_LAYER; i++) {
        f64 depth = f64(i) * f64(i) * DEPTH_PER_INDEX_SQUARED;
        f64 rx = f64(std::rand()), ry = f64(std::rand());
        f32 x = f32(Wrap((rx - depth * ship.x) * MILLI, TILE_HALF_X) * UNMILLI);
        f32 y = f32(Wrap((ry - depth * ship.y) * MILLI, TILE_HALF_Y) * UNMILLI);
        if (x < area.left || x > area.right || y < area.top || y > area.bottom) continue;
        f32 grey = (f32(i % SHADES) + GREY_BASE) / BYTE;
        f32 alpha = (f32(i % SHADES) + ALPHA_BASE) / BYTE;
        if (!streaks) {
            AddVertex(x, y, grey, alpha);
            continue;
        }
        f32 k = StreakScale(i, ship.warpFactor);
        AddStreak(x, y, s.x * k, s.y * k, grey, alpha);
    }
    if (streaks) {
        glDrawColored(PRIM_LINES, stars.vertices, stars.count);
    } else {
        glSetPointSize(1.0f + f32(layer) * POINT_SIZE_PER_LAYER);
        glDrawColored(PRIM_POINTS, stars.vertices, stars.count);
    }
}
} // namespace

StreakVector StarStreak(const Ship& ship) {
    f32 sx = ship.velX, sy = ship.velY;
    if (sx == 0.0f && sy == 0.0f) {
        sx = SinDeg(ship.heading);
        sy = -CosDeg(ship.heading);
    }
    f32 w = ship.warpFactor;
    if (w >= 1.0f) w = std::sqrt(w);
    f32 length = 0.0f;
    bool engaging = ship.warpTarget > 0.0f && w < 1.0f;
    if (!(w < STREAK_MIN_WARP)) {
        length = w;
        if (engaging) length = w >= ENGAGE_START ? (w - ENGAGE_START) * ENGAGE_GAIN : 0.0f;
    }
    f32 norm = std::sqrt(sx * sx + sy * sy);
    if (!(norm > 0.0f) || !std::isfinite(norm) || !std::isfinite(length)) return {0.0f, 0.0f};
    return {sx / norm * length, sy / norm * length};
}

void DrawStars() {
    const Ship* ship = world.playerShip;
    if (!ship) return;
    StreakVector s = StarStreak(*ship);
    VisibleArea area = WidenedArea(*ship, s);
    std::srand(0);
    for (int layer = 0; layer < STAR_LAYERS; layer++) DrawLayer(*ship, layer, s, area);
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    glSetPointSize(1.0f);
    std::srand(Sys_Milliseconds());
}
