// Vertex-list drawing, sizes, float colours and the scoped transform used by the game's scene.
#include "graphics/draw2d_game.h"

#include <GL/gl.h>

#include "engine/window.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_frame.h"
#include "graphics/texture.h"

namespace {
GLenum GLMode(Primitive2D kind) {
    switch (kind) {
    case PRIM_POINTS: return GL_POINTS;
    case PRIM_LINES: return GL_LINES;
    case PRIM_LINE_STRIP: return GL_LINE_STRIP;
    case PRIM_TRIANGLES: return GL_TRIANGLES;
    case PRIM_TRIANGLE_STRIP: return GL_TRIANGLE_STRIP;
    case PRIM_TRIANGLE_FAN: return GL_TRIANGLE_FAN;
    case PRIM_QUADS: return GL_QUADS;
    }
    return GL_POINTS;
}
} // namespace

void glDrawColored(Primitive2D kind, const ColorVertex* vertices, int count) {
    if (!vertices || count <= 0) return;
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    GLfloat saved[4];
    glGetFloatv(GL_CURRENT_COLOR, saved);
    glBegin(GLMode(kind));
    for (int i = 0; i < count; i++) {
        const ColorVertex& v = vertices[i];
        glColor4f(v.r, v.g, v.b, v.a);
        glVertex2f(v.x, v.y);
    }
    glEnd();
    glColor4fv(saved);
}

void glDrawTextured(Primitive2D kind, const TexVertex* vertices, int count,
                    const Texture* texture) {
    if (!vertices || count <= 0) return;
    bool textured = texture && texture->name != 0;
    Draw2DFrame frame(textured ? Draw2DFrame::TEXTURED : Draw2DFrame::UNTEXTURED);
    if (textured) glBindTexture(GL_TEXTURE_2D, texture->name);
    glBegin(GLMode(kind));
    for (int i = 0; i < count; i++) {
        glTexCoord2f(vertices[i].s, vertices[i].t);
        glVertex2f(vertices[i].x, vertices[i].y);
    }
    glEnd();
}

void glSetPointSize(f32 size) {
    glPointSize(size > 0 ? size : 1.0f);
}

void glSetLineWidth(f32 width) {
    glLineWidth(width > 0 ? width : 1.0f);
}

void SetColorF(f32 r, f32 g, f32 b, f32 a) {
    glColor4f(r, g, b, a);
}

Transform2D::Transform2D() : entered_(!Is2DMode()) {
    if (entered_) glEnter2D();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
}

Transform2D::~Transform2D() {
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    if (entered_) glLeave2D();
}

void glTranslate2D(f32 x, f32 y) {
    glTranslatef(x, y, 0.0f);
}

void glRotate2D(f32 degrees) {
    glRotatef(degrees, 0.0f, 0.0f, 1.0f);
}

void glScale2D(f32 scale) {
    glScalef(scale, scale, scale);
}
