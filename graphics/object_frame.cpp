// The model-view frame one scene object is drawn in.
#include "graphics/object_frame.h"

#include <GL/gl.h>

void glPushObjectFrame(f32 dx, f32 dy, f32 degrees) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(dx, dy, 0.0f);
    // With y growing downward, a positive turn about +z runs clockwise on the screen.
    glRotatef(degrees, 0.0f, 0.0f, 1.0f);
}

void glPopObjectFrame() {
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void glResetObjectView() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void glClearFrame() {
    glClear(GL_COLOR_BUFFER_BIT);
}
