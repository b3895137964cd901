// The region stream of DSX pictures: splits and the twelve block codings, shared between the
// region decoder (dsx_codings.cpp) and the run-length codings (dsx_runs.cpp).
#pragma once

#include <cstring>

#include "graphics/images/byte_reader.h"
#include "graphics/images/dsx_format.h"
#include "graphics/images/image_data.h"
#include "graphics/images/pixel_rows.h"

struct DsxPalette {
    u8 entries[DSX_PALETTE_MAX_ENTRIES * RGBA_BYTES];
    u32 count = 0;
};

struct DsxPicture {
    u8* pixels = nullptr;
    u32 width = 0;
    u32 bpp = 0; // bytes per pixel: 3 or 4
    DsxPalette global;

    u8* At(u32 x, u32 y) const { return pixels + (size_t(y) * width + x) * bpp; }
};

struct DsxRegion {
    u32 x, y, w, h;
};

// The palette a region's indexes address and how many bits each packed index takes.
struct DsxPaletteView {
    const u8* entries;
    u32 count;
    u32 bits;
};

// Packed palette indexes, most significant bits first, over bytes the caller has taken
// from the reader: enough for every index it will ask for.
class DsxPackedIndexes {
  public:
    DsxPackedIndexes(const u8* src, u32 bits) : src_(src), bits_(bits), mask_((1u << bits) - 1) {}
    u32 Next() {
        if (left_ == 0) {
            current_ = *src_++;
            left_ = 8;
        }
        left_ -= bits_;
        return (current_ >> left_) & mask_;
    }

  private:
    const u8* src_;
    u32 bits_;
    u32 mask_;
    u32 current_ = 0;
    u32 left_ = 0;
};

u64 DsxPackedBytes(u64 indexes, u32 bits);

// The failures every coding shares.
inline bool DsxShort() {
    return ImageFail("file ends inside a region");
}
inline bool DsxIndexPastPalette() {
    return ImageFail("palette index past the palette");
}

inline void DsxCopyPixel(u8* dst, const u8* src, u32 bpp) {
    if (bpp == RGBA_BYTES) {
        memcpy(dst, src, RGBA_BYTES);
    } else {
        memcpy(dst, src, RGB_BYTES);
    }
}

// Decodes one region with its opcode and everything it holds; false on any damage.
bool DecodeDsxRegion(ByteReader& in, const DsxPicture& picture, DsxRegion region);
// The run-length codings 9 to 12; palette is unused for coding 9.
bool DecodeDsxRuns(ByteReader& in, const DsxPicture& picture, DsxRegion region, u8 opcode,
                   const DsxPaletteView& palette);
