// Flat primitives in the 800 x 600 virtual screen, drawn in the current GL colour. Each call
// enters the 2D projection when it is not active and leaves it again.
#pragma once

#include "engine/types.h"

struct Texture;
struct Surface;

struct TempRect {
    i16 x, y, w, h;
};
struct TempRectF {
    f32 x, y, w, h;
};

enum FlipCode : u16 {
    FLIP_NONE = 0,
    FLIP_HORIZONTAL = 0x0F,
    FLIP_VERTICAL = 0xF0,
    FLIP_BOTH = 0xFF
};

void glEnter2D();
void glLeave2D();
TempRect* glTempRect(i16 x, i16 y, i16 w, i16 h);
TempRectF* glTempRectF(f32 x, f32 y, f32 w, f32 h);

void glDrawLine(f32 x1, f32 y1, f32 x2, f32 y2);
void glDrawRect(f32 x, f32 y, f32 w, f32 h);
void glFillRect(f32 x, f32 y, f32 w, f32 h);
void glDrawRoundRect(f32 x, f32 y, f32 w, f32 h, f32 roundness);
void glFillRoundRect(f32 x, f32 y, f32 w, f32 h, f32 roundness);
void glDrawCircle(f32 cx, f32 cy, f32 radius, i16 segments);
void glFillCircle(f32 cx, f32 cy, f32 radius, i16 segments);
void glFillGlow(f32 cx, f32 cy, f32 radius, f32 r, f32 g, f32 b, f32 a, i16 segments);
void glDrawEllipse(f32 cx, f32 cy, f32 rx, f32 ry, i16 segments);
void glFillEllipse(f32 cx, f32 cy, f32 rx, f32 ry, i16 segments);
void glDrawPoint(f32 x, f32 y);
void glDrawTexture(f32 x, f32 y, f32 w, f32 h, const Texture* texture, const TempRectF* source,
                   u16 flip);
void glDrawTextureRect(f32 x, f32 y, f32 w, f32 h, const Texture* texture, const TempRect* source);
void glDrawSurface(f32 x, f32 y, f32 w, f32 h, const Surface* surface, const TempRectF* source,
                   u16 flip);
void glDrawSurfaceRect(f32 x, f32 y, f32 w, f32 h, const Surface* surface, const TempRect* source);
