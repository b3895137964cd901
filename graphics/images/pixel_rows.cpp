// Row converters for the TGA and BMP decoders. These are the decoders' hot loops: they run
// once per row over spans whose extent the caller has already validated.
#include "graphics/images/pixel_rows.h"

#include <cstring>

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

void PutEntry(u8* dst, const IndexedPalette& palette, u32 index) {
    memcpy(dst, palette.rgb + index * RGB_BYTES, RGB_BYTES);
}

} // namespace

void RowFromBGR(u8* dst, const u8* src, size_t count) {
    size_t i = 0;
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // Four pixels at a time as three words: B0 G0 R0 B1 | G1 R1 B2 G2 | R2 B3 G3 R3.
    constexpr size_t GROUP = 4;
    constexpr size_t GROUP_BYTES = GROUP * RGB_BYTES;
    for (; i + GROUP <= count; i += GROUP, src += GROUP_BYTES, dst += GROUP_BYTES) {
        u32 w[3];
        memcpy(w, src, GROUP_BYTES);
        const u32 out[3] = {
            (w[0] >> 16 & 0xFF) | (w[0] & 0xFF00) | (w[0] & 0xFF) << 16 | (w[1] & 0xFF00) << 16,
            (w[1] & 0xFF) | (w[0] >> 16 & 0xFF00) | (w[2] & 0xFF) << 16 | (w[1] & 0xFF000000u),
            (w[1] >> 16 & 0xFF) | (w[2] >> 16 & 0xFF00) | (w[2] & 0xFF0000) | (w[2] & 0xFF00) << 16,
        };
        memcpy(dst, out, GROUP_BYTES);
    }
#endif
    for (; i < count; i++, dst += RGB_BYTES, src += RGB_BYTES) {
        dst[0] = src[2];
        dst[1] = src[1];
        dst[2] = src[0];
    }
}

void RowFromBGRA(u8* dst, const u8* src, size_t count) {
    for (size_t i = 0; i < count; i++) {
        u32 v;
        memcpy(&v, src + i * RGBA_BYTES, sizeof v);
        // Swap the first and third byte: the same on any byte order since we move bytes.
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
