// Sound buffers: whole WAV and Ogg Vorbis files loaded into OpenAL buffers.
#pragma once

#include "engine/types.h"

// Files larger than this are not read, and no Ogg file may decode to more than the second
// limit (about twelve minutes of 44.1 kHz stereo).
constexpr size_t MAX_WAV_FILE_BYTES = size_t(256) << 20;
constexpr size_t MAX_DECODED_SOUND_BYTES = size_t(128) << 20;

// Loads a ".wav" or ".ogg" file (extension in any case) into a new buffer; INVALID_HANDLE when
// it cannot, with the reason in the log.
u32 LoadSoundBuffer(const char* path);

// Reads a WAV file: OpenAL format, samples (followed by 31 zero bytes, freed by UnloadWAV),
// their size, the sample rate and whether the file asks to loop. False when the file is
// missing or unusable (reason logged); the results then hold the defaults (mono 16-bit,
// 22050 Hz, no data).
bool LoadWAV(const char* path, i32* format, void** data, u32* size, u32* frequency, u8* loop);
void UnloadWAV(i32 format, void* data, u32 size, u32 frequency);
