// Rendering a TrueType font with FreeType into glyph cells one line high: each cell starts at
// the pen position and spans the whole line, ascent above the baseline and descent below.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"

struct RenderedGlyph {
    i32 codePoint;
    i16 advance;           // pixels
    u32 width;             // cell width in pixels
    std::vector<u8> alpha; // width x line height, top row first
};

struct RenderedFont {
    u32 lineHeight = 0;
    f32 scale = 1.0f; // what the game multiplies sizes by when it draws: draw height / line height
    std::vector<RenderedGlyph> glyphs; // ascending code points
};

// ASCII 32..127 (so the ASCII-direct table holds), Latin-1, Latin Extended-A and the
// typographic punctuation the game's texts use; ascending.
std::vector<i32> FontCharacterSet();

// lineHeight is the cell height in pixels; the em size is chosen so that the font's ascender
// and descender fill it. Code points the font lacks are left out, except ASCII, which gets
// empty cells so the ASCII-direct table stays whole.
bool RenderFont(const std::vector<u8>& ttf, u32 lineHeight, const std::vector<i32>& codePoints,
                RenderedFont* out, std::string* error);
