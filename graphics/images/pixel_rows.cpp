// Row converters for the TGA and BMP decoders. These are the decoders' hot loops: they run
// once per row over spans whose extent the caller has already validated.
#include "graphics/images/pixel_rows.h"

#include <cstring>

#if defined(__x86_64__) && defined(__SSE2__)
#include <immintrin.h>
#define VAELOR_X86_SIMD 1
#else
#define VAELOR_X86_SIMD 0
#endif

namespace {

constexpr u32 FIVE_BIT_MAX = 31;
constexpr u32 BYTE_MAX = 255;
constexpr u32 GREEN_SHIFT = 5;
constexpr u32 RED_SHIFT = 10;
constexpr u32 FIVE_BIT_MASK = 0x1F;

// c x 255 / 31 with integer division, for every 5-bit value.
struct FiveBitScale {
    u8 value[FIVE_BIT_MAX + 1];
    constexpr FiveBitScale() : value() {
        for (u32 c = 0; c <= FIVE_BIT_MAX; c++) value[c] = u8(c * BYTE_MAX / FIVE_BIT_MAX);
    }
};
constexpr FiveBitScale SCALE5;

u32 Load32(const u8* p) {
    u32 v;
    memcpy(&v, p, sizeof v);
    return v;
}
void Store32(u8* p, u32 v) {
    memcpy(p, &v, sizeof v);
}

// The portable conversion. On little-endian machines four pixels go as three words,
// B0 G0 R0 B1 | G1 R1 B2 G2 | R2 B3 G3 R3, each output word assembled from the bytes it needs.
void SwapRedBlue3(u8* dst, const u8* src, size_t count) {
    size_t i = 0;
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    constexpr size_t GROUP = 4;
    constexpr size_t GROUP_BYTES = GROUP * RGB_BYTES;
    for (; i + GROUP <= count; i += GROUP, src += GROUP_BYTES, dst += GROUP_BYTES) {
        const u32 w0 = Load32(src), w1 = Load32(src + 4), w2 = Load32(src + 8);
        Store32(dst, (w0 >> 16 & 0xFF) | (w0 & 0xFF00) | (w0 & 0xFF) << 16 | (w1 & 0xFF00) << 16);
        Store32(dst + 4,
                (w1 & 0xFF) | (w0 >> 16 & 0xFF00) | (w2 & 0xFF) << 16 | (w1 & 0xFF000000u));
        Store32(dst + 8,
                (w1 >> 16 & 0xFF) | (w2 >> 16 & 0xFF00) | (w2 & 0xFF0000) | (w2 & 0xFF00) << 16);
    }
#endif
    for (; i < count; i++, dst += RGB_BYTES, src += RGB_BYTES) {
        dst[0] = src[2];
        dst[1] = src[1];
        dst[2] = src[0];
    }
}

#if VAELOR_X86_SIMD
// 16-byte vectors: SSE2 is part of every x86-64 processor, SSSE3's byte shuffle is checked for
// once at run time. Each returns how many pixels it converted; the caller does the rest.
constexpr size_t VECTOR_BYTES = 16;
constexpr size_t BGR_VECTOR_PIXELS = 5; // 15 of the 16 bytes; the 16th is rewritten next time

bool HasSSSE3() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

__attribute__((target("ssse3"))) size_t BGRToRGBShuffled(u8* dst, const u8* src, size_t count) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    size_t i = 0;
    // Each load and store spans one byte of the following pixel, so one more must exist.
    for (; i + BGR_VECTOR_PIXELS < count; i += BGR_VECTOR_PIXELS) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i * RGB_BYTES));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i * RGB_BYTES),
                         _mm_shuffle_epi8(v, order));
    }
    return i;
}

size_t BGRAToRGBAVectors(u8* dst, const u8* src, size_t count) {
    const size_t pixelsPerVector = VECTOR_BYTES / RGBA_BYTES;
    const __m128i keep = _mm_set1_epi32(int(0xFF00FF00u));
    const __m128i low = _mm_set1_epi32(0xFF);
    size_t i = 0;
    for (; i + pixelsPerVector <= count; i += pixelsPerVector) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i * RGBA_BYTES));
        __m128i red = _mm_and_si128(_mm_srli_epi32(v, 16), low);
        __m128i blue = _mm_slli_epi32(_mm_and_si128(v, low), 16);
        v = _mm_or_si128(_mm_and_si128(v, keep), _mm_or_si128(red, blue));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i * RGBA_BYTES), v);
    }
    return i;
}
#endif

void PutEntry(u8* dst, const IndexedPalette& palette, u32 index) {
    memcpy(dst, palette.rgb + index * RGB_BYTES, RGB_BYTES);
}

} // namespace

void RowFill(u8* dst, const u8* pixel, size_t count, u32 bytes) {
    if (count == 0) return;
    memcpy(dst, pixel, bytes);
    // Double what is already written: a few large copies instead of many tiny ones.
    for (size_t filled = 1; filled < count;) {
        size_t n = filled < count - filled ? filled : count - filled;
        memcpy(dst + filled * bytes, dst, n * bytes);
        filled += n;
    }
}

void RowFromBGR(u8* dst, const u8* src, size_t count) {
    size_t done = 0;
#if VAELOR_X86_SIMD
    if (HasSSSE3()) done = BGRToRGBShuffled(dst, src, count);
#endif
    SwapRedBlue3(dst + done * RGB_BYTES, src + done * RGB_BYTES, count - done);
}

void RowFromBGRA(u8* dst, const u8* src, size_t count) {
    size_t done = 0;
#if VAELOR_X86_SIMD
    done = BGRAToRGBAVectors(dst, src, count);
#endif
    for (size_t i = done; i < count; i++) {
        u32 v;
        memcpy(&v, src + i * RGBA_BYTES, sizeof v);
        // Swap the first and third byte (on a little-endian word: the low and third bytes).
        v = (v & 0xFF00FF00u) | (v & 0x00FF0000u) >> 16 | (v & 0x000000FFu) << 16;
        memcpy(dst + i * RGBA_BYTES, &v, sizeof v);
    }
}

void RowFromX555(u8* dst, const u8* src, size_t count) {
    for (size_t i = 0; i < count; i++, dst += RGB_BYTES) {
        u32 v = u32(src[2 * i]) | u32(src[2 * i + 1]) << 8;
        dst[0] = SCALE5.value[(v >> RED_SHIFT) & FIVE_BIT_MASK];
        dst[1] = SCALE5.value[(v >> GREEN_SHIFT) & FIVE_BIT_MASK];
        dst[2] = SCALE5.value[v & FIVE_BIT_MASK];
    }
}

void RowFromGrey(u8* dst, const u8* src, size_t count) {
    for (size_t i = 0; i < count; i++, dst += RGB_BYTES) dst[0] = dst[1] = dst[2] = src[i];
}

bool RowFromIndexes(u8* dst, const u8* src, size_t count, u32 bits, const IndexedPalette& palette) {
    const u32 perByte = 8 / bits;
    const u32 mask = (1u << bits) - 1;
    for (size_t i = 0; i < count; i++, dst += RGB_BYTES) {
        u32 shift = 8 - bits * (u32(i % perByte) + 1);
        u32 index = (src[i / perByte] >> shift) & mask;
        if (index >= palette.count) return false;
        PutEntry(dst, palette, index);
    }
    return true;
}
