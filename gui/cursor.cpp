// The GUI's mouse cursors: 32 slots of drawn or animated surface shapes, the built-in arrow,
// text I-beam and double bar, and the slot chosen for the current frame.
#include <cmath>

#include "engine/input.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/texture.h"
#include "gui/gui_internal.h"

namespace {
struct CursorSlot {
    CursorDrawFunc draw;
    Surface* surface;
    u16 frameWidth, frameHeight, frameCount;
    f32 period, scale, hotX, hotY;
};

// The cursor shapes, the one shown, its animation phase and whether it is drawn at all.
struct CursorState {
    CursorSlot slots[GUI_CURSOR_SLOTS] = {};
    i32 current = CURSOR_ARROW;
    f32 phase = 0.0f;
    bool visible = true;
};
CursorState cursors;

constexpr f32 ARROW_LINE_WIDTH = 1.2f;
constexpr f32 ARROW_FILL_ALPHA = 0.3f;

constexpr int MAX_OUTLINE_POINTS = 12;

// The points moved to the mouse position.
int Placed(const f32 (*points)[2], int count, f32 mx, f32 my, Point2D* out) {
    for (int i = 0; i < count; i++) out[i] = Point2D{mx + points[i][0], my + points[i][1]};
    return count;
}

void LineLoop(const f32 (*points)[2], int count, f32 mx, f32 my) {
    Point2D placed[MAX_OUTLINE_POINTS];
    glDrawLineLoop(placed, Placed(points, count, mx, my, placed));
}

void DrawArrow(f32 mx, f32 my) {
    static const f32 tip[3][2] = {{0, 0}, {3, 19}, {15, 12}};
    glSetTexturing(false);
    glSetLineSmoothing(true);
    glSetLineWidth(ARROW_LINE_WIDTH);
    SetColorF(0.0f, 0.0f, 0.0f, ARROW_FILL_ALPHA);
    Point2D placed[3];
    glDrawTriangles(placed, Placed(tip, 3, mx, my, placed));
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    LineLoop(tip, 3, mx, my);
}

void DrawIBeam(f32 mx, f32 my) {
    static const f32 outline[12][2] = {{-3, -8}, {3, -8}, {3, -6}, {1, -6}, {1, 6},   {3, 6},
                                       {3, 8},   {-3, 8}, {-3, 6}, {-1, 6}, {-1, -6}, {-3, -6}};
    glSetTexturing(false);
    SetColorF(0.0f, 0.0f, 0.0f, 1.0f);
    glFillRect(mx - 1, my - 8, (mx + 1) - (mx - 1), (my + 8) - (my - 8));
    glFillRect(mx - 3, my - 8, (mx + 3) - (mx - 3), (my - 6) - (my - 8));
    glFillRect(mx - 3, my + 6, (mx + 3) - (mx - 3), (my + 8) - (my + 6));
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    LineLoop(outline, 12, mx, my);
}

void DrawDoubleBar(f32 mx, f32 my) {
    static const f32 left[8][2] = {{-3, -8}, {-1, -8}, {-1, 8},  {-3, 8},
                                   {-3, 1},  {-8, 1},  {-8, -1}, {-3, -1}};
    static const f32 right[8][2] = {{3, -8}, {1, -8}, {1, 8},  {3, 8},
                                    {3, 1},  {8, 1},  {8, -1}, {3, -1}};
    glSetTexturing(false);
    SetColorF(0.0f, 0.0f, 0.0f, 1.0f);
    glFillRect(mx - 3, my - 8, (mx - 1) - (mx - 3), (my + 8) - (my - 8));
    glFillRect(mx + 1, my - 8, (mx + 3) - (mx + 1), (my + 8) - (my - 8));
    glFillRect(mx - 8, my - 1, (mx - 3) - (mx - 8), (my + 1) - (my - 1));
    glFillRect(mx + 3, my - 1, (mx + 8) - (mx + 3), (my + 1) - (my - 1));
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    LineLoop(left, 8, mx, my);
    LineLoop(right, 8, mx, my);
}

// Frames lie left to right and continue on the next row when they pass the surface's width.
void DrawSurfaceFrame(const CursorSlot& s, f32 mx, f32 my) {
    if (!s.surface || !s.frameWidth || !s.frameHeight || !s.frameCount) return;
    u32 frame = u32(f32(s.frameCount) * cursors.phase);
    if (frame >= s.frameCount) frame = s.frameCount - 1u;
    u32 perRow = s.surface->width / s.frameWidth;
    if (perRow == 0) perRow = 1;
    f32 sx = f32((frame % perRow) * s.frameWidth), sy = f32((frame / perRow) * s.frameHeight);
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    glDrawSurface(mx - s.hotX * s.scale, my - s.hotY * s.scale, s.frameWidth * s.scale,
                  s.frameHeight * s.scale, s.surface,
                  glTempRectF(sx, sy, s.frameWidth, s.frameHeight), FLIP_NONE);
}
} // namespace

void ResetCursors() {
    cursors = CursorState{};
    cursors.slots[CURSOR_ARROW] = CursorSlot{DrawArrow, nullptr, 0, 0, 0, 0.0f, 1.0f, 0.0f, 0.0f};
    cursors.slots[CURSOR_IBEAM] = CursorSlot{DrawIBeam, nullptr, 0, 0, 0, 0.0f, 1.0f, 0.0f, 0.0f};
    cursors.slots[CURSOR_DOUBLE_BAR] =
        CursorSlot{DrawDoubleBar, nullptr, 0, 0, 0, 0.0f, 1.0f, 0.0f, 0.0f};
}

void SetCursorShape(i32 slot, CursorDrawFunc draw, Surface* surface, u16 frameWidth,
                    u16 frameHeight, u16 frameCount, f32 period, f32 scale, f32 hotX, f32 hotY) {
    if (slot < 0 || slot >= GUI_CURSOR_SLOTS) return;
    cursors.slots[slot] =
        CursorSlot{draw, surface, frameWidth, frameHeight, frameCount, period, scale, hotX, hotY};
}

void SelectCursor(i32 slot) {
    if (slot >= 0 && slot < GUI_CURSOR_SLOTS) cursors.current = slot;
}

i32 GetCursorSlot() {
    return cursors.current;
}

void ShowGUICursor(bool show) {
    cursors.visible = show;
}

void UpdateCursor(f32 dt) {
    f32 period = cursors.slots[cursors.current].period;
    if (period == 0.0f) return;
    cursors.phase += dt / period;
    if (cursors.phase >= 1.0f || !std::isfinite(cursors.phase) || cursors.phase < 0.0f)
        cursors.phase = 0.0f;
}

void DrawCursor() {
    if (!cursors.visible) return;
    const CursorSlot& s = cursors.slots[cursors.current];
    f32 mx = 0, my = 0;
    GetMousePos(&mx, &my);
    if (s.draw)
        s.draw(mx, my);
    else
        DrawSurfaceFrame(s, mx, my);
}
