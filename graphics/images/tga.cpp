// The TGA decoder: uncompressed and run-length files with grey, colour-mapped, 16-, 24- and
// 32-bit pixels, stored bottom-up or top-down.
#include "graphics/images/decoders.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>

#include "graphics/images/byte_reader.h"
#include "graphics/images/file_bytes.h"
#include "graphics/images/pixel_rows.h"

namespace {

constexpr size_t TGA_ORIGIN_BYTES = 4; // picture origin, not used
constexpr u8 TGA_RAW_MAPPED = 1;
constexpr u8 TGA_RAW_TRUECOLOUR = 2;
constexpr u8 TGA_RAW_GREY = 3;
constexpr u8 TGA_RLE_MAPPED = 9;
constexpr u8 TGA_RLE_TRUECOLOUR = 10;
constexpr u8 TGA_RLE_GREY = 11;
constexpr u8 TGA_TOP_DOWN_FROM = 32; // descriptor values from here on store the top row first
constexpr u32 TGA_MAP_ENTRIES = 256;
constexpr u32 TGA_RUN_FLAG = 128;
constexpr u32 TGA_PACKET_MAX_PIXELS = 128;
constexpr u32 BITS_PER_BYTE = 8;
constexpr u32 TGA_CLASSIC_ENTRY_BITS = 24; // a map that declares no entry size
constexpr u32 TGA_MAX_ENTRY_BYTES = 4;

enum class TgaPixels { Grey, Mapped, X555, BGR, BGRA };

struct TgaLayout {
    u32 width = 0;
    u32 height = 0;
    u32 srcBytes = 0; // bytes per pixel in the file
    u32 dstBytes = 0; // bytes per pixel in the picture
    bool rle = false;
    bool topDown = false;
    TgaPixels kind = TgaPixels::BGR;
    IndexedPalette map;
};

// Where the decoded rows go: file row n is picture row n, or counted from the bottom.
struct TgaCanvas {
    u8* pixels;
    const TgaLayout& layout;
    u8* Row(u32 fileRow) const {
        u32 y = layout.topDown ? fileRow : layout.height - 1 - fileRow;
        return pixels + size_t(y) * layout.width * layout.dstBytes;
    }
};

bool IsKnownType(u8 type) {
    switch (type) {
    case TGA_RAW_MAPPED:
    case TGA_RAW_TRUECOLOUR:
    case TGA_RAW_GREY:
    case TGA_RLE_MAPPED:
    case TGA_RLE_TRUECOLOUR:
    case TGA_RLE_GREY: return true;
    default: return false;
    }
}

bool ChooseKind(u32 depth, bool mapped, TgaPixels* kind) {
    switch (depth) {
    case 8: *kind = mapped ? TgaPixels::Mapped : TgaPixels::Grey; return true;
    case 16: *kind = TgaPixels::X555; return true;
    case 24: *kind = TgaPixels::BGR; return true;
    case 32: *kind = TgaPixels::BGRA; return true;
    default: return false;
    }
}

// The colour-map fields of the header.
struct TgaMapFields {
    u32 first = 0;     // the pixel value of the map's first entry
    u32 length = 0;    // entries stored in the file
    u32 entryBits = 0; // 15, 16, 24 or 32
    u32 EntryBytes() const { return (entryBits + BITS_PER_BYTE - 1) / BITS_PER_BYTE; }
};

bool EntryToRGB(u8* rgb, const u8* src, u32 entryBits) {
    u8 rgba[RGBA_BYTES];
    switch (entryBits) {
    case 15:
    case 16: RowFromX555(rgb, src, 1); return true;
    case 24: RowFromBGR(rgb, src, 1); return true;
    case 32:
        RowFromBGRA(rgba, src, 1);
        memcpy(rgb, rgba, RGB_BYTES);
        return true;
    default: return false;
    }
}

// The map of an 8-bit colour-mapped file: pixel value v is entry v - first. A map that
// declares no length is the classic 256 entries of blue, green, red. Values outside the map
// are damage, except values below the first entry, which stay black.
bool ReadColourMap(ByteReader& in, TgaMapFields fields, IndexedPalette* map) {
    if (fields.length == 0) fields = TgaMapFields{0, TGA_MAP_ENTRIES, TGA_CLASSIC_ENTRY_BITS};
    if (fields.entryBits == 0) fields.entryBits = TGA_CLASSIC_ENTRY_BITS;
    if (fields.EntryBytes() > TGA_MAX_ENTRY_BYTES)
        return ImageFail("colour map entries wider than 32 bits");
    const u8* entries = in.Take(u64(fields.length) * fields.EntryBytes());
    if (!entries) return ImageFail("file ends inside the colour map");
    for (u32 i = 0; i < fields.length && fields.first + i < TGA_MAP_ENTRIES; i++) {
        u8* rgb = map->rgb + (fields.first + i) * RGB_BYTES;
        if (!EntryToRGB(rgb, entries + size_t(i) * fields.EntryBytes(), fields.entryBits))
            return ImageFail("colour map entry size not 15, 16, 24 or 32 bits");
    }
    u32 end = fields.first + fields.length;
    map->count = end < TGA_MAP_ENTRIES ? end : TGA_MAP_ENTRIES;
    return true;
}

bool ReadLayout(ByteReader& in, TgaLayout* layout) {
    u8 idLength = in.U8();
    u8 mapType = in.U8();
    u8 imageType = in.U8();
    TgaMapFields map;
    map.first = in.U16();
    map.length = in.U16();
    map.entryBits = in.U8();
    in.Skip(TGA_ORIGIN_BYTES);
    layout->width = in.U16();
    layout->height = in.U16();
    u8 depth = in.U8();
    u8 descriptor = in.U8();
    if (!in.Ok()) return ImageFail("file ends inside the header");
    if (!IsKnownType(imageType)) return ImageFail("unknown image type");
    if (!ImageSizeAllowed(layout->width, layout->height))
        return ImageFail("width or height 0 or past the size limits");
    bool mapped = depth == BITS_PER_BYTE && mapType != 0;
    if (!ChooseKind(depth, mapped, &layout->kind))
        return ImageFail("pixel depth not 8, 16, 24 or 32 bits");
    layout->srcBytes = depth / BITS_PER_BYTE;
    layout->dstBytes = layout->kind == TgaPixels::BGRA ? RGBA_BYTES : RGB_BYTES;
    layout->rle = imageType >= TGA_RLE_MAPPED;
    layout->topDown = descriptor >= TGA_TOP_DOWN_FROM;
    if (!in.Skip(idLength)) return ImageFail("file ends inside the image ID");
    if (mapped) return ReadColourMap(in, map, &layout->map);
    // Pixels that carry their own colours do not index a map the file may still hold.
    if (mapType != 0 && !in.Skip(u64(map.length) * map.EntryBytes()))
        return ImageFail("file ends inside the colour map");
    return true;
}

// False only for a colour-map index past the map.
bool Convert(const TgaLayout& layout, u8* dst, const u8* src, size_t count) {
    switch (layout.kind) {
    case TgaPixels::Grey: RowFromGrey(dst, src, count); return true;
    case TgaPixels::Mapped:
        return RowFromIndexes(dst, src, count, BITS_PER_BYTE, layout.map) ||
               ImageFail("pixel value past the colour map");
    case TgaPixels::X555: RowFromX555(dst, src, count); return true;
    case TgaPixels::BGR: RowFromBGR(dst, src, count); return true;
    case TgaPixels::BGRA: RowFromBGRA(dst, src, count); return true;
    }
    return ImageFail("unknown pixel kind");
}

// The least number of bytes the pixel data can take: every pixel for uncompressed files, and
// for run-length files one header and one pixel per packet of at most 128 pixels.
u64 LeastDataBytes(const TgaLayout& layout) {
    u64 pixels = u64(layout.width) * layout.height;
    if (!layout.rle) return pixels * layout.srcBytes;
    u64 packets = (pixels + TGA_PACKET_MAX_PIXELS - 1) / TGA_PACKET_MAX_PIXELS;
    return packets * (1 + layout.srcBytes);
}

bool DecodeRaw(ByteReader& in, const TgaCanvas& canvas) {
    const TgaLayout& layout = canvas.layout;
    const size_t rowBytes = size_t(layout.width) * layout.srcBytes;
    for (u32 row = 0; row < layout.height; row++) {
        const u8* src = in.Take(rowBytes);
        if (!src) return ImageFail("file ends inside the pixels");
        if (!Convert(layout, canvas.Row(row), src, layout.width)) return false;
    }
    return true;
}

// Tracks the next pixel to fill while run-length packets run on across row ends.
struct TgaCursor {
    const TgaCanvas& canvas;
    u32 row = 0;
    u32 column = 0;
    u64 left;

    u8* At() const { return canvas.Row(row) + size_t(column) * canvas.layout.dstBytes; }
    u32 RoomInRow() const { return canvas.layout.width - column; }
    void Advance(u32 pixels) {
        column += pixels;
        left -= pixels;
        if (column == canvas.layout.width) {
            column = 0;
            row++;
        }
    }
};

bool PutLiterals(TgaCursor& cursor, const u8* src, u32 count) {
    const TgaLayout& layout = cursor.canvas.layout;
    while (count > 0) {
        u32 span = count < cursor.RoomInRow() ? count : cursor.RoomInRow();
        if (!Convert(layout, cursor.At(), src, span)) return false;
        src += size_t(span) * layout.srcBytes;
        count -= span;
        cursor.Advance(span);
    }
    return true;
}

bool PutRun(TgaCursor& cursor, const u8* src, u32 count) {
    const TgaLayout& layout = cursor.canvas.layout;
    u8 colour[RGBA_BYTES];
    if (!Convert(layout, colour, src, 1)) return false;
    while (count > 0) {
        u32 span = count < cursor.RoomInRow() ? count : cursor.RoomInRow();
        RowFill(cursor.At(), colour, span, layout.dstBytes);
        count -= span;
        cursor.Advance(span);
    }
    return true;
}

bool DecodeRle(ByteReader& in, const TgaCanvas& canvas) {
    const TgaLayout& layout = canvas.layout;
    TgaCursor cursor{canvas, 0, 0, u64(layout.width) * layout.height};
    while (cursor.left > 0) {
        u32 header = in.U8();
        bool run = header >= TGA_RUN_FLAG;
        u32 count = run ? header - (TGA_RUN_FLAG - 1) : header + 1;
        // A packet running past the picture's last pixel marks a damaged file.
        if (count > cursor.left) return ImageFail("RLE packet past the last pixel");
        const u8* src = in.Take(u64(run ? 1 : count) * layout.srcBytes);
        if (!src) return ImageFail("file ends inside the pixels");
        if (!(run ? PutRun(cursor, src, count) : PutLiterals(cursor, src, count))) return false;
    }
    return true;
}

} // namespace

bool DecodeTGA(const u8* data, size_t size, ImageData* out) {
    if (!out) return ImageFail("no output");
    ByteReader in(data, size);
    TgaLayout layout;
    if (!ReadLayout(in, &layout)) return false;
    if (!in.Holds(LeastDataBytes(layout))) return ImageFail("file too short for its pixels");
    size_t bytes = size_t(layout.width) * layout.height * layout.dstBytes;
    u8* pixels = static_cast<u8*>(malloc(bytes));
    if (!pixels) return ImageFail("out of memory");
    TgaCanvas canvas{pixels, layout};
    if (!(layout.rle ? DecodeRle(in, canvas) : DecodeRaw(in, canvas))) {
        free(pixels);
        return false;
    }
    out->width = u16(layout.width);
    out->height = u16(layout.height);
    out->pixels = pixels;
    out->format = layout.dstBytes == RGBA_BYTES ? GL_RGBA : GL_RGB;
    return true;
}

bool LoadTGA(FILE* file, ImageData* out) {
    return DecodeRestOfFile(file, out, DecodeTGA);
}
