// Glyph lookup inlined for the text walks: fonts stored ASCII-direct hold printable ASCII at
// fixed indexes, so most characters of most texts need no search and no call.
#pragma once

#include "graphics/font.h"

constexpr i32 GLYPH_DIRECT_FIRST = 32;
constexpr i32 GLYPH_DIRECT_END = 128;
constexpr u32 GLYPH_DIRECT_ENTRIES = u32(GLYPH_DIRECT_END - GLYPH_DIRECT_FIRST);

inline bool HasDirectGlyphs(const Font* font) {
    return font && font->glyphs && font->asciiDirect && font->glyphCount >= GLYPH_DIRECT_ENTRIES;
}

// True for a byte that is a printable ASCII character, found at its index in a direct font.
inline bool IsDirectByte(u8 c) {
    return c >= GLYPH_DIRECT_FIRST && c < GLYPH_DIRECT_END;
}

// The advance of glyph `index` (the line height for -1, a missing glyph), scaled.
inline f32 ScaledAdvance(i32 index, const Font* font) {
    return (index >= 0 ? font->glyphs[index].advance : font->lineHeight) * font->scale;
}
