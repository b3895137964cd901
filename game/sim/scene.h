// The battle scene: camera, star field, the ship with its shields, beams and firing arcs, the
// status indicators and the pause notice.
#pragma once

#include "engine/types.h"

struct CameraRectangle {
    f32 left, top, width, height;
};

struct SceneState {
    f32 viewOffsetX = 0.0f, viewOffsetY = 0.0f;
    f32 cursorX = 400.0f, cursorY = 300.0f; // last cursor seen while the console key was up
    f32 listenerZoom = -1.0f;               // zoom the listener was last placed for
};
extern SceneState scene;

CameraRectangle CameraRect();
void ApplyCamera();
void UpdateViewOffset(f32 dt);
void UpdateZoom(f32 dt);
void ZoomStep(f32 delta, bool smooth);
void DrawStars();
void ShipDraw();
void DrawStatusIndicators();
void DrawPauseBox();
void SetLevelColour(f32 level, f32 alpha);
