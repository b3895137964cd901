// The main loop: frame timing, the twelve callback slots, the timer table, pause and the
// engine's switches and float parameters.
#pragma once

#include "engine/types.h"

enum CallbackSlot : u32 {
    CB_CHAR = 0,         // void (u32 character)
    CB_KEY_UP = 1,       // void (u32 key)
    CB_KEY_DOWN = 2,     // void (u32 key)
    CB_KEY_HIT = 3,      // void (u32 key)
    CB_MOUSE_MOVE = 4,   // void (f32 x, f32 y)
    CB_DOUBLE_CLICK = 5, // void (u32 key)
    CB_RESIZE = 6,       // void (i32 width, i32 height)
    CB_RENDER = 7,       // void ()
    CB_UPDATE = 8,       // void (f32 dt)
    CB_RESERVED = 9,     // stored, never called
    CB_MINIMIZE = 10,    // void ()
    CB_RESTORE = 11,     // void ()
    CB_COUNT = 12
};

using CharCallback = void (*)(u32);
using KeyCallback = void (*)(u32);
using MouseMoveCallback = void (*)(f32, f32);
using ResizeCallback = void (*)(i32, i32);
using VoidCallback = void (*)();
using UpdateCallback = void (*)(f32);
using TimerFunc = void (*)();

// Stores a callback; slots take the signature listed above. Setting CB_RESIZE to null stores
// DefaultResize. Slot numbers outside 0..11 are ignored.
void SetCallback(u32 slot, void* function);
void* GetCallback(u32 slot);

template <typename F> inline void SetCallbackFn(u32 slot, F* function) {
    SetCallback(slot, reinterpret_cast<void*>(function));
}
template <typename F> inline F* CallbackAs(u32 slot) {
    return reinterpret_cast<F*>(GetCallback(slot));
}

void RunMainLoop();
void DoFrame();
bool IsEngineRunning();
bool IsMainLoopActive(); // inside RunMainLoop
void StopEngine();       // clears the running flag; the loop ends after the current frame

constexpr u16 MAX_TIMERS = 256;
u16 AddTimer(TimerFunc function, f32 period); // INVALID_HANDLE when full
void RunTimers(f32 dt);
u16 TimerCount();

void PauseEngine();
void ResumeEngine();
bool IsPaused();

bool IsMinimized();
void SetMinimized(bool minimized);

enum EngineParam : u32 {
    ENGINE_ESCAPE_QUITS = 5,
    ENGINE_ALT_F4_QUITS = 6,
    ENGINE_KEY_REPEAT = 7,
    ENGINE_TEXT_MARKUP = 8,
    ENGINE_NEAR_PLANE = 9,
    ENGINE_FAR_PLANE = 10,
    ENGINE_DOUBLE_CLICK_TIME = 11,
};
void EngineEnable(u32 id);
void EngineDisable(u32 id);
bool EngineIsEnabled(u32 id);
void EngineSetf(u32 id, f32 value);
f32 EngineGetf(u32 id);

void DefaultResize(i32 width, i32 height);

// Puts every engine-loop state back to its start values (tests and a fresh InitEngine).
void ResetLoopState();
