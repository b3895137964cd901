// Writes generated pictures as PNG, DSX or TGA, always through a temporary file.
#include "tools/assettool/art_output.h"

#include <cctype>
#include <vector>

#include "engine/byte_writer.h"
#include "tools/assettool/atomic_file.h"
#include "tools/assettool/dsx_encoder.h"
#include "tools/assettool/png_io.h"

namespace {

constexpr int TGA_HEADER_SIZE = 18;
constexpr u8 TGA_TRUE_COLOUR = 2;
constexpr u8 TGA_TOP_DOWN = 0x20;
constexpr u8 TGA_ALPHA_BITS = 8;

// Opaque pictures are stored as RGB, the others as RGBA.
Picture ToPicture(const ArtImage& image) {
    Picture p;
    p.width = u32(image.width);
    p.height = u32(image.height);
    bool opaque = true;
    for (size_t i = 3; i < image.rgba.size(); i += 4) opaque = opaque && image.rgba[i] == 255;
    p.channels = opaque ? 3 : 4;
    if (!opaque) {
        p.pixels = image.rgba;
        return p;
    }
    p.pixels.reserve(p.PixelCount() * 3);
    for (size_t i = 0; i < image.rgba.size(); i += 4)
        p.pixels.insert(p.pixels.end(), {image.rgba[i], image.rgba[i + 1], image.rgba[i + 2]});
    return p;
}

} // namespace

bool WriteArtTGA(const std::string& path, const ArtImage& image, bool alpha, std::string* error) {
    const int bytes = alpha ? 4 : 3;
    std::vector<u8> out(TGA_HEADER_SIZE, 0);
    out[2] = TGA_TRUE_COLOUR;
    ByteWriter(&out).PutU16(12, u32(image.width));
    ByteWriter(&out).PutU16(14, u32(image.height));
    out[16] = u8(bytes * 8);
    out[17] = TGA_TOP_DOWN | (alpha ? TGA_ALPHA_BITS : 0);
    out.reserve(out.size() + size_t(image.width) * image.height * bytes);
    for (size_t i = 0; i < image.rgba.size(); i += 4) {
        const u8* p = &image.rgba[i];
        out.insert(out.end(), {p[2], p[1], p[0]}); // blue, green, red
        if (alpha) out.push_back(p[3]);
    }
    return WriteFileAtomic(path, out, error);
}

std::string LowerExtension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    std::string ext = dot == std::string::npos ? "" : path.substr(dot + 1);
    for (char& c : ext) c = char(std::tolower(u8(c)));
    return ext;
}

bool SaveArtImage(const std::string& path, const ArtImage& image, std::string* error) {
    const std::string kind = LowerExtension(path);
    if (kind == "tga") return WriteArtTGA(path, image, ToPicture(image).channels == 4, error);
    if (kind == "png") {
        std::vector<u8> bytes;
        return WritePNG(ToPicture(image), &bytes, error) && WriteFileAtomic(path, bytes, error);
    }
    if (kind == "dsx") {
        DsxEncodeResult encoded;
        return EncodeDSX(ToPicture(image), &encoded, error) &&
               WriteFileAtomic(path, encoded.bytes, error);
    }
    *error = "unsupported output type '." + kind + "' (use .png, .dsx or .tga)";
    return false;
}
