// Layer modules around the game's slots in frames and input, start-up, shutdown, limits, errors.
#include "engine/engine.h"
#include "engine/module.h"
#include "engine/report.h"
#include "tests/engine/engine_fixture.h"

namespace {
Lines seen;
bool sceneShown = true;

template <char N> constexpr EngineModule Recorder() {
    return EngineModule{
        .name = "recorder",
        .init = [] { seen.push_back(N + std::string(" init")); },
        .shutdown =
            [] { seen.push_back(N + std::string(HasGLContext() ? " shutdown" : " no GL")); },
        .beginFrame = [] { seen.push_back(N + std::string(" begin")); },
        .update = [](f32) { seen.push_back(N + std::string(" update")); },
        .showsScene = [] { return sceneShown; },
        .draw = [] { seen.push_back(N + std::string(" draw")); },
        .advance = [](f32) { seen.push_back(N + std::string(" advance")); },
        .keyDown = [](u32 k) { seen.push_back(N + (" down " + std::to_string(k))); },
        .keyUp = [](u32 k) { seen.push_back(N + (" up " + std::to_string(k))); },
        .character = [](u32 c) { seen.push_back(N + (" char " + std::to_string(c))); },
        .reportError = [](const char*, const char*) { return int(N); },
    };
}
constexpr EngineModule moduleA = Recorder<'A'>(), moduleB = Recorder<'B'>();
} // namespace

class ModuleTest : public EngineFixture {
  protected:
    void SetUp() override {
        EngineFixture::SetUp();
        seen.clear();
        sceneShown = true;
        for (const EngineModule* m : {&moduleA, &moduleB}) ASSERT_TRUE(RegisterEngineModule(m));
        SetCallbackFn<void(f32)>(CB_UPDATE, [](f32) { seen.push_back("slot update"); });
        SetCallbackFn<void()>(CB_RENDER, [] { seen.push_back("slot render"); });
        SetCallbackFn<void(u32)>(CB_KEY_DOWN, [](u32) { seen.push_back("slot down"); });
        AddTimer([] { seen.push_back("timer"); }, 0.0f);
    }
    void TearDown() override {
        for (const EngineModule* m : {&moduleA, &moduleB}) UnregisterEngineModule(m);
    }
};

TEST_F(ModuleTest, FramesAndInputReachModulesAroundTheGameSlotsInOrder) {
    for (bool shown : {true, false}) {
        seen.clear();
        sceneShown = shown;
        DoFrame();
        Lines want = {"A begin", "B begin", "A update",  "B update",  "slot update", "slot render",
                      "A draw",  "B draw",  "A advance", "B advance", "timer"};
        if (!shown) want.erase(want.begin() + 5); // a module hiding the scene keeps this slot out
        EXPECT_EQ(seen, want) << "scene shown " << shown;
    }
    seen.clear();
    SetMinimized(true);
    DoFrame();
    EXPECT_EQ(seen, (Lines{"A begin", "B begin"})); // a minimised frame only begins
    seen.clear();
    Send(fake::KeyDown('Q'));
    Send(fake::KeyUp('Q'));
    Send(SysMessage{SYSMSG_CHAR, 'q', 0});
    EXPECT_EQ(seen, (Lines{"A down 81", "B down 81", "slot down", "A up 81", "B up 81",
                           "A char 113", "B char 113"})); // the modules before the game
}

TEST_F(ModuleTest, StartUpInOrderShutdownInReverseWhileTheContextLives) {
    InitEngine(nullptr);
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    DestroyEngine();
    EXPECT_EQ(seen, (Lines{"A init", "B init", "B shutdown", "A shutdown"}));
    EXPECT_FALSE(HasGLContext());
}

TEST_F(ModuleTest, RegistrationIsOnceAndBoundedAndModulesShowErrors) {
    EXPECT_TRUE(RegisterEngineModule(&moduleA)); // already there: kept once
    EXPECT_EQ(EngineModuleCount(), 2);
    EXPECT_FALSE(RegisterEngineModule(nullptr));
    EngineModule extra[MAX_ENGINE_MODULES];
    int accepted = 0;
    for (const EngineModule& m : extra) accepted += RegisterEngineModule(&m);
    EXPECT_EQ(accepted, MAX_ENGINE_MODULES - 2);
    for (const EngineModule& m : extra) UnregisterEngineModule(&m);
    EXPECT_EQ(EngineModuleCount(), 2);
    // Errors go to the first module that shows them, else to the system's box.
    EXPECT_EQ(ReportError("broken", "Here"), 'A');
    EXPECT_TRUE(fake::MessageBoxes().empty());
    UnregisterEngineModule(&moduleA);
    UnregisterEngineModule(&moduleB);
    EXPECT_EQ(ReportError("broken", "Here"), 0);
    ASSERT_EQ(fake::MessageBoxes().size(), 1u);
    EXPECT_EQ(fake::MessageBoxes()[0].caption, "Error( Here )");
}
