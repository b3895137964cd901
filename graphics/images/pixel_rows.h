// Row converters from the pixel layouts of TGA and BMP files to the RGB and RGBA rows of an
// ImageData. Callers check that both rows hold count pixels; the converters check nothing else.
#pragma once

#include "graphics/images/image_data.h"

constexpr u32 PALETTE_MAX_ENTRIES = 256;

// Colours addressed by 8-bit (or narrower) indexes, stored as R, G, B.
struct IndexedPalette {
    u8 rgb[PALETTE_MAX_ENTRIES * RGB_BYTES] = {};
    u32 count = 0;
};

// count copies of one pixel of `bytes` bytes.
void RowFill(u8* dst, const u8* pixel, size_t count, u32 bytes);

void RowFromBGR(u8* dst, const u8* src, size_t count);  // B, G, R -> R, G, B
void RowFromBGRA(u8* dst, const u8* src, size_t count); // B, G, R, A -> R, G, B, A
void RowFromX555(u8* dst, const u8* src, size_t count); // little-endian x1r5g5b5 -> R, G, B
void RowFromGrey(u8* dst, const u8* src, size_t count); // g -> g, g, g
// One palette index per byte, or per 4 or 1 bits (most significant first, the row starting
// on a byte). False when an index lies past the palette's entries.
bool RowFromIndexes(u8* dst, const u8* src, size_t count, u32 bits, const IndexedPalette& palette);
