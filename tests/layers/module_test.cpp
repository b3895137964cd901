// Layer modules seen from the engine: their places in a frame around the game's slots, input
// before the game, start-up and shutdown order, registration limits and error reports.
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/module.h"
#include "engine/utils.h"
#include "tests/engine/engine_fixture.h"

namespace {
std::vector<std::string> seen;
bool sceneShown = true;
bool contextAtShutdown = false;

template <char N> std::string Tag(const char* what) {
    return std::string(1, N) + " " + what;
}
template <char N> constexpr EngineModule Recorder() {
    return EngineModule{
        .name = "recorder",
        .init = [] { seen.push_back(Tag<N>("init")); },
        .shutdown =
            [] {
                seen.push_back(Tag<N>("shutdown"));
                contextAtShutdown = HasGLContext();
            },
        .beginFrame = [] { seen.push_back(Tag<N>("begin")); },
        .update = [](f32) { seen.push_back(Tag<N>("update")); },
        .showsScene = [] { return sceneShown; },
        .draw = [] { seen.push_back(Tag<N>("draw")); },
        .advance = [](f32) { seen.push_back(Tag<N>("advance")); },
        .keyDown = [](u32 k) { seen.push_back(Tag<N>("down ") + std::to_string(k)); },
        .keyUp = [](u32 k) { seen.push_back(Tag<N>("up ") + std::to_string(k)); },
        .character = [](u32 c) { seen.push_back(Tag<N>("char ") + std::to_string(c)); },
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
        ASSERT_TRUE(RegisterEngineModule(&moduleA));
        ASSERT_TRUE(RegisterEngineModule(&moduleB));
        SetCallbackFn(
            CB_UPDATE, +[](f32) { seen.push_back("slot update"); });
        SetCallbackFn(
            CB_RENDER, +[] { seen.push_back("slot render"); });
        SetCallbackFn(
            CB_KEY_DOWN, +[](u32) { seen.push_back("slot down"); });
        AddTimer([] { seen.push_back("timer"); }, 0.0f);
    }
    void TearDown() override {
        UnregisterEngineModule(&moduleA);
        UnregisterEngineModule(&moduleB);
    }
    using Seen = std::vector<std::string>;
};

TEST_F(ModuleTest, FrameCallsModulesAroundTheGameSlotsInOrder) {
    struct Case {
        bool shown;
        Seen expected;
    };
    const Case cases[] = {
        {true,
         {"A begin", "B begin", "A update", "B update", "slot update", "slot render", "A draw",
          "B draw", "A advance", "B advance", "timer"}},
        // One module hiding the scene keeps the game's render slot out, nothing else.
        {false,
         {"A begin", "B begin", "A update", "B update", "slot update", "A draw", "B draw",
          "A advance", "B advance", "timer"}},
    };
    for (const Case& c : cases) {
        seen.clear();
        sceneShown = c.shown;
        DoFrame();
        EXPECT_EQ(seen, c.expected) << "scene shown " << c.shown;
    }
    seen.clear();
    SetMinimized(true);
    DoFrame();
    EXPECT_EQ(seen, (Seen{"A begin", "B begin"})); // a minimised frame only begins
}

TEST_F(ModuleTest, InputReachesModulesBeforeTheGame) {
    Send(fake::KeyDown('Q'));
    Send(fake::KeyUp('Q'));
    Send(SysMessage{SYSMSG_CHAR, 'q', 0});
    EXPECT_EQ(seen, (Seen{"A down 81", "B down 81", "slot down", "A up 81", "B up 81", "A char 113",
                          "B char 113"}));
}

TEST_F(ModuleTest, StartUpInOrderShutdownInReverseWhileTheContextLives) {
    InitEngine(nullptr);
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    DestroyEngine();
    EXPECT_EQ(seen, (Seen{"A init", "B init", "B shutdown", "A shutdown"}));
    EXPECT_TRUE(contextAtShutdown);
    EXPECT_FALSE(HasGLContext());
}

TEST_F(ModuleTest, RegistrationIsOnceAndBounded) {
    EXPECT_TRUE(RegisterEngineModule(&moduleA)); // already there: kept once
    EXPECT_EQ(EngineModuleCount(), 2);
    EXPECT_FALSE(RegisterEngineModule(nullptr));
    EngineModule extra[MAX_ENGINE_MODULES];
    int accepted = 0;
    for (const EngineModule& m : extra) accepted += RegisterEngineModule(&m);
    EXPECT_EQ(accepted, MAX_ENGINE_MODULES - 2);
    for (const EngineModule& m : extra) UnregisterEngineModule(&m);
    EXPECT_EQ(EngineModuleCount(), 2);
}

TEST_F(ModuleTest, ErrorsGoToTheFirstModuleThatShowsThemElseTheSystemBox) {
    EXPECT_EQ(ReportError("broken", "Here"), 'A');
    EXPECT_TRUE(fake::MessageBoxes().empty());
    UnregisterEngineModule(&moduleA);
    UnregisterEngineModule(&moduleB);
    EXPECT_EQ(ReportError("broken", "Here"), 0);
    ASSERT_EQ(fake::MessageBoxes().size(), 1u);
    EXPECT_EQ(fake::MessageBoxes()[0].caption, "Error( Here )");
}
