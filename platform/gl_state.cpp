// Fixed-function GL state on the current context, for the engine that has no GL of its own.
#include "platform/gl_state.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
constexpr double FIELD_OF_VIEW_DEGREES = 45.0;
// The 2D view's depth range, near and far swapped as the layers above expect.
constexpr double ORTHO_NEAR = 1.0, ORTHO_FAR = 0.0;
constexpr int FLOAT_STATE_MAX = 16; // the largest float state, a matrix

void ResetModelView() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
} // namespace

void GLimp_SetDefaultState() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POINT_SMOOTH);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
}

void GLimp_SetPerspectiveView(int width, int height, double nearPlane, double farPlane) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    double aspect = height ? double(width) / double(height) : 1.0;
    gluPerspective(FIELD_OF_VIEW_DEGREES, aspect, nearPlane, farPlane);
    ResetModelView();
}

void GLimp_SetVirtualScreenView(int width, int height, int virtualWidth, int virtualHeight) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, virtualWidth, virtualHeight, 0, ORTHO_NEAR, ORTHO_FAR);
    ResetModelView();
}

void GLimp_ClearBuffers() {
    GLbitfield mask = GL_COLOR_BUFFER_BIT;
    if (glIsEnabled(GL_DEPTH_TEST)) mask |= GL_DEPTH_BUFFER_BIT;
    if (glIsEnabled(GL_STENCIL_TEST)) mask |= GL_STENCIL_BUFFER_BIT;
    glClear(mask);
}

float GLimp_GetFloat(uint32_t name) {
    GLfloat values[FLOAT_STATE_MAX] = {};
    glGetFloatv(name, values);
    return values[0];
}

void GLimp_ReadBackBuffer(int width, int height, uint8_t* rgb) {
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}
