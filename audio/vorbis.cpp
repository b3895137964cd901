// Ogg Vorbis decoding helpers over libvorbisfile: file and memory sources, bounded reads and
// whole-file decoding with a size cap.
#include "audio/vorbis.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int LITTLE_ENDIAN_WORDS = 0;
constexpr int SIGNED_SAMPLES = 1;
constexpr int NO_LINK_YET = -1;
constexpr int MAX_HOLES_IN_A_ROW = 64; // a damaged page is stepped over; endless damage ends
constexpr size_t FIRST_BLOCK_BYTES = size_t(1) << 20;

size_t FileRead(void* out, size_t size, size_t count, void* source) {
    return fread(out, size, count, static_cast<FILE*>(source));
}
int FileSeek(void* source, ogg_int64_t offset, int whence) {
    return fseeko(static_cast<FILE*>(source), off_t(offset), whence);
}
int FileClose(void* source) {
    return fclose(static_cast<FILE*>(source));
}
long FileTell(void* source) {
    return long(ftello(static_cast<FILE*>(source)));
}

size_t MemoryRead(void* out, size_t size, size_t count, void* source) {
    auto* m = static_cast<VorbisMemory*>(source);
    if (size == 0) return 0;
    size_t items = (m->size - m->pos) / size;
    if (items > count) items = count;
    memcpy(out, m->bytes + m->pos, items * size);
    m->pos += items * size;
    return items;
}
int MemorySeek(void* source, ogg_int64_t offset, int whence) {
    auto* m = static_cast<VorbisMemory*>(source);
    ogg_int64_t size = ogg_int64_t(m->size);
    ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? ogg_int64_t(m->pos) : size;
    if (offset < -base || offset > size - base) return -1;
    m->pos = size_t(base + offset);
    return 0;
}
long MemoryTell(void* source) {
    return long(static_cast<VorbisMemory*>(source)->pos);
}

const char* CheckLayout(OggVorbis_File* vf, VorbisLayout* layout) {
    vorbis_info* info = ov_info(vf, -1);
    if (!info) return "the stream has no Vorbis header";
    if (info->channels < 1 || info->channels > 2) return "the stream is not mono or stereo";
    if (info->rate < long(VORBIS_MIN_RATE) || info->rate > long(VORBIS_MAX_RATE))
        return "the sample rate is out of range";
    layout->channels = u16(info->channels);
    layout->rate = u32(info->rate);
    layout->link = NO_LINK_YET;
    return nullptr;
}

// On a failure of ov_open_callbacks the source is still ours; after it, ov_clear closes it.
const char* Open(void* source, ov_callbacks callbacks, OggVorbis_File* vf, VorbisLayout* layout,
                 bool* sourceHandedOver) {
    *sourceHandedOver = false;
    if (ov_open_callbacks(source, vf, nullptr, 0, callbacks) != 0)
        return "the file is not an Ogg Vorbis stream";
    *sourceHandedOver = true;
    if (const char* error = CheckLayout(vf, layout)) {
        ov_clear(vf);
        return error;
    }
    return nullptr;
}

// A chained file may switch layout between links; bytes of another layout would play as noise.
bool SameLayout(OggVorbis_File* vf, VorbisLayout* layout, int link) {
    if (link == layout->link) return true;
    vorbis_info* info = ov_info(vf, link);
    if (!info || info->channels != layout->channels || info->rate != long(layout->rate))
        return false;
    layout->link = link;
    return true;
}

} // namespace

const char* VorbisOpenFile(FILE* file, OggVorbis_File* vf, VorbisLayout* layout) {
    ov_callbacks callbacks = {FileRead, FileSeek, FileClose, FileTell};
    bool handedOver = false;
    const char* error = Open(file, callbacks, vf, layout, &handedOver);
    if (!handedOver) fclose(file);
    return error;
}

const char* VorbisOpenMemory(VorbisMemory* memory, OggVorbis_File* vf, VorbisLayout* layout) {
    memory->pos = 0;
    ov_callbacks callbacks = {MemoryRead, MemorySeek, nullptr, MemoryTell};
    bool handedOver = false;
    return Open(memory, callbacks, vf, layout, &handedOver);
}

void VorbisClose(OggVorbis_File* vf) {
    ov_clear(vf);
}

size_t VorbisRead(OggVorbis_File* vf, VorbisLayout* layout, u8* out, size_t want, size_t capacity,
                  bool* ended) {
    *ended = false;
    size_t got = 0;
    int holes = 0;
    while (got < want && capacity - got >= VORBIS_READ_REQUEST) {
        int link = 0;
        long n = ov_read(vf, reinterpret_cast<char*>(out + got), int(VORBIS_READ_REQUEST),
                         LITTLE_ENDIAN_WORDS, int(VORBIS_BYTES_PER_SAMPLE), SIGNED_SAMPLES, &link);
        if (n == OV_HOLE && ++holes <= MAX_HOLES_IN_A_ROW) continue;
        if (n <= 0 || !SameLayout(vf, layout, link)) {
            *ended = true;
            break;
        }
        holes = 0;
        got += size_t(n);
    }
    return got;
}

const char* VorbisDecodeAll(OggVorbis_File* vf, VorbisLayout* layout, size_t maxBytes, u8** pcm,
                            size_t* size) {
    *pcm = nullptr;
    *size = 0;
    // The last request must find room to see the end of the stream.
    size_t limit = maxBytes + VORBIS_READ_REQUEST;
    // The length the file announces sizes the block, so a good file is decoded with no copy;
    // a file that lies only costs a few regrowths up to the cap.
    ogg_int64_t frames = ov_pcm_total(vf, -1);
    size_t frameBytes = size_t(layout->channels) * VORBIS_BYTES_PER_SAMPLE;
    size_t capacity = FIRST_BLOCK_BYTES;
    if (frames > 0 && u64(frames) <= maxBytes / frameBytes)
        capacity = size_t(frames) * frameBytes + VORBIS_READ_REQUEST;
    if (capacity > limit) capacity = limit;
    u8* block = static_cast<u8*>(malloc(capacity));
    const char* error = block ? nullptr : "out of memory";
    size_t got = 0;
    for (bool ended = false; !error && !ended;) {
        got += VorbisRead(vf, layout, block + got, capacity - got, capacity - got, &ended);
        if (ended) break;
        if (capacity == limit) {
            error = "the stream decodes to more sound than a buffer may hold";
            break;
        }
        size_t grown = capacity * 2 < limit ? capacity * 2 : limit;
        u8* bigger = static_cast<u8*>(realloc(block, grown));
        if (!bigger) {
            error = "out of memory";
            break;
        }
        block = bigger;
        capacity = grown;
    }
    if (!error && got == 0) error = "the stream holds no sound";
    if (error) {
        free(block);
        return error;
    }
    *pcm = block;
    *size = got;
    return nullptr;
}
