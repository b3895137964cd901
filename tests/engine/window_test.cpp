// The window and context lifecycle on the scripted platform: placement, the fatal missing
// context, display modes, and minimise/restore in a window and in full screen.
#include "engine/engine.h"
#include "engine/log.h"
#include "engine/module.h"
#include "tests/engine/engine_fixture.h"

namespace {
int minimizes = 0, restores = 0, resizes = 0;
void OnMinimize() {
    minimizes++;
}
void OnRestore() {
    restores++;
}
void OnResize(i32, i32) {
    resizes++;
}
// A layer that keeps GL objects: its hooks write to the log, so their order against the
// engine's own lines shows.
const EngineModule textureKeeper = {
    .name = "texture keeper",
    .contextLost = [] { LogWrite("keeper saves its textures"); },
    .contextRestored = [] { LogWrite("keeper rebuilds its textures"); },
};
} // namespace

class WindowTest : public EngineFixture {
  protected:
    void SetUp() override {
        EngineFixture::SetUp();
        minimizes = restores = resizes = 0;
        RegisterEngineModule(&textureKeeper);
        InitEngine("Window Test");
        SetCallbackFn(CB_MINIMIZE, OnMinimize);
        SetCallbackFn(CB_RESTORE, OnRestore);
    }
    void TearDown() override {
        DestroyEngine();
        UnregisterEngineModule(&textureKeeper);
    }
    std::string Log() { return dir.Read("vaelor.log"); }
};

TEST_F(WindowTest, WindowIsCentredWithAnExactClientArea) {
    fake::SetScreenSize(1024, 768);
    fake::SetFrameMetrics(3, 20);
    CreateMainWindow(800, 600, 0);
    const auto& w = fake::Window();
    EXPECT_EQ(w.width, 800);
    EXPECT_EQ(w.height, 600);
    EXPECT_EQ(w.x, (1024 - 806) / 2);
    EXPECT_EQ(w.y, (768 - 626) / 2);
    EXPECT_EQ(w.kind, SYS_WINDOW_FIXED);
    EXPECT_EQ(w.title, "Window Test");

    CreateMainWindow(640, 480, WINDOW_FULLSCREEN);
    EXPECT_EQ(fake::Window().kind, SYS_WINDOW_FULLSCREEN);
    EXPECT_EQ(GetClientWidth(), 640);
    CreateMainWindow(640, 480, WINDOW_RESIZABLE);
    EXPECT_EQ(fake::Window().kind, SYS_WINDOW_RESIZABLE);
}

TEST_F(WindowTest, DestroyGLForgetsTheContext) {
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    EXPECT_TRUE(HasGLContext());
    Set2DMode(true);
    DestroyGL();
    EXPECT_FALSE(HasGLContext());
    EXPECT_FALSE(Is2DMode());
}

TEST_F(WindowTest, MissingContextEndsTheProcessWithAFailureStatus) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    CreateMainWindow(800, 600, 0);
    fake::SetContextFails(true);
    EXPECT_EXIT(InitGL(0), testing::ExitedWithCode(EXIT_NO_GL_CONTEXT), "");
}

TEST_F(WindowTest, DisplayModeRefusalIsReported) {
    fake::SetDisplayModeAccepted(false);
    EXPECT_FALSE(SetDisplayMode(1024, 768, 32, 0));
    fake::SetDisplayModeAccepted(true);
    EXPECT_TRUE(SetDisplayMode(1024, 768, 32, 75));
    EXPECT_EQ(GetDisplayBits(), 32);
    EXPECT_EQ(GetClientHeight(), 768);
    RestoreDisplayMode();
    EXPECT_EQ(GetDisplayBits(), 0);
}

TEST_F(WindowTest, MinimisingAWindowKeepsTheContextAndPauses) {
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    SetCallbackFn(CB_RESIZE, OnResize);
    Send(fake::Size(SYS_SIZE_MINIMIZED, 0, 0));
    EXPECT_TRUE(IsMinimized());
    EXPECT_TRUE(IsPaused());
    EXPECT_TRUE(HasGLContext());
    EXPECT_EQ(minimizes, 1);
    Send(fake::Size(SYS_SIZE_MINIMIZED, 0, 0)); // already minimised: nothing more
    EXPECT_EQ(minimizes, 1);
    Send(fake::Size(SYS_SIZE_RESTORED, 800, 600));
    EXPECT_FALSE(IsMinimized());
    EXPECT_FALSE(IsPaused());
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(resizes, 0); // restoring is not a resize
    EXPECT_EQ(Log().find("keeper saves its textures"), std::string::npos);
}

TEST_F(WindowTest, MinimisingFullScreenRebuildsTheContext) {
    ASSERT_TRUE(SetDisplayMode(1024, 768, 32, 60));
    CreateMainWindow(1024, 768, WINDOW_FULLSCREEN);
    InitGL(0);
    Send(fake::Size(SYS_SIZE_MINIMIZED, 0, 0));
    EXPECT_FALSE(HasGLContext());
    EXPECT_EQ(GetDisplayBits(), 32); // remembered for the restore
    Send(fake::Size(SYS_SIZE_RESTORED, 1024, 768));
    EXPECT_TRUE(HasGLContext());
    EXPECT_EQ(fake::Window().contextsCreated, 2);
    std::string log = Log();
    size_t down = log.find("keeper saves its textures"),
           restore = log.find("Display Mode restored"),
           set = log.find("Setting Display Mode to 1024x768x32@60", restore),
           up = log.find("keeper rebuilds its textures");
    ASSERT_NE(down, std::string::npos);
    ASSERT_NE(set, std::string::npos);
    EXPECT_LT(down, restore);
    EXPECT_LT(set, up);
    EXPECT_EQ(restores, 1);
}

TEST_F(WindowTest, FocusLossMinimisesOnlyInFullScreen) {
    CreateMainWindow(800, 600, 0);
    Send(SysMessage{SYSMSG_KILLFOCUS, 0, 0});
    EXPECT_EQ(fake::Window().minimizeRequests, 0);
    SetDisplayMode(800, 600, 32, 0);
    Send(SysMessage{SYSMSG_KILLFOCUS, 0, 0});
    EXPECT_EQ(fake::Window().minimizeRequests, 1);
}

TEST_F(WindowTest, ResizeUpdatesTheClientAreaAndCallsTheSlot) {
    CreateMainWindow(800, 600, WINDOW_RESIZABLE);
    SetCallbackFn(CB_RESIZE, OnResize);
    Send(fake::Size(SYS_SIZE_RESTORED, 1000, 700));
    EXPECT_EQ(GetClientWidth(), 1000);
    EXPECT_EQ(GetClientHeight(), 700);
    EXPECT_EQ(resizes, 1);
}
