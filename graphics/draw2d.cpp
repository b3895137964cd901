// The 2D projection over the 800 x 600 virtual screen, the two rotating temporary rectangle
// pools, and the plain primitives: lines, rectangles and points.
#include "graphics/draw2d.h"

#include <GL/gl.h>

#include "engine/input.h"
#include "engine/window.h"
#include "graphics/draw2d_frame.h"

namespace {
constexpr int TEMP_RECT_SLOTS = 9;
constexpr f64 ORTHO_NEAR = 1.0, ORTHO_FAR = 0.0;

// The two pools of temporary rectangles, each handed out in rotation.
struct TempRectPools {
    TempRect intRects[TEMP_RECT_SLOTS] = {};
    TempRectF floatRects[TEMP_RECT_SLOTS] = {};
    int nextIntRect = 0;
    int nextFloatRect = 0;
};
TempRectPools rects;
} // namespace

Draw2DFrame::Draw2DFrame(Texturing texturing)
    : entered_(!Is2DMode()), textured_(texturing == TEXTURED) {
    if (entered_) glEnter2D();
    textureWasEnabled_ = glIsEnabled(GL_TEXTURE_2D);
    if (textured_) {
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture_);
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

Draw2DFrame::~Draw2DFrame() {
    if (textured_) {
        glBindTexture(GL_TEXTURE_2D, GLuint(boundTexture_));
        if (!textureWasEnabled_) glDisable(GL_TEXTURE_2D);
    } else if (textureWasEnabled_) {
        glEnable(GL_TEXTURE_2D);
    }
    if (entered_) glLeave2D();
}

void glEnter2D() {
    if (Is2DMode()) return;
    Set2DMode(true);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, VIRTUAL_WIDTH, VIRTUAL_HEIGHT, 0, ORTHO_NEAR, ORTHO_FAR);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_LIGHTING);
}

void glLeave2D() {
    if (!Is2DMode()) return;
    Set2DMode(false);
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

TempRect* glTempRect(i16 x, i16 y, i16 w, i16 h) {
    TempRect* rect = &rects.intRects[rects.nextIntRect];
    rects.nextIntRect = (rects.nextIntRect + 1) % TEMP_RECT_SLOTS;
    *rect = TempRect{x, y, w, h};
    return rect;
}

TempRectF* glTempRectF(f32 x, f32 y, f32 w, f32 h) {
    TempRectF* rect = &rects.floatRects[rects.nextFloatRect];
    rects.nextFloatRect = (rects.nextFloatRect + 1) % TEMP_RECT_SLOTS;
    *rect = TempRectF{x, y, w, h};
    return rect;
}

void glDrawLine(f32 x1, f32 y1, f32 x2, f32 y2) {
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    glBegin(GL_LINES);
    glVertex2f(x1, y1);
    glVertex2f(x2, y2);
    glEnd();
}

static void RectVertices(GLenum mode, f32 x, f32 y, f32 w, f32 h) {
    glBegin(mode);
    glVertex2f(x, y);
    glVertex2f(x + w, y);
    glVertex2f(x + w, y + h);
    glVertex2f(x, y + h);
    glEnd();
}

void glDrawRect(f32 x, f32 y, f32 w, f32 h) {
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    RectVertices(GL_LINE_LOOP, x, y, w, h);
}

void glFillRect(f32 x, f32 y, f32 w, f32 h) {
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    RectVertices(GL_QUADS, x, y, w, h);
}

void glDrawPoint(f32 x, f32 y) {
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    glBegin(GL_POINTS);
    glVertex2f(x, y);
    glEnd();
}
