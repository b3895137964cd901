// Rounded rectangles, circles, the glow disc and ellipses in the 2D projection.
#include <GL/gl.h>
#include <cmath>

#include "graphics/draw2d.h"
#include "graphics/draw2d_frame.h"

namespace {
constexpr f32 ROUND_SEGMENTS_PER_UNIT = 0.0555556f; // one corner segment per 18 units of w + h
constexpr f32 ROUND_SEGMENTS_BASE = 5.0f;
constexpr f32 QUARTER_TURN = 1.57096f;
constexpr f32 FULL_TURN = 6.283f;
constexpr f32 CIRCLE_SEGMENTS_PER_RADIUS = 0.5f;
constexpr f32 ELLIPSE_SEGMENTS_PER_RADIUS = 0.25f;
constexpr int ELLIPSE_MIN_SEGMENTS = 32;
// Fewer than three segments is no shape at all (and zero would divide by zero); the upper
// bound keeps huge sizes from turning into endless vertex lists.
constexpr int MIN_SEGMENTS = 3;
constexpr int MAX_SEGMENTS = 4096;
constexpr int MAX_CORNER_SEGMENTS = 1024;

int ClampSegments(f32 count, int low, int high) {
    if (!(count >= low)) return low; // also catches NaN
    if (count > high) return high;
    return int(count);
}

struct RoundShape {
    f32 radius;
    int segments; // per corner
    f32 step;
};

RoundShape RoundRectShape(f32 w, f32 h, f32 roundness) {
    if (roundness < 0) roundness = 0;
    if (roundness > 1) roundness = 1;
    f32 k = roundness * 0.5f;
    RoundShape shape;
    shape.segments = ClampSegments((w + h) * ROUND_SEGMENTS_PER_UNIT + ROUND_SEGMENTS_BASE, 1,
                                   MAX_CORNER_SEGMENTS);
    shape.radius = w * k;
    if (shape.radius > h * 0.5f) shape.radius = h * k;
    shape.step = QUARTER_TURN / f32(shape.segments);
    return shape;
}

// The n + 1 points of one corner arc; signX and signY turn it towards its corner.
void CornerArc(f32 cx, f32 cy, f32 signX, f32 signY, const RoundShape& shape) {
    for (int i = 0; i <= shape.segments; i++) {
        f32 a = f32(i) * shape.step;
        glVertex2f(cx + signX * cosf(a) * shape.radius, cy + signY * sinf(a) * shape.radius);
    }
}

struct Corner {
    f32 cx, cy, signX, signY;
};

void Corners(f32 x, f32 y, f32 w, f32 h, f32 r, Corner out[4]) {
    out[0] = {x + r, y + r, -1, -1};
    out[1] = {x + w - r, y + r, 1, -1};
    out[2] = {x + r, y + h - r, -1, 1};
    out[3] = {x + w - r, y + h - r, 1, 1};
}

void Quad(f32 x0, f32 y0, f32 x1, f32 y1) {
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
}

int CircleSegments(i16 segments, f32 radius) {
    if (segments >= MIN_SEGMENTS) return segments;
    return ClampSegments(radius * CIRCLE_SEGMENTS_PER_RADIUS, MIN_SEGMENTS, MAX_SEGMENTS);
}

int EllipseSegments(i16 segments, f32 rx, f32 ry) {
    int n = segments;
    if (n < MIN_SEGMENTS)
        n = ClampSegments((rx + ry) * ELLIPSE_SEGMENTS_PER_RADIUS, 0, MAX_SEGMENTS);
    return n < ELLIPSE_MIN_SEGMENTS ? ELLIPSE_MIN_SEGMENTS : n;
}

// Points i = 0..segments of an ellipse, starting straight above the centre; the last point
// closes the shape.
void RimPoints(f32 cx, f32 cy, f32 rx, f32 ry, int segments) {
    f32 step = FULL_TURN / f32(segments);
    for (int i = 0; i <= segments; i++) {
        f32 a = f32(i) * step;
        glVertex2f(cx + sinf(a) * rx, cy - cosf(a) * ry);
    }
}

void Rim(GLenum mode, f32 cx, f32 cy, f32 rx, f32 ry, int segments) {
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    glBegin(mode);
    if (mode == GL_TRIANGLE_FAN) glVertex2f(cx, cy);
    RimPoints(cx, cy, rx, ry, segments);
    glEnd();
}
} // namespace

void glDrawRoundRect(f32 x, f32 y, f32 w, f32 h, f32 roundness) {
    RoundShape shape = RoundRectShape(w, h, roundness);
    f32 r = shape.radius;
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    glBegin(GL_LINES);
    glVertex2f(x + r, y);
    glVertex2f(x + w - r, y);
    glVertex2f(x + r, y + h);
    glVertex2f(x + w - r, y + h);
    glVertex2f(x, y + r);
    glVertex2f(x, y + h - r);
    glVertex2f(x + w, y + r);
    glVertex2f(x + w, y + h - r);
    glEnd();
    Corner corners[4];
    Corners(x, y, w, h, r, corners);
    for (const Corner& c : corners) {
        glBegin(GL_LINE_STRIP);
        CornerArc(c.cx, c.cy, c.signX, c.signY, shape);
        glEnd();
    }
}

void glFillRoundRect(f32 x, f32 y, f32 w, f32 h, f32 roundness) {
    RoundShape shape = RoundRectShape(w, h, roundness);
    f32 r = shape.radius;
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    glBegin(GL_QUADS);
    Quad(x + r, y, x + w - r, y + h);
    Quad(x, y + r, x + r, y + h - r);
    Quad(x + w - r, y + r, x + w, y + h - r);
    glEnd();
    Corner corners[4];
    Corners(x, y, w, h, r, corners);
    for (const Corner& c : corners) {
        glBegin(GL_TRIANGLE_FAN);
        glVertex2f(c.cx, c.cy);
        CornerArc(c.cx, c.cy, c.signX, c.signY, shape);
        glEnd();
    }
}

void glDrawCircle(f32 cx, f32 cy, f32 radius, i16 segments) {
    Rim(GL_LINE_STRIP, cx, cy, radius, radius, CircleSegments(segments, radius));
}

void glFillCircle(f32 cx, f32 cy, f32 radius, i16 segments) {
    Rim(GL_TRIANGLE_FAN, cx, cy, radius, radius, CircleSegments(segments, radius));
}

void glFillGlow(f32 cx, f32 cy, f32 radius, f32 r, f32 g, f32 b, f32 a, i16 segments) {
    int n = CircleSegments(segments, radius);
    GLfloat current[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, current);
    {
        Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
        glBegin(GL_TRIANGLE_FAN);
        glColor4f(r, g, b, a);
        glVertex2f(cx, cy);
        glColor4f(r, g, b, 0.0f);
        RimPoints(cx, cy, radius, radius, n);
        glEnd();
    }
    // The caller's colour is kept: the next primitive must not draw with the rim's zero alpha.
    glColor4fv(current);
}

void glDrawEllipse(f32 cx, f32 cy, f32 rx, f32 ry, i16 segments) {
    Rim(GL_LINE_STRIP, cx, cy, rx, ry, EllipseSegments(segments, rx, ry));
}

void glFillEllipse(f32 cx, f32 cy, f32 rx, f32 ry, i16 segments) {
    Rim(GL_TRIANGLE_FAN, cx, cy, rx, ry, EllipseSegments(segments, rx, ry));
}
