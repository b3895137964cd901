// Sound files made on the spot for the audio tests and benchmarks: RIFF WAVE chunks, PCM
// tones, and Ogg Vorbis files encoded with libvorbisenc.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sound {

std::string U16(uint16_t v);
std::string U32(uint32_t v);
// A chunk with its header and, for an odd size, the pad byte.
std::string Chunk(const char* id, const std::string& body);
// A RIFF WAVE file around the given chunks, with the right RIFF size.
std::string Riff(const std::string& chunks);
// A 16-byte "fmt " body; blockAlign 0 means channels * bits / 8.
std::string FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                    uint16_t blockAlign = 0);
// PCM WAV file of a sine: 8-bit (unsigned) or 16-bit, any channel count.
std::string PcmWav(uint16_t channels, uint32_t rate, uint16_t bits, uint32_t frames,
                   double frequency = 440.0);

// Interleaved samples in -1..1 of a sine on every channel.
std::vector<float> Sine(double seconds, uint32_t rate, uint16_t channels, double frequency,
                        double amplitude);

// Interleaved white noise in -amplitude..amplitude, the same for every seed.
std::vector<float> Noise(double seconds, uint32_t rate, uint16_t channels, double amplitude,
                         unsigned seed = 1);

struct OggOptions {
    uint16_t channels = 1;
    uint32_t rate = 44100;
    float quality = 0.2f; // libvorbisenc VBR quality, -0.1 .. 1.0
};
// Encodes interleaved samples into an Ogg Vorbis file; false when it cannot be written.
bool WriteOgg(const std::string& path, const std::vector<float>& samples, const OggOptions& o);
// The same file as bytes.
std::string OggBytes(const std::vector<float>& samples, const OggOptions& o);

bool WriteFile(const std::string& path, const std::string& bytes);

} // namespace sound
