// The real window and GL context under X: screenshots of a known frame (the hot key's are the
// end-to-end scripts'), and a window that lost its map before its first frame.
#include <GL/gl.h>
#include <cstring>

#include "engine/engine.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "platform/platform.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_dir.h"
#include <gtest/gtest.h>
// Xlib last: its macros (None, Bool) would clash with the headers above.
#include <X11/Xlib.h>

namespace {
// The top-level X window with this title, through a connection of the test's own.
::Window FindWindow(Display* display, const char* title) {
    ::Window root = DefaultRootWindow(display), parent = 0, *children = nullptr, found = 0;
    unsigned count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; i++) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name && strcmp(name, title) == 0)
            found = children[i];
        if (name) XFree(name);
    }
    if (children) XFree(children);
    return found;
}
} // namespace

class GLWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { GLTestEnsureContext(); }
};

TEST_F(GLWindowTest, ScreenshotsHoldTheDrawnFrame) {
    TempDir dir;
    GLTestClear(0.2f, 0.4f, 0.6f);
    glScreenShot(dir.File("frame.bmp").c_str());
    glScreenShot(dir.File("frame.tga").c_str());
    std::string bmp = dir.Read("frame.bmp"), tga = dir.Read("frame.tga");
    ASSERT_EQ(bmp.size(), 54u + 2400u * 600u);
    for (int i = 0; i < 3; i++) EXPECT_NEAR(u8(bmp[54 + i]), 153 - 51 * i, 1); // blue first
    ASSERT_EQ(tga.size(), 18u + 3u * 800u * 600u);
    EXPECT_NEAR(u8(tga[18 + 3 * 1000]), 153, 1);
}

// The first frame shows a window unmapped before it; later an unmapped window is a minimise.
TEST_F(GLWindowTest, FirstFrameShowsAWindowThatLostItsMap) {
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    ASSERT_TRUE(GLimp_WindowShown());
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    ::Window window = FindWindow(other, GetWindowTitle());
    ASSERT_NE(window, 0u);
    for (bool expected : {true, false}) { // shown by the first swap only
        XUnmapWindow(other, window);
        XSync(other, False);
        EXPECT_FALSE(GLimp_WindowShown());
        SwapMainBuffers();
        EXPECT_EQ(GLimp_WindowShown(), expected);
    }
    XMapWindow(other, window);
    XSync(other, False);
    XCloseDisplay(other);
}
