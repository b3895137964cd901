// Test pictures and the image files made from them: recognisable patterns, TGA files in both
// row orders, and single-colour DSX files.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"
#include "tests/graphics/bytes.h"

struct TestPixel {
    u8 r, g, b, a;
    bool operator==(const TestPixel& o) const {
        return r == o.r && g == o.g && b == o.b && a == o.a;
    }
};

struct TestImage {
    int width = 0, height = 0;
    bool alpha = true;
    std::vector<TestPixel> pixels; // row 0 at the top
    TestPixel At(int x, int y) const { return pixels[size_t(y) * width + x]; }
    TestPixel& At(int x, int y) { return pixels[size_t(y) * width + x]; }
};

// Every pixel differs from its neighbours in every channel, so any blend of two pixels or
// any off-by-one in position shows.
TestImage PatternImage(int width, int height, bool alpha = false);
TestImage SolidImage(int width, int height, TestPixel color, bool alpha = false);

// Uncompressed TGA: 32-bit when the image has alpha, else 24-bit.
bool WriteTGA(const std::string& path, const TestImage& image, bool topDown = true);
bool WriteSolidDSX(const std::string& path, int width, int height, TestPixel color);
