// Panel drawing state and current-colour point lists.
#include "graphics/draw2d_state.h"

#include <GL/gl.h>

#include "graphics/draw2d_frame.h"
#include "graphics/texture.h"

void glSetTexturing(bool on) {
    on ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
}

void glSetLineSmoothing(bool on) {
    on ? glEnable(GL_LINE_SMOOTH) : glDisable(GL_LINE_SMOOTH);
}

void glSetOutlinePolygons(bool on) {
    glPolygonMode(GL_FRONT_AND_BACK, on ? GL_LINE : GL_FILL);
}

void glSetClipPlane(int plane, f64 a, f64 b, f64 d) {
    if (plane < 0 || plane >= CLIP_PLANE_COUNT) return;
    const GLdouble equation[4] = {a, b, 0.0, d};
    glClipPlane(GLenum(GL_CLIP_PLANE0 + plane), equation);
    glEnable(GLenum(GL_CLIP_PLANE0 + plane));
}

void glDisableClipPlane(int plane) {
    if (plane < 0 || plane >= CLIP_PLANE_COUNT) return;
    glDisable(GLenum(GL_CLIP_PLANE0 + plane));
}

void glDefaultDrawState() {
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_TEXTURE_2D);
    glLineWidth(1.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

SavedDrawState::SavedDrawState() {
    glPushAttrib(GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_LINE_BIT);
}

SavedDrawState::~SavedDrawState() {
    glPopAttrib();
}

static void DrawPoints(GLenum mode, const Point2D* points, int count) {
    if (!points || count <= 0) return;
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    glBegin(mode);
    for (int i = 0; i < count; i++) glVertex2f(points[i].x, points[i].y);
    glEnd();
}

void glDrawTriangles(const Point2D* points, int count) {
    DrawPoints(GL_TRIANGLES, points, count);
}
void glDrawLineLoop(const Point2D* points, int count) {
    DrawPoints(GL_LINE_LOOP, points, count);
}
void glDrawLineStrip(const Point2D* points, int count) {
    DrawPoints(GL_LINE_STRIP, points, count);
}

void glDrawTextureRepeated(f32 x, f32 y, f32 w, f32 h, const Texture* texture, f32 across,
                           f32 down) {
    if (!texture) return;
    Draw2DFrame frame(Draw2DFrame::TEXTURED);
    glBindTexture(GL_TEXTURE_2D, texture->name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(x, y);
    glTexCoord2f(across, 0), glVertex2f(x + w, y);
    glTexCoord2f(across, down), glVertex2f(x + w, y + h);
    glTexCoord2f(0, down), glVertex2f(x, y + h);
    glEnd();
}
