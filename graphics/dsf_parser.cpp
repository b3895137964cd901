// Reads DSF font files from memory: one bounded reader, one failure path, explicit limits.
#include "graphics/dsf.h"

#include <cmath>
#include <cstring>

namespace {

constexpr char DSF_MAGIC[] = "dsf";
constexpr size_t DSF_MAGIC_SIZE = 3;
constexpr size_t OFFSET_VERSION = 4;
constexpr size_t OFFSET_PAGE_COUNT = 8;
constexpr size_t OFFSET_GLYPH_COUNT = 12;
constexpr size_t OFFSET_LINE_HEIGHT = 16;
constexpr size_t OFFSET_SCALE = 20;
constexpr size_t OFFSET_ASCII_DIRECT = 24;

constexpr size_t GLYPH_CODE_POINT = 0;
constexpr size_t GLYPH_PAGE = 4;
constexpr size_t GLYPH_X = 6;
constexpr size_t GLYPH_Y = 8;
constexpr size_t GLYPH_ADVANCE = 10;
constexpr size_t GLYPH_WIDTH = 12;

constexpr u8 ALPHA_LUMINANCE = 255;
constexpr size_t TEXEL_BYTES = 2; // luminance, alpha

u16 Read16(const u8* p) {
    return u16(p[0] | p[1] << 8);
}
u32 Read32(const u8* p) {
    return u32(p[0]) | u32(p[1]) << 8 | u32(p[2]) << 16 | u32(p[3]) << 24;
}
f32 ReadFloat(const u8* p) {
    u32 bits = Read32(p);
    f32 value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

// Smallest power of two not below n; 1 for sizes below 2.
u32 Pow2AtLeast(u32 n) {
    u32 p = 1;
    while (p < n) p <<= 1;
    return p;
}

// Why the last ParseDSF on this thread failed; only Fail sets it.
struct DsfFailureRecord {
    const char* reason = "no failure";
};
thread_local DsfFailureRecord g_dsfFailure;

bool Fail(const char* reason) {
    g_dsfFailure.reason = reason;
    return false;
}

// A cursor over the span that never moves past its end.
struct Reader {
    const u8* data;
    size_t size;
    size_t pos;
    bool Has(size_t bytes) const { return bytes <= size - pos; }
    const u8* Take(size_t bytes) {
        if (!Has(bytes)) return nullptr;
        const u8* p = data + pos;
        pos += bytes;
        return p;
    }
};

bool ParseHeader(Reader& in, DsfInfo* out) {
    const u8* h = in.Take(DSF_HEADER_SIZE);
    if (!h) return Fail("file ends inside the header");
    if (memcmp(h, DSF_MAGIC, DSF_MAGIC_SIZE) != 0) return Fail("not a DSF file");
    f32 version = ReadFloat(h + OFFSET_VERSION);
    if (!(version <= DSF_MAX_VERSION)) return Fail("version above 0.9"); // also refuses NaN
    out->pageCount = h[OFFSET_PAGE_COUNT];
    out->glyphCount = Read32(h + OFFSET_GLYPH_COUNT);
    out->lineHeight = i16(Read16(h + OFFSET_LINE_HEIGHT));
    out->scale = ReadFloat(h + OFFSET_SCALE);
    out->asciiDirect = h[OFFSET_ASCII_DIRECT];
    if (out->lineHeight <= 0) return Fail("line height 0 or negative");
    if (!std::isfinite(out->scale) || out->scale <= 0 || out->scale > DSF_MAX_SCALE)
        return Fail("scale not above 0 and at most 64");
    return out->glyphCount <= DSF_MAX_GLYPHS || Fail("more than 65536 glyphs");
}

Glyph DecodeGlyph(const u8* e) {
    Glyph g{};
    g.codePoint = i32(Read32(e + GLYPH_CODE_POINT));
    g.page = e[GLYPH_PAGE];
    g.x = i16(Read16(e + GLYPH_X));
    g.y = i16(Read16(e + GLYPH_Y));
    g.advance = i16(Read16(e + GLYPH_ADVANCE));
    g.width = i16(Read16(e + GLYPH_WIDTH));
    return g;
}

// Every glyph must name an existing page and have a real width. The ASCII-direct promise is
// only kept when the table really starts with 32..127; otherwise lookups fall back to search.
bool CheckGlyphs(const u8* table, DsfInfo* out) {
    bool asciiHolds = out->glyphCount >= DSF_ASCII_COUNT;
    for (u32 i = 0; i < out->glyphCount; i++) {
        Glyph g = DecodeGlyph(table + size_t(i) * DSF_GLYPH_SIZE);
        if (g.page >= out->pageCount) return Fail("glyph on a page past the page count");
        if (g.width < 0) return Fail("negative glyph width");
        if (i < DSF_ASCII_COUNT && g.codePoint != DSF_ASCII_FIRST + i32(i)) asciiHolds = false;
    }
    if (!asciiHolds) out->asciiDirect = 0;
    return true;
}

bool ParsePage(Reader& in, DsfPageInfo* page) {
    const u8* h = in.Take(DSF_PAGE_HEADER_SIZE);
    if (!h) return Fail("file ends inside a page header");
    i16 w = i16(Read16(h)), ht = i16(Read16(h + 2));
    if (w < 0 || ht < 0) return Fail("negative page width or height");
    u32 texW = Pow2AtLeast(u32(w)), texH = Pow2AtLeast(u32(ht));
    if (u64(texW) * texH > DSF_MAX_PAGE_TEXELS) return Fail("page over 65536 texels");
    page->imageWidth = u16(w);
    page->imageHeight = u16(ht);
    page->textureWidth = u16(texW);
    page->textureHeight = u16(texH);
    page->extraRow = texH != u32(ht);
    page->rowsOffset = in.pos;
    size_t bytes = size_t(w) * size_t(ht) + (page->extraRow ? texW : 0);
    return in.Take(bytes) != nullptr || Fail("file ends inside a page");
}

} // namespace

bool ParseDSF(const u8* data, size_t size, DsfInfo* out) {
    if (!data || !out) return Fail("no data");
    if (size > DSF_MAX_FILE_SIZE) return Fail("file larger than 32 MiB");
    Reader in{data, size, 0};
    if (!ParseHeader(in, out)) return false;
    const u8* table = in.Take(size_t(out->glyphCount) * DSF_GLYPH_SIZE);
    if (!table) return Fail("file ends inside the glyph table");
    if (!CheckGlyphs(table, out)) return false;
    for (u32 p = 0; p < out->pageCount; p++)
        if (!ParsePage(in, &out->pages[p])) return false;
    return true;
}

const char* DsfFailureReason() {
    return g_dsfFailure.reason;
}

void ReadDSFGlyphs(const u8* data, const DsfInfo& info, Glyph* out) {
    const u8* table = data + DSF_HEADER_SIZE;
    for (u32 i = 0; i < info.glyphCount; i++)
        out[i] = DecodeGlyph(table + size_t(i) * DSF_GLYPH_SIZE);
}

void ExpandDSFPage(const u8* data, const DsfPageInfo& page, u8* texels) {
    size_t texW = page.textureWidth, texH = page.textureHeight;
    for (size_t i = 0; i < texW * texH; i++) {
        texels[i * TEXEL_BYTES] = ALPHA_LUMINANCE;
        texels[i * TEXEL_BYTES + 1] = 0;
    }
    const u8* src = data + page.rowsOffset;
    size_t rows = page.imageHeight + (page.extraRow ? 1 : 0);
    for (size_t y = 0; y < rows; y++) {
        // The extra row is stored at the full texture width.
        size_t rowBytes = y < page.imageHeight ? page.imageWidth : texW;
        u8* dst = texels + y * texW * TEXEL_BYTES;
        for (size_t x = 0; x < rowBytes; x++) dst[x * TEXEL_BYTES + 1] = src[x];
        src += rowBytes;
    }
}
