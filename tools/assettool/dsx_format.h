// Layout facts of DSX pictures shared by the encoder and the inspector: header fields, the
// block codings and the rule that splits a region in two.
#pragma once

#include "engine/types.h"

namespace dsx_tool {

constexpr u8 DSX_MAGIC[3] = {'d', 's', 'x'};
constexpr f32 DSX_VERSION = 1.0f;
constexpr size_t DSX_HEADER_BYTES = 16;
constexpr size_t DSX_MAX_PALETTE = 256;
constexpr u8 DSX_BITS_RGB = 24;
constexpr u8 DSX_BITS_RGBA = 32;
constexpr u32 DSX_MAX_SIDE = 65535;

enum DsxCoding : u8 {
    DSX_SPLIT = 0,
    DSX_SOLID = 1,
    DSX_RAW = 2,
    DSX_GREY = 3,
    DSX_GREY_PALETTE = 4,
    DSX_LOCAL_PALETTE = 5,
    DSX_PER_CHANNEL = 6,
    DSX_GLOBAL_INDEXES = 7,
    DSX_GLOBAL_SUBSET = 8,
    DSX_RLE_RAW = 9,
    DSX_RLE_LOCAL = 10,
    DSX_RLE_GLOBAL = 11,
    DSX_RLE_GLOBAL_SUBSET = 12,
};
constexpr int DSX_CODINGS = 13;

// Per-channel coding: up to this many values are listed and indexed, more are stored raw.
constexpr u32 DSX_CHANNEL_PALETTE_MAX = 16;
// Run-length control bytes: above 127 a run of 255 - c pixels, else c literal pixels.
constexpr u32 DSX_RLE_MAX_COUNT = 127;
constexpr u8 DSX_RLE_RUN_BASE = 255;

struct DsxRegion {
    u32 x, y, w, h;
    size_t Area() const { return size_t(w) * h; }
};

// A region wider than high is cut into left and right parts (the left one takes the odd
// column), any other into top and bottom parts.
inline bool SplitDsxRegion(const DsxRegion& r, DsxRegion* first, DsxRegion* second) {
    if (r.w > r.h) {
        u32 left = (r.w + 1) / 2;
        *first = {r.x, r.y, left, r.h};
        *second = {r.x + left, r.y, r.w - left, r.h};
        return true;
    }
    if (r.h < 2) return false;
    u32 top = (r.h + 1) / 2;
    *first = {r.x, r.y, r.w, top};
    *second = {r.x, r.y + top, r.w, r.h - top};
    return true;
}

// Bits per packed index for a palette of n entries.
inline u32 DsxIndexBits(u32 entries) {
    return entries > 16 ? 8 : entries > 4 ? 4 : entries > 2 ? 2 : 1;
}

inline size_t DsxPackedBytes(size_t count, u32 bits) {
    return (count * bits + 7) / 8;
}

} // namespace dsx_tool
