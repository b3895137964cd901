// The OpenAL device and context, and the pool of fire-and-forget sources for one-shot sounds.
#pragma once

#include "engine/types.h"

constexpr u16 SOUND_POOL_SIZE = 32;
constexpr const char* DEFAULT_AUDIO_DEVICE = "Default audio device";

// Opens the named device (null or "Default audio device": the system's default) and makes a
// context current on it. False when sound is unavailable; the game then runs silently.
bool InitAL(const char* deviceName);
void DestroyAL();
// A device that plays nothing by itself: the mix is rendered on demand by RenderAL as 16-bit
// stereo at `rate` frames a second (offline rendering; sound checked sample by sample).
bool InitALLoopback(u32 rate);
// The next `frames` stereo frames of the mix into out (2 * frames values); false without a
// loopback device.
bool RenderAL(i16* out, u32 frames);
bool IsALReady();
const char* GetALVersion(); // "major.minor", "0.0" after a failed start

// Plays a buffer once at the listener; returns the source, or INVALID_HANDLE when no source can
// be made or the buffer is 0 or INVALID_HANDLE. When 32 one-shot sounds are alive the oldest
// is stopped to make room.
u32 PlaySoundBuffer(u32 buffer);
// A source the caller owns and deletes (INVALID_HANDLE when none can be made).
u32 NewSource();
// Stops and deletes a source made by NewSource.
void FreeSource(u32 source);
// Sources made by NewSource and not yet freed (one-shots, streams and game-held loops alike);
// 0 without a device.
u32 LiveSourceCount();

u16 SoundPoolCount();
u32 SoundPoolSource(u16 index); // oldest first; INVALID_HANDLE past the end
// Deletes the one-shot sources that stopped playing (part of the per-frame stream update).
void ReleaseFinishedSounds();
