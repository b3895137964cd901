// The DSX decoder: the engine's own picture format. A header and a global palette are followed
// by a stream of regions, each split in two or filled by one of twelve block codings.
#include "graphics/images/decoders.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>

#include "graphics/images/byte_reader.h"
#include "graphics/images/dsx_codings.h"
#include "graphics/images/file_bytes.h"

namespace {

constexpr u32 BITS_PER_BYTE = 8;

bool MagicMatches(const u8* magic) {
    bool forward = true;
    bool reversed = true;
    for (size_t i = 0; i < DSX_MAGIC_BYTES; i++) {
        forward = forward && magic[i] == DSX_MAGIC[i];
        reversed = reversed && magic[i] == DSX_MAGIC[DSX_MAGIC_BYTES - 1 - i];
    }
    return forward || reversed;
}

// Reads the header and the global palette. Only 24- and 32-bit pictures are decodable: the
// pixel size follows the bit count, so any other count would not match the output format.
bool ReadHeader(ByteReader& in, DsxPicture* picture, u32* height) {
    const u8* magic = in.Take(DSX_MAGIC_BYTES);
    in.U8();
    f32 version = in.F32();
    picture->width = in.U16();
    *height = in.U16();
    u32 bits = in.U8();
    in.U8();
    i32 entries = in.I16();
    if (!in.Ok()) return ImageFail("file ends inside the header");
    if (!MagicMatches(magic)) return ImageFail("not a DSX file");
    if (version != DSX_VERSION) return ImageFail("unknown DSX version");
    if (!ImageSizeAllowed(picture->width, *height))
        return ImageFail("width or height 0 or past the size limits");
    if (bits != DSX_BITS_RGB && bits != DSX_BITS_RGBA) return ImageFail("bit count not 24 or 32");
    if (entries < 0 || entries > i32(DSX_PALETTE_MAX_ENTRIES))
        return ImageFail("palette count outside 0 to 256");
    picture->bpp = bits / BITS_PER_BYTE;
    const u8* palette = in.Take(u64(entries) * picture->bpp);
    if (!in.Ok()) return ImageFail("file ends inside the palette");
    if (entries > 0) memcpy(picture->global.entries, palette, size_t(entries) * picture->bpp);
    picture->global.count = u32(entries);
    return true;
}

} // namespace

bool DecodeDSX(const u8* data, size_t size, ImageData* out) {
    if (!out) return ImageFail("no output");
    ByteReader in(data, size);
    DsxPicture picture;
    u32 height = 0;
    if (!ReadHeader(in, &picture, &height)) return false;
    picture.pixels = static_cast<u8*>(malloc(size_t(picture.width) * height * picture.bpp));
    if (!picture.pixels) return ImageFail("out of memory");
    if (!DecodeDsxRegion(in, picture, DsxRegion{0, 0, picture.width, height})) {
        free(picture.pixels);
        return false;
    }
    out->width = u16(picture.width);
    out->height = u16(height);
    out->pixels = picture.pixels;
    out->format = picture.bpp == RGBA_BYTES ? GL_RGBA : GL_RGB;
    return true;
}

bool LoadDSX(FILE* file, ImageData* out) {
    return DecodeRestOfFile(file, out, DecodeDSX);
}
