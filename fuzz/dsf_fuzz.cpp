// libFuzzer target: the DSF parser over arbitrary bytes, then the page expansion and text
// layout over whatever font it accepted (tables out of order, odd advances, empty pages).
#include <cstdint>
#include <vector>

#include "fuzz/dsf_fuzz_support.h"
#include "graphics/dsf.h"

namespace {
u8 texels[DSF_MAX_PAGE_TEXELS * 2];
const char SAMPLE[] = "Ahoj sv\xC4\x9Bte! <c red>Gr\xC3\xBC\xC3\x9F</c> Gott,\n"
                      "\xC5\xBC\xC3\xB3\xC5\x82w <color 1,2,3>x\xE2\x82\xAC\xC3\x28";

bool IsPow2(u32 n) {
    return n && !(n & (n - 1));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DsfInfo info;
    if (!ParseDSF(data, size, &info)) return 0;
    for (u32 p = 0; p < info.pageCount; p++) {
        const DsfPageInfo& page = info.pages[p];
        if (!IsPow2(page.textureWidth) || !IsPow2(page.textureHeight) ||
            u32(page.textureWidth) * page.textureHeight > DSF_MAX_PAGE_TEXELS)
            abort();
        ExpandDSFPage(data, page, texels);
    }
    std::vector<Glyph> glyphs(info.glyphCount + 1);
    ReadDSFGlyphs(data, info, glyphs.data());
    for (u32 i = 0; i < info.glyphCount; i++)
        if (glyphs[i].page >= info.pageCount) abort();
    std::vector<FontPage> pages(info.pageCount + 1);
    Font font{pages.data(),    info.pageCount, glyphs.data(),   info.glyphCount,
              info.lineHeight, info.scale,     info.asciiDirect};
    dsf_fuzz::RunLayout(SAMPLE, int(sizeof SAMPLE - 1), &font, 120);
    return 0;
}
