// Engine start-up and shutdown, version texts and the allocation list that the engine frees at
// shutdown.
#pragma once

#include "engine/types.h"

void InitEngine(const char* title);
void DestroyEngine();
bool IsEngineDestroyed();

const char* GetEngineVersion(); // "Beta 1.0"
const char* GetGameVersion();   // "Alpha 3.3"

// The current window title ("Vaelor Engine" until InitEngine sets one; at most 127 bytes).
const char* GetWindowTitle();

// Blocks in this list are freed by DestroyEngine.
void TrackAlloc(void* block);
void UntrackAlloc(void* block);
u32 TrackedAllocCount();
