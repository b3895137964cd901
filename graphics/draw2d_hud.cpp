// Textured fans and per-vertex shaded strips in the 2D projection, for the heads-up consoles.
#include "graphics/draw2d_hud.h"

#include <GL/gl.h>

#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d_frame.h"
#include "graphics/texture.h"

namespace {
constexpr int MIN_FAN = 3;
constexpr int MIN_STRIP = 3;
} // namespace

void glDrawTexturedFan(const Texture* texture, const FanVertex* vertices, int count) {
    if (!vertices || count < MIN_FAN) return;
    bool textured = texture && texture->name != 0;
    Draw2DFrame frame(textured ? Draw2DFrame::TEXTURED : Draw2DFrame::UNTEXTURED);
    if (textured) glBindTexture(GL_TEXTURE_2D, texture->name);
    glBegin(GL_TRIANGLE_FAN);
    for (int i = 0; i < count; ++i) {
        glTexCoord2f(vertices[i].s, vertices[i].t);
        glVertex2f(vertices[i].x, vertices[i].y);
    }
    glEnd();
}

void glDrawShadedStrip(const ShadedVertex* vertices, int count) {
    if (!vertices || count < MIN_STRIP) return;
    Draw2DFrame frame(Draw2DFrame::UNTEXTURED);
    PushColor();
    glBegin(GL_TRIANGLE_STRIP);
    for (int i = 0; i < count; ++i) {
        u32 c = vertices[i].color;
        glColor4ub(ColorR(c), ColorG(c), ColorB(c), ColorA(c));
        glVertex2f(vertices[i].x, vertices[i].y);
    }
    glEnd();
    PopColor();
}
