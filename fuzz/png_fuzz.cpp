// Fuzzes PNG reading through libpng. Small pictures it accepts are encoded as DSX and decoded by
// the engine's decoder, which must give the same pixels back.
#include <GL/gl.h>
#include <algorithm>
#include <cstdlib>

#include "graphics/images/decoders.h"
#include "tools/assettool/dsx_encoder.h"
#include "tools/assettool/png_io.h"

namespace {

// Larger pictures would only slow the fuzzer down.
constexpr size_t ROUND_TRIP_MAX_PIXELS = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const u8* data, size_t size) {
    Picture picture;
    std::string error;
    if (!ReadPNG(data, size, &picture, &error)) return 0;
    if (picture.pixels.size() != picture.PixelCount() * picture.channels) std::abort();
    if (picture.PixelCount() > ROUND_TRIP_MAX_PIXELS) return 0;
    DsxEncodeResult encoded;
    if (!EncodeDSX(picture, &encoded, &error)) std::abort();
    ImageData image;
    if (!DecodeDSX(encoded.bytes.data(), encoded.bytes.size(), &image)) std::abort();
    bool same = image.width == picture.width && image.height == picture.height &&
                (image.format == GL_RGBA ? 4u : 3u) == picture.channels &&
                std::equal(picture.pixels.begin(), picture.pixels.end(), image.pixels);
    FreeImageData(&image);
    if (!same) std::abort();
    return 0;
}
