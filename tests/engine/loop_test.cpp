// The frame: elapsed-time measurement and its clamp, the order of a frame's work, timers,
// pause and resume, minimised frames, and the engine switches.
#include "tests/engine/engine_fixture.h"

namespace {
std::vector<float> updates;
int timerA = 0, timerB = 0;
void CountA() {
    timerA++;
}
} // namespace

class LoopTest : public EngineFixture {
  protected:
    void SetUp() override {
        EngineFixture::SetUp();
        updates.clear();
        timerA = timerB = 0;
        SetCallbackFn<void(f32)>(CB_UPDATE, [](f32 dt) {
            updates.push_back(dt);
            CallRecorder::Add("update");
        });
        SetCallbackFn<void()>(CB_RENDER, [] { CallRecorder::Add("render"); });
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

// A running frame updates, draws, runs timers, swaps and pumps; a paused one skips the update;
// a minimised one only sleeps and pumps.
TEST_F(LoopTest, FrameWorkFollowsTheEngineState) {
    const struct {
        bool paused, minimised;
        Lines order;
        int swaps;
    } cases[] = {
        {false, false, {"update", "render", "timer"}, 1},
        {true, false, {"render", "timer"}, 1},
        {false, true, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order.size());
        SetUp();
        AddTimer([] { CallRecorder::Add("timer"); }, 0.001f);
        if (c.paused) PauseEngine();
        SetMinimized(c.minimised);
        fake::PushMessage(fake::KeyDown('A'));
        FrameAfter(20);
        EXPECT_EQ(Calls(), c.order);
        EXPECT_EQ(fake::Window().swaps, c.swaps);
        EXPECT_EQ(fake::PendingMessages(), 0u);
        EXPECT_TRUE(IsKeyDown('A'));
        EXPECT_EQ(fake::SleptMilliseconds(), c.minimised ? 10u : 0u);
    }
}

TEST_F(LoopTest, TimerTableHoldsTwoHundredFiftySixTimers) {
    for (int i = 0; i < 256; i++) EXPECT_EQ(AddTimer(CountA, 1.0f), i);
    EXPECT_EQ(AddTimer(CountA, 1.0f), INVALID_HANDLE);
    EXPECT_EQ(TimerCount(), 256);
}

TEST_F(LoopTest, TimerCarriesItsOvershootAndCatchesUpOncePerFrame) {
    AddTimer(CountA, 3.0f);
    std::vector<int> fired;
    for (int frame = 1; frame <= 10; frame++) {
        int before = timerA;
        RunTimers(0.7f);
        if (timerA != before) fired.push_back(frame);
    }
    // 3.5 s at frame 5; the 0.5 s overshoot makes the next period end at frame 9 (6.3 s).
    EXPECT_EQ(fired, (std::vector<int>{5, 9}));
    SetUp();
    AddTimer(CountA, 0.1f);
    RunTimers(0.35f);
    for (int want : {1, 2, 3, 3}) {
        EXPECT_EQ(timerA, want); // behind: one call per frame until it has caught up
        RunTimers(0.0f);
    }
}

TEST_F(LoopTest, TimerAddedByATimerRunsInTheSamePass) {
    AddTimer(
        [] {
            if (++timerA == 1) AddTimer([] { timerB++; }, 0.01f);
        },
        0.05f);
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
