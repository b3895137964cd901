// Ogg Vorbis streams: 32 slots, each decoding into two queued OpenAL buffers that the main loop
// refills every frame, so long music plays without being loaded whole.
#pragma once

#include "engine/types.h"

constexpr u16 STREAM_SLOTS = 32;
constexpr u32 STREAM_FINISHED = 1285; // StreamQuery: the decoder reached the end of the file

// Opens an Ogg Vorbis file and decodes its first two chunks; returns the handle or
// INVALID_HANDLE. When every slot is taken, a stream that has played out gives up its slot.
u32 OpenStream(const char* path);
// Starts the stream at the next UpdateStreams; a stream that has played out starts again from
// the beginning of its file.
void PlayStream(u32 handle);
// STREAM_FINISHED: 1 once the whole file is decoded, else 0. AL_SOURCE_STATE: AL_PLAYING while
// playing, AL_STOPPED when finished, else AL_PAUSED. 65535 for a bad handle or parameter.
u32 StreamQuery(u32 handle, u32 parameter);
// The OpenAL source the stream plays on (for its gain), INVALID_HANDLE for a bad handle.
u32 StreamSource(u32 handle);
// Closes the stream: its source, buffers and decoder go and its slot is free again.
void CloseStream(u32 handle);

// Once per frame: refills the buffers a stream has used up, restarts a stream that ran dry,
// releases the buffers of a stream that has played out, and deletes finished one-shot sounds.
void UpdateStreams();

// Device start and shutdown: every slot free; every stream closed with its decoder.
void ResetStreams();
void CloseAllStreams();
