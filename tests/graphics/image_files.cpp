// Test pictures and the TGA and DSX files written from them.
#include "tests/graphics/image_files.h"

namespace {
constexpr u8 TGA_TRUE_COLOR = 2;
constexpr u8 TGA_TOP_DOWN = 0x20;
constexpr u8 TGA_ALPHA_BITS = 8;
constexpr u8 DSX_SOLID = 1;
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

bool WriteTGA(const std::string& path, const TestImage& image) {
    Bytes out;
    out.U8(0).U8(0).U8(TGA_TRUE_COLOR).Fill(9, 0).U16(image.width).U16(image.height);
    out.U8(image.alpha ? 32 : 24).U8(TGA_TOP_DOWN | (image.alpha ? TGA_ALPHA_BITS : 0));
    for (const TestPixel& p : image.pixels) {
        out.Raw({p.b, p.g, p.r});
        if (image.alpha) out.U8(p.a);
    }
    return WriteBytes(path, out);
}

bool WriteSolidDSX(const std::string& path, int width, int height, TestPixel color) {
    Bytes out;
    out.Raw({'d', 's', 'x', 0}).F32(1.0f).U16(width).U16(height).U8(32).Fill(3, 0);
    out.Raw({DSX_SOLID, color.r, color.g, color.b, color.a});
    return WriteBytes(path, out);
}
