// PNG reading and writing: exact round trips, converted colour types, and hostile files.
#include <gtest/gtest.h>
#include <png.h>

#include "tests/tools/test_pictures.h"
#include "tools/assettool/png_io.h"

namespace {

// Writes a palette or grey PNG with libpng's own simple writer: kinds our writer never makes.
std::vector<u8> WriteLibpng(u32 width, u32 height, png_uint_32 format,
                            const std::vector<u8>& pixels, const std::vector<u8>& palette = {}) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = format;
    image.colormap_entries = png_uint_32(palette.size() / 3);
    png_alloc_size_t size = 0;
    std::vector<u8> out;
    for (int pass = 0; pass < 2; ++pass) { // the first pass measures
        out.resize(size);
        EXPECT_TRUE(png_image_write_to_memory(&image, pass ? out.data() : nullptr, &size, 0,
                                              pixels.data(), 0, palette.data()));
    }
    return out;
}

} // namespace

TEST(PngIo, WrittenPicturesReadBackExactly) {
    std::vector<u8> png;
    std::string error;
    for (const Picture& p :
         {MakeNoisyPhoto(33, 17, 3, 1), MakeNoisyPhoto(1, 1, 4, 2), MakeFlatArt(64, 40)}) {
        ASSERT_TRUE(WritePNG(p, &png, &error)) << error;
        Picture back;
        ASSERT_TRUE(ReadPNG(png.data(), png.size(), &back, &error)) << error;
        EXPECT_TRUE(SamePicture(p, back));
    }
    png.clear();
    EXPECT_FALSE(WritePNG(Picture(), &png, &error)); // no pixels: nothing written
    EXPECT_TRUE(png.empty());
}

TEST(PngIo, PaletteAndGreyFilesBecomeRgb) {
    std::vector<u8> png = WriteLibpng(3, 2, PNG_FORMAT_RGB_COLORMAP, {0, 1, 2, 1, 0, 2},
                                      {255, 0, 0, 0, 255, 0, 0, 0, 255});
    Picture p;
    std::string error;
    ASSERT_TRUE(ReadPNG(png.data(), png.size(), &p, &error)) << error;
    EXPECT_EQ(p.pixels,
              (std::vector<u8>{255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 255}));

    png = WriteLibpng(3, 1, PNG_FORMAT_GRAY, {0, 128, 255});
    ASSERT_TRUE(ReadPNG(png.data(), png.size(), &p, &error)) << error;
    EXPECT_EQ(p.pixels, (std::vector<u8>{0, 0, 0, 128, 128, 128, 255, 255, 255}));
}

TEST(PngIo, BrokenFilesFailWithAReasonAndHugeOnesBeforeAllocation) {
    std::vector<u8> png;
    std::string error;
    ASSERT_TRUE(WritePNG(MakeNoisyPhoto(50, 50, 4, 3), &png, &error));
    Picture p;
    for (size_t n :
         {size_t(0), size_t(7), size_t(8), size_t(30), png.size() / 2, png.size() - 13}) {
        error.clear();
        EXPECT_FALSE(ReadPNG(png.data(), n, &p, &error)) << n;
        EXPECT_FALSE(error.empty());
    }
    std::vector<u8> garbage(200, 0x5A);
    EXPECT_FALSE(ReadPNG(garbage.data(), garbage.size(), &p, &error));
    EXPECT_EQ(error, "not a PNG file");
    // A whole, valid file 20000 pixels wide, above the engine's side limit: refused unallocated.
    constexpr u32 TOO_WIDE = 20000;
    png = WriteLibpng(TOO_WIDE, 1, PNG_FORMAT_GRAY, std::vector<u8>(TOO_WIDE));
    p = Picture();
    EXPECT_FALSE(ReadPNG(png.data(), png.size(), &p, &error));
    EXPECT_TRUE(p.pixels.empty());
}
