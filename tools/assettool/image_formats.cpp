// Choosing a decoder for a picture file and converting the engine's ImageData.
#include "tools/assettool/image_formats.h"

#include <GL/gl.h>
#include <cstdlib>
#include <cstring>

#include "graphics/images/decoders.h"
#include "tools/assettool/png_io.h"

namespace {

constexpr size_t MAGIC_BYTES = 3;
const u8 PNG_MAGIC[] = {0x89, 'P', 'N', 'G'};

bool StartsWith(const std::vector<u8>& data, const void* magic, size_t n) {
    return data.size() >= n && std::memcmp(data.data(), magic, n) == 0;
}

bool FromImageData(const ImageData& image, Picture* out) {
    u32 channels = image.format == GL_RGBA ? 4 : image.format == GL_RGB ? 3 : 0;
    if (!image.pixels || channels == 0 || image.width == 0 || image.height == 0) return false;
    out->width = image.width;
    out->height = image.height;
    out->channels = channels;
    out->pixels.assign(image.pixels, image.pixels + size_t(image.width) * image.height * channels);
    return true;
}

} // namespace

PictureFormat DetectPictureFormat(const std::vector<u8>& data) {
    if (StartsWith(data, "dsx", MAGIC_BYTES) || StartsWith(data, "xsd", MAGIC_BYTES))
        return PictureFormat::DSX;
    if (StartsWith(data, PNG_MAGIC, sizeof PNG_MAGIC)) return PictureFormat::PNG;
    if (StartsWith(data, "BM", 2)) return PictureFormat::BMP;
    return PictureFormat::TGA;
}

const char* PictureFormatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::DSX: return "DSX";
    case PictureFormat::TGA: return "TGA";
    case PictureFormat::BMP: return "BMP";
    case PictureFormat::PNG: return "PNG";
    }
    return "?";
}

bool DecodePicture(const std::vector<u8>& data, Picture* out, std::string* error) {
    PictureFormat format = DetectPictureFormat(data);
    if (format == PictureFormat::PNG) return ReadPNG(data.data(), data.size(), out, error);
    ImageData image;
    bool ok = format == PictureFormat::DSX   ? DecodeDSX(data.data(), data.size(), &image)
              : format == PictureFormat::BMP ? DecodeBMP(data.data(), data.size(), &image)
                                             : DecodeTGA(data.data(), data.size(), &image);
    const char* reason = ok ? nullptr : ImageFailureReason();
    ok = ok && FromImageData(image, out);
    FreeImageData(&image);
    if (!ok) {
        *error = std::string("not a valid ") + PictureFormatName(format) + " picture";
        if (reason) *error += std::string(": ") + reason;
    }
    return ok;
}
