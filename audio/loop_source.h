// Game-held sources that loop one buffer at a set gain, and the listener's master gain.
#pragma once

#include "engine/types.h"

// A new source looping buffer, started; INVALID_HANDLE when sound is unavailable.
u32 StartLoopSource(u32 buffer);
void SetLoopSourceGain(u32 source, f32 gain);
// The listener's gain (1.0 at start); kept even while sound is unavailable.
f32 MasterVolume();
void SetMasterVolume(f32 gain);
