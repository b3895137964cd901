// PNG reading and writing: exact round trips, the colour types libpng converts, and files
// that are not whole PNGs.
#include <gtest/gtest.h>
#include <png.h>

#include "tests/tools/test_pictures.h"
#include "tools/assettool/png_io.h"

namespace {

// Writes a palette or grey PNG with libpng directly, the kinds our writer never makes.
std::vector<u8> WriteIndexedPng(u32 width, u32 height, int colorType, const std::vector<u8>& rows,
                                const std::vector<png_color>& palette) {
    std::vector<u8> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* v = static_cast<std::vector<u8>*>(png_get_io_ptr(p));
            v->insert(v->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, 8, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
    png_write_info(png, info);
    for (u32 y = 0; y < height; ++y)
        png_write_row(png, const_cast<png_bytep>(rows.data()) + size_t(y) * width);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
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
    std::vector<u8> png = WriteIndexedPng(3, 2, PNG_COLOR_TYPE_PALETTE, {0, 1, 2, 1, 0, 2},
                                          {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}});
    Picture p;
    std::string error;
    ASSERT_TRUE(ReadPNG(png.data(), png.size(), &p, &error)) << error;
    EXPECT_EQ(p.channels, 3u);
    EXPECT_EQ(p.Pixel(1, 0)[1], 255);
    EXPECT_EQ(p.Pixel(2, 1)[2], 255);

    png = WriteIndexedPng(3, 1, PNG_COLOR_TYPE_GRAY, {0, 128, 255}, {});
    ASSERT_TRUE(ReadPNG(png.data(), png.size(), &p, &error)) << error;
    EXPECT_EQ(p.channels, 3u);
    EXPECT_EQ(p.Pixel(1, 0)[0], 128);
    EXPECT_EQ(p.Pixel(1, 0)[2], 128);
}

TEST(PngIo, BrokenFilesFailWithAReason) {
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
}

TEST(PngIo, HugeDimensionsAreRefusedBeforeAllocation) {
    // A whole, valid file 20000 pixels wide: above the engine's side limit.
    constexpr u32 TOO_WIDE = 20000;
    std::vector<u8> png =
        WriteIndexedPng(TOO_WIDE, 1, PNG_COLOR_TYPE_GRAY, std::vector<u8>(TOO_WIDE), {});
    Picture p;
    std::string error;
    EXPECT_FALSE(ReadPNG(png.data(), png.size(), &p, &error));
    EXPECT_TRUE(p.pixels.empty());
}
