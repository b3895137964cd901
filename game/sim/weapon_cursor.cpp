// The in-flight cursor: the menu pointer while the console key is held, otherwise a crosshair
// tinted by the weapon kinds in arc, glow dots counting them, and the torpedo spread marker.
#include "engine/utils.h"
#include "game/shell/bindings.h"
#include "game/shell/resources.h"
#include "game/sim/objects.h"
#include "game/sim/weapons.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_points.h"

namespace {

constexpr f32 POINTER_SIZE = 32.0f, POINTER_TIP_X = 8.0f, POINTER_TIP_Y = 5.0f;
constexpr f32 CROSSHAIR_SIZE = 26.0f;
constexpr f32 GLOW_OFFSET = 9.5f, GLOW_RADIUS = 4.0f;
constexpr i16 GLOW_SEGMENTS = 10;
constexpr f32 MARKER_POINT = 3.0f, MARKER_DOT = 1.5f; // black point, smaller orange point over it
constexpr u32 BEAMS_ONLY = MakeRGB(255, 128, 0);
constexpr u32 BOTH_KINDS = MakeRGB(192, 0, 255);
constexpr u32 TORPEDOES_ONLY = MakeRGB(0, 128, 255);
constexpr u32 NO_WEAPON = MakeRGB(255, 255, 255);
constexpr u32 MARKER_BLACK = MakeRGB(0, 0, 0);
constexpr u32 MARKER_ORANGE = MakeRGB(255, 77, 0); // (1, 0.3, 0)

struct ArcCount {
    int beams = 0, torpedoes = 0;
};

ArcCount CountMountsInArc() {
    ArcCount count;
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return count;
    u8 list[MAX_MOUNTS];
    u16 n = MountsInArc(list);
    for (u16 i = 0; i < n; ++i) {
        if (ship->shipClass->mounts[list[i]].type == MOUNT_TORPEDO)
            ++count.torpedoes;
        else
            ++count.beams;
    }
    return count;
}

u32 CrosshairTint(ArcCount count) {
    if (count.beams > 0) return count.torpedoes > 0 ? BOTH_KINDS : BEAMS_ONLY;
    return count.torpedoes > 0 ? TORPEDOES_ONLY : NO_WEAPON;
}

void DrawGlowDots(f32 x, f32 y, ArcCount count) {
    if (count.beams > 0)
        glFillGlow(x - GLOW_OFFSET, y - GLOW_OFFSET, GLOW_RADIUS, 1.0f,
                   count.beams == 1 ? 0.5f : 0.1f, 0.0f, 1.0f, GLOW_SEGMENTS);
    if (count.torpedoes > 0)
        glFillGlow(x + GLOW_OFFSET, y - GLOW_OFFSET, GLOW_RADIUS, 0.0f,
                   count.torpedoes == 1 ? 0.5f : 0.1f, 1.0f, 1.0f, GLOW_SEGMENTS);
}

void DrawMarkerPoints(const ScreenPoint* points, int count) {
    SetColor(MARKER_BLACK);
    for (int i = 0; i < count; ++i) glDrawPointSized(points[i].x, points[i].y, MARKER_POINT);
    SetColor(MARKER_ORANGE);
    for (int i = 0; i < count; ++i) glDrawPointSized(points[i].x, points[i].y, MARKER_DOT);
}

void DrawSpreadMarker(f32 x, f32 y) {
    if (systems.torpedoSpread) {
        const ScreenPoint fan[] = {
            {x + 9.0f, y + 9.0f}, {x + 9.0f, y + 10.5f}, {x + 12.0f, y + 9.0f}};
        DrawMarkerPoints(fan, 3);
    } else {
        const ScreenPoint single[] = {{x + 12.0f, y + 12.0f}};
        DrawMarkerPoints(single, 1);
    }
}

} // namespace

void DrawWeaponCursor(f32 x, f32 y) {
    PushColor();
    if (IsActionDown(ACTION_CONSOLE)) {
        SetColor(NO_WEAPON);
        glDrawTextureRect(x - POINTER_TIP_X, y - POINTER_TIP_Y, POINTER_SIZE, POINTER_SIZE,
                          res.menuCursorTexture, nullptr);
        PopColor();
        return;
    }
    ArcCount count = CountMountsInArc();
    SetColor(CrosshairTint(count));
    glDrawTextureRect(x - CROSSHAIR_SIZE / 2, y - CROSSHAIR_SIZE / 2, CROSSHAIR_SIZE,
                      CROSSHAIR_SIZE, res.gameCursorTexture, nullptr);
    DrawGlowDots(x, y, count);
    DrawSpreadMarker(x, y);
    PopColor();
}
