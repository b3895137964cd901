// The scene's camera: the visible rectangle, the world-to-screen transform with its shake, the
// view's look-ahead toward the cursor, the zoom easing and the level colour scale.
#include "game/sim/scene.h"

#include <cmath>
#include <cstdlib>

#include "audio/listener.h"
#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/sim/objects.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"

SceneState scene;

namespace {
constexpr f32 ASPECT = 1.3333334f;
constexpr f32 SCREEN_HEIGHT = 600.0f;
constexpr f32 SCREEN_CENTRE_X = 400.0f, SCREEN_CENTRE_Y = 300.0f;
constexpr f32 LOOK_AHEAD = 0.00125f; // world offset per cursor pixel and unit of zoom
constexpr f32 VIEW_EASE_RATE = 4.0f;
constexpr int SHAKE_RANGE = 10000, SHAKE_MIN = 50;
constexpr f32 LISTENER_ZOOM_BASE = 522.0f;
constexpr f32 LISTENER_PER_ZOOM = 0.0033333334f;
constexpr f32 GREY_LEVEL = 200.0f / 255.0f;
constexpr f32 BYTE = 255.0f;

f32 ShakeJitter(int range, f32 amplitude) {
    return f32(std::rand() % range - range / 2) * amplitude / f32(range);
}
} // namespace

CameraRectangle CameraRect() {
    CameraRectangle r;
    r.height = systems.zoom;
    r.width = systems.zoom * ASPECT;
    const Ship* ship = world.playerShip;
    f32 shipX = ship ? f32(ship->x) : 0.0f, shipY = ship ? f32(ship->y) : 0.0f;
    r.left = shipX - r.width / 2 + scene.viewOffsetX;
    r.top = shipY - r.height / 2 + scene.viewOffsetY;
    return r;
}

void ApplyCamera() {
    if (!(systems.zoom > 0.0f)) return; // no scale maps a void view onto the screen
    glEnter2D();
    glScale2D(SCREEN_HEIGHT / systems.zoom);
    CameraRectangle r = CameraRect();
    const Ship* ship = world.playerShip;
    f32 tx = (ship ? f32(ship->x) : 0.0f) - r.left, ty = (ship ? f32(ship->y) : 0.0f) - r.top;
    if (systems.screenShake > 0) {
        int range = std::rand() % SHAKE_RANGE + SHAKE_MIN;
        tx += ShakeJitter(range, systems.screenShake);
        ty += ShakeJitter(range, systems.screenShake);
    }
    glTranslate2D(tx, ty);
    if (systems.zoom != scene.listenerZoom) {
        scene.listenerZoom = systems.zoom;
        SetListenerPosition(0.0f, (systems.zoom - LISTENER_ZOOM_BASE) * LISTENER_PER_ZOOM, 0.0f);
    }
}

void UpdateViewOffset(f32 dt) {
    if (!IsActionDown(ACTION_CONSOLE)) GetMousePos(&scene.cursorX, &scene.cursorY);
    f32 k = systems.zoom * LOOK_AHEAD;
    f32 targetX = (scene.cursorX - SCREEN_CENTRE_X) * k;
    f32 targetY = (scene.cursorY - SCREEN_CENTRE_Y) * k;
    // A long frame would step past the target and swing ever wider; at most it arrives.
    f32 ease = std::fmin(dt * VIEW_EASE_RATE, 1.0f);
    if (!(ease > 0.0f)) return;
    scene.viewOffsetX += (targetX - scene.viewOffsetX) * ease;
    scene.viewOffsetY += (targetY - scene.viewOffsetY) * ease;
}

void UpdateZoom(f32 dt) {
    f32 step = dt * ZOOM_RATE;
    if (!(step > 0.0f)) return;
    if (systems.zoom < systems.zoomTarget)
        systems.zoom = std::fmin(systems.zoom + step, systems.zoomTarget);
    else if (systems.zoom > systems.zoomTarget)
        systems.zoom = std::fmax(systems.zoom - step, systems.zoomTarget);
}

void ZoomStep(f32 delta, bool smooth) {
    f32 target = systems.zoomTarget + delta;
    if (!(target >= ZOOM_MIN)) target = ZOOM_MIN; // also a NaN step
    if (target > ZOOM_MAX) target = ZOOM_MAX;
    systems.zoomTarget = target;
    if (!smooth) systems.zoom = target;
}

LevelRGBA LevelColour(f32 level, f32 alpha) {
    if (level > 1.0f) {
        f32 a = alpha >= 0.5f ? alpha + (level - 1.0f) * 0.5f : alpha;
        return {level - 1.0f, 1.0f, level - 1.0f, a};
    }
    if (level > 0.5f) return {2.0f * (1.0f - level), 1.0f, 0.0f, alpha};
    if (level > 0.0f) return {1.0f, 2.0f * level, 0.0f, alpha};
    return {GREY_LEVEL, GREY_LEVEL, GREY_LEVEL, std::trunc(alpha * BYTE) / BYTE};
}

void SetLevelColour(f32 level, f32 alpha) {
    LevelRGBA c = LevelColour(level, alpha);
    SetColorF(c.r, c.g, c.b, c.a);
}

void Ship::Draw() {
    DrawShip(*this);
}

void ShipDraw() {
    if (world.playerShip) DrawShip(*world.playerShip);
}
