// TGA decoding from crafted files: every depth, row order, runs, colour map, damaged files.
#include <gtest/gtest.h>

#include <string>

#include "tests/graphics/image_files.h"

namespace {

constexpr u8 RAW_MAPPED = 1, RAW_TRUECOLOUR = 2, RAW_GREY = 3;
constexpr u8 RLE_MAPPED = 9, RLE_TRUECOLOUR = 10, RLE_GREY = 11;
constexpr u8 TOP_DOWN = 0x20;
constexpr char SIZE[] = "width or height 0 or past the size limits";
constexpr char SHORT[] = "file too short for its pixels", PAST[] = "RLE packet past the last pixel";

Bytes TgaFile(u8 type, u16 width, u16 height, u8 depth, u8 descriptor = 0, u8 mapType = 0,
              u8 idLength = 0, u16 mapLength = 0) {
    Bytes file;
    file.U8(idLength).U8(mapType).U8(type).U16(0).U16(mapLength).Fill(5, 0);
    return file.U16(width).U16(height).U8(depth).U8(descriptor);
}

// A 256-entry colour map of blue, green, red where entry i is (R i/2, G 255-i, B i).
Bytes WithColourMap(Bytes file) {
    for (u32 i = 0; i < 256; i++) file.U8(i).U8(255 - i).U8(i / 2);
    return file;
}

const auto Accepts = [](const ByteVector& bytes) { return Decoded(DecodeTGA, bytes).Ok(); };

// Rows of every width up to 13 pixels (the pixels after a row's last whole group convert too),
// in either order: descriptors below 32 are bottom up (alpha bits do not matter).
TEST(TgaDecode, EveryPixelOfRowsOfManyWidthsInEitherOrder) {
    for (u16 width = 1; width <= 13; width++) {
        for (u8 depth : {24, 32}) {
            for (u8 descriptor : {0x00, 0x08, 0x20, 0x40}) {
                const TestImage want = PatternImage(width, 2, depth == 32);
                Bytes file = TgaFile(RAW_TRUECOLOUR, width, 2, depth, descriptor);
                for (int row = 0; row < 2; row++) {
                    for (int x = 0; x < width; x++) {
                        TestPixel p = want.At(x, descriptor >= TOP_DOWN ? row : 1 - row);
                        file.Raw({p.b, p.g, p.r});
                        if (depth == 32) file.U8(p.a);
                    }
                }
                ExpectPicture(std::to_string(width) + " wide, " + std::to_string(depth) +
                                  " bits, descriptor " + std::to_string(descriptor),
                              DecodeTGA, file, want);
            }
        }
    }
}

TEST(TgaDecode, GreyColourMappedSixteenBitIdFieldAndRuns) {
    // White, the top bit alone (ignored), red 1, green 15, blue 30: n x 255 / 31.
    ExpectPicture(
        "16-bit", DecodeTGA,
        TgaFile(RAW_TRUECOLOUR, 5, 1, 16).U16(0x7FFF).U16(0x8000).U16(1 << 10).U16(15 << 5).U16(30),
        {5, 1, false, {{255, 255, 255}, {0, 0, 0}, {8, 0, 0}, {0, 123, 0}, {0, 0, 246}}});
    ExpectPicture("grey", DecodeTGA, TgaFile(RAW_GREY, 2, 1, 8, TOP_DOWN).Raw({0, 77}),
                  {2, 1, false, {{0, 0, 0}, {77, 77, 77}}});
    ExpectPicture("mapped", DecodeTGA,
                  WithColourMap(TgaFile(RAW_MAPPED, 3, 1, 8, TOP_DOWN, 1)).Raw({0, 255, 7}),
                  {3, 1, false, {{0, 255, 0}, {127, 0, 255}, {3, 248, 7}}});
    ExpectPicture("id field skipped", DecodeTGA,
                  TgaFile(RAW_GREY, 1, 1, 8, 0, 0, 4).Raw({'n', 'a', 'm', 'e', 42}),
                  SolidImage(1, 1, {42, 42, 42}));
    // Runs, 3 x 2: a run of four crosses the first row's end, two literals finish; bottom up too.
    const ByteVector packets = {131, 30, 20, 10, 1, 1, 2, 3, 4, 5, 6};
    const TestPixel run{10, 20, 30}, a{3, 2, 1}, b{6, 5, 4}, c{3, 2, 1, 4}, d{7, 6, 5, 8};
    ExpectPicture("top down", DecodeTGA, TgaFile(RLE_TRUECOLOUR, 3, 2, 24, TOP_DOWN).Raw(packets),
                  {3, 2, false, {run, run, run, run, a, b}});
    ExpectPicture("bottom up", DecodeTGA, TgaFile(RLE_TRUECOLOUR, 3, 2, 24).Raw(packets),
                  {3, 2, false, {run, a, b, run, run, run}});
    ExpectPicture(
        "32-bit", DecodeTGA,
        TgaFile(RLE_TRUECOLOUR, 2, 2, 32, TOP_DOWN).Raw({128, 1, 2, 3, 4, 130, 5, 6, 7, 8}),
        {2, 2, true, {c, d, d, d}});
    // Narrower file pixels than picture pixels, in a literal packet crossing a row end.
    ExpectPicture("grey", DecodeTGA, TgaFile(RLE_GREY, 2, 2, 8, TOP_DOWN).Raw({3, 9, 99, 5, 55}),
                  {2, 2, false, {{9, 9, 9}, {99, 99, 99}, {5, 5, 5}, {55, 55, 55}}});
}

TEST(TgaRejects, TruncatedFilesAtEveryLength) {
    // Without a declared length the colour map is 256 entries: a file holding fewer is short.
    for (const ByteVector& file : {TgaFile(RAW_TRUECOLOUR, 3, 2, 24).Fill(18, 7).Data(),
                                   TgaFile(RLE_TRUECOLOUR, 3, 2, 32)
                                       .U8(131)
                                       .Raw({1, 2, 3, 4, 1, 1, 2, 3, 4, 5, 6, 7, 8})
                                       .Data(),
                                   WithColourMap(TgaFile(RAW_MAPPED, 1, 1, 8, 0, 1)).U8(0).Data()})
        EXPECT_EQ(CountAcceptedPrefixes(DecodeTGA, file), 0);
}

TEST(TgaRejects, UnknownKindsImpossibleSizesPacketsPastTheLastPixelAndMapIndexes) {
    std::vector<BadFile> cases = {
        {"zero width", TgaFile(RAW_GREY, 0, 1, 8).Fill(16, 0), SIZE},
        {"wider than the limit", TgaFile(RAW_GREY, 16385, 1, 8).Fill(16385, 0), SIZE},
        // Far more pixels than the few bytes could describe, raw or run-length coded.
        {"raw, data not in the file", TgaFile(RAW_TRUECOLOUR, 16384, 4096, 32).Fill(64, 0), SHORT},
        {"runs, data not in the file", TgaFile(RLE_TRUECOLOUR, 16384, 4096, 32).Fill(64, 255),
         SHORT},
        {"run past the end", TgaFile(RLE_GREY, 2, 1, 8).U8(130).U8(5), PAST},
        {"literals past the end", TgaFile(RLE_GREY, 2, 1, 8).U8(2).Raw({1, 2, 3}), PAST},
    };
    for (u8 type : {0, 4, 12, 33})
        cases.push_back({"type " + std::to_string(type), TgaFile(type, 1, 1, 24).Fill(16, 0),
                         "unknown image type"});
    for (u8 depth : {0, 15, 31, 48})
        cases.push_back({"depth " + std::to_string(depth),
                         TgaFile(RAW_TRUECOLOUR, 1, 1, depth).Fill(16, 0),
                         "pixel depth not 8, 16, 24 or 32 bits"});
    ExpectRefusals(DecodeTGA, cases);
    EXPECT_TRUE(Accepts(TgaFile(RLE_GREY, 2, 1, 8).U8(129).U8(5))); // a run that just fits
    // A map that declares its length holds that many entries; pixel values past them are damage.
    auto mapped = [](u8 type, u16 mapLength, u8 index) {
        Bytes file = TgaFile(type, 2, 1, 8, 0, 1, 0, mapLength);
        if (mapLength == 0) file = WithColourMap(file);
        for (u32 i = 0; i < mapLength; i++) file.U8(u8(i)).U8(0).U8(0);
        return type == RLE_MAPPED ? file.U8(129).U8(index).Data() : file.U8(0).U8(index).Data();
    };
    for (u8 type : {RAW_MAPPED, RLE_MAPPED}) {
        EXPECT_TRUE(Accepts(mapped(type, 16, 15))) << int(type);
        EXPECT_FALSE(Accepts(mapped(type, 16, 16))) << int(type);
        EXPECT_TRUE(Accepts(mapped(type, 0, 255))) << int(type); // no length: the classic 256
    }
}

} // namespace
