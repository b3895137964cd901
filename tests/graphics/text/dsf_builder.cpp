// DSF files for tests, written little-endian field by field.
#include "tests/graphics/text/dsf_builder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
constexpr i32 ASCII_FIRST = 32, ASCII_END = 128;
constexpr i16 BLOCK_WIDTH = 8;
constexpr u8 OPAQUE = 255;

void Put(std::vector<u8>& out, const void* p, size_t n) {
    const u8* b = static_cast<const u8*>(p);
    out.insert(out.end(), b, b + n);
}
template <typename T> void PutValue(std::vector<u8>& out, T value) {
    Put(out, &value, sizeof value);
}
void PutZeros(std::vector<u8>& out, size_t n) {
    out.insert(out.end(), n, 0);
}

int Pow2(int n) {
    int p = 1;
    while (p < n) p <<= 1;
    return p;
}

void PutPage(std::vector<u8>& out, const TestPage& page) {
    PutValue(out, page.width);
    PutValue(out, page.height);
    if (page.width < 0 || page.height < 0) return;
    std::vector<u8> rows(page.alpha);
    rows.resize(size_t(page.width) * size_t(page.height), 0);
    Put(out, rows.data(), rows.size());
    if (Pow2(page.height) != page.height) {
        std::vector<u8> extra(page.extraRow);
        extra.resize(size_t(Pow2(page.width)), 0);
        Put(out, extra.data(), extra.size());
    }
}
} // namespace

std::vector<u8> BuildDSF(const TestFont& font) {
    std::vector<u8> out;
    Put(out, font.magic.data(), std::min<size_t>(font.magic.size(), 3));
    PutZeros(out, 4 - out.size());
    PutValue(out, font.version);
    PutValue(out, u8(font.pageCountOverride >= 0 ? font.pageCountOverride : font.pages.size()));
    PutZeros(out, 3);
    PutValue(out, u32(font.glyphCountOverride >= 0 ? font.glyphCountOverride : font.glyphs.size()));
    PutValue(out, font.lineHeight);
    PutZeros(out, 2);
    PutValue(out, font.scale);
    PutValue(out, font.asciiDirect);
    PutZeros(out, 3);
    for (const TestGlyph& g : font.glyphs) {
        PutValue(out, g.codePoint);
        PutValue(out, g.page);
        PutZeros(out, 1);
        PutValue(out, g.x);
        PutValue(out, g.y);
        PutValue(out, g.advance);
        PutValue(out, g.width);
        PutZeros(out, 2);
    }
    for (const TestPage& page : font.pages) PutPage(out, page);
    return out;
}

TestFont AsciiTestFont(std::vector<i32> extraCodePoints) {
    TestFont font;
    font.asciiDirect = 1;
    for (i32 c = ASCII_FIRST; c < ASCII_END; c++) font.glyphs.push_back({c});
    font.glyphs[0].width = 0; // the space shows nothing
    for (i32 c : extraCodePoints) font.glyphs.push_back({c});
    TestPage page;
    page.width = 128;
    page.height = 16;
    page.alpha.assign(size_t(page.width) * page.height, 0);
    for (int y = 0; y < page.height; y++)
        memset(&page.alpha[size_t(y) * page.width], OPAQUE, BLOCK_WIDTH);
    font.pages.push_back(page);
    return font;
}

bool WriteBytes(const std::string& path, const std::vector<u8>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}
