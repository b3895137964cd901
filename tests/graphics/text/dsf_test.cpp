// DSF parsing and font loading without a window: header fields, page widening, damaged files.
#include <gtest/gtest.h>
#include <array>
#include <cmath>
#include <tuple>

#include "engine/engine.h"
#include "graphics/dsf.h"
#include "graphics/font.h"
#include "tests/graphics/text/font_fixture.h"

namespace {

bool Parses(const std::vector<u8>& bytes, DsfInfo* info = nullptr) {
    DsfInfo local;
    return ParseDSF(bytes.data(), bytes.size(), info ? info : &local);
}

TestFont OnePageFont(i16 width, i16 height) {
    TestFont font;
    font.glyphs = {{'A'}};
    font.pages = {{width, height, {}, {}}};
    return font;
}

} // namespace

TEST(DsfParse, PageIsWidenedToPowersOfTwoWithOneExtraRow) {
    TestFont font = OnePageFont(100, 20);
    TestPage& page = font.pages[0];
    page.alpha.assign(100 * 20, 0);
    page.alpha[0] = 11;             // row 0, column 0
    page.alpha[19 * 100 + 99] = 22; // last stored pixel
    page.extraRow.assign(128, 0);
    page.extraRow[127] = 33; // the extra row is a full texture row
    std::vector<u8> bytes = BuildDSF(font);
    DsfInfo info;
    ASSERT_TRUE(Parses(bytes, &info));
    const DsfPageInfo& p = info.pages[0];
    EXPECT_EQ(std::tie(p.textureWidth, p.textureHeight, p.extraRow),
              std::make_tuple(128, 32, true));

    std::vector<u8> texels(128 * 32 * 2, 0x5A);
    ExpandDSFPage(bytes.data(), p, texels.data());
    auto alpha = [&](int x, int y) { return texels[(size_t(y) * 128 + x) * 2 + 1]; };
    EXPECT_EQ(texels[0], 255); // luminance
    // The last stored pixel, a widened column, the extra row and a widened row.
    EXPECT_EQ(
        (std::array{alpha(0, 0), alpha(99, 19), alpha(100, 19), alpha(127, 20), alpha(5, 31)}),
        (std::array<u8, 5>{11, 22, 0, 33, 0}));
    bytes.pop_back(); // one byte of the extra row missing
    EXPECT_FALSE(Parses(bytes));
}

TEST(DsfParse, DamagedFilesAreRefused) {
    using Damage = void (*)(TestFont&);
    const std::pair<const char*, Damage> cases[] = {
        {"version above 0.9", [](TestFont& f) { f.version = 1.0f; }},
        {"version above 0.9", [](TestFont& f) { f.version = std::nanf(""); }},
        {"not a DSF file", [](TestFont& f) { f.magic = "dsx"; }},
        {"page over 65536 texels",
         [](TestFont& f) { f.pages[0].width = 257, f.pages[0].height = 256; }},
        {"negative page width or height", [](TestFont& f) { f.pages[0].width = -4; }},
        {"glyph on a page past the page count", [](TestFont& f) { f.glyphs[40].page = 1; }},
        {"negative glyph width", [](TestFont& f) { f.glyphs[3].width = -1; }},
        {"line height 0 or negative", [](TestFont& f) { f.lineHeight = 0; }},
        {"scale not above 0 and at most 64", [](TestFont& f) { f.scale = 0; }},
        {"scale not above 0 and at most 64", [](TestFont& f) { f.scale = INFINITY; }},
        {"file ends inside the glyph table", [](TestFont& f) { f.glyphCountOverride = 1000; }},
        {"more than 65536 glyphs", [](TestFont& f) { f.glyphCountOverride = 0xFFFFFFF0; }},
        {"more than 65536 glyphs", [](TestFont& f) { f.glyphCountOverride = DSF_MAX_GLYPHS + 1; }},
        {"file ends inside a page header", [](TestFont& f) { f.pageCountOverride = 2; }},
    };
    for (int i = 0; const auto& [reason, damage] : cases) {
        TestFont font = AsciiTestFont();
        damage(font);
        EXPECT_FALSE(Parses(BuildDSF(font))) << "case " << i;
        EXPECT_STREQ(DsfFailureReason(), reason) << "case " << i++;
    }
}

TEST(DsfParse, EveryTruncationIsRefusedAndBoundaryFilesAccepted) {
    std::vector<u8> bytes = BuildDSF(AsciiTestFont({0xE9, 0x160}));
    ASSERT_TRUE(Parses(bytes));
    for (size_t size = 0; size < bytes.size(); size++)
        EXPECT_FALSE(Parses(std::vector<u8>(bytes.begin(), bytes.begin() + size))) << size;
    TestFont font = AsciiTestFont();
    font.version = 0.9f;
    EXPECT_TRUE(Parses(BuildDSF(font)));
    for (auto [w, h] : {std::pair<i16, i16>{256, 256}, {1024, 64}, {0, 0}}) // 0 x 0: the extra row
        EXPECT_TRUE(Parses(BuildDSF(OnePageFont(w, h)))) << w << "x" << h;
}

using FontLoadTest = FontFixture;

TEST_F(FontLoadTest, LoadedFontHoldsTheFileAndFreeingReleasesEverything) {
    u32 tracked = TrackedAllocCount();
    TestFont source = AsciiTestFont({0xE9});
    source.lineHeight = 23;
    source.scale = 0.5f;
    source.glyphs[96] = {0x1F600, 0, -3, 300, -7, 513}; // fields read little-endian and signed
    Font* fromFile = Load(source);
    ASSERT_NE(fromFile, nullptr);
    loaded.pop_back();                           // the test frees it
    EXPECT_EQ(TrackedAllocCount(), tracked + 3); // record, pages, glyph table
    EXPECT_EQ(std::tuple(fromFile->pageCount, fromFile->pages[0].width, fromFile->glyphCount,
                         fromFile->lineHeight, fromFile->scale, fromFile->asciiDirect),
              std::tuple(1, 128, 97u, 23, 0.5f, 1));
    const Glyph& g = fromFile->glyphs[96];
    EXPECT_EQ(std::vector<i32>({g.codePoint, g.x, g.y, g.advance, g.width}),
              std::vector<i32>({0x1F600, -3, 300, -7, 513}));
    SetFont(fromFile);
    FreeFont(fromFile);
    EXPECT_EQ(GetFont(), nullptr); // no dangling current font
    EXPECT_EQ(TrackedAllocCount(), tracked);
    FreeFont(nullptr);
}

TEST_F(FontLoadTest, RefusedFilesLeaveNothingAllocated) {
    u32 tracked = TrackedAllocCount();
    EXPECT_EQ(LoadFont(nullptr), nullptr);
    EXPECT_EQ(LoadFont(dir.File("missing.dsf").c_str()), nullptr);
    TestFont damaged = AsciiTestFont();
    damaged.glyphs[0].page = 7;
    EXPECT_EQ(Load(damaged), nullptr);
    EXPECT_TRUE(WriteBytes(dir.File("empty.dsf"), {}));
    EXPECT_EQ(LoadFont(dir.File("empty.dsf").c_str()), nullptr);
    EXPECT_EQ(LoadFont(dir.Path().c_str()), nullptr); // a folder, not a file
    EXPECT_EQ(TrackedAllocCount(), tracked);
}
