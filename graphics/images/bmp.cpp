// The BMP decoder: uncompressed 1-, 4-, 8-, 16- and 24-bit files, bottom-up or (negative
// height) top-down, always decoded to RGB.
#include "graphics/images/decoders.h"

#include <GL/gl.h>

#include <cstdlib>

#include "graphics/images/byte_reader.h"
#include "graphics/images/file_bytes.h"
#include "graphics/images/pixel_rows.h"

namespace {

constexpr size_t BMP_FILE_HEADER_BYTES = 14;
constexpr u32 BMP_CORE_HEADER_BYTES = 12; // the old OS/2 layout, not read
constexpr u32 BMP_INFO_HEADER_BYTES = 40;
constexpr u32 BMP_SKIPPED_FIELDS_BYTES = 12;
constexpr u32 BMP_PALETTE_ENTRY_BYTES = 4; // blue, green, red, reserved
constexpr u32 BMP_ROW_ALIGN = 4;
constexpr u32 BITS_PER_BYTE = 8;
constexpr u32 BMP_BITS_X555 = 16;
constexpr u32 BMP_BITS_BGR = 24;

struct BmpLayout {
    u32 width = 0;
    u32 height = 0;
    bool topDown = false;
    u32 bits = 0;
    size_t rowBytes = 0;  // bytes of pixel data in a row
    size_t rowStride = 0; // rowBytes padded to the row alignment
    IndexedPalette palette;
};

bool IsKnownBitCount(u32 bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == BMP_BITS_X555 || bits == BMP_BITS_BGR;
}

// Width must be positive; a negative height stores the top row first.
bool ReadSize(i32 width, i32 height, BmpLayout* layout) {
    if (width <= 0) return ImageFail("width 0 or negative");
    if (height == 0 || height == INT32_MIN) return ImageFail("height 0 or past the size limits");
    layout->width = u32(width);
    layout->topDown = height < 0;
    layout->height = u32(height < 0 ? -height : height);
    return ImageSizeAllowed(layout->width, layout->height) ||
           ImageFail("width or height past the size limits");
}

bool ReadPalette(ByteReader& in, u32 coloursUsed, BmpLayout* layout) {
    u32 addressable = 1u << layout->bits;
    u32 entries = coloursUsed != 0 ? coloursUsed : addressable;
    // More entries than the indexes can address is not a real palette.
    if (entries > addressable) return ImageFail("more palette entries than the indexes address");
    const u8* bgrx = in.Take(u64(entries) * BMP_PALETTE_ENTRY_BYTES);
    if (!bgrx) return ImageFail("file ends inside the palette");
    for (u32 i = 0; i < entries; i++) {
        const u8* entry = bgrx + i * BMP_PALETTE_ENTRY_BYTES;
        u8* rgb = layout->palette.rgb + i * RGB_BYTES;
        rgb[0] = entry[2];
        rgb[1] = entry[1];
        rgb[2] = entry[0];
    }
    layout->palette.count = entries;
    return true;
}

bool ReadLayout(ByteReader& in, BmpLayout* layout) {
    in.Skip(BMP_FILE_HEADER_BYTES);
    u32 headerBytes = in.U32();
    i32 width = in.I32();
    i32 height = in.I32();
    in.U16(); // planes
    layout->bits = in.U16();
    u32 compression = in.U32();
    in.Skip(BMP_SKIPPED_FIELDS_BYTES); // image size and resolution
    u32 coloursUsed = in.U32();
    in.U32(); // important colours
    if (!in.Ok()) return ImageFail("file ends inside the header");
    if (headerBytes == BMP_CORE_HEADER_BYTES || headerBytes < BMP_INFO_HEADER_BYTES)
        return ImageFail("information header shorter than 40 bytes");
    if (compression != 0) return ImageFail("compressed pixels");
    if (!IsKnownBitCount(layout->bits)) return ImageFail("bit count not 1, 4, 8, 16 or 24");
    if (!ReadSize(width, height, layout)) return false;
    // Larger (later) information headers: the palette or pixels follow the whole header.
    const size_t infoBytesRead = in.Position() - BMP_FILE_HEADER_BYTES;
    if (!in.Skip(u64(headerBytes) - infoBytesRead)) return ImageFail("file ends inside the header");
    layout->rowBytes = (size_t(layout->width) * layout->bits + BITS_PER_BYTE - 1) / BITS_PER_BYTE;
    layout->rowStride = (layout->rowBytes + BMP_ROW_ALIGN - 1) / BMP_ROW_ALIGN * BMP_ROW_ALIGN;
    return layout->bits > BITS_PER_BYTE || ReadPalette(in, coloursUsed, layout);
}

bool ConvertRow(const BmpLayout& layout, u8* dst, const u8* src) {
    switch (layout.bits) {
    case BMP_BITS_BGR: RowFromBGR(dst, src, layout.width); return true;
    case BMP_BITS_X555: RowFromX555(dst, src, layout.width); return true;
    default:
        return RowFromIndexes(dst, src, layout.width, layout.bits, layout.palette) ||
               ImageFail("pixel index past the palette");
    }
}

bool DecodeRows(const u8* data, const BmpLayout& layout, u8* pixels) {
    const size_t outRowBytes = size_t(layout.width) * RGB_BYTES;
    for (u32 row = 0; row < layout.height; row++) {
        u32 y = layout.topDown ? row : layout.height - 1 - row;
        if (!ConvertRow(layout, pixels + y * outRowBytes, data + row * layout.rowStride))
            return false;
    }
    return true;
}

} // namespace

bool DecodeBMP(const u8* data, size_t size, ImageData* out) {
    if (!out) return ImageFail("no output");
    ByteReader in(data, size);
    BmpLayout layout;
    if (!ReadLayout(in, &layout)) return false;
    // The last row's padding may be missing; everything before it must be there.
    u64 dataBytes = u64(layout.height - 1) * layout.rowStride + layout.rowBytes;
    const u8* rows = in.Take(dataBytes);
    if (!rows) return ImageFail("file ends inside the pixels");
    u8* pixels = static_cast<u8*>(malloc(size_t(layout.width) * layout.height * RGB_BYTES));
    if (!pixels) return ImageFail("out of memory");
    if (!DecodeRows(rows, layout, pixels)) {
        free(pixels);
        return false;
    }
    out->width = u16(layout.width);
    out->height = u16(layout.height);
    out->pixels = pixels;
    out->format = GL_RGB;
    return true;
}

bool LoadBMP(FILE* file, ImageData* out) {
    return DecodeRestOfFile(file, out, DecodeBMP);
}
