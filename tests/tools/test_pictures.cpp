// Synthetic test pictures.
#include "tests/tools/test_pictures.h"

#include <algorithm>
#include <cmath>

namespace {

// A small linear congruential generator: the same pictures on every run.
struct Noise {
    u32 state;
    u32 Next(u32 range) {
        state = state * 1664525u + 1013904223u;
        return (state >> 16) % range;
    }
};

u8 Clamp(i32 v) {
    return u8(v < 0 ? 0 : v > 255 ? 255 : v);
}

Picture Blank(u32 width, u32 height, u32 channels) {
    Picture p;
    p.width = width;
    p.height = height;
    p.channels = channels;
    p.pixels.assign(size_t(width) * height * channels, 0);
    return p;
}

} // namespace

Picture MakeNoisyPhoto(u32 width, u32 height, u32 channels, u32 seed) {
    Picture p = Blank(width, height, channels);
    Noise noise{seed};
    for (u32 y = 0; y < height; ++y)
        for (u32 x = 0; x < width; ++x) {
            u8* px = &p.pixels[(size_t(y) * width + x) * channels];
            i32 jitter = i32(noise.Next(9)) - 4;
            px[0] = Clamp(i32(x * 255 / std::max(width, 1u)) + jitter);
            px[1] = Clamp(i32(y * 255 / std::max(height, 1u)) + jitter);
            px[2] = Clamp(i32(128 + 100 * std::sin(x * 0.1 + y * 0.05)) + jitter);
            if (channels == 4) px[3] = Clamp(200 + i32(noise.Next(56)));
        }
    return p;
}

Picture MakeFlatArt(u32 width, u32 height) {
    Picture p = Blank(width, height, 4);
    f64 cx = width / 2.0, cy = height / 2.0, radius = std::min(width, height) / 3.0;
    for (u32 y = 0; y < height; ++y)
        for (u32 x = 0; x < width; ++x) {
            u8* px = &p.pixels[(size_t(y) * width + x) * 4];
            f64 d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius;
            f64 coverage = d < -1 ? 1 : d > 1 ? 0 : (1 - d) / 2;
            if (coverage <= 0) continue;
            bool stripe = (x / 8) % 2 == 0;
            px[0] = stripe ? 40 : 200;
            px[1] = stripe ? 90 : 200;
            px[2] = 160;
            px[3] = u8(std::lround(coverage * 255));
        }
    return p;
}

Picture MakeFill(u32 width, u32 height, u32 channels, u32 rgba) {
    Picture p = Blank(width, height, channels);
    for (size_t i = 0; i < p.PixelCount(); ++i)
        for (u32 c = 0; c < channels; ++c) p.pixels[i * channels + c] = u8(rgba >> (8 * c));
    return p;
}

Picture MakeCounting(u32 width, u32 height, u32 channels) {
    Picture p = Blank(width, height, channels);
    for (size_t i = 0; i < p.PixelCount(); ++i)
        for (u32 c = 0; c < channels; ++c) p.pixels[i * channels + c] = u8(i >> (8 * c)) ^ u8(c);
    return p;
}
