// Sound buffer loading: the WAV loader over the byte-span parser, whole-file Ogg decoding, and
// the OpenAL formats they map to (extension formats looked up by name).
#include "audio/buffers.h"

#include <AL/al.h>
#include <AL/alext.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "audio/vorbis.h"
#include "audio/wav.h"
#include "engine/log.h"
#include "engine/utils.h"

namespace {

constexpr size_t EXTENSION_SIZE = 20;
constexpr u32 SAMPLE_PADDING = 31; // zero bytes after the samples
constexpr u32 IMA_CHANNEL_HEADER = 4;
constexpr u32 IMA_SAMPLES_PER_BYTE = 2;

enum class FileRead { OK, MISSING, UNREADABLE };

FileRead ReadWholeFile(const char* path, size_t maxBytes, std::vector<u8>* bytes) {
    FILE* f = fopen(path, "rb");
    if (!f) return FileRead::MISSING;
    bool ok = fseeko(f, 0, SEEK_END) == 0;
    off_t length = ok ? ftello(f) : -1;
    ok = length >= 0 && u64(length) <= maxBytes && fseeko(f, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->resize(size_t(length));
        ok = fread(bytes->data(), 1, bytes->size(), f) == bytes->size();
    }
    fclose(f);
    return ok ? FileRead::OK : FileRead::UNREADABLE;
}

struct NamedFormats {
    const char* eight;
    const char* sixteen;
};

// OpenAL's name for a PCM layout; mono and stereo are core formats, the rest extensions.
NamedFormats PCMFormatNames(u16 channels) {
    switch (channels) {
    case 1: return {"AL_FORMAT_MONO8", "AL_FORMAT_MONO16"};
    case 2: return {"AL_FORMAT_STEREO8", "AL_FORMAT_STEREO16"};
    case 4: return {"AL_FORMAT_QUAD8", "AL_FORMAT_QUAD16"};
    case 6: return {"AL_FORMAT_51CHN8", "AL_FORMAT_51CHN16"};
    case 7: return {"AL_FORMAT_61CHN8", "AL_FORMAT_61CHN16"};
    default: return {"AL_FORMAT_71CHN8", "AL_FORMAT_71CHN16"};
    }
}

const char* FormatName(const WavInfo& w) {
    if (w.coding == WAV_MP3) return "AL_FORMAT_MP3";
    if (w.coding == WAV_IMA_ADPCM)
        return w.channels == 1 ? "AL_FORMAT_MONO_IMA4" : "AL_FORMAT_STEREO_IMA4";
    NamedFormats names = PCMFormatNames(w.channels);
    return w.bitsPerSample == 8 ? names.eight : names.sixteen;
}

i32 CoreFormat(const WavInfo& w) {
    if (w.coding != WAV_PCM || w.channels > 2) return 0;
    if (w.channels == 1) return w.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    return w.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

i32 ALFormatOf(const WavInfo& w) {
    i32 core = CoreFormat(w);
    return core ? core : i32(alGetEnumValue(FormatName(w)));
}

struct WavSound {
    WavInfo info;
    i32 format;
    u8* data; // malloc'd, size + SAMPLE_PADDING bytes
};

void LogWavError(const char* path, const char* reason) {
    LogWrite(StrFormat("[ERROR]<LoadWAV> File '%s' cannot be used: %s", path, reason));
}

bool ReadWAV(const char* path, WavSound* out) {
    std::vector<u8> bytes;
    FileRead read = ReadWholeFile(path, MAX_WAV_FILE_BYTES, &bytes);
    if (read == FileRead::MISSING) {
        LogWrite("File not found");
        return false;
    }
    if (read == FileRead::UNREADABLE) {
        LogWavError(path, "the file cannot be read whole or is too large");
        return false;
    }
    if (const char* error = ParseWAV(bytes.data(), bytes.size(), &out->info)) {
        LogWavError(path, error);
        return false;
    }
    out->format = ALFormatOf(out->info);
    if (out->format == 0 || out->format == -1) {
        LogWavError(path, StrFormat("OpenAL cannot play %s", FormatName(out->info)));
        return false;
    }
    out->data = static_cast<u8*>(malloc(size_t(out->info.size) + SAMPLE_PADDING));
    if (!out->data) {
        LogWavError(path, "out of memory");
        return false;
    }
    memcpy(out->data, out->info.samples, out->info.size);
    memset(out->data + out->info.size, 0, SAMPLE_PADDING);
    out->info.samples = out->data;
    return true;
}

bool HasExtension(const char* path, const char* wanted) {
    char ext[EXTENSION_SIZE];
    PathExtension(path, ext);
    return strcmp(ext, wanted) == 0;
}

bool ALFailed() {
    return alGetError() != AL_NO_ERROR;
}

bool FillFromWAV(ALuint buffer, const char* path) {
    WavSound w{};
    if (!ReadWAV(path, &w)) return false;
    if (w.info.coding == WAV_IMA_ADPCM) {
        // OpenAL's default ADPCM block is not the file's; tell it the file's block length.
        u32 bytesPerChannel = w.info.blockAlign / w.info.channels;
        ALint samples = ALint((bytesPerChannel - IMA_CHANNEL_HEADER) * IMA_SAMPLES_PER_BYTE + 1);
        alBufferi(buffer, AL_UNPACK_BLOCK_ALIGNMENT_SOFT, samples);
    }
    alBufferData(buffer, w.format, w.data, ALsizei(w.info.size), ALsizei(w.info.frequency));
    bool ok = !ALFailed();
    UnloadWAV(w.format, w.data, w.info.size, w.info.frequency);
    return ok;
}

bool FillFromOgg(ALuint buffer, const char* path) {
    FILE* file = fopen(path, "rb");
    if (!file) {
        LogWrite("File not found");
        return false;
    }
    OggVorbis_File vf;
    VorbisLayout layout{};
    const char* error = VorbisOpenFile(file, &vf, &layout);
    u8* pcm = nullptr;
    size_t size = 0;
    if (!error) {
        error = VorbisDecodeAll(&vf, &layout, MAX_DECODED_SOUND_BYTES, &pcm, &size);
        VorbisClose(&vf);
    }
    if (error) {
        LogWrite(StrFormat("[ERROR]<LoadSoundBuffer> File '%s' cannot be used: %s", path, error));
        return false;
    }
    ALenum format = layout.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    alBufferData(buffer, format, pcm, ALsizei(size), ALsizei(layout.rate));
    free(pcm);
    return !ALFailed();
}

} // namespace

u32 LoadSoundBuffer(const char* path) {
    LogWrite(StrFormat("Loading audio buffer from '%s'", path ? path : "(null)"));
    if (!path) {
        LogWrite("Failed to load file, Path cannot be NULL");
        return INVALID_HANDLE;
    }
    bool wav = HasExtension(path, "wav");
    if (!wav && !HasExtension(path, "ogg")) {
        LogWrite(StrFormat("Failed to load file '%s', file extension not supported", path));
        return INVALID_HANDLE;
    }
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    bool ok = !ALFailed();
    if (ok) ok = wav ? FillFromWAV(buffer, path) : FillFromOgg(buffer, path);
    if (!ok) {
        // The buffer is given back: a failed load leaves nothing behind.
        if (buffer) alDeleteBuffers(1, &buffer);
        alGetError();
        LogWrite(StrFormat("Failed to load file '%s', error code=", path));
        return INVALID_HANDLE;
    }
    LogWrite("Audio buffer loaded");
    return buffer;
}

bool LoadWAV(const char* path, i32* format, void** data, u32* size, u32* frequency, u8* loop) {
    WavSound w{};
    bool ok = path && ReadWAV(path, &w);
    if (!ok) ParseWAV(nullptr, 0, &w.info); // the defaults
    *format = ok ? w.format : AL_FORMAT_MONO16;
    *data = ok ? w.data : nullptr;
    *size = ok ? w.info.size : 0;
    *frequency = w.info.frequency;
    *loop = ok ? w.info.loop : 0;
    return ok;
}

void UnloadWAV(i32, void* data, u32, u32) {
    free(data);
}
