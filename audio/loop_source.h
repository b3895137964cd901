// Game-held sources that loop one buffer at a set gain, and the listener's master gain.
#pragma once

#include "engine/types.h"

// A new source looping buffer, started; INVALID_HANDLE when sound is unavailable.
u32 StartLoopSource(u32 buffer);
void SetLoopSourceGain(u32 source, f32 gain);
// (Re)starts source looping buffer from its beginning, placed in the world (not at the
// listener) at the given gain; a buffer of 0 or INVALID_HANDLE plays silence.
void PlayLoopSource(u32 source, u32 buffer, f32 gain);
void StopLoopSource(u32 source);
// Places a playing one-shot source in the world (not at the listener) at the given gain.
void PlaceSourceInWorld(u32 source, f32 gain);
// The listener's gain (1.0 at start); kept even while sound is unavailable.
f32 MasterVolume();
void SetMasterVolume(f32 gain);
