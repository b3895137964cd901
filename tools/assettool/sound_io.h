// Writing synthesised audio: 16-bit PCM RIFF WAVE, or Ogg Vorbis through libvorbisenc. Samples
// are floats in -1..1, interleaved when there are two channels.
#pragma once

#include <string>

#include "tools/assettool/sound_synth.h"

struct AudioClip {
    int rate = 22050;
    int channels = 1;
    Samples samples; // interleaved
};

constexpr f32 OGG_EFFECT_QUALITY = 0.3f; // libvorbis VBR quality, -0.1..1
constexpr f32 OGG_MUSIC_QUALITY = 0.2f;

bool EncodeWav(const AudioClip& clip, std::vector<u8>* out);
bool EncodeOgg(const AudioClip& clip, f32 quality, std::vector<u8>* out, std::string* error);
// Picks WAV or Ogg by the path's extension and writes through a temporary file.
bool SaveAudioClip(const std::string& path, const AudioClip& clip, f32 oggQuality,
                   std::string* error);
