// DSX regions: the split rule and the block codings that are not run-length coded. Every
// coding takes its whole data from the reader before writing, so a short stream fails cleanly.
#include "graphics/images/dsx_codings.h"

namespace {

constexpr u32 FULL_BYTE_BITS = 8;

// Calls put(pixel) for every pixel of the region, row by row from its top row, left to right;
// stops at the first false.
template <class Put> bool ForEachPixel(const DsxPicture& picture, DsxRegion r, Put put) {
    const u32 bpp = picture.bpp;
    for (u32 y = 0; y < r.h; y++) {
        u8* dst = picture.At(r.x, r.y + y);
        for (u32 x = 0; x < r.w; x++, dst += bpp) {
            if (!put(dst)) return false;
        }
    }
    return true;
}

u64 RegionPixels(DsxRegion r) {
    return u64(r.w) * r.h;
}

// The first row is filled, the others are copies of it.
bool DecodeSolid(ByteReader& in, const DsxPicture& picture, DsxRegion r) {
    const u8* colour = in.Take(picture.bpp);
    if (!colour) return DsxShort();
    const u8* first = picture.At(r.x, r.y);
    RowFill(picture.At(r.x, r.y), colour, r.w, picture.bpp);
    for (u32 y = 1; y < r.h; y++)
        memcpy(picture.At(r.x, r.y + y), first, size_t(r.w) * picture.bpp);
    return true;
}

bool DecodeRaw(ByteReader& in, const DsxPicture& picture, DsxRegion r) {
    const size_t rowBytes = size_t(r.w) * picture.bpp;
    for (u32 y = 0; y < r.h; y++) {
        const u8* src = in.Take(rowBytes);
        if (!src) return DsxShort();
        memcpy(picture.At(r.x, r.y + y), src, rowBytes);
    }
    return true;
}

bool DecodeGrey(ByteReader& in, const DsxPicture& picture, DsxRegion r) {
    const u8* grey = in.Take(RegionPixels(r));
    if (!grey) return DsxShort();
    return ForEachPixel(picture, r, [&](u8* dst) {
        memset(dst, *grey++, picture.bpp);
        return true;
    });
}

bool DecodeIndexes(ByteReader& in, const DsxPicture& picture, DsxRegion r,
                   const DsxPaletteView& palette) {
    const u8* src = in.Take(DsxPackedBytes(RegionPixels(r), palette.bits));
    if (!src) return DsxShort();
    DsxPackedIndexes indexes(src, palette.bits);
    return ForEachPixel(picture, r, [&](u8* dst) {
        u32 index = indexes.Next();
        if (index >= palette.count) return DsxIndexPastPalette();
        DsxCopyPixel(dst, palette.entries + index * picture.bpp, picture.bpp);
        return true;
    });
}

// One channel of the per-channel coding: a single value, a few values chosen by packed
// indexes, or the channel's bytes themselves.
bool DecodeChannel(ByteReader& in, const DsxPicture& picture, DsxRegion r, u32 channel) {
    const u32 count = u32(in.U8()) + 1;
    if (count > DSX_CHANNEL_PALETTE_MAX) {
        const u8* src = in.Take(RegionPixels(r));
        if (!src) return DsxShort();
        return ForEachPixel(picture, r, [&](u8* dst) {
            dst[channel] = *src++;
            return true;
        });
    }
    const u8* values = in.Take(count);
    if (!values) return DsxShort();
    if (count == 1) {
        return ForEachPixel(picture, r, [&](u8* dst) {
            dst[channel] = values[0];
            return true;
        });
    }
    const u32 bits = DsxIndexBits(count);
    const u8* src = in.Take(DsxPackedBytes(RegionPixels(r), bits));
    if (!src) return DsxShort();
    DsxPackedIndexes indexes(src, bits);
    return ForEachPixel(picture, r, [&](u8* dst) {
        u32 index = indexes.Next();
        if (index >= count) return DsxIndexPastPalette();
        dst[channel] = values[index];
        return true;
    });
}

bool DecodePerChannel(ByteReader& in, const DsxPicture& picture, DsxRegion r) {
    for (u32 channel = 0; channel < picture.bpp; channel++) {
        if (!DecodeChannel(in, picture, r, channel)) return false;
    }
    return true;
}

// Palettes of the indexed codings: a count byte n and n + 1 entries that are grey levels,
// pixels, or indexes into the global palette.
bool ReadLocalPalette(ByteReader& in, const DsxPicture& picture, u8 opcode, DsxPalette* local) {
    const u32 count = u32(in.U8()) + 1;
    const u32 entryBytes =
        opcode == DSX_LOCAL_PALETTE || opcode == DSX_RUNS_LOCAL ? picture.bpp : 1;
    const u8* src = in.Take(u64(count) * entryBytes);
    if (!src) return DsxShort();
    for (u32 i = 0; i < count; i++) {
        u8* entry = local->entries + i * picture.bpp;
        if (opcode == DSX_GREY_PALETTE) {
            memset(entry, src[i], picture.bpp);
        } else if (entryBytes == 1) {
            if (src[i] >= picture.global.count) return DsxIndexPastPalette();
            DsxCopyPixel(entry, picture.global.entries + src[i] * picture.bpp, picture.bpp);
        } else {
            DsxCopyPixel(entry, src + i * picture.bpp, picture.bpp);
        }
    }
    local->count = count;
    return true;
}

bool ReadPaletteView(ByteReader& in, const DsxPicture& picture, u8 opcode, DsxPalette* local,
                     DsxPaletteView* view) {
    if (opcode == DSX_GLOBAL_INDEXES || opcode == DSX_RUNS_GLOBAL) {
        // Full index bytes: the global palette counts as 256 entries for the packing.
        *view = {picture.global.entries, picture.global.count, FULL_BYTE_BITS};
        return true;
    }
    if (!ReadLocalPalette(in, picture, opcode, local)) return false;
    *view = {local->entries, local->count, DsxIndexBits(local->count)};
    return true;
}

bool DecodeIndexedCoding(ByteReader& in, const DsxPicture& picture, DsxRegion r, u8 opcode) {
    DsxPalette local;
    DsxPaletteView view;
    if (!ReadPaletteView(in, picture, opcode, &local, &view)) return false;
    if (opcode >= DSX_RUNS_RAW) return DecodeDsxRuns(in, picture, r, opcode, view);
    return DecodeIndexes(in, picture, r, view);
}

bool DecodeCoding(ByteReader& in, const DsxPicture& picture, DsxRegion r, u8 opcode) {
    switch (opcode) {
    case DSX_SOLID: return DecodeSolid(in, picture, r);
    case DSX_RAW: return DecodeRaw(in, picture, r);
    case DSX_GREY: return DecodeGrey(in, picture, r);
    case DSX_PER_CHANNEL: return DecodePerChannel(in, picture, r);
    case DSX_RUNS_RAW: return DecodeDsxRuns(in, picture, r, opcode, DsxPaletteView{});
    case DSX_GREY_PALETTE:
    case DSX_LOCAL_PALETTE:
    case DSX_GLOBAL_INDEXES:
    case DSX_GLOBAL_SUBSET:
    case DSX_RUNS_LOCAL:
    case DSX_RUNS_GLOBAL:
    case DSX_RUNS_GLOBAL_SUBSET: return DecodeIndexedCoding(in, picture, r, opcode);
    default: return ImageFail("unknown region opcode");
    }
}

// Wider regions are cut into left and right, others into top and bottom, the first part taking
// the larger half. A single pixel cannot be split: its parts would be itself and nothing.
bool DecodeSplit(ByteReader& in, const DsxPicture& picture, DsxRegion r) {
    if (r.w == 1 && r.h == 1) return ImageFail("split of a single pixel");
    if (r.w > r.h) {
        u32 left = (r.w + 1) / 2;
        return DecodeDsxRegion(in, picture, {r.x, r.y, left, r.h}) &&
               DecodeDsxRegion(in, picture, {r.x + left, r.y, r.w - left, r.h});
    }
    u32 top = (r.h + 1) / 2;
    return DecodeDsxRegion(in, picture, {r.x, r.y, r.w, top}) &&
           DecodeDsxRegion(in, picture, {r.x, r.y + top, r.w, r.h - top});
}

} // namespace

u64 DsxPackedBytes(u64 indexes, u32 bits) {
    return (indexes * bits + FULL_BYTE_BITS - 1) / FULL_BYTE_BITS;
}

bool DecodeDsxRegion(ByteReader& in, const DsxPicture& picture, DsxRegion region) {
    u8 opcode = in.U8();
    if (!in.Ok()) return DsxShort();
    if (opcode == DSX_SPLIT) return DecodeSplit(in, picture, region);
    return DecodeCoding(in, picture, region, opcode);
}
