// The OpenAL device and context, the pool of one-shot sources, sound buffers and the streams
// that the main loop refills every frame.
#pragma once

#include "engine/types.h"

bool InitAL(const char* deviceName);
void DestroyAL();
void UpdateStreams();
