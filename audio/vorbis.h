// Ogg Vorbis decoding through libvorbisfile, with the checks a hostile file needs: a playable
// channel layout and rate, a cap on decoded bytes, and links that change layout mid-file.
// No OpenAL and no engine calls, so the loaders and the fuzz target share it.
#pragma once

#include <cstdio>

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include "engine/types.h"

// The layout every decoded byte follows: 16-bit signed little-endian samples, interleaved.
struct VorbisLayout {
    u16 channels; // 1 or 2
    u32 rate;     // samples per second
    int link;     // the logical bitstream being decoded
};

constexpr u32 VORBIS_BYTES_PER_SAMPLE = 2;
constexpr u32 VORBIS_MIN_RATE = 1000;
constexpr u32 VORBIS_MAX_RATE = 192000;
constexpr u32 VORBIS_READ_REQUEST = 4096; // bytes asked of ov_read at a time

// An in-memory Ogg file for VorbisOpenMemory; it must outlive the decoder.
struct VorbisMemory {
    const u8* bytes;
    size_t size;
    size_t pos;
};

// Opens a decoder over an open file. On success the decoder owns the file (VorbisClose closes
// both); on failure the file is closed here. Returns null or the reason.
const char* VorbisOpenFile(FILE* file, OggVorbis_File* vf, VorbisLayout* layout);
const char* VorbisOpenMemory(VorbisMemory* memory, OggVorbis_File* vf, VorbisLayout* layout);
void VorbisClose(OggVorbis_File* vf);

// Decodes up to capacity bytes in 4096-byte requests until at least want bytes are there.
// Sets *ended at the end of the stream, on a fault the decoder cannot step over, or where a
// chained link changes layout. Returns the bytes written (whole sample frames).
size_t VorbisRead(OggVorbis_File* vf, VorbisLayout* layout, u8* out, size_t want, size_t capacity,
                  bool* ended);

// The whole stream decoded into one block, freed by the caller with free(). Fails when the
// stream decodes to more than maxBytes or to nothing. Returns null or the reason.
const char* VorbisDecodeAll(OggVorbis_File* vf, VorbisLayout* layout, size_t maxBytes, u8** pcm,
                            size_t* size);
