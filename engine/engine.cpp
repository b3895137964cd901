// Engine start-up and shutdown in their fixed order, the window titles and the allocation list.
#include "engine/engine.h"

#include <cstdlib>
#include <cstring>

#include "engine/log.h"
#include "engine/loop.h"
#include "engine/module.h"
#include "engine/strings.h"
#include "engine/window.h"
#include "platform/platform.h"

namespace {
constexpr const char* ENGINE_VERSION = "Beta 1.0";
constexpr const char* GAME_VERSION = "Alpha 3.3";
constexpr size_t TITLE_SIZE = 128; // at most 127 characters and the terminator
constexpr u32 ALLOC_STEP = 64;

// The window title, the shutdown flags and the list of blocks freed at shutdown.
struct EngineState {
    char windowTitle[TITLE_SIZE] = "Vaelor Engine";
    bool destroyed = false;
    bool exitHandlerRegistered = false;
    void** allocList = nullptr;
    u32 allocCount = 0;
};
EngineState engine;
} // namespace

const char* GetEngineVersion() {
    return ENGINE_VERSION;
}
const char* GetGameVersion() {
    return GAME_VERSION;
}
const char* GetWindowTitle() {
    return engine.windowTitle;
}
bool IsEngineDestroyed() {
    return engine.destroyed;
}

void TrackAlloc(void* block) {
    if (!block) return;
    if (engine.allocCount % ALLOC_STEP == 0) {
        void** grown =
            static_cast<void**>(malloc((engine.allocCount + ALLOC_STEP) * sizeof(void*)));
        if (!grown) return;
        if (engine.allocCount) memcpy(grown, engine.allocList, engine.allocCount * sizeof(void*));
        free(engine.allocList);
        engine.allocList = grown;
    }
    engine.allocList[engine.allocCount++] = block;
}

void UntrackAlloc(void* block) {
    for (u32 i = 0; i < engine.allocCount; i++) {
        if (engine.allocList[i] != block) continue;
        memmove(engine.allocList + i, engine.allocList + i + 1,
                (engine.allocCount - i - 1) * sizeof(void*));
        engine.allocCount--;
        return;
    }
}

u32 TrackedAllocCount() {
    return engine.allocCount;
}

static void FreeTrackedAllocs() {
    for (u32 i = 0; i < engine.allocCount; i++) free(engine.allocList[i]);
    free(engine.allocList);
    engine.allocList = nullptr;
    engine.allocCount = 0;
}

static void DestroyEngineAtExit() {
    DestroyEngine();
}

void InitEngine(const char* title) {
    engine.destroyed = false;
    LogStart();
    LogWrite(StrFormat("Initializing Vaelor engine (%s)", ENGINE_VERSION));
    LogSetStartTime(Sys_Milliseconds());
    Sys_ShowCursor(false); // the GUI draws its own pointer
    if (title) {
        // Longer titles are cut so they always fit the buffer.
        strncpy(engine.windowTitle, title, TITLE_SIZE - 1);
        engine.windowTitle[TITLE_SIZE - 1] = 0;
    }
    ResetLoopState();
    SetCallback(CB_RESIZE, nullptr); // DefaultResize
    if (!engine.exitHandlerRegistered) {
        atexit(DestroyEngineAtExit);
        engine.exitHandlerRegistered = true;
    }
    ModulesInit(); // the layers above: the GUI starts here
    LogWrite("Vaelor engine initialized");
}

void DestroyEngine() {
    if (engine.destroyed) return;
    engine.destroyed = true;
    LogWrite("Destroying Vaelor engine");
    if (GetDisplayBits() != 0) RestoreDisplayMode();
    DestroyMainWindow();
    ModulesShutdown(); // the GUI's controls and the texture registry, whose owners go next
    DestroyGL();
    FreeTrackedAllocs();
    Sys_ShowCursor(true);
    LogWrite("Vaelor engine destroyed");
}
