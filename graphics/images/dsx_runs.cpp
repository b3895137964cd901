// DSX run-length codings 9 to 12: packets of runs and literals that run on across the rows
// of their region. A packet reaching past the region's last pixel marks a damaged file.
#include "graphics/images/dsx_codings.h"

namespace {

constexpr u32 RUN_FLOOR = 128; // control bytes from here on start runs
constexpr u32 RUN_FROM = 255;  // a run's length is 255 - control byte

// The next pixel of a region in row order, and how many are still to fill.
class RegionCursor {
  public:
    RegionCursor(const DsxPicture& picture, DsxRegion r)
        : picture_(picture), r_(r), left_(u64(r.w) * r.h) {}
    u64 Left() const { return left_; }
    u8* Next() {
        u8* dst = picture_.At(r_.x + column_, r_.y + row_);
        if (++column_ == r_.w) {
            column_ = 0;
            row_++;
        }
        left_--;
        return dst;
    }

  private:
    const DsxPicture& picture_;
    DsxRegion r_;
    u64 left_;
    u32 column_ = 0;
    u32 row_ = 0;
};

// The colour of a run: a raw pixel for coding 9, one full index byte otherwise.
const u8* ReadRunColour(ByteReader& in, const DsxPicture& picture, u8 opcode,
                        const DsxPaletteView& palette) {
    if (opcode == DSX_RUNS_RAW) return in.Take(picture.bpp);
    u32 index = in.U8();
    if (!in.Ok() || index >= palette.count) return nullptr;
    return palette.entries + index * picture.bpp;
}

bool PutRun(ByteReader& in, RegionCursor& cursor, const DsxPicture& picture, u8 opcode,
            const DsxPaletteView& palette, u32 length) {
    if (length > cursor.Left()) return false;
    const u8* colour = ReadRunColour(in, picture, opcode, palette);
    if (!colour) return false;
    for (u32 i = 0; i < length; i++) DsxCopyPixel(cursor.Next(), colour, picture.bpp);
    return true;
}

// Literal pixels: raw colours for coding 9, otherwise packed indexes starting on a new byte.
bool PutLiterals(ByteReader& in, RegionCursor& cursor, const DsxPicture& picture, u8 opcode,
                 const DsxPaletteView& palette, u32 count) {
    if (count > cursor.Left()) return false;
    if (opcode == DSX_RUNS_RAW) {
        const u8* src = in.Take(u64(count) * picture.bpp);
        if (!src) return false;
        for (u32 i = 0; i < count; i++)
            DsxCopyPixel(cursor.Next(), src + i * picture.bpp, picture.bpp);
        return true;
    }
    const u8* src = in.Take(DsxPackedBytes(count, palette.bits));
    if (!src) return false;
    DsxPackedIndexes indexes(src, palette.bits);
    for (u32 i = 0; i < count; i++) {
        u32 index = indexes.Next();
        if (index >= palette.count) return false;
        DsxCopyPixel(cursor.Next(), palette.entries + index * picture.bpp, picture.bpp);
    }
    return true;
}

} // namespace

bool DecodeDsxRuns(ByteReader& in, const DsxPicture& picture, DsxRegion region, u8 opcode,
                   const DsxPaletteView& palette) {
    RegionCursor cursor(picture, region);
    while (cursor.Left() > 0) {
        u32 control = in.U8();
        if (!in.Ok()) return false;
        bool ok = control >= RUN_FLOOR
                      ? PutRun(in, cursor, picture, opcode, palette, RUN_FROM - control)
                      : PutLiterals(in, cursor, picture, opcode, palette, control);
        if (!ok) return false;
    }
    return true;
}
