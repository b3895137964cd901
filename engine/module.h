// The table of functions a layer above the engine hands it at start-up, so the engine's frame,
// window procedure and shutdown reach the GUI, the audio and the graphics without naming them.
#pragma once

#include "engine/types.h"

// Every entry may be left out (null); the engine skips it.
struct EngineModule {
    const char* name = nullptr;
    void (*init)() = nullptr; // from InitEngine, in registration order
    // From DestroyEngine, in reverse order, while the GL context still exists.
    void (*shutdown)() = nullptr;
    void (*beginFrame)() = nullptr;     // first in every frame, even while the window is minimised
    void (*update)(f32 dt) = nullptr;   // before the game's update slot
    bool (*showsScene)() = nullptr;     // false keeps the game's render slot from drawing
    void (*draw)() = nullptr;           // after the game's render slot
    void (*advance)(f32 dt) = nullptr;  // after drawing, before the timers
    void (*keyDown)(u32 key) = nullptr; // input, before the game's slots see it
    void (*keyUp)(u32 key) = nullptr;
    void (*doubleClick)(u32 key) = nullptr;
    void (*character)(u32 ch) = nullptr;
    void (*mouseMove)(f32 dx, f32 dy) = nullptr; // in virtual-screen units
    void (*contextLost)() = nullptr;             // before the GL context is thrown away
    void (*contextRestored)() = nullptr;         // once a new context is current
    // Shows an error the user must see and returns the button pressed; the first module that
    // has one answers.
    int (*reportError)(const char* text, const char* caption) = nullptr;
};

constexpr int MAX_ENGINE_MODULES = 8;

// Adds a module once; registering the same table again does nothing. False when the table is
// null or all slots are taken.
bool RegisterEngineModule(const EngineModule* module);
void UnregisterEngineModule(const EngineModule* module);
int EngineModuleCount();

// What the engine calls; each walks the modules in registration order (shutdown in reverse).
void ModulesInit();
void ModulesShutdown();
void ModulesBeginFrame();
void ModulesUpdate(f32 dt);
bool ModulesShowScene(); // true when no module objects
void ModulesDraw();
void ModulesAdvance(f32 dt);
void ModulesKeyDown(u32 key);
void ModulesKeyUp(u32 key);
void ModulesDoubleClick(u32 key);
void ModulesChar(u32 ch);
void ModulesMouseMove(f32 dx, f32 dy);
void ModulesContextLost();
void ModulesContextRestored();
// Without a module to show it, the message goes to the system's own box and the result is 0.
int ModulesReportError(const char* text, const char* caption);
