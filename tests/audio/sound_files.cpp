// Builders of WAV and Ogg Vorbis test material.
#include "tests/audio/sound_files.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <vorbis/vorbisenc.h>

namespace sound {

namespace {
constexpr int ENCODE_BLOCK = 1024; // frames handed to the encoder at a time
constexpr double TWO_PI = 6.283185307179586;
} // namespace

std::string U16(uint16_t v) {
    return {char(v & 0xFF), char(v >> 8)}; // little-endian, as RIFF stores it
}

std::string U32(uint32_t v) {
    return U16(uint16_t(v)) + U16(uint16_t(v >> 16));
}

std::string Chunk(const char* id, const std::string& body) {
    std::string c = std::string(id, 4) + U32(uint32_t(body.size())) + body;
    if (body.size() % 2) c += '\0';
    return c;
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + U32(uint32_t(4 + chunks.size())) + "WAVE" + chunks;
}

std::string FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                    uint16_t blockAlign) {
    if (blockAlign == 0) blockAlign = uint16_t(channels * bits / 8);
    return U16(tag) + U16(channels) + U32(rate) + U32(rate * blockAlign) + U16(blockAlign) +
           U16(bits);
}

std::vector<float> Sine(double seconds, uint32_t rate, uint16_t channels, double frequency,
                        double amplitude) {
    size_t frames = size_t(seconds * rate);
    std::vector<float> out(frames * channels);
    for (size_t i = 0; i < frames; i++)
        for (uint16_t c = 0; c < channels; c++)
            out[i * channels + c] = float(amplitude * std::sin(TWO_PI * frequency * i / rate));
    return out;
}

std::vector<float> Noise(double seconds, uint32_t rate, uint16_t channels, double amplitude,
                         unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> value(-float(amplitude), float(amplitude));
    std::vector<float> out(size_t(seconds * rate) * channels);
    for (float& v : out) v = value(random);
    return out;
}

std::string PcmWav(uint16_t channels, uint32_t rate, uint16_t bits, uint32_t frames,
                   double frequency) {
    std::vector<float> wave = Sine(double(frames) / rate, rate, channels, frequency, 0.5);
    std::string data;
    for (float v : wave)
        data += bits == 8 ? std::string(1, char(128 + std::lround(v * 127)))
                          : U16(uint16_t(std::lround(v * 32767)));
    return Riff(Chunk("fmt ", FmtBody(1, channels, rate, bits)) + Chunk("data", data));
}

std::string OggBytes(const std::vector<float>& samples, const OggOptions& o) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, o.channels, long(o.rate), o.quality) != 0) {
        vorbis_info_clear(&vi);
        return {};
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 1);
    std::string out;
    ogg_page page;
    auto emit = [&](bool flush) {
        while (flush ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page)) {
            out.append(reinterpret_cast<char*>(page.header), size_t(page.header_len));
            out.append(reinterpret_cast<char*>(page.body), size_t(page.body_len));
        }
    };
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    emit(true);
    size_t frames = samples.size() / o.channels;
    for (size_t done = 0;;) {
        int n = int(frames - done < ENCODE_BLOCK ? frames - done : ENCODE_BLOCK);
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&vd, n);
            for (int i = 0; i < n; i++)
                for (int c = 0; c < o.channels; c++)
                    buffer[c][i] = samples[(done + size_t(i)) * o.channels + size_t(c)];
            done += size_t(n);
        }
        vorbis_analysis_wrote(&vd, n);
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                emit(false);
            }
        }
        if (n == 0) break;
    }
    emit(true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

bool WriteOgg(const std::string& path, const std::vector<float>& samples, const OggOptions& o) {
    std::string bytes = OggBytes(samples, o);
    return !bytes.empty() && WriteFile(path, bytes);
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary);
    f.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(f);
}

} // namespace sound
