// DSF files for tests, written little-endian field by field.
#include "tests/graphics/text/dsf_builder.h"

#include <cstring>

namespace {
constexpr i32 ASCII_FIRST = 32, ASCII_END = 128;
constexpr i16 BLOCK_WIDTH = 8, PAGE_WIDTH = 128, PAGE_HEIGHT = 16;
constexpr u8 OPAQUE = 255;

int Pow2(int n) {
    int p = 1;
    while (p < n) p <<= 1;
    return p;
}

void PutPage(Bytes& out, const TestPage& page) {
    out.U16(u16(page.width)).U16(u16(page.height));
    if (page.width < 0 || page.height < 0) return;
    std::vector<u8> rows(page.alpha), extra(page.extraRow);
    rows.resize(size_t(page.width) * size_t(page.height), 0);
    out.Raw(rows);
    extra.resize(size_t(Pow2(page.width)), 0);
    if (Pow2(page.height) != page.height) out.Raw(extra);
}
} // namespace

std::vector<u8> BuildDSF(const TestFont& font) {
    Bytes out;
    const std::string magic = font.magic.substr(0, 3);
    out.Raw(ByteVector(magic.begin(), magic.end())).Fill(4 - magic.size(), 0).F32(font.version);
    out.U8(u32(font.pageCountOverride >= 0 ? font.pageCountOverride : int(font.pages.size())));
    out.Fill(3, 0).U32(
        u32(font.glyphCountOverride >= 0 ? font.glyphCountOverride : i64(font.glyphs.size())));
    out.U16(u16(font.lineHeight)).Fill(2, 0).F32(font.scale).U8(font.asciiDirect).Fill(3, 0);
    for (const TestGlyph& g : font.glyphs) {
        out.U32(u32(g.codePoint)).U8(g.page).U8(0).U16(u16(g.x)).U16(u16(g.y));
        out.U16(u16(g.advance)).U16(u16(g.width)).U16(0);
    }
    for (const TestPage& page : font.pages) PutPage(out, page);
    return out.Data();
}

TestFont AsciiTestFont(std::vector<i32> extraCodePoints) {
    TestFont font;
    font.asciiDirect = 1;
    for (i32 c = ASCII_FIRST; c < ASCII_END; c++) font.glyphs.push_back({c});
    font.glyphs[0].width = 0; // the space shows nothing
    for (i32 c : extraCodePoints) font.glyphs.push_back({c});
    TestPage page{PAGE_WIDTH, PAGE_HEIGHT, std::vector<u8>(PAGE_WIDTH * PAGE_HEIGHT), {}};
    for (int y = 0; y < PAGE_HEIGHT; y++) memset(&page.alpha[y * PAGE_WIDTH], OPAQUE, BLOCK_WIDTH);
    font.pages.push_back(page);
    return font;
}
