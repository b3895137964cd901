// Engine start-up and shutdown in their fixed order, the window titles and the allocation list.
#include "engine/engine.h"

#include <cstdlib>
#include <cstring>

#include "engine/log.h"
#include "engine/loop.h"
#include "engine/module.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "platform/platform.h"

namespace {
constexpr const char* ENGINE_VERSION = "Beta 1.0";
constexpr const char* GAME_VERSION = "Alpha 3.3";
constexpr size_t TITLE_SIZE = 128; // at most 127 characters and the terminator
constexpr u32 ALLOC_STEP = 64;

char windowTitle[TITLE_SIZE] = "Vaelor Engine";
bool destroyed = false;
bool exitHandlerRegistered = false;

void** allocList = nullptr;
u32 allocCount = 0;
} // namespace

const char* GetEngineVersion() {
    return ENGINE_VERSION;
}
const char* GetGameVersion() {
    return GAME_VERSION;
}
const char* GetWindowTitle() {
    return windowTitle;
}
bool IsEngineDestroyed() {
    return destroyed;
}

void TrackAlloc(void* block) {
    if (!block) return;
    if (allocCount % ALLOC_STEP == 0) {
        void** grown = static_cast<void**>(malloc((allocCount + ALLOC_STEP) * sizeof(void*)));
        if (!grown) return;
        if (allocCount) memcpy(grown, allocList, allocCount * sizeof(void*));
        free(allocList);
        allocList = grown;
    }
    allocList[allocCount++] = block;
}

void UntrackAlloc(void* block) {
    for (u32 i = 0; i < allocCount; i++) {
        if (allocList[i] != block) continue;
        memmove(allocList + i, allocList + i + 1, (allocCount - i - 1) * sizeof(void*));
        allocCount--;
        return;
    }
}

u32 TrackedAllocCount() {
    return allocCount;
}

static void FreeTrackedAllocs() {
    for (u32 i = 0; i < allocCount; i++) free(allocList[i]);
    free(allocList);
    allocList = nullptr;
    allocCount = 0;
}

static void DestroyEngineAtExit() {
    DestroyEngine();
}

void InitEngine(const char* title) {
    destroyed = false;
    LogStart();
    LogWrite(StrFormat("Initializing Vaelor engine (%s)", ENGINE_VERSION));
    LogSetStartTime(Sys_Milliseconds());
    Sys_ShowCursor(false); // the GUI draws its own pointer
    if (title) {
        // Longer titles are cut so they always fit the buffer.
        strncpy(windowTitle, title, TITLE_SIZE - 1);
        windowTitle[TITLE_SIZE - 1] = 0;
    }
    ResetLoopState();
    SetCallback(CB_RESIZE, nullptr); // DefaultResize
    if (!exitHandlerRegistered) {
        atexit(DestroyEngineAtExit);
        exitHandlerRegistered = true;
    }
    ModulesInit(); // the layers above: the GUI starts here
    LogWrite("Vaelor engine initialized");
}

void DestroyEngine() {
    if (destroyed) return;
    destroyed = true;
    LogWrite("Destroying Vaelor engine");
    if (GetDisplayBits() != 0) RestoreDisplayMode();
    DestroyMainWindow();
    ModulesShutdown(); // the GUI's controls and the texture registry, whose owners go next
    DestroyGL();
    FreeTrackedAllocs();
    Sys_ShowCursor(true);
    LogWrite("Vaelor engine destroyed");
}
