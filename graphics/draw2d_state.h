// GL state that nested panels are drawn in (texturing and smooth-line switches, clip planes,
// outlined polygons, the default state and a scope that saves it) and point lists drawn in the
// current colour, so that code above the graphics layer needs no GL header.
#pragma once

#include "engine/types.h"

struct Texture;

struct Point2D {
    f32 x, y;
};

void glSetTexturing(bool on);
void glSetLineSmoothing(bool on);
// Filled shapes drawn while on show only their edges.
void glSetOutlinePolygons(bool on);

constexpr int CLIP_PLANE_COUNT = 6;
// Clips away every point where a * x + b * y + d < 0 (in the coordinates current at the call).
// Planes outside 0..5 are ignored.
void glSetClipPlane(int plane, f64 a, f64 b, f64 d);
void glDisableClipPlane(int plane);

// Texturing and smooth lines on, lines 1 pixel wide, opaque white.
void glDefaultDrawState();

// Saves the enable switches, the matrix mode and the line state; puts them back at scope end.
class SavedDrawState {
  public:
    SavedDrawState();
    ~SavedDrawState();
    SavedDrawState(const SavedDrawState&) = delete;
    SavedDrawState& operator=(const SavedDrawState&) = delete;
};

// Untextured, in the current colour.
void glDrawTriangles(const Point2D* points, int count);
void glDrawLineLoop(const Point2D* points, int count);
void glDrawLineStrip(const Point2D* points, int count);

// The texture repeated across a rectangle: texture coordinates run from 0 to across and down,
// and the texture is set to repeat. In the current colour.
void glDrawTextureRepeated(f32 x, f32 y, f32 w, f32 h, const Texture* texture, f32 across,
                           f32 down);
