// DSX decoding from crafted files: every coding, runs across rows and regions, damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/graphics/bytes.h"
#include "tests/graphics/images/image_bytes.h"

namespace {

constexpr u8 RGB_BITS = 24, RGBA_BITS = 32;
const ByteVector RED = Rgb(200, 10, 10), BLUE = Rgb(10, 10, 200);
const ByteVector GLOBAL_PALETTE = {1, 1, 1, 2, 2, 2, 3, 3, 3};
constexpr char SIZE[] = "width or height 0 or past the size limits";
constexpr char PALETTE[] = "palette count outside 0 to 256", OPCODE[] = "unknown region opcode";
constexpr char RUN[] = "run past the region's last pixel", SPLIT[] = "split of a single pixel";

// A header and global palette; entries defaults to what the palette bytes hold.
Bytes DsxFile(u16 width, u16 height, u8 bits, const ByteVector& palette = {}, int entries = -1) {
    if (entries < 0) entries = int(palette.size()) / (bits == RGBA_BITS ? 4 : 3);
    Bytes file;
    file.Raw({'d', 's', 'x', 0}).F32(1.0f).U16(width).U16(height).U8(bits).U8(0);
    return file.U16(u16(entries)).Raw(palette);
}

Bytes SolidRgb(u16 width, u16 height, const ByteVector& colour) {
    return DsxFile(width, height, RGB_BITS).U8(1).Raw(colour);
}

const auto Grey = [](u8 g) { return Rgb(g, g, g); };
const auto Accepts = [](const ByteVector& bytes) { return Decoded(DecodeDSX, bytes).Ok(); };
const auto Times = [](size_t n, const ByteVector& c) { return std::vector<ByteVector>(n, c); };

TEST(DsxDecode, SolidRawGreyAndPaletteCodings) {
    ExpectPicture("solid RGB", DecodeDSX, SolidRgb(4, 3, RED), 4, 3, Times(12, RED));
    ExpectPicture("solid RGBA", DecodeDSX, DsxFile(2, 2, RGBA_BITS).U8(1).Raw({1, 2, 3, 4}), 2, 2,
                  Times(4, Rgba(1, 2, 3, 4)));
    ByteVector reversed = SolidRgb(1, 1, RED);
    std::swap(reversed[0], reversed[2]);
    ExpectPicture("reversed magic", DecodeDSX, reversed, 1, 1, {RED});
    ExpectPicture("raw", DecodeDSX, DsxFile(2, 1, RGBA_BITS).U8(2).Raw({1, 2, 3, 4, 5, 6, 7, 8}), 2,
                  1, {Rgba(1, 2, 3, 4), Rgba(5, 6, 7, 8)});
    // Grey pixels of an RGBA picture take the grey value as alpha too.
    ExpectPicture("grey RGBA", DecodeDSX, DsxFile(2, 1, RGBA_BITS).U8(3).Raw({7, 200}), 2, 1,
                  {Rgba(7, 7, 7, 7), Rgba(200, 200, 200, 200)});
    ExpectPicture("grey RGB", DecodeDSX, DsxFile(2, 1, RGB_BITS).U8(3).Raw({7, 200}), 2, 1,
                  {Grey(7), Grey(200)});
    // 3 x 3, two grey entries: nine 1-bit indexes running on across rows.
    const std::vector<u32> indexes = {1, 0, 0, 1, 1, 0, 0, 0, 1};
    std::vector<ByteVector> greys;
    for (u32 i : indexes) greys.push_back(i ? Rgba(250, 250, 250, 250) : Rgba(30, 30, 30, 30));
    ExpectPicture("grey palette", DecodeDSX,
                  DsxFile(3, 3, RGBA_BITS).Raw({4, 1, 30, 250}).Raw(PackIndexes(indexes, 1)), 3, 3,
                  greys);
    ExpectPicture("global indexes", DecodeDSX,
                  DsxFile(2, 2, RGB_BITS, GLOBAL_PALETTE).U8(7).Raw({2, 0, 1, 2}), 2, 2,
                  {Grey(3), Grey(1), Grey(2), Grey(3)});
    // Coding 8: a two-entry palette picked from the global one, then 1-bit indexes.
    ExpectPicture("global subset", DecodeDSX,
                  DsxFile(2, 2, RGB_BITS, GLOBAL_PALETTE).Raw({8, 1, 2, 0, 0b1001'0000}), 2, 2,
                  {Grey(1), Grey(3), Grey(3), Grey(1)});
}

// A 3 x 3 local palette region: the index width follows the entry count, indexes run on across
// rows, and the file holds exactly the bytes of that width (any prefix is refused).
TEST(DsxDecode, LocalPaletteIndexWidthFollowsTheEntryCount) {
    const struct {
        u32 entries, bits;
    } cases[] = {{2, 1}, {3, 2}, {4, 2}, {5, 4}, {16, 4}, {17, 8}, {256, 8}};
    auto entry = [](u32 i) { return Rgb(u8(i), u8(2 * i), u8(255 - i)); };
    for (const auto& c : cases) {
        Bytes file = DsxFile(3, 3, RGB_BITS).U8(5).U8(c.entries - 1);
        for (u32 i = 0; i < c.entries; i++) file.Raw(entry(i));
        std::vector<u32> indexes;
        std::vector<ByteVector> pixels;
        for (u32 i = 0; i < 9; i++) {
            indexes.push_back((i * 5 + 1) % c.entries);
            pixels.push_back(entry(indexes.back()));
        }
        file.Raw(PackIndexes(indexes, c.bits));
        std::string what = std::to_string(c.entries) + " entries";
        ExpectPicture(what.c_str(), DecodeDSX, file, 3, 3, pixels);
        EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, file), 0) << what;
    }
}

TEST(DsxRuns, ControlBytesLiteralsAndRunsRunOnAcrossRows) {
    // 16 x 8 = 128 pixels: 0xFE is a run of 1, 0xFF (its colour never drawn) nothing, 0x80 127.
    std::vector<ByteVector> pixels = Times(128, BLUE);
    pixels[0] = RED;
    ExpectPicture(
        "run lengths", DecodeDSX,
        DsxFile(16, 8, RGB_BITS).U8(9).U8(0xFE).Raw(RED).U8(0xFF).Raw(Grey(7)).U8(0x80).Raw(BLUE),
        16, 8, pixels);
    // 3 x 2: two literals, a run of three (crossing the row end), one literal.
    Bytes file = DsxFile(3, 2, RGB_BITS).U8(9);
    file.U8(2).Raw(RED).Raw(BLUE).U8(0xFC).Raw(Grey(5)).U8(1).Raw(Grey(6));
    ExpectPicture("across rows", DecodeDSX, file, 3, 2,
                  {RED, BLUE, Grey(5), Grey(5), Grey(5), Grey(6)});
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, file), 0);
    // 3 x 2: left 2 x 2 solid, right 1 x 2 a run of two moving down every pixel.
    ExpectPicture("one pixel wide", DecodeDSX,
                  DsxFile(3, 2, RGB_BITS).U8(0).U8(1).Raw(RED).U8(9).U8(0xFD).Raw(BLUE), 3, 2,
                  {RED, RED, BLUE, RED, RED, BLUE});
}

// 6 x 4 in four quarters of four codings (runs, local palette, per channel, subset runs): every
// prefix is refused.
TEST(DsxRejects, TruncatedStreamsAtEveryLength) {
    Bytes file = DsxFile(6, 4, RGB_BITS, {9, 9, 9, 8, 8, 8}).U8(0).U8(0);
    file.U8(9).U8(0xFB).Raw(RED).U8(2).Raw(BLUE).Raw(Rgb(1, 2, 3));
    file.U8(5).U8(1).Raw(RED).Raw(BLUE).Raw(PackIndexes({0, 1, 0, 1, 0, 1}, 1)).U8(0);
    file.U8(6).U8(0).U8(50).U8(1).Raw({60, 70}).U8(0x54).U8(0).U8(90);
    file.U8(12).U8(1).Raw({1, 0}).U8(6).Raw(PackIndexes({0, 0, 0, 1, 1, 1}, 1));
    ASSERT_TRUE(Accepts(file));
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, file), 0);
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, SolidRgb(3, 3, RED)), 0);
}

TEST(DsxRejects, WrongMagicOrVersion) {
    ByteVector good = SolidRgb(2, 2, RED);
    for (size_t at : {0, 1, 2}) {
        ByteVector bad = good;
        bad[at] ^= 0x20;
        EXPECT_EQ(Refusal(DecodeDSX, bad), "not a DSX file") << "magic byte " << at;
    }
    std::swap(good[0], good[1]); // "sdx"
    EXPECT_FALSE(Accepts(good));
    for (f32 version : {0.0f, 1.0001f, 2.0f, -1.0f}) {
        ByteVector bad = SolidRgb(2, 2, RED);
        memcpy(bad.data() + 4, &version, sizeof version);
        EXPECT_EQ(Refusal(DecodeDSX, bad), "unknown DSX version") << version;
    }
}

TEST(DsxRejects, HeaderLimitsUnknownOpcodesAndPacketsPastTheirRegion) {
    std::vector<BadFile> cases = {
        {"zero width", SolidRgb(0, 5, RED), SIZE},
        {"zero height", SolidRgb(5, 0, RED), SIZE},
        {"wider than the limit", SolidRgb(16385, 1, RED), SIZE},
        {"beyond the total pixel cap", SolidRgb(16384, 16384, RED), SIZE},
        {"257 entries", DsxFile(1, 1, RGB_BITS, ByteVector(257 * 3, 1)).U8(7).U8(0), PALETTE},
        {"negative entries", DsxFile(1, 1, RGB_BITS, {}, 0xFFFF).U8(1).Raw(RED), PALETTE},
        {"opcode 13", DsxFile(1, 1, RGB_BITS).U8(13).Raw(RED), OPCODE},
        {"opcode 14 in a split", DsxFile(2, 1, RGB_BITS).U8(0).U8(1).Raw(RED).U8(14), OPCODE},
        // 2 x 2 regions: a run of 5, literals of 5, a run of 3 after 2 literals.
        {"run of 5", DsxFile(2, 2, RGB_BITS).U8(9).U8(0xFA).Raw(RED), RUN},
        {"5 literals", DsxFile(2, 2, RGB_BITS).U8(9).U8(5).Raw(ByteVector(15, 1)),
         "literals past the region's last pixel"},
        {"run of 3 after 2", DsxFile(2, 2, RGB_BITS).U8(10).U8(0).Raw(RED).Raw({2, 0, 0xFC, 0}),
         RUN},
        // The left half's runs must not spill into the right half.
        {"run into the next region",
         DsxFile(4, 1, RGB_BITS).U8(0).U8(9).U8(0xFC).Raw(RED).U8(1).Raw(BLUE), RUN},
        {"split pixel", DsxFile(1, 1, RGB_BITS).Fill(1000, 0).U8(1).Raw(RED).U8(1).Raw(RED), SPLIT},
        {"split split pixel", DsxFile(2, 1, RGB_BITS).Raw({0, 0, 1}).Raw(RED).U8(1).Raw(RED),
         SPLIT},
    };
    for (u8 bits : {0, 8, 16, 31, 33, 48})
        cases.push_back({"bits " + std::to_string(bits),
                         DsxFile(2, 2, bits).U8(1).Raw({1, 2, 3, 4}), "bit count not 24 or 32"});
    for (const auto& [what, file, reason] : cases)
        EXPECT_EQ(Refusal(DecodeDSX, file), reason) << what;
    EXPECT_TRUE(Accepts(DsxFile(1, 1, RGB_BITS, ByteVector(256 * 3, 1)).U8(7).U8(255)));
    EXPECT_TRUE(Accepts(DsxFile(2, 2, RGB_BITS).U8(9).U8(0xFB).Raw(RED))); // a run of 4 fits
}

// Complete 2-pixel files where only the index decides: the index byte (shifted into the top
// bits of a packed byte) between the given bytes.
TEST(DsxRejects, IndexesPastTheirPalette) {
    const struct {
        const char* name;
        bool global; // over the three-entry global palette
        ByteVector before;
        u8 shift;
        ByteVector after;
        u8 last;
    } cases[] = {
        {"local, three entries", false, {5, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 4, {}, 2},
        {"global indexes", true, {7, 0}, 0, {}, 2},
        {"global subset", true, {8, 0}, 0, {0}, 2},
        {"global runs", true, {11, 0xFD}, 0, {}, 2},
        {"global subset runs", true, {12, 0}, 0, {0xFD, 0}, 2},
        {"local runs, one entry", false, {10, 0, 200, 10, 10, 0xFD}, 0, {}, 0},
        {"per channel, three red values", false, {6, 2, 1, 2, 3}, 4, {0, 1, 0, 1}, 2},
    };
    for (const auto& c : cases) {
        for (u32 index : {u32(c.last), c.last + 1u}) {
            Bytes file = DsxFile(2, 1, RGB_BITS, c.global ? GLOBAL_PALETTE : ByteVector{});
            file.Raw(c.before).U8(index << c.shift).Raw(c.after);
            EXPECT_EQ(Accepts(file), index == c.last) << c.name << " index " << index;
        }
    }
    EXPECT_FALSE(Accepts(DsxFile(1, 1, RGB_BITS).U8(7).U8(0))); // into an empty global palette
}

} // namespace
