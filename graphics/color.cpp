// The colour stack and packed-colour helper.
#include "graphics/color.h"

#include <GL/gl.h>

#include "engine/utils.h"

namespace {
// Colours saved by PushColor; the depth may exceed the stack, and the excess saves nothing.
struct ColorStack {
    f32 savedColors[COLOR_STACK_DEPTH][4] = {};
    int depth = 0;
};
ColorStack colors;
} // namespace

void PushColor() {
    if (colors.depth < COLOR_STACK_DEPTH)
        glGetFloatv(GL_CURRENT_COLOR, colors.savedColors[colors.depth]);
    colors.depth++;
}

void PopColor() {
    if (colors.depth == 0) return;
    colors.depth--;
    if (colors.depth < COLOR_STACK_DEPTH) glColor4fv(colors.savedColors[colors.depth]);
}

void SetColor(u32 packed) {
    glColor4ub(ColorR(packed), ColorG(packed), ColorB(packed), ColorA(packed));
}
