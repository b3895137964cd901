// BMP decoding from crafted files: every bit count, row padding and row order, palettes, and
// the damaged or unsupported files that must be refused.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "tests/graphics/images/image_bytes.h"

namespace {

constexpr u32 INFO_HEADER = 40;

Bytes BmpFile(i32 width, i32 height, u16 bits, u32 coloursUsed = 0, u32 headerBytes = INFO_HEADER,
              u32 compression = 0) {
    Bytes file;
    file.Raw({'B', 'M'}).U32(0).U32(0).U32(0); // the data offset is not used
    file.U32(headerBytes).U32(u32(width)).U32(u32(height)).U16(1).U16(bits).U32(compression);
    file.U32(0).U32(2835).U32(2835).U32(coloursUsed).U32(0);
    if (headerBytes > INFO_HEADER) file.Fill(headerBytes - INFO_HEADER, 0xEE);
    return file;
}

// Palette entries are stored blue, green, red, reserved.
Bytes& AddEntry(Bytes& file, u8 r, u8 g, u8 b) {
    return file.Raw({b, g, r, 0});
}

bool Accepts(const ByteVector& bytes) {
    return Decoded(DecodeBMP, bytes).Ok();
}

// 2 x 2, 24 bits: rows of 6 bytes padded to 8.
Bytes TwoByTwo(i32 height) {
    Bytes file = BmpFile(2, height, 24);
    const ByteVector first = {1, 2, 3, 4, 5, 6, 0, 0};
    const ByteVector second = {7, 8, 9, 10, 11, 12, 0, 0};
    return file.Raw(first).Raw(second);
}

TEST(BmpDecode, TwentyFourBitRowsArePaddedAndStoredBottomUp) {
    Decoded d(DecodeBMP, TwoByTwo(2));
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Image().width, 2);
    EXPECT_EQ(d.Image().height, 2);
    EXPECT_EQ(d.Image().format, u32(GL_RGB));
    EXPECT_EQ(d.Pixel(0, 1), Rgb(3, 2, 1));
    EXPECT_EQ(d.Pixel(1, 1), Rgb(6, 5, 4));
    EXPECT_EQ(d.Pixel(0, 0), Rgb(9, 8, 7));
    EXPECT_EQ(d.Pixel(1, 0), Rgb(12, 11, 10));
}

TEST(BmpDecode, NegativeHeightStoresTheTopRowFirst) {
    Decoded d(DecodeBMP, TwoByTwo(-2));
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Image().height, 2);
    EXPECT_EQ(d.Pixel(0, 0), Rgb(3, 2, 1));
    EXPECT_EQ(d.Pixel(1, 1), Rgb(12, 11, 10));
}

TEST(BmpDecode, MissingPaddingOfTheLastRowIsTolerated) {
    ByteVector file = TwoByTwo(2);
    file.resize(file.size() - 2);
    EXPECT_TRUE(Accepts(file));
    file.pop_back();
    EXPECT_FALSE(Accepts(file));
}

TEST(BmpDecode, SixteenBitColours) {
    Decoded d(DecodeBMP, BmpFile(2, 1, 16).U16(31 << 10).U16(0x8000 | 16 << 5));
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(d.Pixel(1, 0), Rgb(0, 131, 0)); // 16 x 255 / 31, the top bit ignored
}

TEST(BmpDecode, FourBitRowsStartOnANewByte) {
    // 3 pixels take a byte and a half; the low nibble of each row's second byte is unused.
    Bytes file = BmpFile(3, 2, 4);
    for (u32 i = 0; i < 16; i++) AddEntry(file, u8(i * 10), u8(i), 0);
    file.Raw({0x12, 0x3F, 0, 0}).Raw({0x45, 0x6F, 0, 0});
    Decoded d(DecodeBMP, file);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 1), Rgb(10, 1, 0));
    EXPECT_EQ(d.Pixel(2, 1), Rgb(30, 3, 0));
    EXPECT_EQ(d.Pixel(0, 0), Rgb(40, 4, 0));
    EXPECT_EQ(d.Pixel(1, 0), Rgb(50, 5, 0));
    EXPECT_EQ(d.Pixel(2, 0), Rgb(60, 6, 0));
}

TEST(BmpDecode, OneBitPaletteMostSignificantBitFirst) {
    Bytes file = BmpFile(10, 1, 1);
    AddEntry(file, 0, 0, 0);
    AddEntry(file, 250, 240, 230);
    file.Raw({0xB0, 0x40, 0, 0}); // 1011 0000 01
    Decoded d(DecodeBMP, file);
    ASSERT_TRUE(d.Ok());
    const std::vector<int> bits = {1, 0, 1, 1, 0, 0, 0, 0, 0, 1};
    for (u32 x = 0; x < bits.size(); x++) {
        EXPECT_EQ(d.Pixel(x, 0), bits[x] ? Rgb(250, 240, 230) : Rgb(0, 0, 0)) << x;
    }
}

TEST(BmpDecode, EightBitPaletteOfTheColoursUsed) {
    Bytes file = BmpFile(3, 1, 8, 3);
    AddEntry(file, 1, 2, 3);
    AddEntry(file, 4, 5, 6);
    AddEntry(file, 7, 8, 9);
    file.Raw({2, 0, 1, 0});
    Decoded d(DecodeBMP, file);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), Rgb(7, 8, 9));
    EXPECT_EQ(d.Pixel(1, 0), Rgb(1, 2, 3));
    EXPECT_EQ(d.Pixel(2, 0), Rgb(4, 5, 6));
}

TEST(BmpDecode, LaterHeaderVersionsPutThePaletteAfterTheWholeHeader) {
    Bytes file = BmpFile(2, 1, 8, 2, 124);
    AddEntry(file, 1, 2, 3);
    AddEntry(file, 4, 5, 6);
    file.Raw({1, 0, 0, 0});
    Decoded d(DecodeBMP, file);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), Rgb(4, 5, 6));
    EXPECT_EQ(d.Pixel(1, 0), Rgb(1, 2, 3));
}

TEST(BmpRejects, TruncatedFilesAtEveryLength) {
    Bytes wide = BmpFile(4, 2, 24).Fill(24, 9); // 12-byte rows: no padding anywhere
    EXPECT_TRUE(Accepts(wide));
    EXPECT_EQ(CountAcceptedPrefixes(DecodeBMP, wide), 0);
    Bytes paletted = BmpFile(4, 1, 8, 2);
    AddEntry(paletted, 1, 1, 1);
    AddEntry(paletted, 2, 2, 2).Raw({0, 1, 1, 0});
    EXPECT_TRUE(Accepts(paletted));
    EXPECT_EQ(CountAcceptedPrefixes(DecodeBMP, paletted), 0);
}

TEST(BmpRejects, UnsupportedHeadersCompressionAndBitCounts) {
    EXPECT_FALSE(Accepts(BmpFile(1, 1, 24, 0, 12).Fill(64, 0)));
    EXPECT_FALSE(Accepts(BmpFile(1, 1, 24, 0, 16).Fill(64, 0)));
    for (u32 compression : {1, 2, 3, 4}) {
        EXPECT_FALSE(Accepts(BmpFile(1, 1, 24, 0, INFO_HEADER, compression).Fill(64, 0)));
    }
    for (u16 bits : {0, 2, 3, 15, 32, 48, 64}) {
        EXPECT_FALSE(Accepts(BmpFile(1, 1, bits).Fill(1024 + 64, 0))) << bits;
    }
}

TEST(BmpRejects, EmptyNegativeOrOversizedSizes) {
    EXPECT_FALSE(Accepts(BmpFile(0, 1, 24).Fill(4, 0)));
    EXPECT_FALSE(Accepts(BmpFile(-1, 1, 24).Fill(4, 0)));
    EXPECT_FALSE(Accepts(BmpFile(1, 0, 24).Fill(4, 0)));
    EXPECT_FALSE(Accepts(BmpFile(1, INT32_MIN, 24).Fill(4, 0)));
    EXPECT_FALSE(Accepts(BmpFile(16385, 1, 24).Fill(16385 * 3 + 4, 0)));
    EXPECT_FALSE(Accepts(BmpFile(16384, 16384, 24).Fill(64, 0)));
    EXPECT_FALSE(Accepts(BmpFile(4096, 4096, 24).Fill(64, 0))); // data not in the file
}

TEST(BmpRejects, PaletteIndexesAndSizesPastWhatTheBitsAddress) {
    Bytes pastPalette = BmpFile(2, 1, 8, 3);
    for (u8 i = 0; i < 3; i++) AddEntry(pastPalette, i, i, i);
    EXPECT_FALSE(Accepts(pastPalette.Raw({0, 3, 0, 0})));

    Bytes oneBitPast = BmpFile(2, 1, 1, 1);
    AddEntry(oneBitPast, 9, 9, 9);
    EXPECT_TRUE(Accepts(Bytes(oneBitPast).Raw({0x00, 0, 0, 0})));
    EXPECT_FALSE(Accepts(oneBitPast.Raw({0x40, 0, 0, 0})));

    Bytes tooManyColours = BmpFile(1, 1, 4, 17);
    for (u8 i = 0; i < 17; i++) AddEntry(tooManyColours, i, i, i);
    EXPECT_FALSE(Accepts(tooManyColours.Raw({0, 0, 0, 0})));

    Bytes hugeColourCount = BmpFile(1, 1, 8, 0xFFFFFFFF);
    EXPECT_FALSE(Accepts(hugeColourCount.Fill(1024, 0)));
}

} // namespace
