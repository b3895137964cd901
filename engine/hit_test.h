// Hit tests of a point against the GUI's shapes.
#pragma once

#include "engine/types.h"

// Edges included.
bool PointInRect(f32 x, f32 y, f32 left, f32 top, f32 width, f32 height);
// A rectangle whose corners are rounded with radius width x roundness / 2 (height x roundness
// / 2 when the rectangle is too flat for that); strictly inside.
bool PointInRoundRect(f32 x, f32 y, f32 left, f32 top, f32 width, f32 height, f32 roundness);
// Strictly closer than the radius to the centre (x2, y2).
bool PointInCircle(f32 x1, f32 y1, f32 x2, f32 y2, f32 radius);
// The y difference is scaled by radiusX / radiusY and tested like a circle of radiusX.
bool PointInEllipse(f32 x1, f32 y1, f32 x2, f32 y2, f32 radiusX, f32 radiusY);
