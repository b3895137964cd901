// The colour stack and packed-colour helper.
#include "graphics/color.h"

#include <GL/gl.h>

#include "engine/utils.h"

namespace {
f32 savedColors[COLOR_STACK_DEPTH][4];
int depth = 0; // may exceed COLOR_STACK_DEPTH; the excess saves nothing
} // namespace

void PushColor() {
    if (depth < COLOR_STACK_DEPTH) glGetFloatv(GL_CURRENT_COLOR, savedColors[depth]);
    depth++;
}

void PopColor() {
    if (depth == 0) return;
    depth--;
    if (depth < COLOR_STACK_DEPTH) glColor4fv(savedColors[depth]);
}

void SetColor(u32 packed) {
    glColor4ub(ColorR(packed), ColorG(packed), ColorB(packed), ColorA(packed));
}
