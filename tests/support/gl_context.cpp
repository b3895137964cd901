// One engine window and context per GL test program.
#include "tests/support/gl_context.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdlib>

#include "engine/engine.h"
#include "engine/window.h"

namespace {
bool ready = false;
}

void GLTestEnsureContext() {
    if (ready) return;
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    ready = true;
}

void GLTestClear(float r, float g, float b, float a) {
    glClearColor(r, g, b, a);
    glClear(GL_COLOR_BUFFER_BIT);
}

RGBA GLTestPixel(int x, int y) {
    u8 p[4] = {};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, GetClientHeight() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return RGBA{p[0], p[1], p[2], p[3]};
}

std::vector<u8> GLTestReadAll(int* width, int* height) {
    int w = GetClientWidth(), h = GetClientHeight();
    std::vector<u8> bottomUp(size_t(w) * h * 4), topDown(bottomUp.size());
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    for (int y = 0; y < h; y++)
        std::copy_n(bottomUp.begin() + size_t(h - 1 - y) * w * 4, size_t(w) * 4,
                    topDown.begin() + size_t(y) * w * 4);
    *width = w;
    *height = h;
    return topDown;
}

bool ColorNear(const RGBA& a, const RGBA& b, int t) {
    return abs(a.r - b.r) <= t && abs(a.g - b.g) <= t && abs(a.b - b.b) <= t && abs(a.a - b.a) <= t;
}
