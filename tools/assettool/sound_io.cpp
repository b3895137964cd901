// RIFF WAVE and Ogg Vorbis writers of the sound and music generators.
#include "tools/assettool/sound_io.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/byte_writer.h"
#include "tools/assettool/art_output.h"
#include "tools/assettool/atomic_file.h"

namespace {

constexpr int WAV_HEADER_SIZE = 44;
constexpr int BITS_PER_SAMPLE = 16;
constexpr u32 WAV_PCM = 1; // format tag
constexpr f64 PCM_SCALE = 32767.0;
constexpr int VORBIS_BLOCK = 1024; // frames handed to the encoder at a time
constexpr u32 OGG_SERIAL = 0x56414C52;

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
    out->clear();
    out->reserve(WAV_HEADER_SIZE + dataBytes);
    ByteWriter w(out);
    w.Raw("RIFF", 4).U32(WAV_HEADER_SIZE - 8 + dataBytes).Raw("WAVEfmt ", 8).U32(16);
    w.U16(WAV_PCM).U16(u32(clip.channels)).U32(u32(clip.rate)).U32(u32(clip.rate) * blockAlign);
    w.U16(blockAlign).U16(BITS_PER_SAMPLE).Raw("data", 4).U32(dataBytes);
    for (f32 x : clip.samples) w.U16(u16(ToPcm(x)));
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
