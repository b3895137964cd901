// Sized points: markers such as the weapon cursor's spread dots.
#include "graphics/draw2d_points.h"

#include <GL/gl.h>

#include "graphics/draw2d.h"

namespace {
constexpr f32 DEFAULT_POINT_SIZE = 1.0f;
}

void glDrawPointSized(f32 x, f32 y, f32 size) {
    glPointSize(size);
    glDrawPoint(x, y);
    glPointSize(DEFAULT_POINT_SIZE);
}
