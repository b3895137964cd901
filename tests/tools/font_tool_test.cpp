// Font rendering and DSF writing, read back with the engine's pure DSF parser.
#include <gtest/gtest.h>
#include <tuple>

#include "graphics/dsf.h"
#include "tools/assettool/atomic_file.h"
#include "tools/assettool/dsf_writer.h"
#include "tools/assettool/font_render.h"

namespace {

const char DEJAVU[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::vector<u8> LoadTtf() {
    std::vector<u8> data;
    std::string error;
    EXPECT_TRUE(ReadFileBytes(DEJAVU, &data, &error)) << error;
    return data;
}

struct Built {
    RenderedFont font;
    std::vector<u8> dsf;
    DsfInfo info;
    std::vector<Glyph> glyphs;
};

Built Build(u32 size) {
    Built b;
    std::string error;
    EXPECT_TRUE(RenderFont(LoadTtf(), size, FontCharacterSet(), &b.font, &error)) << error;
    EXPECT_TRUE(WriteDSF(b.font, &b.dsf, &error)) << error;
    EXPECT_TRUE(ParseDSF(b.dsf.data(), b.dsf.size(), &b.info));
    b.glyphs.resize(b.info.glyphCount);
    ReadDSFGlyphs(b.dsf.data(), b.info, b.glyphs.data());
    return b;
}

const RenderedGlyph* FindRendered(const RenderedFont& font, i32 cp) {
    for (const RenderedGlyph& g : font.glyphs)
        if (g.codePoint == cp) return &g;
    return nullptr;
}

} // namespace

// Every glyph cell lies on its page exactly as FreeType rendered it.
TEST(FontTool, WrittenFontParsesWithAsciiTableAndCellsAsRendered) {
    for (u32 size : {12u, 19u, 24u, 48u}) {
        SCOPED_TRACE(size);
        Built b = Build(size);
        EXPECT_EQ(std::tuple(b.info.lineHeight, b.info.scale, b.info.asciiDirect),
                  std::tuple(i16(size), 1.0f, 1));
        ASSERT_EQ(b.info.glyphCount, b.font.glyphs.size());
        for (u32 i = 0; i < DSF_ASCII_COUNT; ++i) EXPECT_EQ(b.glyphs[i].codePoint, i32(32 + i));
        for (u32 i = 1; i < b.info.glyphCount; ++i)
            EXPECT_LT(b.glyphs[i - 1].codePoint, b.glyphs[i].codePoint);
        for (u32 p = 0; p < b.info.pageCount; ++p) {
            const DsfPageInfo& page = b.info.pages[p];
            EXPECT_LE(std::max(page.imageWidth, page.imageHeight), DSF_PAGE_MAX_SIDE);
            EXPECT_FALSE(page.extraRow);
        }
        for (const Glyph& g : b.glyphs) {
            const RenderedGlyph* r = FindRendered(b.font, g.codePoint);
            ASSERT_NE(r, nullptr);
            EXPECT_EQ(g.advance, r->advance) << g.codePoint;
            ASSERT_EQ(u32(g.width), r->width);
            const DsfPageInfo& page = b.info.pages[g.page];
            ASSERT_LE(g.x + g.width, page.imageWidth);
            ASSERT_LE(g.y + b.info.lineHeight, page.imageHeight);
            std::vector<u8> stored;
            for (u32 row = 0; row < u32(b.info.lineHeight); ++row) {
                const u8* at = &b.dsf[page.rowsOffset + size_t(g.y + row) * page.imageWidth + g.x];
                stored.insert(stored.end(), at, at + r->width);
            }
            ASSERT_EQ(stored, r->alpha) << g.codePoint;
        }
    }
}

// Garbage is refused by the command-line test; a cut font file must fail too.
TEST(FontTool, TruncatedFontFails) {
    RenderedFont font;
    std::string error;
    std::vector<u8> ttf = LoadTtf();
    ttf.resize(ttf.size() / 50);
    EXPECT_FALSE(RenderFont(ttf, 12, FontCharacterSet(), &font, &error));
    EXPECT_FALSE(error.empty());
}
