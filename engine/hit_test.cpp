// Hit tests of a point against rectangles, rounded rectangles, circles and ellipses.
#include "engine/hit_test.h"

bool PointInRect(f32 x, f32 y, f32 left, f32 top, f32 width, f32 height) {
    return left <= x && x <= left + width && top <= y && y <= top + height;
}

bool PointInRoundRect(f32 x, f32 y, f32 left, f32 top, f32 width, f32 height, f32 roundness) {
    f32 r = width * roundness * 0.5f;
    if (height * 0.5f < r) r = height * roundness * 0.5f;
    if (left < x && x < left + width && top + r < y && y < top + height - r) return true;
    if (left + r < x && x < left + width - r && top < y && y < top + height) return true;
    const f32 cx[2] = {left + r, left + width - r};
    const f32 cy[2] = {top + r, top + height - r};
    for (f32 px : cx)
        for (f32 py : cy)
            if (PointInCircle(x, y, px, py, r)) return true;
    return false;
}

bool PointInCircle(f32 x1, f32 y1, f32 x2, f32 y2, f32 radius) {
    f32 dx = x1 - x2, dy = y1 - y2;
    return dx * dx + dy * dy < radius * radius;
}

bool PointInEllipse(f32 x1, f32 y1, f32 x2, f32 y2, f32 radiusX, f32 radiusY) {
    if (radiusY == 0.0f) return false;
    f32 dy = (y1 - y2) * radiusX / radiusY;
    return PointInCircle(x1, y2 + dy, x2, y2, radiusX);
}
