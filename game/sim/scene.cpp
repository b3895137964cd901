// Minimal bodies until this module is written.
#include "game/sim/scene.h"
#include "game/sim/objects.h"

SceneState scene;

CameraRectangle CameraRect() {
    return {0, 0, 0, 0};
}
void ApplyCamera() {}
void UpdateViewOffset(f32 /*dt*/) {}
void UpdateZoom(f32 /*dt*/) {}
void ZoomStep(f32 /*delta*/, bool /*smooth*/) {}
void DrawStars() {}
void ShipDraw() {}
void DrawStatusIndicators() {}
void DrawPauseBox() {}
void SetLevelColour(f32 /*level*/, f32 /*alpha*/) {}
void Ship::Draw() {
    ShipDraw();
}
