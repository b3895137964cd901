// DSX decoding from crafted files: every block coding and packing width, the split rule, the
// run-length control bytes, and the damaged files that must be refused.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <functional>

#include "tests/graphics/images/image_bytes.h"

namespace {

constexpr u8 RGB_BITS = 24;
constexpr u8 RGBA_BITS = 32;
const ByteVector RED = Rgb(200, 10, 10);
const ByteVector BLUE = Rgb(10, 10, 200);

// A header and global palette; entries defaults to what the palette bytes hold.
Bytes DsxFile(u16 width, u16 height, u8 bits, const ByteVector& palette = {}, int entries = -1) {
    const int pixelBytes = bits == RGBA_BITS ? 4 : 3;
    if (entries < 0) entries = int(palette.size()) / pixelBytes;
    Bytes file;
    file.Raw({'d', 's', 'x', 0}).F32(1.0f).U16(width).U16(height).U8(bits).U8(0);
    file.U16(u16(entries)).Raw(palette);
    return file;
}

Bytes SolidRgb(u16 width, u16 height, const ByteVector& colour) {
    return DsxFile(width, height, RGB_BITS).U8(1).Raw(colour);
}

bool Accepts(const ByteVector& bytes) {
    return Decoded(DecodeDSX, bytes).Ok();
}

TEST(DsxDecode, SolidCodingFillsThePictureInTheHeaderFormat) {
    Decoded rgb(DecodeDSX, SolidRgb(4, 3, RED));
    ASSERT_TRUE(rgb.Ok());
    EXPECT_EQ(rgb.Image().width, 4);
    EXPECT_EQ(rgb.Image().height, 3);
    EXPECT_EQ(rgb.Image().format, u32(GL_RGB));
    for (u32 y = 0; y < 3; y++)
        for (u32 x = 0; x < 4; x++) EXPECT_EQ(rgb.Pixel(x, y), RED);

    Decoded rgba(DecodeDSX, DsxFile(2, 2, RGBA_BITS).U8(1).Raw({1, 2, 3, 4}));
    ASSERT_TRUE(rgba.Ok());
    EXPECT_EQ(rgba.Image().format, u32(GL_RGBA));
    EXPECT_EQ(rgba.Pixel(1, 1), Rgba(1, 2, 3, 4));
}

TEST(DsxDecode, ReversedMagicIsAccepted) {
    ByteVector file = SolidRgb(1, 1, RED);
    file[0] = 'x';
    file[2] = 'd';
    Decoded d(DecodeDSX, file);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), RED);
}

TEST(DsxDecode, RawAndGreyCodings) {
    Decoded raw(DecodeDSX, DsxFile(2, 2, RGBA_BITS)
                               .U8(2)
                               .Raw({1, 2, 3, 4, 5, 6, 7, 8})
                               .Raw({9, 10, 11, 12, 13, 14, 15, 16}));
    ASSERT_TRUE(raw.Ok());
    EXPECT_EQ(raw.Pixel(1, 0), Rgba(5, 6, 7, 8));
    EXPECT_EQ(raw.Pixel(0, 1), Rgba(9, 10, 11, 12));

    // Grey pixels of an RGBA picture take the grey value as alpha too.
    Decoded greyRgba(DecodeDSX, DsxFile(2, 1, RGBA_BITS).U8(3).Raw({7, 200}));
    ASSERT_TRUE(greyRgba.Ok());
    EXPECT_EQ(greyRgba.Pixel(0, 0), Rgba(7, 7, 7, 7));
    EXPECT_EQ(greyRgba.Pixel(1, 0), Rgba(200, 200, 200, 200));
    Decoded greyRgb(DecodeDSX, DsxFile(2, 1, RGB_BITS).U8(3).Raw({7, 200}));
    ASSERT_TRUE(greyRgb.Ok());
    EXPECT_EQ(greyRgb.Pixel(1, 0), Rgb(200, 200, 200));
}

TEST(DsxDecode, GreyPaletteIndexesRunOnAcrossRows) {
    // 3 x 3 pixels, two grey entries: nine 1-bit indexes in two bytes.
    const std::vector<u32> indexes = {1, 0, 0, 1, 1, 0, 0, 0, 1};
    Decoded d(DecodeDSX,
              DsxFile(3, 3, RGBA_BITS).U8(4).U8(1).Raw({30, 250}).Raw(PackIndexes(indexes, 1)));
    ASSERT_TRUE(d.Ok());
    for (u32 i = 0; i < indexes.size(); i++) {
        u8 g = indexes[i] ? 250 : 30;
        EXPECT_EQ(d.Pixel(i % 3, i / 3), Rgba(g, g, g, g)) << "pixel " << i;
    }
}

TEST(DsxDecode, TwoBitIndexesHandPacked) {
    // Indexes 0 1 2 / 2 1 0 of a 3-entry palette: 00 01 10 10 | 01 00 (padding).
    Decoded d(
        DecodeDSX,
        DsxFile(3, 2, RGB_BITS).U8(5).U8(2).Raw({1, 1, 1, 2, 2, 2, 3, 3, 3}).Raw({0x1A, 0x40}));
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), Rgb(1, 1, 1));
    EXPECT_EQ(d.Pixel(2, 0), Rgb(3, 3, 3));
    EXPECT_EQ(d.Pixel(0, 1), Rgb(3, 3, 3));
    EXPECT_EQ(d.Pixel(1, 1), Rgb(2, 2, 2));
    EXPECT_EQ(d.Pixel(2, 1), Rgb(1, 1, 1));
}

struct PackingCase {
    u32 entries;
    u32 bits;
};

class DsxPacking : public ::testing::TestWithParam<PackingCase> {};

ByteVector Entry(u32 i) {
    return Rgb(u8(i), u8(2 * i), u8(255 - i));
}

// A 3 x 3 region with a local palette: the index width follows the entry count, and the
// indexes of one row continue in the bits the previous row left over.
TEST_P(DsxPacking, LocalPaletteIndexWidthFollowsTheEntryCount) {
    const PackingCase c = GetParam();
    Bytes file = DsxFile(3, 3, RGB_BITS).U8(5).U8(c.entries - 1);
    for (u32 i = 0; i < c.entries; i++) file.Raw(Entry(i));
    std::vector<u32> indexes;
    for (u32 i = 0; i < 9; i++) indexes.push_back((i * 5 + 1) % c.entries);
    file.Raw(PackIndexes(indexes, c.bits));

    Decoded d(DecodeDSX, file);
    ASSERT_TRUE(d.Ok());
    for (u32 i = 0; i < 9; i++) EXPECT_EQ(d.Pixel(i % 3, i / 3), Entry(indexes[i])) << i;
    // The file holds exactly the bytes of that width: any shorter one is refused.
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, file), 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, DsxPacking,
                         ::testing::Values(PackingCase{2, 1}, PackingCase{3, 2}, PackingCase{4, 2},
                                           PackingCase{5, 4}, PackingCase{16, 4},
                                           PackingCase{17, 8}, PackingCase{256, 8}));

TEST(DsxDecode, PerChannelCoding) {
    // 3 x 2 RGBA: red one value, green two values (1-bit), blue 17 values (raw bytes), alpha
    // 16 values (4-bit).
    Bytes file = DsxFile(3, 2, RGBA_BITS).U8(6);
    file.U8(0).U8(9);
    file.U8(1).Raw({10, 20}).Raw(PackIndexes({0, 1, 1, 0, 0, 1}, 1));
    file.U8(16).Raw({100, 101, 102, 103, 104, 105});
    file.U8(15);
    for (u32 i = 0; i < 16; i++) file.U8(u8(i * 16));
    file.Raw(PackIndexes({15, 0, 1, 2, 3, 4}, 4));

    Decoded d(DecodeDSX, file);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), Rgba(9, 10, 100, 240));
    EXPECT_EQ(d.Pixel(1, 0), Rgba(9, 20, 101, 0));
    EXPECT_EQ(d.Pixel(2, 1), Rgba(9, 20, 105, 64));
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, file), 0);
}

TEST(DsxDecode, GlobalPaletteCodings) {
    const ByteVector palette = {1, 1, 1, 2, 2, 2, 3, 3, 3};
    // Coding 7: one full byte per pixel.
    Decoded direct(DecodeDSX, DsxFile(2, 2, RGB_BITS, palette).U8(7).Raw({2, 0, 1, 2}));
    ASSERT_TRUE(direct.Ok());
    EXPECT_EQ(direct.Pixel(0, 0), Rgb(3, 3, 3));
    EXPECT_EQ(direct.Pixel(0, 1), Rgb(2, 2, 2));

    // Coding 8: a two-entry palette picked from the global one, then 1-bit indexes.
    Decoded subset(
        DecodeDSX,
        DsxFile(2, 2, RGB_BITS, palette).U8(8).U8(1).Raw({2, 0}).Raw(PackIndexes({1, 0, 0, 1}, 1)));
    ASSERT_TRUE(subset.Ok());
    EXPECT_EQ(subset.Pixel(0, 0), Rgb(1, 1, 1));
    EXPECT_EQ(subset.Pixel(1, 0), Rgb(3, 3, 3));
    EXPECT_EQ(subset.Pixel(1, 1), Rgb(1, 1, 1));
}

TEST(DsxRuns, ControlBytesGiveRunsOfOneOf127AndOfNothing) {
    // 16 x 8 = 128 pixels: 0xFE is a run of 1, 0xFF (its colour never drawn) nothing, 0x80 127.
    Bytes file = DsxFile(16, 8, RGB_BITS).U8(9);
    file.U8(0xFE).Raw(RED).U8(0xFF).Raw(Rgb(7, 7, 7)).U8(0x80).Raw(BLUE);
    Decoded d(DecodeDSX, file);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), RED);
    for (u32 i = 1; i < 128; i++) EXPECT_EQ(d.Pixel(i % 16, i / 16), BLUE) << i;
}

TEST(DsxRuns, RawLiteralsAndRunsRunOnAcrossRows) {
    // 3 x 2: two literals, a run of three (crossing the row end), one literal.
    Bytes file = DsxFile(3, 2, RGB_BITS).U8(9);
    file.U8(2).Raw(RED).Raw(BLUE).U8(0xFC).Raw(Rgb(5, 5, 5)).U8(1).Raw(Rgb(6, 6, 6));
    Decoded d(DecodeDSX, file);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(1, 0), BLUE);
    EXPECT_EQ(d.Pixel(2, 0), Rgb(5, 5, 5));
    EXPECT_EQ(d.Pixel(1, 1), Rgb(5, 5, 5));
    EXPECT_EQ(d.Pixel(2, 1), Rgb(6, 6, 6));
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, file), 0);
}

TEST(DsxRuns, OnePixelWideRegionsMoveDownEveryPixel) {
    // 3 x 2: left 2 x 2 solid, right 1 x 2 a run of two.
    Decoded d(DecodeDSX, DsxFile(3, 2, RGB_BITS).U8(0).U8(1).Raw(RED).U8(9).U8(0xFD).Raw(BLUE));
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 1), RED);
    EXPECT_EQ(d.Pixel(1, 1), RED);
    EXPECT_EQ(d.Pixel(2, 0), BLUE);
    EXPECT_EQ(d.Pixel(2, 1), BLUE);
}

TEST(DsxRuns, LiteralPacketsRestartTheBitPacking) {
    // Coding 10, three entries (2-bit): literals [0 1 2] fill 6 bits of one byte, then
    // literals [2 1] begin a new byte, then a run of one pixel of entry 0.
    Bytes file = DsxFile(3, 2, RGBA_BITS).U8(10).U8(2);
    file.Raw({1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3});
    file.U8(3).U8(0x18).U8(2).U8(0x90).U8(0xFE).U8(0);
    Decoded d(DecodeDSX, file);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), Rgba(1, 1, 1, 1));
    EXPECT_EQ(d.Pixel(2, 0), Rgba(3, 3, 3, 3));
    EXPECT_EQ(d.Pixel(0, 1), Rgba(3, 3, 3, 3));
    EXPECT_EQ(d.Pixel(1, 1), Rgba(2, 2, 2, 2));
    EXPECT_EQ(d.Pixel(2, 1), Rgba(1, 1, 1, 1));
}

TEST(DsxRuns, GlobalPaletteRunsUseFullIndexBytes) {
    const ByteVector palette = {1, 1, 1, 2, 2, 2, 3, 3, 3};
    // Coding 11: literal indexes are whole bytes although three entries would fit in 2 bits.
    Decoded global(DecodeDSX, DsxFile(2, 2, RGB_BITS, palette).U8(11).Raw({2, 2, 1, 0xFD, 0}));
    ASSERT_TRUE(global.Ok());
    EXPECT_EQ(global.Pixel(0, 0), Rgb(3, 3, 3));
    EXPECT_EQ(global.Pixel(1, 0), Rgb(2, 2, 2));
    EXPECT_EQ(global.Pixel(1, 1), Rgb(1, 1, 1));

    // Coding 12: entries {global 1, global 2}, then four 1-bit literals.
    Decoded subset(DecodeDSX, DsxFile(2, 2, RGB_BITS, palette)
                                  .U8(12)
                                  .U8(1)
                                  .Raw({1, 2})
                                  .U8(4)
                                  .Raw(PackIndexes({1, 1, 0, 1}, 1)));
    ASSERT_TRUE(subset.Ok());
    EXPECT_EQ(subset.Pixel(0, 0), Rgb(3, 3, 3));
    EXPECT_EQ(subset.Pixel(0, 1), Rgb(2, 2, 2));
}

// Which of the two colours a split of a region width x height put where.
void ExpectSplit(u16 width, u16 height, u32 firstWidth, u32 firstHeight) {
    Decoded d(DecodeDSX, DsxFile(width, height, RGB_BITS).U8(0).U8(1).Raw(RED).U8(1).Raw(BLUE));
    ASSERT_TRUE(d.Ok());
    for (u32 y = 0; y < height; y++) {
        for (u32 x = 0; x < width; x++) {
            bool first = x < firstWidth && y < firstHeight;
            EXPECT_EQ(d.Pixel(x, y), first ? RED : BLUE)
                << width << "x" << height << " at " << x << "," << y;
        }
    }
}

TEST(DsxSplit, WiderRegionsSplitLeftRightOthersTopBottom) {
    ExpectSplit(5, 3, 3, 3); // left 3 x 3, right 2 x 3
    ExpectSplit(3, 5, 3, 3); // top 3 x 3, bottom 3 x 2
    ExpectSplit(4, 4, 4, 2); // square: top and bottom
    ExpectSplit(2, 1, 1, 1);
    ExpectSplit(1, 2, 1, 1);
}

// 6 x 4, split into four quarters of four different codings.
Bytes MixedFile() {
    Bytes file = DsxFile(6, 4, RGB_BITS, {9, 9, 9, 8, 8, 8});
    file.U8(0);                                                     // left 3x4, right 3x4
    file.U8(0);                                                     // left: top 3x2, bottom
    file.U8(9).U8(0xFB).Raw(RED).U8(2).Raw(BLUE).Raw(Rgb(1, 2, 3)); // 4 run + 2 literal
    file.U8(5).U8(1).Raw(RED).Raw(BLUE).Raw(PackIndexes({0, 1, 0, 1, 0, 1}, 1));
    file.U8(0);                                                        // right: top, bottom
    file.U8(6).U8(0).U8(50).U8(1).Raw({60, 70}).U8(0x54).U8(0).U8(90); // per channel
    file.U8(12).U8(1).Raw({1, 0}).U8(6).Raw(PackIndexes({0, 0, 0, 1, 1, 1}, 1));
    return file;
}

TEST(DsxSplit, NestedSplitsCarryTheirOwnCodings) {
    Decoded d(DecodeDSX, MixedFile());
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Pixel(0, 0), RED);
    EXPECT_EQ(d.Pixel(0, 1), RED);
    EXPECT_EQ(d.Pixel(1, 1), BLUE);
    EXPECT_EQ(d.Pixel(2, 1), Rgb(1, 2, 3));
    EXPECT_EQ(d.Pixel(0, 2), RED);
    EXPECT_EQ(d.Pixel(1, 2), BLUE);
    EXPECT_EQ(d.Pixel(3, 0), Rgb(50, 60, 90)); // green bits 0x54: 0 1 0 1 0 1
    EXPECT_EQ(d.Pixel(4, 0), Rgb(50, 70, 90));
    EXPECT_EQ(d.Pixel(3, 1), Rgb(50, 70, 90));
    EXPECT_EQ(d.Pixel(4, 1), Rgb(50, 60, 90));
    EXPECT_EQ(d.Pixel(3, 2), Rgb(8, 8, 8));
    EXPECT_EQ(d.Pixel(5, 3), Rgb(9, 9, 9));
}

TEST(DsxRejects, TruncatedStreamsAtEveryLength) {
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, MixedFile()), 0);
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, SolidRgb(3, 3, RED)), 0);
}

TEST(DsxRejects, WrongMagicOrVersion) {
    ByteVector good = SolidRgb(2, 2, RED);
    for (size_t at : {0, 1, 2}) {
        ByteVector bad = good;
        bad[at] ^= 0x20;
        EXPECT_FALSE(Accepts(bad)) << "magic byte " << at;
    }
    ByteVector swapped = good;
    std::swap(swapped[0], swapped[1]); // "sdx"
    EXPECT_FALSE(Accepts(swapped));
    for (f32 version : {0.0f, 1.0001f, 2.0f, -1.0f}) {
        ByteVector bad = good;
        memcpy(bad.data() + 4, &version, sizeof version);
        EXPECT_FALSE(Accepts(bad)) << version;
    }
}

TEST(DsxRejects, HeaderFieldsOutsideTheLimits) {
    for (u8 bits : {0, 8, 16, 31, 33, 48}) {
        EXPECT_FALSE(Accepts(DsxFile(2, 2, bits).U8(1).Raw({1, 2, 3, 4}))) << int(bits);
    }
    EXPECT_FALSE(Accepts(SolidRgb(0, 5, RED)));
    EXPECT_FALSE(Accepts(SolidRgb(5, 0, RED)));
    EXPECT_FALSE(Accepts(SolidRgb(16385, 1, RED)));
    EXPECT_FALSE(Accepts(SolidRgb(16384, 16384, RED))); // beyond the total pixel cap

    // Global palettes hold at most 256 entries, and never a negative count.
    ByteVector entries257(257 * 3, 1);
    EXPECT_FALSE(Accepts(DsxFile(1, 1, RGB_BITS, entries257).U8(7).U8(0)));
    ByteVector entries256(256 * 3, 1);
    EXPECT_TRUE(Accepts(DsxFile(1, 1, RGB_BITS, entries256).U8(7).U8(255)));
    EXPECT_FALSE(Accepts(DsxFile(1, 1, RGB_BITS, {}, -1 & 0xFFFF).U8(1).Raw(RED)));
}

TEST(DsxRejects, UnknownOpcodes) {
    EXPECT_FALSE(Accepts(DsxFile(1, 1, RGB_BITS).U8(13).Raw(RED)));
    EXPECT_FALSE(Accepts(DsxFile(1, 1, RGB_BITS).U8(255).Raw(RED)));
    EXPECT_FALSE(Accepts(DsxFile(2, 1, RGB_BITS).U8(0).U8(1).Raw(RED).U8(14)));
}

// Each file is complete; only its index decides whether it is valid.
TEST(DsxRejects, IndexesPastTheirPalette) {
    const ByteVector palette = {1, 1, 1, 2, 2, 2, 3, 3, 3};
    auto local = [](u8 index) { // three entries, 2-bit indexes
        return DsxFile(2, 1, RGB_BITS).U8(5).U8(2).Fill(9, 1).U8(u8(index << 4)).Data();
    };
    auto direct = [&](u8 index) {
        return DsxFile(2, 1, RGB_BITS, palette).U8(7).U8(0).U8(index).Data();
    };
    auto subset = [&](u8 index) {
        return DsxFile(2, 1, RGB_BITS, palette).U8(8).U8(0).U8(index).U8(0).Data();
    };
    auto runs = [&](u8 index) {
        return DsxFile(2, 1, RGB_BITS, palette).U8(11).U8(0xFD).U8(index).Data();
    };
    auto runsSubset = [&](u8 index) {
        return DsxFile(2, 1, RGB_BITS, palette).U8(12).U8(0).U8(index).U8(0xFD).U8(0).Data();
    };
    auto runsLocal = [](u8 index) {
        return DsxFile(2, 1, RGB_BITS).U8(10).U8(0).Raw(RED).U8(0xFD).U8(index).Data();
    };
    auto channel = [](u8 index) { // three red values, 2-bit indexes
        return DsxFile(2, 1, RGB_BITS)
            .U8(6)
            .U8(2)
            .Raw({1, 2, 3})
            .U8(u8(index << 4))
            .Raw({0, 1, 0, 1})
            .Data();
    };
    struct Case {
        const char* name;
        std::function<ByteVector(u8)> file;
        u8 last;
    };
    for (const Case& c :
         {Case{"local", local, 2}, Case{"direct", direct, 2}, Case{"subset", subset, 2},
          Case{"runs", runs, 2}, Case{"runsSubset", runsSubset, 2}, Case{"runsLocal", runsLocal, 0},
          Case{"channel", channel, 2}}) {
        EXPECT_TRUE(Accepts(c.file(c.last))) << c.name;
        EXPECT_FALSE(Accepts(c.file(u8(c.last + 1)))) << c.name;
    }
    // Any global index into an empty global palette.
    EXPECT_FALSE(Accepts(DsxFile(1, 1, RGB_BITS).U8(7).U8(0)));
}

TEST(DsxRejects, PacketsPastTheirRegion) {
    // 2 x 2 regions: a run of 5, literals of 5, a run of 3 after 2 literals.
    EXPECT_TRUE(Accepts(DsxFile(2, 2, RGB_BITS).U8(9).U8(0xFB).Raw(RED)));
    EXPECT_FALSE(Accepts(DsxFile(2, 2, RGB_BITS).U8(9).U8(0xFA).Raw(RED)));
    Bytes literals = DsxFile(2, 2, RGB_BITS).U8(9).U8(5);
    for (int i = 0; i < 5; i++) literals.Raw(RED);
    EXPECT_FALSE(Accepts(literals));
    EXPECT_FALSE(Accepts(DsxFile(2, 2, RGB_BITS).U8(10).U8(0).Raw(RED).U8(2).U8(0).U8(0xFC).U8(0)));
    // The left half's runs must not spill into the right half.
    EXPECT_FALSE(Accepts(DsxFile(4, 1, RGB_BITS).U8(0).U8(9).U8(0xFC).Raw(RED).U8(1).Raw(BLUE)));
}

TEST(DsxRejects, SplittingASinglePixel) {
    Bytes file = DsxFile(1, 1, RGB_BITS).Fill(1000, 0).U8(1).Raw(RED).U8(1).Raw(RED);
    EXPECT_FALSE(Accepts(file));
    EXPECT_FALSE(Accepts(DsxFile(2, 1, RGB_BITS).U8(0).U8(0).U8(1).Raw(RED).U8(1).Raw(RED)));
}

} // namespace
