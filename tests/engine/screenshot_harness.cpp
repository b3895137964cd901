// A bare engine program for the end-to-end screenshot test: the real window and loop, a frame
// cleared to a known colour, the engine's own hot key and quit keys.
#include <GL/gl.h>

#include "engine/engine.h"
#include "engine/loop.h"
#include "engine/window.h"

static void Render() {
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

int main() {
    InitEngine("Vaelor Screenshot Harness");
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    SetCallback(CB_RENDER, reinterpret_cast<void*>(&Render));
    RunMainLoop();
    DestroyEngine();
    return 0;
}
