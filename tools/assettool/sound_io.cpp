// RIFF WAVE and Ogg Vorbis writers of the sound and music generators.
#include "tools/assettool/sound_io.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "tools/assettool/art_output.h"
#include "tools/assettool/atomic_file.h"

namespace {

constexpr int WAV_HEADER_SIZE = 44;
constexpr int BITS_PER_SAMPLE = 16;
constexpr f64 PCM_SCALE = 32767.0;
constexpr int VORBIS_BLOCK = 1024; // frames handed to the encoder at a time
constexpr u32 OGG_SERIAL = 0x56414C52;

void PutU32(std::vector<u8>& out, size_t at, u32 v) {
    for (int i = 0; i < 4; ++i) out[at + i] = u8(v >> (8 * i));
}
void PutU16(std::vector<u8>& out, size_t at, u16 v) {
    out[at] = u8(v);
    out[at + 1] = u8(v >> 8);
}

i16 ToPcm(f32 x) {
    return i16(std::lround(std::clamp(f64(x), -1.0, 1.0) * PCM_SCALE));
}

void AppendPage(std::vector<u8>* out, const ogg_page& page) {
    out->insert(out->end(), page.header, page.header + page.header_len);
    out->insert(out->end(), page.body, page.body + page.body_len);
}

// Pulls every finished packet out of the encoder into the stream and its pages into out.
void Drain(vorbis_dsp_state* dsp, vorbis_block* block, ogg_stream_state* stream,
           std::vector<u8>* out) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(dsp, block) == 1) {
        vorbis_analysis(block, nullptr);
        vorbis_bitrate_addblock(block);
        while (vorbis_bitrate_flushpacket(dsp, &packet)) {
            ogg_stream_packetin(stream, &packet);
            while (ogg_stream_pageout(stream, &page)) AppendPage(out, page);
        }
    }
}

} // namespace

bool EncodeWav(const AudioClip& clip, std::vector<u8>* out) {
    const u32 dataBytes = u32(clip.samples.size() * 2);
    const u16 blockAlign = u16(clip.channels * BITS_PER_SAMPLE / 8);
    out->assign(WAV_HEADER_SIZE, 0);
    std::memcpy(&(*out)[0], "RIFF", 4);
    PutU32(*out, 4, 36 + dataBytes);
    std::memcpy(&(*out)[8], "WAVEfmt ", 8);
    PutU32(*out, 16, 16);
    PutU16(*out, 20, 1); // PCM
    PutU16(*out, 22, u16(clip.channels));
    PutU32(*out, 24, u32(clip.rate));
    PutU32(*out, 28, u32(clip.rate) * blockAlign);
    PutU16(*out, 32, blockAlign);
    PutU16(*out, 34, BITS_PER_SAMPLE);
    std::memcpy(&(*out)[36], "data", 4);
    PutU32(*out, 40, dataBytes);
    out->reserve(WAV_HEADER_SIZE + dataBytes);
    for (f32 x : clip.samples) {
        const u16 v = u16(ToPcm(x));
        out->push_back(u8(v));
        out->push_back(u8(v >> 8));
    }
    return true;
}

bool EncodeOgg(const AudioClip& clip, f32 quality, std::vector<u8>* out, std::string* error) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, clip.channels, clip.rate, quality) != 0) {
        vorbis_info_clear(&info);
        *error = "the Vorbis encoder refused the channel count or rate";
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "assettool");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, OGG_SERIAL);
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) AppendPage(out, page);

    const size_t frames = clip.samples.size() / clip.channels;
    for (size_t start = 0; start < frames; start += VORBIS_BLOCK) {
        const int n = int(std::min<size_t>(VORBIS_BLOCK, frames - start));
        float** buffer = vorbis_analysis_buffer(&dsp, n);
        for (int i = 0; i < n; ++i)
            for (int c = 0; c < clip.channels; ++c)
                buffer[c][i] =
                    std::clamp(clip.samples[(start + i) * clip.channels + c], -1.0f, 1.0f);
        vorbis_analysis_wrote(&dsp, n);
        Drain(&dsp, &block, &stream, out);
    }
    vorbis_analysis_wrote(&dsp, 0); // end of stream
    Drain(&dsp, &block, &stream, out);
    while (ogg_stream_flush(&stream, &page)) AppendPage(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return true;
}

bool SaveAudioClip(const std::string& path, const AudioClip& clip, f32 oggQuality,
                   std::string* error) {
    const std::string kind = LowerExtension(path);
    std::vector<u8> bytes;
    if (kind == "wav") {
        EncodeWav(clip, &bytes);
    } else if (kind == "ogg") {
        if (!EncodeOgg(clip, oggQuality, &bytes, error)) return false;
    } else {
        *error = "unsupported output type '." + kind + "' (use .wav or .ogg)";
        return false;
    }
    return WriteFileAtomic(path, bytes, error);
}
