// Test pictures and the TGA and single-colour DSX files made from them.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"
#include "tests/graphics/bytes.h"

struct TestPixel {
    u8 r, g, b, a;
    bool operator==(const TestPixel&) const = default;
};

struct TestImage {
    int width = 0, height = 0;
    bool alpha = true;
    std::vector<TestPixel> pixels; // row 0 at the top
    TestPixel At(int x, int y) const { return pixels[size_t(y) * width + x]; }
    TestPixel& At(int x, int y) { return pixels[size_t(y) * width + x]; }
};

// Every pixel differs from its neighbours in every channel: any blend or off-by-one shows.
TestImage PatternImage(int width, int height, bool alpha = false);
TestImage SolidImage(int width, int height, TestPixel color, bool alpha = false);

// Uncompressed and top down: 32-bit when the image has alpha, else 24-bit.
bool WriteTGA(const std::string& path, const TestImage& image);
bool WriteSolidDSX(const std::string& path, int width, int height, TestPixel color);
