// The battle scene: camera, star field, the ship with its shields, beams and firing arcs, the
// status indicators and the pause notice.
#pragma once

#include "engine/types.h"

struct Ship;

struct CameraRectangle {
    f32 left, top, width, height;
};

struct SceneState {
    f32 viewOffsetX = 0.0f, viewOffsetY = 0.0f;
    f32 cursorX = 400.0f, cursorY = 300.0f; // last cursor seen while the console key was up
    f32 listenerZoom = -1.0f;               // zoom the listener was last placed for
};
extern SceneState scene;

constexpr f32 ZOOM_MIN = 500.0f;
constexpr f32 ZOOM_MAX = 3000.0f;
constexpr f32 ZOOM_RATE = 1500.0f; // world units of visible height per second

CameraRectangle CameraRect();
// Multiplies the current transform by the world-to-screen transform, entering the 2D projection
// when it is not active; callers save the transform around the scene (Transform2D).
void ApplyCamera();
void UpdateViewOffset(f32 dt);
void UpdateZoom(f32 dt);
void ZoomStep(f32 delta, bool smooth);
void DrawStars();
void ShipDraw();
void DrawShip(const Ship& ship); // in the ship's own frame
void DrawStatusIndicators();
void DrawPauseBox();
void SetLevelColour(f32 level, f32 alpha);

// The level colour scale: red through yellow and green to white, grey at 0 or below.
struct LevelRGBA {
    f32 r, g, b, a;
};
LevelRGBA LevelColour(f32 level, f32 alpha);

// The star streak vector of a ship (zero: the stars are points).
struct StreakVector {
    f32 x, y;
};
StreakVector StarStreak(const Ship& ship);
