// DSF output: shelf packing of glyph cells onto pages, then header, glyph table and pages.
#include "tools/assettool/dsf_writer.h"

#include "engine/byte_writer.h"

namespace {

constexpr f32 DSF_WRITE_VERSION = 0.9f;
constexpr f32 DSF_MAX_SCALE_WRITTEN = 64.0f;
constexpr size_t DSF_HEADER_BYTES = 28;
constexpr i32 ASCII_FIRST = 32;
constexpr u32 ASCII_COUNT = 96;
// One empty texel between cells keeps linear filtering from bleeding into neighbours.
constexpr u32 CELL_GAP = 1;
constexpr u32 MAX_PAGES = 255;

struct Placement {
    u32 page, x, y;
};

struct PageSize {
    u32 usedWidth = 0, usedHeight = 0;
};

u32 PowerOfTwoAtLeast(u32 v) {
    u32 p = 1;
    while (p < v) p <<= 1;
    return p;
}

bool Pack(const RenderedFont& font, std::vector<Placement>* places, std::vector<PageSize>* pages,
          std::string* error) {
    u32 rowHeight = font.lineHeight + CELL_GAP;
    u32 x = 0, y = 0;
    pages->assign(1, PageSize());
    for (const RenderedGlyph& g : font.glyphs) {
        if (g.width > DSF_PAGE_MAX_SIDE) {
            *error = "glyph wider than a page";
            return false;
        }
        if (x + g.width > DSF_PAGE_MAX_SIDE) x = 0, y += rowHeight;
        if (y + font.lineHeight > DSF_PAGE_MAX_SIDE) {
            if (pages->size() == MAX_PAGES) {
                *error = "more glyphs than 255 pages hold";
                return false;
            }
            pages->push_back(PageSize());
            x = 0, y = 0;
        }
        PageSize& page = pages->back();
        places->push_back({u32(pages->size() - 1), x, y});
        page.usedWidth = std::max(page.usedWidth, x + g.width);
        page.usedHeight = std::max(page.usedHeight, y + font.lineHeight);
        x += g.width + CELL_GAP;
    }
    return true;
}

bool HasAsciiTable(const RenderedFont& font) {
    if (font.glyphs.size() < ASCII_COUNT) return false;
    for (u32 i = 0; i < ASCII_COUNT; ++i)
        if (font.glyphs[i].codePoint != ASCII_FIRST + i32(i)) return false;
    return true;
}

// Pages are stored power-of-two sized, so no extra texture row ever follows.
void WritePage(const RenderedFont& font, const std::vector<Placement>& places, u32 pageIndex,
               const PageSize& size, std::vector<u8>* out) {
    u32 w = PowerOfTwoAtLeast(std::max(size.usedWidth, 1u));
    u32 h = PowerOfTwoAtLeast(std::max(size.usedHeight, 1u));
    std::vector<u8> texels(size_t(w) * h, 0);
    for (size_t i = 0; i < font.glyphs.size(); ++i) {
        if (places[i].page != pageIndex) continue;
        const RenderedGlyph& g = font.glyphs[i];
        for (u32 row = 0; row < font.lineHeight; ++row)
            for (u32 col = 0; col < g.width; ++col)
                texels[size_t(places[i].y + row) * w + places[i].x + col] =
                    g.alpha[size_t(row) * g.width + col];
    }
    ByteWriter(out).U16(w).U16(h);
    out->insert(out->end(), texels.begin(), texels.end());
}

} // namespace

bool WriteDSF(const RenderedFont& font, std::vector<u8>* out, std::string* error) {
    out->clear();
    if (font.lineHeight == 0 || font.lineHeight > DSF_PAGE_MAX_SIDE) {
        *error = "line height does not fit a page";
        return false;
    }
    if (!(font.scale > 0 && font.scale <= DSF_MAX_SCALE_WRITTEN)) {
        *error = "scale out of range";
        return false;
    }
    std::vector<Placement> places;
    std::vector<PageSize> pages;
    if (!Pack(font, &places, &pages, error)) return false;
    ByteWriter w(out);
    w.Raw("dsf\0", 4).F32(DSF_WRITE_VERSION).U32(u32(pages.size())).U32(u32(font.glyphs.size()));
    w.U16(font.lineHeight).U16(0).F32(font.scale).U32(HasAsciiTable(font) ? 1 : 0);
    for (size_t i = 0; i < font.glyphs.size(); ++i) {
        const RenderedGlyph& g = font.glyphs[i];
        w.U32(u32(g.codePoint)).U8(places[i].page).U8(0).U16(places[i].x).U16(places[i].y);
        w.U16(u16(g.advance)).U16(g.width).U16(0);
    }
    for (u32 p = 0; p < pages.size(); ++p) WritePage(font, places, p, pages[p], out);
    return out->size() > DSF_HEADER_BYTES;
}
