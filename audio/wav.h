// The RIFF WAVE reader: a parser over a byte span that finds the sample layout and the samples.
// It touches neither files nor OpenAL, so the loader and the fuzz target share it.
#pragma once

#include "engine/types.h"

enum WavCoding : u8 { WAV_PCM, WAV_IMA_ADPCM, WAV_MP3 };

// What a WAV file holds. Without a "fmt " chunk the samples are mono 16-bit PCM at 22050 Hz.
struct WavInfo {
    WavCoding coding;
    u16 channels;
    u16 bitsPerSample;
    u16 blockAlign;    // bytes of one sample frame (PCM) or of one coded block
    u32 frequency;     // samples per second
    u8 loop;           // a "smpl" chunk lists at least one loop
    const u8* samples; // inside the parsed span
    u32 size;          // bytes of whole frames or blocks at samples
};

constexpr u32 WAV_MIN_FREQUENCY = 1000;
constexpr u32 WAV_MAX_FREQUENCY = 192000;

// Returns null when the span holds a playable WAV file and fills info; otherwise returns the
// reason it does not (a fixed English text) and info holds the defaults with no samples.
const char* ParseWAV(const u8* bytes, size_t length, WavInfo* info);
