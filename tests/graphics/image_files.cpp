// Test pictures and the TGA and DSX files written from them.
#include "tests/graphics/image_files.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr u8 TGA_TRUE_COLOR = 2;
constexpr u8 TGA_TOP_DOWN = 0x20;
constexpr u8 TGA_ALPHA_BITS = 8;
constexpr size_t TGA_HEADER = 18;
constexpr size_t DSX_HEADER = 16;
constexpr u8 DSX_SOLID = 1;

void PutU16(std::vector<u8>& out, size_t at, int value) {
    out[at] = u8(value);
    out[at + 1] = u8(value >> 8);
}
} // namespace

TestImage PatternImage(int width, int height, bool alpha) {
    TestImage image{width, height, alpha, std::vector<TestPixel>(size_t(width) * height)};
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            image.At(x, y) = TestPixel{u8(x * 37 + y * 11), u8((x * 13) ^ (y * 29)),
                                       u8(x * 5 + y * 71 + 40), u8(alpha ? 128 + x % 128 : 255)};
    return image;
}

TestImage SolidImage(int width, int height, TestPixel color, bool alpha) {
    if (!alpha) color.a = 255;
    return TestImage{width, height, alpha, std::vector<TestPixel>(size_t(width) * height, color)};
}

TestImage GradientImage(int width, int height) {
    TestImage image{width, height, false, std::vector<TestPixel>(size_t(width) * height)};
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            image.At(x, y) =
                TestPixel{u8(x * 255 / (width - 1)), u8(y * 255 / (height - 1)), 90, 255};
    return image;
}

bool WriteBytes(const std::string& path, const std::vector<u8>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

bool WriteTGA(const std::string& path, const TestImage& image, bool topDown) {
    int depth = image.alpha ? 32 : 24;
    std::vector<u8> out(TGA_HEADER);
    out[2] = TGA_TRUE_COLOR;
    PutU16(out, 12, image.width);
    PutU16(out, 14, image.height);
    out[16] = u8(depth);
    out[17] = u8((topDown ? TGA_TOP_DOWN : 0) | (image.alpha ? TGA_ALPHA_BITS : 0));
    for (int row = 0; row < image.height; row++) {
        int y = topDown ? row : image.height - 1 - row;
        for (int x = 0; x < image.width; x++) {
            TestPixel p = image.At(x, y);
            out.insert(out.end(), {p.b, p.g, p.r});
            if (image.alpha) out.push_back(p.a);
        }
    }
    return WriteBytes(path, out);
}

bool WriteSolidDSX(const std::string& path, int width, int height, TestPixel color) {
    std::vector<u8> out(DSX_HEADER);
    memcpy(out.data(), "dsx", 3);
    const f32 version = 1.0f;
    memcpy(out.data() + 4, &version, sizeof version);
    PutU16(out, 8, width);
    PutU16(out, 10, height);
    out[12] = 32;
    out.insert(out.end(), {DSX_SOLID, color.r, color.g, color.b, color.a});
    return WriteBytes(path, out);
}
