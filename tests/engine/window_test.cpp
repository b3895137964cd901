// The window and context lifecycle on the scripted platform: placement, the fatal missing
// context, display modes, and minimise/restore in a window and in full screen.
#include "engine/engine.h"
#include "engine/log.h"
#include "engine/module.h"
#include "tests/engine/engine_fixture.h"

namespace {
// A layer that keeps GL objects: its hooks log, so their order against the engine's lines shows.
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
        RegisterEngineModule(&textureKeeper);
        InitEngine("Window Test");
        SetCallbackFn<void()>(CB_MINIMIZE, [] { CallRecorder::Add("minimize"); });
        SetCallbackFn<void()>(CB_RESTORE, [] { CallRecorder::Add("restore"); });
        SetCallbackFn<void(i32, i32)>(CB_RESIZE,
                                      [](i32 w, i32) { CallRecorder::Add("resize", w); });
    }
    void TearDown() override {
        DestroyEngine();
        UnregisterEngineModule(&textureKeeper);
    }
    size_t Logged(const char* text, size_t from = 0) {
        return dir.Read("vaelor.log").find(text, from);
    }
};

TEST_F(WindowTest, WindowIsCentredWithAnExactClientArea) {
    fake::SetScreenSize(1024, 768);
    fake::SetFrameMetrics(3, 20);
    CreateMainWindow(800, 600, 0);
    const auto& w = fake::Window();
    EXPECT_EQ(std::tuple(w.width, w.height, w.x, w.y, w.kind, w.title),
              std::tuple(800, 600, (1024 - 806) / 2, (768 - 626) / 2, SYS_WINDOW_FIXED,
                         std::string("Window Test")));
    CreateMainWindow(640, 480, WINDOW_FULLSCREEN);
    EXPECT_EQ(fake::Window().kind, SYS_WINDOW_FULLSCREEN);
    EXPECT_EQ(GetClientWidth(), 640);
    CreateMainWindow(640, 480, WINDOW_RESIZABLE);
    EXPECT_EQ(fake::Window().kind, SYS_WINDOW_RESIZABLE);
    Send(fake::Size(SYS_SIZE_RESTORED, 1000, 700));
    EXPECT_EQ(GetClientWidth(), 1000);
    EXPECT_EQ(GetClientHeight(), 700);
    EXPECT_EQ(Calls(), Lines{"resize 1000"});
}

TEST_F(WindowTest, DestroyGLForgetsTheContextAndAMissingOneEndsTheProcess) {
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    Set2DMode(true);
    DestroyGL();
    EXPECT_FALSE(HasGLContext());
    EXPECT_FALSE(Is2DMode());
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    fake::SetContextFails(true);
    EXPECT_EXIT(InitGL(0), testing::ExitedWithCode(EXIT_NO_GL_CONTEXT), "");
}

// Minimising a window keeps the context and pauses; restoring is no resize.
TEST_F(WindowTest, MinimisingAWindowKeepsTheContextAndPauses) {
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    Send(fake::Size(SYS_SIZE_MINIMIZED, 0, 0));
    EXPECT_EQ(std::tuple(IsMinimized(), IsPaused(), HasGLContext()), std::tuple(true, true, true));
    Send(fake::Size(SYS_SIZE_MINIMIZED, 0, 0)); // already minimised: nothing more
    Send(fake::Size(SYS_SIZE_RESTORED, 800, 600));
    EXPECT_EQ(std::pair(IsMinimized(), IsPaused()), std::pair(false, false));
    EXPECT_EQ(Calls(), (Lines{"minimize", "restore"}));
    EXPECT_EQ(Logged("keeper saves its textures"), std::string::npos);
    Send(SysMessage{SYSMSG_KILLFOCUS, 0, 0}); // only full screen minimises on focus loss
    EXPECT_EQ(fake::Window().minimizeRequests, 0);
}

TEST_F(WindowTest, DisplayModesAndMinimisingFullScreenRebuildsTheContext) {
    fake::SetDisplayModeAccepted(false);
    EXPECT_FALSE(SetDisplayMode(1024, 768, 32, 0));
    fake::SetDisplayModeAccepted(true);
    ASSERT_TRUE(SetDisplayMode(1024, 768, 32, 60));
    EXPECT_EQ(GetClientHeight(), 768);
    CreateMainWindow(1024, 768, WINDOW_FULLSCREEN);
    InitGL(0);
    Send(SysMessage{SYSMSG_KILLFOCUS, 0, 0});
    EXPECT_EQ(fake::Window().minimizeRequests, 1);
    Send(fake::Size(SYS_SIZE_MINIMIZED, 0, 0));
    EXPECT_FALSE(HasGLContext());
    EXPECT_EQ(GetDisplayBits(), 32); // remembered for the restore
    Send(fake::Size(SYS_SIZE_RESTORED, 1024, 768));
    EXPECT_TRUE(HasGLContext());
    EXPECT_EQ(fake::Window().contextsCreated, 2);
    size_t down = Logged("keeper saves its textures"), restore = Logged("Display Mode restored"),
           set = Logged("Setting Display Mode to 1024x768x32@60", restore),
           up = Logged("keeper rebuilds its textures");
    EXPECT_TRUE(down < restore && set < up) << dir.Read("vaelor.log");
    EXPECT_EQ(Calls(), (Lines{"minimize", "restore"}));
    RestoreDisplayMode();
    EXPECT_EQ(GetDisplayBits(), 0);
}
