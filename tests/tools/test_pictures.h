// Synthetic pictures for the asset tool's tests, the same on every run.
#pragma once

#include <algorithm>
#include <cmath>

#include "tools/assettool/picture.h"

inline Picture BlankPicture(u32 width, u32 height, u32 channels) {
    Picture p;
    p.width = width;
    p.height = height;
    p.channels = channels;
    p.pixels.assign(size_t(width) * height * channels, 0);
    return p;
}

// A jittered photo-like gradient; with four channels a noisy alpha.
inline Picture MakeNoisyPhoto(u32 width, u32 height, u32 channels, u32 seed) {
    Picture p = BlankPicture(width, height, channels);
    auto noise = [&seed](u32 range) {
        return ((seed = seed * 1664525u + 1013904223u) >> 16) % range;
    };
    auto clamp = [](i32 v) { return u8(std::clamp(v, 0, 255)); };
    for (u32 y = 0; y < height; ++y)
        for (u32 x = 0; x < width; ++x) {
            u8* px = &p.pixels[(size_t(y) * width + x) * channels];
            i32 jitter = i32(noise(9)) - 4;
            px[0] = clamp(i32(x * 255 / std::max(width, 1u)) + jitter);
            px[1] = clamp(i32(y * 255 / std::max(height, 1u)) + jitter);
            px[2] = clamp(i32(128 + 100 * std::sin(x * 0.1 + y * 0.05)) + jitter);
            if (channels == 4) px[3] = clamp(200 + i32(noise(56)));
        }
    return p;
}

// RGBA flat art: a striped disc with soft edges on a transparent ground.
inline Picture MakeFlatArt(u32 width, u32 height) {
    Picture p = BlankPicture(width, height, 4);
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

// Every pixel the colour rgba (its low bytes first), or with counting, every pixel different:
// the worst case for palettes and runs.
inline Picture MakeFill(u32 width, u32 height, u32 channels, u32 rgba, bool counting = false) {
    Picture p = BlankPicture(width, height, channels);
    for (size_t i = 0; i < p.PixelCount(); ++i)
        for (u32 c = 0; c < channels; ++c)
            p.pixels[i * channels + c] = counting ? u8(i >> (8 * c)) ^ u8(c) : u8(rgba >> (8 * c));
    return p;
}
