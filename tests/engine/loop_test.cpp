// The frame: elapsed-time measurement and its clamp, the order of a frame's work, timers,
// pause and resume, minimised frames, and the engine switches.
#include "tests/engine/engine_fixture.h"

namespace {
std::vector<float> updates;
int renders = 0;
std::vector<std::string> order;
int timerA = 0, timerB = 0;

void OnUpdate(f32 dt) {
    updates.push_back(dt);
    order.push_back("update");
}
void OnRender() {
    renders++;
    order.push_back("render");
}
void OnTimer() {
    order.push_back("timer");
}
void CountA() {
    timerA++;
}
void CountB() {
    timerB++;
}
void AddsTimer() {
    timerA++;
    if (timerA == 1) AddTimer(CountB, 0.01f);
}
} // namespace

class LoopTest : public EngineFixture {
  protected:
    void SetUp() override {
        EngineFixture::SetUp();
        updates.clear();
        renders = 0;
        order.clear();
        timerA = timerB = 0;
        SetCallbackFn(CB_UPDATE, OnUpdate);
        SetCallbackFn(CB_RENDER, OnRender);
    }
    // Runs one frame that ends `ms` after the previous one.
    void FrameAfter(u32 ms) {
        fake::AdvanceTime(ms);
        DoFrame();
    }
};

// The second frame's step: a stall advances nothing, a wrapped tick counter a small step,
// and a resumed frame only the part measured before its pause, if short.
TEST_F(LoopTest, FrameStepsClampStallsWrapsAndPauses) {
    const struct {
        u32 start, beforePause, pause, after;
        f32 want;
    } cases[] = {
        {5000, 0, 0, 1500, 0.0f},          {5000, 0, 0, 1000, 1.0f},    {5000, 0, 0, 16, 0.016f},
        {0xFFFFFFF0u, 0, 0, 0x20, 0.032f}, {1000, 7, 60000, 0, 0.007f}, {1000, 25, 500, 0, 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after + c.beforePause);
        SetUp();
        fake::SetTime(c.start);
        DoFrame();
        fake::AdvanceTime(c.beforePause);
        if (c.pause) {
            PauseEngine();
            fake::AdvanceTime(c.pause);
            ResumeEngine();
        }
        FrameAfter(c.after);
        ASSERT_EQ(updates.size(), 2u);
        EXPECT_FLOAT_EQ(updates[1], c.want);
    }
}

TEST_F(LoopTest, FrameRunsUpdateRenderTimersThenSwapsAndPumps) {
    AddTimer(OnTimer, 0.001f);
    fake::PushMessage(fake::KeyDown('A'));
    FrameAfter(10);
    EXPECT_EQ(order, (std::vector<std::string>{"update", "render", "timer"}));
    EXPECT_EQ(fake::Window().swaps, 1);
    EXPECT_EQ(fake::PendingMessages(), 0u);
    EXPECT_TRUE(IsKeyDown('A'));
}

TEST_F(LoopTest, MinimisedFramesOnlySleepAndPump) {
    AddTimer(OnTimer, 0.001f);
    SetMinimized(true);
    fake::PushMessage(fake::KeyDown('B'));
    FrameAfter(50);
    EXPECT_TRUE(updates.empty());
    EXPECT_EQ(renders, 0);
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(fake::Window().swaps, 0);
    EXPECT_EQ(fake::SleptMilliseconds(), 10u);
    EXPECT_TRUE(IsKeyDown('B'));
}

TEST_F(LoopTest, PausedEngineSkipsUpdateButDrawsAndRunsTimers) {
    AddTimer(OnTimer, 0.001f);
    PauseEngine();
    FrameAfter(20);
    EXPECT_TRUE(updates.empty());
    EXPECT_EQ(order, (std::vector<std::string>{"render", "timer"}));
}

TEST_F(LoopTest, TimerTableHoldsTwoHundredFiftySixTimers) {
    EXPECT_EQ(AddTimer(CountA, 1.0f), 0);
    for (int i = 1; i < 256; i++) EXPECT_EQ(AddTimer(CountA, 1.0f), i);
    EXPECT_EQ(AddTimer(CountA, 1.0f), INVALID_HANDLE);
    EXPECT_EQ(TimerCount(), 256);
}

TEST_F(LoopTest, TimerCarriesItsOvershootIntoTheNextPeriod) {
    AddTimer(CountA, 3.0f);
    std::vector<int> fired;
    for (int frame = 1; frame <= 10; frame++) {
        int before = timerA;
        RunTimers(0.7f);
        if (timerA != before) fired.push_back(frame);
    }
    // 3.5 s at frame 5; the 0.5 s overshoot makes the next period end at frame 9 (6.3 s).
    EXPECT_EQ(fired, (std::vector<int>{5, 9}));
}

TEST_F(LoopTest, TimerFiresOncePerFrameWhileCatchingUp) {
    AddTimer(CountA, 0.1f);
    RunTimers(0.35f);
    EXPECT_EQ(timerA, 1);
    RunTimers(0.0f);
    RunTimers(0.0f);
    EXPECT_EQ(timerA, 3); // still behind: one call per frame until it has caught up
    RunTimers(0.0f);
    EXPECT_EQ(timerA, 3);
}

TEST_F(LoopTest, TimerAddedByATimerRunsInTheSamePass) {
    AddTimer(AddsTimer, 0.05f);
    RunTimers(0.1f);
    EXPECT_EQ(timerA, 1);
    EXPECT_EQ(timerB, 1);
}

TEST_F(LoopTest, SwitchesAndFloatParameters) {
    EngineSetf(ENGINE_TEXT_MARKUP, 0.5f); // only exactly 1.0 means on
    EXPECT_FALSE(EngineIsEnabled(ENGINE_TEXT_MARKUP));
    EXPECT_EQ(EngineGetf(ENGINE_TEXT_MARKUP), 0.0f);
    EngineSetf(ENGINE_TEXT_MARKUP, 1.0f);
    EXPECT_EQ(EngineGetf(ENGINE_TEXT_MARKUP), 1.0f);

    EngineSetf(ENGINE_DOUBLE_CLICK_TIME, 0.25f);
    EXPECT_FLOAT_EQ(EngineGetf(ENGINE_DOUBLE_CLICK_TIME), 0.25f);

    EngineEnable(3); // unknown ids are ignored
    EngineSetf(12, 5.0f);
    EXPECT_EQ(EngineGetf(12), 0.0f);
    EXPECT_EQ(EngineGetf(ENGINE_KEY_REPEAT), 0.0f); // a switch, not a float parameter
}
