// DSX run-length codings 9 to 12: packets of runs and literals that run on across the rows
// of their region. A packet reaching past the region's last pixel marks a damaged file.
#include "graphics/images/dsx_codings.h"

namespace {

constexpr u32 RUN_FLOOR = 128; // control bytes from here on start runs
constexpr u32 RUN_FROM = 255;  // a run's length is 255 - control byte

// Where the next pixels of a region go, in row order, and how many are still to fill. Packets
// are written in spans that end at the region's row ends.
class RegionCursor {
  public:
    RegionCursor(const DsxPicture& picture, DsxRegion r)
        : picture_(picture), r_(r), left_(u64(r.w) * r.h), at_(picture.At(r.x, r.y)),
          rowLeft_(r.w) {}
    u64 Left() const { return left_; }
    // The start of the next span, and its length: at most want pixels.
    u8* Span(u32 want, u32* length) const {
        *length = want < rowLeft_ ? want : rowLeft_;
        return at_;
    }
    void Advance(u32 pixels) {
        at_ += size_t(pixels) * picture_.bpp;
        rowLeft_ -= pixels;
        left_ -= pixels;
        if (rowLeft_ == 0 && left_ > 0) {
            row_++;
            at_ = picture_.At(r_.x, r_.y + row_);
            rowLeft_ = r_.w;
        }
    }

  private:
    const DsxPicture& picture_;
    DsxRegion r_;
    u64 left_;
    u8* at_;
    u32 rowLeft_;
    u32 row_ = 0;
};

// The colour of a run: a raw pixel for coding 9, one full index byte otherwise.
const u8* ReadRunColour(ByteReader& in, const DsxPicture& picture, u8 opcode,
                        const DsxPaletteView& palette) {
    if (opcode == DSX_RUNS_RAW) {
        const u8* colour = in.Take(picture.bpp);
        if (!colour) DsxShort();
        return colour;
    }
    u32 index = in.U8();
    if (!in.Ok()) {
        DsxShort();
        return nullptr;
    }
    if (index >= palette.count) {
        DsxIndexPastPalette();
        return nullptr;
    }
    return palette.entries + index * picture.bpp;
}

bool PutRun(ByteReader& in, RegionCursor& cursor, const DsxPicture& picture, u8 opcode,
            const DsxPaletteView& palette, u32 length) {
    if (length > cursor.Left()) return ImageFail("run past the region's last pixel");
    const u8* colour = ReadRunColour(in, picture, opcode, palette);
    if (!colour) return false;
    while (length > 0) {
        u32 span;
        u8* dst = cursor.Span(length, &span);
        RowFill(dst, colour, span, picture.bpp);
        cursor.Advance(span);
        length -= span;
    }
    return true;
}

bool PutRawLiterals(ByteReader& in, RegionCursor& cursor, const DsxPicture& picture, u32 count) {
    const u8* src = in.Take(u64(count) * picture.bpp);
    if (!src) return DsxShort();
    while (count > 0) {
        u32 span;
        u8* dst = cursor.Span(count, &span);
        memcpy(dst, src, size_t(span) * picture.bpp);
        src += size_t(span) * picture.bpp;
        cursor.Advance(span);
        count -= span;
    }
    return true;
}

// Literal indexes are packed, the packing starting on a new byte for every packet.
bool PutIndexedLiterals(ByteReader& in, RegionCursor& cursor, const DsxPicture& picture,
                        const DsxPaletteView& palette, u32 count) {
    const u8* src = in.Take(DsxPackedBytes(count, palette.bits));
    if (!src) return DsxShort();
    DsxPackedIndexes indexes(src, palette.bits);
    while (count > 0) {
        u32 span;
        u8* dst = cursor.Span(count, &span);
        for (u32 i = 0; i < span; i++, dst += picture.bpp) {
            u32 index = indexes.Next();
            if (index >= palette.count) return DsxIndexPastPalette();
            DsxCopyPixel(dst, palette.entries + index * picture.bpp, picture.bpp);
        }
        cursor.Advance(span);
        count -= span;
    }
    return true;
}

bool PutLiterals(ByteReader& in, RegionCursor& cursor, const DsxPicture& picture, u8 opcode,
                 const DsxPaletteView& palette, u32 count) {
    if (count > cursor.Left()) return ImageFail("literals past the region's last pixel");
    if (opcode == DSX_RUNS_RAW) return PutRawLiterals(in, cursor, picture, count);
    return PutIndexedLiterals(in, cursor, picture, palette, count);
}

} // namespace

bool DecodeDsxRuns(ByteReader& in, const DsxPicture& picture, DsxRegion region, u8 opcode,
                   const DsxPaletteView& palette) {
    RegionCursor cursor(picture, region);
    while (cursor.Left() > 0) {
        u32 control = in.U8();
        if (!in.Ok()) return DsxShort();
        bool ok = control >= RUN_FLOOR
                      ? PutRun(in, cursor, picture, opcode, palette, RUN_FROM - control)
                      : PutLiterals(in, cursor, picture, opcode, palette, control);
        if (!ok) return false;
    }
    return true;
}
