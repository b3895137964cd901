// A decoded picture as the asset tool handles it: rows top first, 3 (RGB) or 4 (RGBA) bytes
// per pixel, components in R, G, B[, A] order.
#pragma once

#include <vector>

#include "engine/types.h"

struct Picture {
    u32 width = 0;
    u32 height = 0;
    u32 channels = 4;
    std::vector<u8> pixels;

    size_t PixelCount() const { return size_t(width) * height; }
    const u8* Pixel(u32 x, u32 y) const { return &pixels[(size_t(y) * width + x) * channels]; }
};

// Same size, channels and bytes.
inline bool SamePicture(const Picture& a, const Picture& b) {
    return a.width == b.width && a.height == b.height && a.channels == b.channels &&
           a.pixels == b.pixels;
}
