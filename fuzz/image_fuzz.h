// The body shared by the image decoder fuzz targets: decode, then check what a successful
// decode promises (a non-empty picture in a known format whose every byte can be read).
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <cstdlib>

#include "graphics/images/decoders.h"

inline int FuzzImageDecoder(bool (*decode)(const u8*, size_t, ImageData*), const uint8_t* data,
                            size_t size) {
    ImageData image;
    if (!decode(data, size, &image)) {
        if (image.pixels) abort(); // a failure must not hand out pixels
        return 0;
    }
    if (!image.pixels || image.width == 0 || image.height == 0) abort();
    if (image.format != GL_RGB && image.format != GL_RGBA) abort();
    const size_t bytes = size_t(image.width) * image.height * (image.format == GL_RGBA ? 4 : 3);
    // Touch both ends so the sanitizer sees a buffer shorter than the picture claims.
    volatile u8 ends = image.pixels[0] ^ image.pixels[bytes - 1];
    (void)ends;
    FreeImageData(&image);
    return 0;
}
