// The current font and glyph lookup: ASCII-direct by subtraction, everything else by binary
// search over the table sorted by code point.
#include "graphics/font.h"
#include "graphics/glyph_lookup.h"

namespace {
Font* currentFont = nullptr;
} // namespace

Font* SetFont(Font* font) {
    Font* previous = currentFont;
    currentFont = font;
    return previous;
}

Font* GetFont() {
    return currentFont;
}

i32 FindGlyph(i32 codePoint, const Font* font) {
    // Negative code points are invalid sequences and stray bytes: they never have a glyph.
    if (!font || !font->glyphs || font->glyphCount == 0 || codePoint < 0) return -1;
    bool direct = HasDirectGlyphs(font);
    if (direct && codePoint >= GLYPH_DIRECT_FIRST && codePoint < GLYPH_DIRECT_END)
        return codePoint - GLYPH_DIRECT_FIRST;
    i64 low = direct ? GLYPH_DIRECT_ENTRIES : 0, high = i64(font->glyphCount) - 1;
    while (low <= high) {
        i64 mid = (low + high) / 2;
        i32 found = font->glyphs[mid].codePoint;
        if (found == codePoint) return i32(mid);
        if (found < codePoint)
            low = mid + 1;
        else
            high = mid - 1;
    }
    return -1;
}

f32 GlyphAdvance(i32 codePoint, const Font* font) {
    if (!font) return 0;
    return ScaledAdvance(FindGlyph(codePoint, font), font);
}
