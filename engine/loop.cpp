// The main loop and everything a frame does, in its fixed order; callback slots, the timer
// table, pause and resume, and the engine switches and float parameters.
#include "engine/loop.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "engine/input.h"
#include "engine/module.h"
#include "engine/window.h"
#include "platform/platform.h"

namespace {
constexpr f32 MAX_FRAME_SECONDS = 1.0f;
constexpr i32 MAX_PAUSE_REMAINDER_MS = 10;
constexpr u32 MINIMIZED_SLEEP_MS = 10;

struct Timer {
    TimerFunc function;
    f32 remaining;
    f32 period;
};

bool running = true;
bool loopActive = false;
u32 lastFrameTick = 0;
bool minimized = false;
bool paused = false;
i32 pausedRemainder = 0;

void* slots[CB_COUNT];
Timer timers[MAX_TIMERS];
u16 timerCount = 0;

bool switches[4]; // ids 5..8
f32 nearPlane, farPlane, doubleClickTime;

bool IsSwitchId(u32 id) {
    return id >= ENGINE_ESCAPE_QUITS && id <= ENGINE_TEXT_MARKUP;
}
} // namespace

void ResetLoopState() {
    running = true;
    lastFrameTick = 0;
    minimized = false;
    paused = false;
    pausedRemainder = 0;
    for (auto& s : slots) s = nullptr;
    slots[CB_RESIZE] = reinterpret_cast<void*>(&DefaultResize);
    timerCount = 0;
    for (auto& s : switches) s = true;
    nearPlane = 0.1f;
    farPlane = 100.0f;
    doubleClickTime = 0.4f;
}

void SetCallback(u32 slot, void* function) {
    if (slot >= CB_COUNT) return;
    if (slot == CB_RESIZE && !function) function = reinterpret_cast<void*>(&DefaultResize);
    slots[slot] = function;
}

void* GetCallback(u32 slot) {
    return slot < CB_COUNT ? slots[slot] : nullptr;
}

bool IsEngineRunning() {
    return running;
}
void StopEngine() {
    running = false;
}
bool IsMinimized() {
    return minimized;
}
void SetMinimized(bool value) {
    minimized = value;
}

void RunMainLoop() {
    running = true;
    lastFrameTick = Sys_Milliseconds();
    loopActive = true;
    while (running) DoFrame();
    loopActive = false;
}

bool IsMainLoopActive() {
    return loopActive;
}

// The elapsed time since the last frame; the unsigned difference survives a wrap of the tick
// counter, and a stall of more than a second advances the game by nothing.
static f32 MeasureFrame() {
    u32 now = Sys_Milliseconds();
    f32 dt = f32(u32(now - lastFrameTick)) * 0.001f;
    if (dt > MAX_FRAME_SECONDS || dt < 0.0f) dt = 0.0f;
    lastFrameTick = now;
    return dt;
}

void DoFrame() {
    f32 dt = MeasureFrame();
    ModulesBeginFrame();
    if (minimized) {
        Sys_Sleep(MINIMIZED_SLEEP_MS);
        PumpMessages();
        return;
    }
    ModulesUpdate(dt);
    if (auto update = CallbackAs<void(f32)>(CB_UPDATE); update && !paused) update(dt);
    if (auto render = CallbackAs<void()>(CB_RENDER); render && ModulesShowScene()) render();
    ModulesDraw();
    ModulesAdvance(dt);
    RunTimers(dt);
    TakeRequestedScreenshot();
    SwapMainBuffers();
    PumpMessages();
}

u16 AddTimer(TimerFunc function, f32 period) {
    if (timerCount >= MAX_TIMERS) return INVALID_HANDLE;
    timers[timerCount] = Timer{function, period, period};
    return timerCount++;
}

u16 TimerCount() {
    return timerCount;
}

void RunTimers(f32 dt) {
    // The count is read again after every entry so a timer added by a timer runs this pass.
    for (u16 i = 0; i < timerCount; i++) {
        Timer& t = timers[i];
        t.remaining -= dt;
        if (t.remaining <= 0.0f) {
            t.remaining += t.period;
            if (t.function) t.function();
        }
    }
}

void PauseEngine() {
    pausedRemainder = i32(Sys_Milliseconds() - lastFrameTick);
    if (pausedRemainder > MAX_PAUSE_REMAINDER_MS || pausedRemainder < 0) pausedRemainder = 0;
    paused = true;
}

void ResumeEngine() {
    lastFrameTick = Sys_Milliseconds() - u32(pausedRemainder);
    paused = false;
}

bool IsPaused() {
    return paused;
}

void EngineEnable(u32 id) {
    if (IsSwitchId(id)) switches[id - ENGINE_ESCAPE_QUITS] = true;
}

void EngineDisable(u32 id) {
    if (IsSwitchId(id)) switches[id - ENGINE_ESCAPE_QUITS] = false;
}

bool EngineIsEnabled(u32 id) {
    return IsSwitchId(id) && switches[id - ENGINE_ESCAPE_QUITS];
}

void EngineSetf(u32 id, f32 value) {
    switch (id) {
    case ENGINE_TEXT_MARKUP: switches[id - ENGINE_ESCAPE_QUITS] = value == 1.0f; break;
    case ENGINE_NEAR_PLANE: nearPlane = value; break;
    case ENGINE_FAR_PLANE: farPlane = value; break;
    case ENGINE_DOUBLE_CLICK_TIME: doubleClickTime = value; break;
    default: break;
    }
}

f32 EngineGetf(u32 id) {
    switch (id) {
    case ENGINE_TEXT_MARKUP: return EngineIsEnabled(id) ? 1.0f : 0.0f;
    case ENGINE_NEAR_PLANE: return nearPlane;
    case ENGINE_FAR_PLANE: return farPlane;
    case ENGINE_DOUBLE_CLICK_TIME: return doubleClickTime;
    default: return 0.0f;
    }
}

void DefaultResize(i32 width, i32 height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (Is2DMode()) {
        glOrtho(0, VIRTUAL_WIDTH, VIRTUAL_HEIGHT, 0, 1.0, 0.0);
    } else {
        f64 aspect = height ? f64(width) / f64(height) : 1.0;
        gluPerspective(45.0, aspect, nearPlane, farPlane);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
