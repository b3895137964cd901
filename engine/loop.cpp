// The main loop and everything a frame does, in its fixed order; callback slots, the timer
// table, pause and resume, and the engine switches and float parameters.
#include "engine/loop.h"

#include "engine/input.h"
#include "engine/module.h"
#include "engine/window.h"
#include "platform/gl_state.h"
#include "platform/platform.h"

namespace {
constexpr f32 MAX_FRAME_SECONDS = 1.0f;
constexpr i32 MAX_PAUSE_REMAINDER_MS = 10;
constexpr u32 MINIMIZED_SLEEP_MS = 10;
constexpr f32 DEFAULT_NEAR_PLANE = 0.1f;
constexpr f32 DEFAULT_FAR_PLANE = 100.0f;
constexpr f32 DEFAULT_DOUBLE_CLICK_SECONDS = 0.4f;

struct Timer {
    TimerFunc function;
    f32 remaining;
    f32 period;
};

// Everything the loop keeps between frames. The defaults are the program's state before the
// engine starts (switches off, planes and double-click time zero); FreshLoop gives a started
// engine's.
struct LoopState {
    bool running = true;
    bool loopActive = false;
    u32 lastFrameTick = 0;
    bool minimized = false;
    bool paused = false;
    i32 pausedRemainder = 0;

    void* slots[CB_COUNT] = {};
    Timer timers[MAX_TIMERS] = {};
    u16 timerCount = 0;

    bool switches[4] = {}; // ids 5..8
    f32 nearPlane = 0.0f;
    f32 farPlane = 0.0f;
    f32 doubleClickTime = 0.0f;
};
LoopState loop;

LoopState FreshLoop() {
    LoopState fresh;
    fresh.slots[CB_RESIZE] = reinterpret_cast<void*>(&DefaultResize);
    for (bool& on : fresh.switches) on = true;
    fresh.nearPlane = DEFAULT_NEAR_PLANE;
    fresh.farPlane = DEFAULT_FAR_PLANE;
    fresh.doubleClickTime = DEFAULT_DOUBLE_CLICK_SECONDS;
    return fresh;
}

bool IsSwitchId(u32 id) {
    return id >= ENGINE_ESCAPE_QUITS && id <= ENGINE_TEXT_MARKUP;
}
} // namespace

void ResetLoopState() {
    // The loop's own activity flag survives: a reset only ever precedes RunMainLoop or runs
    // between tests, and must not claim a running loop has ended.
    bool active = loop.loopActive;
    loop = FreshLoop();
    loop.loopActive = active;
}

void SetCallback(u32 slot, void* function) {
    if (slot >= CB_COUNT) return;
    if (slot == CB_RESIZE && !function) function = reinterpret_cast<void*>(&DefaultResize);
    loop.slots[slot] = function;
}

void* GetCallback(u32 slot) {
    return slot < CB_COUNT ? loop.slots[slot] : nullptr;
}

bool IsEngineRunning() {
    return loop.running;
}
void StopEngine() {
    loop.running = false;
}
bool IsMinimized() {
    return loop.minimized;
}
void SetMinimized(bool value) {
    loop.minimized = value;
}

void RunMainLoop() {
    loop.running = true;
    loop.lastFrameTick = Sys_Milliseconds();
    loop.loopActive = true;
    while (loop.running) DoFrame();
    loop.loopActive = false;
}

bool IsMainLoopActive() {
    return loop.loopActive;
}

// The elapsed time since the last frame; the unsigned difference survives a wrap of the tick
// counter, and a stall of more than a second advances the game by nothing.
static f32 MeasureFrame() {
    u32 now = Sys_Milliseconds();
    f32 dt = f32(u32(now - loop.lastFrameTick)) * 0.001f;
    if (dt > MAX_FRAME_SECONDS || dt < 0.0f) dt = 0.0f;
    loop.lastFrameTick = now;
    return dt;
}

void DoFrame() {
    f32 dt = MeasureFrame();
    ModulesBeginFrame();
    if (loop.minimized) {
        Sys_Sleep(MINIMIZED_SLEEP_MS);
        PumpMessages();
        return;
    }
    ModulesUpdate(dt);
    if (auto update = CallbackAs<void(f32)>(CB_UPDATE); update && !loop.paused) update(dt);
    if (auto render = CallbackAs<void()>(CB_RENDER); render && ModulesShowScene()) render();
    ModulesDraw();
    ModulesAdvance(dt);
    RunTimers(dt);
    TakeRequestedScreenshot();
    SwapMainBuffers();
    PumpMessages();
}

u16 AddTimer(TimerFunc function, f32 period) {
    if (loop.timerCount >= MAX_TIMERS) return INVALID_HANDLE;
    loop.timers[loop.timerCount] = Timer{function, period, period};
    return loop.timerCount++;
}

u16 TimerCount() {
    return loop.timerCount;
}

void RunTimers(f32 dt) {
    // The count is read again after every entry so a timer added by a timer runs this pass.
    for (u16 i = 0; i < loop.timerCount; i++) {
        Timer& t = loop.timers[i];
        t.remaining -= dt;
        if (t.remaining <= 0.0f) {
            t.remaining += t.period;
            if (t.function) t.function();
        }
    }
}

void PauseEngine() {
    loop.pausedRemainder = i32(Sys_Milliseconds() - loop.lastFrameTick);
    if (loop.pausedRemainder > MAX_PAUSE_REMAINDER_MS || loop.pausedRemainder < 0)
        loop.pausedRemainder = 0;
    loop.paused = true;
}

void ResumeEngine() {
    loop.lastFrameTick = Sys_Milliseconds() - u32(loop.pausedRemainder);
    loop.paused = false;
}

bool IsPaused() {
    return loop.paused;
}

void EngineEnable(u32 id) {
    if (IsSwitchId(id)) loop.switches[id - ENGINE_ESCAPE_QUITS] = true;
}

void EngineDisable(u32 id) {
    if (IsSwitchId(id)) loop.switches[id - ENGINE_ESCAPE_QUITS] = false;
}

bool EngineIsEnabled(u32 id) {
    return IsSwitchId(id) && loop.switches[id - ENGINE_ESCAPE_QUITS];
}

void EngineSetf(u32 id, f32 value) {
    switch (id) {
    case ENGINE_TEXT_MARKUP: loop.switches[id - ENGINE_ESCAPE_QUITS] = value == 1.0f; break;
    case ENGINE_NEAR_PLANE: loop.nearPlane = value; break;
    case ENGINE_FAR_PLANE: loop.farPlane = value; break;
    case ENGINE_DOUBLE_CLICK_TIME: loop.doubleClickTime = value; break;
    default: break;
    }
}

f32 EngineGetf(u32 id) {
    switch (id) {
    case ENGINE_TEXT_MARKUP: return EngineIsEnabled(id) ? 1.0f : 0.0f;
    case ENGINE_NEAR_PLANE: return loop.nearPlane;
    case ENGINE_FAR_PLANE: return loop.farPlane;
    case ENGINE_DOUBLE_CLICK_TIME: return loop.doubleClickTime;
    default: return 0.0f;
    }
}

void DefaultResize(i32 width, i32 height) {
    if (Is2DMode()) {
        GLimp_SetVirtualScreenView(width, height, VIRTUAL_WIDTH, VIRTUAL_HEIGHT);
    } else {
        GLimp_SetPerspectiveView(width, height, loop.nearPlane, loop.farPlane);
    }
}
