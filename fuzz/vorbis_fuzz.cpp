// Fuzzes Ogg Vorbis decoding: any bytes must open and decode, or fail, within the size cap and
// without a fault; what decodes is whole 16-bit frames of a mono or stereo layout. Seeds in
// fuzz/corpus/vorbis/ are short tones written with libvorbisenc (tests/audio/sound_files.cpp).
#include <cstdint>
#include <cstdlib>

#include "audio/vorbis.h"

namespace {
constexpr size_t MAX_DECODED_BYTES = size_t(16) << 20;
}

// libvorbisfile 1.3.7 itself loses 8 bytes when ov_open_callbacks fails with OV_EREAD on some
// damaged files; that is the system library's, not ours, and would stop every run.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libvorbisfile.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VorbisMemory memory{data, size, 0};
    OggVorbis_File vf;
    VorbisLayout layout{};
    if (VorbisOpenMemory(&memory, &vf, &layout)) return 0;
    if (layout.channels < 1 || layout.channels > 2) abort();
    u8* pcm = nullptr;
    size_t bytes = 0;
    const char* error = VorbisDecodeAll(&vf, &layout, MAX_DECODED_BYTES, &pcm, &bytes);
    VorbisClose(&vf);
    if (!error) {
        size_t frame = layout.channels * VORBIS_BYTES_PER_SAMPLE;
        if (!pcm || bytes == 0 || bytes % frame != 0) abort();
        if (bytes > MAX_DECODED_BYTES + VORBIS_READ_REQUEST) abort();
    }
    free(pcm);
    return 0;
}
