// TGA decoding from crafted files: every pixel depth, row order, run-length packets across
// rows, the colour map, and the damaged files that must be refused.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "tests/graphics/images/image_bytes.h"

namespace {

constexpr u8 RAW_MAPPED = 1;
constexpr u8 RAW_TRUECOLOUR = 2;
constexpr u8 RAW_GREY = 3;
constexpr u8 RLE_MAPPED = 9;
constexpr u8 RLE_TRUECOLOUR = 10;
constexpr u8 RLE_GREY = 11;
constexpr u8 TOP_DOWN = 0x20;

Bytes TgaFile(u8 type, u16 width, u16 height, u8 depth, u8 descriptor = 0, u8 mapType = 0,
              u8 idLength = 0, u16 mapLength = 0) {
    Bytes file;
    file.U8(idLength).U8(mapType).U8(type).U16(0).U16(mapLength).Fill(5, 0);
    file.U16(width).U16(height).U8(depth);
    file.U8(descriptor);
    return file;
}

// The 3 x 2 test picture as the file stores it (B, G, R), top row and bottom row.
const ByteVector TOP_ROW = {1, 2, 3, 4, 5, 6, 7, 8, 9};
const ByteVector BOTTOM_ROW = {10, 11, 12, 13, 14, 15, 16, 17, 18};

bool Accepts(const ByteVector& bytes) {
    return Decoded(DecodeTGA, bytes).Ok();
}

TEST(TgaDecode, BottomUpAndTopDownFilesGiveTheSamePicture) {
    Decoded bottomUp(DecodeTGA, TgaFile(RAW_TRUECOLOUR, 3, 2, 24).Raw(BOTTOM_ROW).Raw(TOP_ROW));
    Decoded topDown(DecodeTGA,
                    TgaFile(RAW_TRUECOLOUR, 3, 2, 24, TOP_DOWN).Raw(TOP_ROW).Raw(BOTTOM_ROW));
    ASSERT_TRUE(bottomUp.Ok());
    ASSERT_TRUE(topDown.Ok());
    EXPECT_EQ(bottomUp.Image().format, u32(GL_RGB));
    EXPECT_EQ(bottomUp.All(), topDown.All());
    EXPECT_EQ(topDown.Pixel(0, 0), Rgb(3, 2, 1));
    EXPECT_EQ(topDown.Pixel(2, 1), Rgb(18, 17, 16));

    // Descriptors below 32 keep the bottom-up order (alpha bits do not matter); any higher
    // value means top-down.
    Decoded alphaBits(DecodeTGA,
                      TgaFile(RAW_TRUECOLOUR, 3, 2, 24, 0x08).Raw(BOTTOM_ROW).Raw(TOP_ROW));
    Decoded highBit(DecodeTGA,
                    TgaFile(RAW_TRUECOLOUR, 3, 2, 24, 0x40).Raw(TOP_ROW).Raw(BOTTOM_ROW));
    ASSERT_TRUE(alphaBits.Ok());
    ASSERT_TRUE(highBit.Ok());
    EXPECT_EQ(alphaBits.All(), topDown.All());
    EXPECT_EQ(highBit.All(), topDown.All());
}

// Rows of every width up to 13 pixels, so wide and narrow rows, and the pixels after the last
// whole group of a row, all convert.
TEST(TgaDecode, EveryPixelOfRowsOfManyWidths) {
    for (u16 width = 1; width <= 13; width++) {
        for (u8 depth : {24, 32}) {
            const u32 bytes = depth / 8;
            Bytes file = TgaFile(RAW_TRUECOLOUR, width, 2, depth, TOP_DOWN);
            for (u32 i = 0; i < 2u * width * bytes; i++) file.U8(u8(i * 7 + 1));
            Decoded d(DecodeTGA, file);
            ASSERT_TRUE(d.Ok());
            const ByteVector& raw = file.Data();
            for (u32 p = 0; p < 2u * width; p++) {
                const u8* src = raw.data() + 18 + p * bytes;
                ByteVector expected = {src[2], src[1], src[0]};
                if (bytes == 4) expected.push_back(src[3]);
                EXPECT_EQ(d.Pixel(p % width, p / width), expected)
                    << "width " << width << " depth " << int(depth) << " pixel " << p;
            }
        }
    }
}

TEST(TgaDecode, ThirtyTwoBitPixelsKeepAlpha) {
    Decoded d(DecodeTGA,
              TgaFile(RAW_TRUECOLOUR, 2, 1, 32, TOP_DOWN | 8).Raw({1, 2, 3, 4, 5, 6, 7, 8}));
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Image().format, u32(GL_RGBA));
    EXPECT_EQ(d.Pixel(0, 0), Rgba(3, 2, 1, 4));
    EXPECT_EQ(d.Pixel(1, 0), Rgba(7, 6, 5, 8));
}

TEST(TgaDecode, SixteenBitColoursScaleToFullBytes) {
    // White, the top bit alone (ignored), red 1, green 15, blue 30.
    Bytes file = TgaFile(RAW_TRUECOLOUR, 5, 1, 16);
    file.U16(0x7FFF).U16(0x8000).U16(1 << 10).U16(15 << 5).U16(30);
    Decoded d(DecodeTGA, file);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Image().format, u32(GL_RGB));
    EXPECT_EQ(d.Pixel(0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(d.Pixel(1, 0), Rgb(0, 0, 0));
    EXPECT_EQ(d.Pixel(2, 0), Rgb(8, 0, 0));   // 1 x 255 / 31
    EXPECT_EQ(d.Pixel(3, 0), Rgb(0, 123, 0)); // 15 x 255 / 31
    EXPECT_EQ(d.Pixel(4, 0), Rgb(0, 0, 246)); // 30 x 255 / 31
}

// A 256-entry colour map of blue, green, red where entry i is (R i/2, G 255-i, B i).
Bytes WithColourMap(Bytes file) {
    for (u32 i = 0; i < 256; i++) file.U8(i).U8(255 - i).U8(i / 2);
    return file;
}

TEST(TgaDecode, EightBitGreyAndColourMapped) {
    Decoded grey(DecodeTGA, TgaFile(RAW_GREY, 2, 1, 8, TOP_DOWN).Raw({0, 77}));
    ASSERT_TRUE(grey.Ok());
    EXPECT_EQ(grey.Pixel(1, 0), Rgb(77, 77, 77));

    Decoded mapped(DecodeTGA,
                   WithColourMap(TgaFile(RAW_MAPPED, 3, 1, 8, TOP_DOWN, 1)).Raw({0, 255, 7}));
    ASSERT_TRUE(mapped.Ok());
    EXPECT_EQ(mapped.Image().format, u32(GL_RGB));
    EXPECT_EQ(mapped.Pixel(0, 0), Rgb(0, 255, 0));
    EXPECT_EQ(mapped.Pixel(1, 0), Rgb(127, 0, 255));
    EXPECT_EQ(mapped.Pixel(2, 0), Rgb(3, 248, 7));
}

TEST(TgaDecode, IdFieldIsSkipped) {
    Decoded d(DecodeTGA, TgaFile(RAW_GREY, 1, 1, 8, 0, 0, 4).Raw({'n', 'a', 'm', 'e', 42}));
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), Rgb(42, 42, 42));
}

TEST(TgaRuns, PacketsRunOnAcrossRows) {
    // 3 x 2: a run of four (header 131) crosses the first row's end, two literals finish.
    Bytes topDown = TgaFile(RLE_TRUECOLOUR, 3, 2, 24, TOP_DOWN);
    topDown.U8(131).Raw({30, 20, 10}).U8(1).Raw({1, 2, 3, 4, 5, 6});
    Decoded d(DecodeTGA, topDown);
    ASSERT_TRUE(d.Ok());
    for (u32 x = 0; x < 3; x++) EXPECT_EQ(d.Pixel(x, 0), Rgb(10, 20, 30));
    EXPECT_EQ(d.Pixel(0, 1), Rgb(10, 20, 30));
    EXPECT_EQ(d.Pixel(1, 1), Rgb(3, 2, 1));
    EXPECT_EQ(d.Pixel(2, 1), Rgb(6, 5, 4));

    // The same packets in a bottom-up file fill the bottom row first.
    Bytes bottomUp = TgaFile(RLE_TRUECOLOUR, 3, 2, 24);
    bottomUp.U8(131).Raw({30, 20, 10}).U8(1).Raw({1, 2, 3, 4, 5, 6});
    Decoded flipped(DecodeTGA, bottomUp);
    ASSERT_TRUE(flipped.Ok());
    EXPECT_EQ(flipped.Pixel(0, 0), Rgb(10, 20, 30));
    EXPECT_EQ(flipped.Pixel(2, 0), Rgb(6, 5, 4));
    EXPECT_EQ(flipped.Pixel(2, 1), Rgb(10, 20, 30));
}

TEST(TgaRuns, EveryDepthRunLengthCoded) {
    Decoded rgba(DecodeTGA, TgaFile(RLE_TRUECOLOUR, 2, 2, 32, TOP_DOWN)
                                .U8(128)
                                .Raw({1, 2, 3, 4})
                                .U8(130)
                                .Raw({5, 6, 7, 8}));
    ASSERT_TRUE(rgba.Ok());
    EXPECT_EQ(rgba.Image().format, u32(GL_RGBA));
    EXPECT_EQ(rgba.Pixel(0, 0), Rgba(3, 2, 1, 4));
    EXPECT_EQ(rgba.Pixel(1, 1), Rgba(7, 6, 5, 8));

    // Narrower file pixels than picture pixels, in a literal packet crossing a row end.
    Decoded grey(DecodeTGA, TgaFile(RLE_GREY, 2, 2, 8, TOP_DOWN).U8(3).Raw({9, 99, 5, 55}));
    ASSERT_TRUE(grey.Ok());
    EXPECT_EQ(grey.Pixel(1, 0), Rgb(99, 99, 99));
    EXPECT_EQ(grey.Pixel(0, 1), Rgb(5, 5, 5));
    EXPECT_EQ(grey.Pixel(1, 1), Rgb(55, 55, 55));

    Decoded mapped(DecodeTGA,
                   WithColourMap(TgaFile(RLE_MAPPED, 2, 1, 8, TOP_DOWN, 1)).U8(129).U8(2));
    ASSERT_TRUE(mapped.Ok());
    EXPECT_EQ(mapped.Pixel(1, 0), Rgb(1, 253, 2));

    Decoded x555(DecodeTGA, TgaFile(RLE_TRUECOLOUR, 2, 1, 16).U8(129).U16(31 << 10));
    ASSERT_TRUE(x555.Ok());
    EXPECT_EQ(x555.Pixel(1, 0), Rgb(255, 0, 0));
}

TEST(TgaRejects, TruncatedFilesAtEveryLength) {
    EXPECT_EQ(CountAcceptedPrefixes(DecodeTGA,
                                    TgaFile(RAW_TRUECOLOUR, 3, 2, 24).Raw(BOTTOM_ROW).Raw(TOP_ROW)),
              0);
    EXPECT_EQ(CountAcceptedPrefixes(DecodeTGA, TgaFile(RLE_TRUECOLOUR, 3, 2, 32)
                                                   .U8(131)
                                                   .Raw({1, 2, 3, 4})
                                                   .U8(1)
                                                   .Raw({1, 2, 3, 4, 5, 6, 7, 8})),
              0);
    // The colour map is always 256 entries: a file holding fewer is short.
    EXPECT_EQ(
        CountAcceptedPrefixes(DecodeTGA, WithColourMap(TgaFile(RAW_MAPPED, 1, 1, 8, 0, 1)).U8(0)),
        0);
}

// The map is always 256 entries long; a shorter declared length makes indexes past it damage.
TEST(TgaRejects, ColourMapIndexesPastTheDeclaredLength) {
    auto mapped = [](u8 type, u16 mapLength, u8 index) {
        Bytes file = WithColourMap(TgaFile(type, 2, 1, 8, 0, 1, 0, mapLength));
        return type == RLE_MAPPED ? file.U8(129).U8(index).Data() : file.U8(0).U8(index).Data();
    };
    for (u8 type : {RAW_MAPPED, RLE_MAPPED}) {
        EXPECT_TRUE(Accepts(mapped(type, 16, 15))) << int(type);
        EXPECT_FALSE(Accepts(mapped(type, 16, 16))) << int(type);
        EXPECT_TRUE(Accepts(mapped(type, 256, 255))) << int(type);
        EXPECT_TRUE(Accepts(mapped(type, 0, 255))) << int(type); // no length declared
    }
}

TEST(TgaRejects, UnknownTypesAndDepths) {
    for (u8 type : {0, 4, 8, 12, 32, 33}) {
        EXPECT_FALSE(Accepts(TgaFile(type, 1, 1, 24).Fill(16, 0))) << int(type);
    }
    for (u8 depth : {0, 1, 15, 17, 23, 31, 48}) {
        EXPECT_FALSE(Accepts(TgaFile(RAW_TRUECOLOUR, 1, 1, depth).Fill(16, 0))) << int(depth);
    }
}

TEST(TgaRejects, EmptyOrOversizedPictures) {
    EXPECT_FALSE(Accepts(TgaFile(RAW_GREY, 0, 1, 8).Fill(16, 0)));
    EXPECT_FALSE(Accepts(TgaFile(RAW_GREY, 1, 0, 8).Fill(16, 0)));
    EXPECT_FALSE(Accepts(TgaFile(RAW_GREY, 16385, 1, 8).Fill(16385, 0)));
    // Far more pixels than the few bytes could describe, raw or run-length coded.
    EXPECT_FALSE(Accepts(TgaFile(RAW_TRUECOLOUR, 16384, 4096, 32).Fill(64, 0)));
    EXPECT_FALSE(Accepts(TgaFile(RLE_TRUECOLOUR, 16384, 4096, 32).Fill(64, 0xFF)));
}

TEST(TgaRejects, PacketsPastTheLastPixel) {
    EXPECT_TRUE(Accepts(TgaFile(RLE_GREY, 2, 1, 8).U8(129).U8(5)));
    EXPECT_FALSE(Accepts(TgaFile(RLE_GREY, 2, 1, 8).U8(130).U8(5)));
    EXPECT_FALSE(Accepts(TgaFile(RLE_GREY, 2, 1, 8).U8(2).Raw({1, 2, 3})));
    EXPECT_FALSE(Accepts(TgaFile(RLE_GREY, 2, 1, 8).U8(0).U8(1).U8(129).U8(1)));
}

} // namespace
