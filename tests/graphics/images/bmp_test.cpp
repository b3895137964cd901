// BMP decoding from crafted files: bit counts, row padding and order, palettes, damaged files.
#include <gtest/gtest.h>

#include <string>

#include "tests/graphics/image_files.h"

namespace {

constexpr u32 INFO_HEADER = 40;
constexpr char LIMITS[] = "width or height past the size limits";
constexpr char INDEX[] = "pixel index past the palette";
constexpr char ENTRIES[] = "more palette entries than the indexes address";

Bytes BmpFile(i32 width, i32 height, u16 bits, u32 coloursUsed = 0, u32 headerBytes = INFO_HEADER,
              u32 compression = 0) {
    Bytes file;
    file.Raw({'B', 'M'}).U32(0).U32(0).U32(0); // the data offset is not used
    file.U32(headerBytes).U32(u32(width)).U32(u32(height)).U16(1).U16(bits).U32(compression);
    file.U32(0).U32(2835).U32(2835).U32(coloursUsed).U32(0);
    if (headerBytes > INFO_HEADER) file.Fill(headerBytes - INFO_HEADER, 0xEE);
    return file;
}

// Palette entry i: every channel differs, so a swapped or misplaced entry shows.
const auto Colour = [](u32 i) { return TestPixel{u8(i * 10 + 5), u8(i + 1), u8(200 - i)}; };

// The file followed by palette entries 0..entries-1, stored blue, green, red, reserved.
Bytes Paletted(Bytes file, u32 entries) {
    for (u32 i = 0; i < entries; i++) file.Raw({Colour(i).b, Colour(i).g, Colour(i).r, 0});
    return file;
}

// A picture of palette pixels, top row first.
TestImage Colours(int width, int height, const std::vector<u32>& indexes) {
    TestImage image{width, height, false, {}};
    for (u32 i : indexes) image.pixels.push_back(Colour(i));
    return image;
}

const auto Accepts = [](const ByteVector& bytes) { return Decoded(DecodeBMP, bytes).Ok(); };

// 2 x 2, 24 bits: rows of 6 bytes padded to 8.
Bytes TwoByTwo(i32 height) {
    return BmpFile(2, height, 24).Raw({1, 2, 3, 4, 5, 6, 0, 0}).Raw({7, 8, 9, 10, 11, 12, 0, 0});
}

TEST(BmpDecode, EveryBitCountRowOrderAndPalettePlace) {
    const TestPixel a{3, 2, 1}, b{6, 5, 4}, c{9, 8, 7}, d{12, 11, 10};
    ExpectPicture("24-bit rows, padded, bottom up", DecodeBMP, TwoByTwo(2),
                  {2, 2, false, {c, d, a, b}});
    ExpectPicture("negative height: top row first", DecodeBMP, TwoByTwo(-2),
                  {2, 2, false, {a, b, c, d}});
    // Green 16 scales to 16 x 255 / 31; the top bit is ignored.
    ExpectPicture("16-bit", DecodeBMP, BmpFile(2, 1, 16).U16(31 << 10).U16(0x8000 | 16 << 5),
                  {2, 1, false, {{255, 0, 0}, {0, 131, 0}}});
    // 3 pixels take a byte and a half; the low nibble of each row's second byte is unused.
    ExpectPicture("4-bit rows start on a new byte", DecodeBMP,
                  Paletted(BmpFile(3, 2, 4), 16).Raw({0x12, 0x3F, 0, 0, 0x45, 0x6F, 0, 0}),
                  Colours(3, 2, {4, 5, 6, 1, 2, 3}));
    ExpectPicture("1-bit, most significant bit first", DecodeBMP,
                  Paletted(BmpFile(10, 1, 1), 2).Raw({0xB0, 0x40, 0, 0}),
                  Colours(10, 1, {1, 0, 1, 1, 0, 0, 0, 0, 0, 1}));
    ExpectPicture("8-bit palette of the colours used", DecodeBMP,
                  Paletted(BmpFile(3, 1, 8, 3), 3).Raw({2, 0, 1, 0}), Colours(3, 1, {2, 0, 1}));
    ExpectPicture("later header versions: the palette follows the whole header", DecodeBMP,
                  Paletted(BmpFile(2, 1, 8, 2, 124), 2).Raw({1, 0, 0, 0}), Colours(2, 1, {1, 0}));
}

TEST(BmpRejects, TruncatedFilesAtEveryLength) {
    // The last row's padding may be missing, nothing more.
    ByteVector padded = TwoByTwo(2);
    EXPECT_TRUE(Accepts(ByteVector(padded.begin(), padded.end() - 2)));
    EXPECT_FALSE(Accepts(ByteVector(padded.begin(), padded.end() - 3)));

    ByteVector wide = BmpFile(4, 2, 24).Fill(24, 9); // 12-byte rows: no padding anywhere
    ByteVector paletted = Paletted(BmpFile(4, 1, 8, 2), 2).Raw({0, 1, 1, 0});
    for (const ByteVector& file : {wide, paletted}) {
        EXPECT_TRUE(Accepts(file));
        EXPECT_EQ(CountAcceptedPrefixes(DecodeBMP, file), 0);
    }
}

TEST(BmpRejects, UnsupportedOrImpossibleFiles) {
    std::vector<BadFile> cases = {
        {"core header", BmpFile(1, 1, 24, 0, 12).Fill(64, 0),
         "information header shorter than 40 bytes"},
        {"zero width", BmpFile(0, 1, 24).Fill(4, 0), "width 0 or negative"},
        {"zero height", BmpFile(1, 0, 24).Fill(4, 0), "height 0 or past the size limits"},
        {"most negative height", BmpFile(1, INT32_MIN, 24).Fill(4, 0),
         "height 0 or past the size limits"},
        {"wider than the limit", BmpFile(16385, 1, 24).Fill(16385 * 3 + 4, 0), LIMITS},
        {"more pixels than the limit", BmpFile(16384, 16384, 24).Fill(64, 0), LIMITS},
        {"no pixel data", BmpFile(4096, 4096, 24).Fill(64, 0), "file ends inside the pixels"},
        {"past the colours used", Paletted(BmpFile(2, 1, 8, 3), 3).Raw({0, 3, 0, 0}), INDEX},
        {"17 colours, 4 bits", Paletted(BmpFile(1, 1, 4, 17), 17).Raw({0, 0, 0, 0}), ENTRIES},
        {"huge colour count", BmpFile(1, 1, 8, 0xFFFFFFFF).Fill(1024, 0), ENTRIES},
    };
    for (u32 compression : {1, 2, 3, 4})
        cases.push_back({"compression " + std::to_string(compression),
                         BmpFile(1, 1, 24, 0, INFO_HEADER, compression).Fill(64, 0),
                         "compressed pixels"});
    for (u16 bits : {0, 2, 15, 32})
        cases.push_back({"bit count " + std::to_string(bits), BmpFile(1, 1, bits).Fill(1088, 0),
                         "bit count not 1, 4, 8, 16 or 24"});
    ExpectRefusals(DecodeBMP, cases);
}

} // namespace
