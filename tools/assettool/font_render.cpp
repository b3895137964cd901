// FreeType rendering of the glyph cells of a bitmap font.
#include "tools/assettool/font_render.h"

#include <cmath>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

constexpr i32 ASCII_FIRST = 32;
constexpr i32 ASCII_LAST = 127;
constexpr i32 LATIN1_FIRST = 0xA0;
constexpr i32 LATIN_EXT_A_LAST = 0x17F;
// Dashes, quotes (including the low ones of Central European languages), bullet, ellipsis,
// guillemets, euro, trade mark and arrows.
constexpr i32 EXTRA_PUNCTUATION[] = {0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C,
                                     0x201D, 0x201E, 0x2022, 0x2026, 0x2039, 0x203A,
                                     0x20AC, 0x2122, 0x2190, 0x2191, 0x2192, 0x2193};
constexpr FT_F26Dot6 ONE_26_6 = 64;
constexpr u32 FONT_DPI = 72;

struct FreeTypeFace {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeTypeFace() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

// Copies the rendered bitmap into a cell whose left edge is the pen position and whose top
// row is ascent pixels above the baseline; what falls outside is clipped.
RenderedGlyph MakeCell(i32 codePoint, const FT_GlyphSlot slot, u32 lineHeight, i32 ascent) {
    RenderedGlyph g;
    g.codePoint = codePoint;
    g.advance = i16((slot->advance.x + ONE_26_6 / 2) / ONE_26_6);
    const FT_Bitmap& bmp = slot->bitmap;
    i32 left = slot->bitmap_left;
    i32 right = left + i32(bmp.width);
    g.width = right > 0 ? u32(right) : 0;
    g.alpha.assign(size_t(g.width) * lineHeight, 0);
    for (u32 row = 0; row < bmp.rows; ++row) {
        i32 y = ascent - slot->bitmap_top + i32(row);
        if (y < 0 || y >= i32(lineHeight)) continue;
        const u8* src = bmp.buffer + i64(row) * bmp.pitch;
        for (u32 col = 0; col < bmp.width; ++col) {
            i32 x = left + i32(col);
            if (x >= 0) g.alpha[size_t(y) * g.width + u32(x)] = src[col];
        }
    }
    return g;
}

} // namespace

std::vector<i32> FontCharacterSet() {
    std::vector<i32> set;
    for (i32 c = ASCII_FIRST; c <= ASCII_LAST; ++c) set.push_back(c);
    for (i32 c = LATIN1_FIRST; c <= LATIN_EXT_A_LAST; ++c) set.push_back(c);
    for (i32 c : EXTRA_PUNCTUATION) set.push_back(c);
    return set;
}

bool RenderFont(const std::vector<u8>& ttf, u32 lineHeight, const std::vector<i32>& codePoints,
                RenderedFont* out, std::string* error) {
    FreeTypeFace ft;
    if (FT_Init_FreeType(&ft.library) != 0) {
        *error = "FreeType failed to start";
        return false;
    }
    if (FT_New_Memory_Face(ft.library, ttf.data(), FT_Long(ttf.size()), 0, &ft.face) != 0 ||
        !FT_IS_SCALABLE(ft.face)) {
        *error = "not a scalable font FreeType can read";
        return false;
    }
    FT_Face face = ft.face;
    f64 extent = f64(face->ascender) - f64(face->descender);
    if (extent <= 0 || face->units_per_EM == 0) {
        *error = "font has no vertical metrics";
        return false;
    }
    f64 emPixels = lineHeight * f64(face->units_per_EM) / extent;
    FT_F26Dot6 charSize = FT_F26Dot6(std::floor(emPixels * ONE_26_6));
    if (FT_Set_Char_Size(face, 0, charSize, FONT_DPI, FONT_DPI) != 0) {
        *error = "font cannot be set to that size";
        return false;
    }
    i32 ascent = i32(std::lround(face->ascender * emPixels / face->units_per_EM));
    out->lineHeight = lineHeight;
    out->glyphs.clear();
    for (i32 cp : codePoints) {
        FT_UInt index = FT_Get_Char_Index(face, FT_ULong(cp));
        bool ascii = cp >= ASCII_FIRST && cp <= ASCII_LAST;
        if (index != 0 && FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0 &&
            face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            out->glyphs.push_back(MakeCell(cp, face->glyph, lineHeight, ascent));
        } else if (ascii) {
            out->glyphs.push_back({cp, 0, 0, {}});
        }
    }
    return true;
}
