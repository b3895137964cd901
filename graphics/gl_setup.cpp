// The one-off GL state switches the game asks for at start-up.
#include "graphics/gl_setup.h"

#include <GL/gl.h>

static_assert(FILTER_LINEAR == GL_LINEAR, "filter values are GL's own");
static_assert(FILTER_LINEAR_MIPMAP_LINEAR == GL_LINEAR_MIPMAP_LINEAR, "filter values are GL's own");

void glEnableSmoothing() {
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POINT_SMOOTH);
}

bool glSmoothingEnabled() {
    return glIsEnabled(GL_LINE_SMOOTH) && glIsEnabled(GL_POINT_SMOOTH);
}
