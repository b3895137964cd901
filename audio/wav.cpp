// The RIFF WAVE chunk reader. Every length comes from the file, so each one is checked against
// the bytes that are really there before anything is read; chunks may come in any order.
#include "audio/wav.h"

#include <cstring>

namespace {

constexpr size_t RIFF_HEADER_SIZE = 12;
constexpr size_t RIFF_SIZE_OFFSET = 4;
constexpr u64 RIFF_FORM_TYPE_SIZE = 4; // "WAVE", counted in the RIFF size
constexpr size_t CHUNK_HEADER_SIZE = 8;
constexpr u32 FMT_BASIC_SIZE = 16;
constexpr u32 FMT_EXTENSIBLE_SIZE = 40;
constexpr size_t FMT_SUBFORMAT_OFFSET = 24;
constexpr u32 SMPL_LOOP_COUNT_OFFSET = 28;
constexpr u32 SMPL_MIN_SIZE = SMPL_LOOP_COUNT_OFFSET + 4;

constexpr u16 TAG_PCM = 1;
constexpr u16 TAG_IMA_ADPCM = 17;
constexpr u16 TAG_MP3 = 85;
constexpr u16 TAG_EXTENSIBLE = 65534;

constexpr u16 IMA_BITS = 4;
constexpr u16 IMA_CHANNEL_HEADER = 4; // bytes of each channel's header in a block
constexpr u16 MAX_CODED_CHANNELS = 2; // IMA ADPCM and MP3
constexpr u32 DEFAULT_FREQUENCY = 22050;
constexpr u16 DEFAULT_BITS = 16;
constexpr u16 BITS_PER_BYTE = 8;

u16 ReadU16(const u8* p) {
    return u16(p[0] | p[1] << 8);
}
u32 ReadU32(const u8* p) {
    return u32(p[0]) | u32(p[1]) << 8 | u32(p[2]) << 16 | u32(p[3]) << 24;
}
bool IsChunk(const u8* id, const char* name) {
    return memcmp(id, name, 4) == 0;
}

// PCM layouts OpenAL can take: mono, stereo and the multichannel speaker sets (quad, 5.1,
// 6.1, 7.1); three or five channels have no OpenAL layout.
bool IsPlayableChannelCount(u16 channels) {
    return channels == 1 || channels == 2 || channels == 4 || (channels >= 6 && channels <= 8);
}

const char* ReadCodedBlockLayout(u16 channels, u16 blockAlign, WavInfo* info) {
    if (channels > MAX_CODED_CHANNELS) return "the coded format allows one or two channels";
    u32 headerBytes = u32(IMA_CHANNEL_HEADER) * channels;
    // A block is each channel's header and then 4-byte groups of each channel in turn.
    if (blockAlign <= headerBytes || blockAlign % headerBytes != 0)
        return "the ADPCM block size does not fit the channel count";
    info->coding = WAV_IMA_ADPCM;
    info->blockAlign = blockAlign;
    info->bitsPerSample = IMA_BITS;
    return nullptr;
}

const char* ReadPCMLayout(u16 channels, u16 bits, u16 blockAlign, WavInfo* info) {
    if (bits == IMA_BITS) return ReadCodedBlockLayout(channels, blockAlign, info);
    if (bits != 8 && bits != 16) return "the sample size is not 8 or 16 bits";
    if (!IsPlayableChannelCount(channels)) return "the channel count has no speaker layout";
    info->coding = WAV_PCM;
    info->bitsPerSample = bits;
    // The frame size follows from the layout; the file's own block align is not trusted.
    info->blockAlign = u16(channels * (bits / BITS_PER_BYTE));
    return nullptr;
}

const char* ReadFormatChunk(const u8* body, u32 size, WavInfo* info) {
    if (size < FMT_BASIC_SIZE) return "the \"fmt \" chunk is too short";
    u16 tag = ReadU16(body);
    u16 channels = ReadU16(body + 2);
    u32 frequency = ReadU32(body + 4);
    u16 blockAlign = ReadU16(body + 12);
    u16 bits = ReadU16(body + 14);
    if (channels == 0) return "the file declares no channels";
    if (frequency < WAV_MIN_FREQUENCY || frequency > WAV_MAX_FREQUENCY)
        return "the sample rate is out of range";
    info->channels = channels;
    info->frequency = frequency;
    switch (tag) {
    case TAG_EXTENSIBLE:
        if (size >= FMT_EXTENSIBLE_SIZE && ReadU16(body + FMT_SUBFORMAT_OFFSET) != TAG_PCM)
            return "the extensible sub-format is not PCM";
        return ReadPCMLayout(channels, bits, blockAlign, info);
    case TAG_PCM: return ReadPCMLayout(channels, bits, blockAlign, info);
    case TAG_IMA_ADPCM: return ReadCodedBlockLayout(channels, blockAlign, info);
    case TAG_MP3:
        if (channels > MAX_CODED_CHANNELS) return "the coded format allows one or two channels";
        info->coding = WAV_MP3;
        info->blockAlign = 1;
        return nullptr;
    default: return "the sample format is not supported";
    }
}

void SetDefaults(WavInfo* info) {
    *info = WavInfo{};
    info->coding = WAV_PCM;
    info->channels = 1;
    info->bitsPerSample = DEFAULT_BITS;
    info->blockAlign = DEFAULT_BITS / BITS_PER_BYTE;
    info->frequency = DEFAULT_FREQUENCY;
}

const char* Fail(WavInfo* info, const char* reason) {
    SetDefaults(info);
    return reason;
}

} // namespace

const char* ParseWAV(const u8* bytes, size_t length, WavInfo* info) {
    SetDefaults(info);
    if (!bytes || length < RIFF_HEADER_SIZE) return "the file is too short for a RIFF header";
    u64 riffSize = ReadU32(bytes + RIFF_SIZE_OFFSET);
    u64 remaining = riffSize + (riffSize & 1);
    if (remaining <= RIFF_FORM_TYPE_SIZE) return Fail(info, "the RIFF header declares no chunks");
    remaining -= RIFF_FORM_TYPE_SIZE;

    const u8* data = nullptr;
    u32 dataSize = 0;
    size_t pos = RIFF_HEADER_SIZE;
    while (remaining > 0 && length - pos >= CHUNK_HEADER_SIZE) {
        const u8* id = bytes + pos;
        u32 size = ReadU32(bytes + pos + 4);
        pos += CHUNK_HEADER_SIZE;
        if (size > length - pos) return Fail(info, "a chunk runs past the end of the file");
        const u8* body = bytes + pos;
        if (IsChunk(id, "fmt ")) {
            if (const char* error = ReadFormatChunk(body, size, info)) return Fail(info, error);
        } else if (IsChunk(id, "data")) {
            data = body;
            dataSize = size;
        } else if (IsChunk(id, "smpl") && size >= SMPL_MIN_SIZE) {
            info->loop = ReadU32(body + SMPL_LOOP_COUNT_OFFSET) != 0 ? 1 : 0;
        }
        // Chunks are padded to an even size; the last pad byte of a file may be missing.
        u64 padded = u64(size) + (size & 1);
        pos += padded < length - pos ? size_t(padded) : length - pos;
        u64 consumed = CHUNK_HEADER_SIZE + padded;
        remaining = consumed < remaining ? remaining - consumed : 0;
    }
    if (!data) return Fail(info, "the file has no \"data\" chunk");
    u32 whole = dataSize - dataSize % info->blockAlign;
    if (whole == 0) return Fail(info, "the \"data\" chunk holds no complete sample");
    info->samples = data;
    info->size = whole;
    return nullptr;
}
