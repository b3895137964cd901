// DSX decoding from crafted files: every coding, runs across rows and regions, damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/graphics/image_files.h"

namespace {

constexpr u8 RGB_BITS = 24, RGBA_BITS = 32;
const ByteVector RED = {200, 10, 10}, BLUE = {10, 10, 200};
constexpr TestPixel RED_PIXEL{200, 10, 10}, BLUE_PIXEL{10, 10, 200};
const ByteVector GLOBAL_PALETTE = {1, 1, 1, 2, 2, 2, 3, 3, 3};
constexpr char SIZE[] = "width or height 0 or past the size limits";
constexpr char PALETTE[] = "palette count outside 0 to 256", OPCODE[] = "unknown region opcode";
constexpr char RUN[] = "run past the region's last pixel", SPLIT[] = "split of a single pixel";

Bytes SolidRgb(u16 width, u16 height, const ByteVector& colour) {
    return DsxFile(width, height, RGB_BITS).U8(1).Raw(colour);
}

const auto Grey = [](u8 g) { return TestPixel{g, g, g}; };
const auto Accepts = [](const ByteVector& bytes) { return Decoded(DecodeDSX, bytes).Ok(); };

TEST(DsxDecode, SolidRawGreyPaletteAndRunCodings) {
    ExpectPicture("solid RGB", DecodeDSX, SolidRgb(4, 3, RED), SolidImage(4, 3, RED_PIXEL));
    ByteVector reversed = SolidRgb(1, 1, RED);
    std::swap(reversed[0], reversed[2]);
    ExpectPicture("reversed magic", DecodeDSX, reversed, SolidImage(1, 1, RED_PIXEL));
    ExpectPicture("raw", DecodeDSX, DsxFile(2, 1, RGBA_BITS).U8(2).Raw({1, 2, 3, 4, 5, 6, 7, 8}),
                  {2, 1, true, {{1, 2, 3, 4}, {5, 6, 7, 8}}});
    // Grey pixels of an RGBA picture take the grey value as alpha too.
    ExpectPicture("grey RGBA", DecodeDSX, DsxFile(2, 1, RGBA_BITS).U8(3).Raw({7, 200}),
                  {2, 1, true, {{7, 7, 7, 7}, {200, 200, 200, 200}}});
    // Two grey entries, 1-bit indexes.
    ExpectPicture("grey palette", DecodeDSX, DsxFile(2, 1, RGBA_BITS).Raw({4, 1, 30, 250, 0x40}),
                  {2, 1, true, {{30, 30, 30, 30}, {250, 250, 250, 250}}});
    ExpectPicture("global indexes", DecodeDSX,
                  DsxFile(2, 2, RGB_BITS, GLOBAL_PALETTE).U8(7).Raw({2, 0, 1, 2}),
                  {2, 2, false, {Grey(3), Grey(1), Grey(2), Grey(3)}});
    // Coding 8: a two-entry palette picked from the global one, then 1-bit indexes.
    ExpectPicture("global subset", DecodeDSX,
                  DsxFile(2, 2, RGB_BITS, GLOBAL_PALETTE).Raw({8, 1, 2, 0, 0b1001'0000}),
                  {2, 2, false, {Grey(1), Grey(3), Grey(3), Grey(1)}});
    // 16 x 8 = 128 pixels: 0xFE is a run of 1, 0xFF (its colour never drawn) nothing, 0x80 127.
    TestImage want = SolidImage(16, 8, BLUE_PIXEL);
    want.pixels[0] = RED_PIXEL;
    ExpectPicture(
        "run lengths", DecodeDSX,
        DsxFile(16, 8, RGB_BITS).U8(9).U8(0xFE).Raw(RED).U8(0xFF).Raw({7, 7, 7}).U8(0x80).Raw(BLUE),
        want);
}

// 6 x 4 in four quarters of four codings (runs, local palette, per channel, subset runs): every
// prefix is refused.
TEST(DsxRejects, TruncatedStreamsAtEveryLength) {
    Bytes file = DsxFile(6, 4, RGB_BITS, {9, 9, 9, 8, 8, 8}).U8(0).U8(0);
    file.U8(9).U8(0xFB).Raw(RED).U8(2).Raw(BLUE).Raw({1, 2, 3});
    file.U8(5).U8(1).Raw(RED).Raw(BLUE).U8(0b0101'0100).U8(0);
    file.U8(6).U8(0).U8(50).U8(1).Raw({60, 70}).U8(0x54).U8(0).U8(90);
    file.U8(12).U8(1).Raw({1, 0}).U8(6).U8(0b0001'1100);
    ASSERT_TRUE(Accepts(file));
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, file), 0);
    EXPECT_EQ(CountAcceptedPrefixes(DecodeDSX, SolidRgb(3, 3, RED)), 0);
}

TEST(DsxRejects, BadHeadersUnknownOpcodesAndPacketsPastTheirRegion) {
    std::vector<BadFile> cases = {
        {"zero width", SolidRgb(0, 5, RED), SIZE},
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
    };
    for (u8 bits : {0, 16, 33})
        cases.push_back({"bits " + std::to_string(bits),
                         DsxFile(2, 2, bits).U8(1).Raw({1, 2, 3, 4}), "bit count not 24 or 32"});
    for (size_t at : {0, 1, 2}) {
        ByteVector bad = SolidRgb(2, 2, RED);
        bad[at] ^= 0x20;
        cases.push_back({"magic byte " + std::to_string(at), bad, "not a DSX file"});
    }
    for (f32 version : {0.0f, 1.0001f}) {
        ByteVector bad = SolidRgb(2, 2, RED);
        memcpy(bad.data() + 4, &version, sizeof version);
        cases.push_back({"version " + std::to_string(version), bad, "unknown DSX version"});
    }
    ExpectRefusals(DecodeDSX, cases);
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
