// Bitmap fonts from DSF files: loading, the current font, measuring, word wrap and drawing of
// UTF-8 text with colour tags.
#pragma once

#include "engine/types.h"

struct FontPage {
    u16 width;  // texture size
    u16 height;
    u32 name;   // GL texture name; rewritten by glUpload
};

struct Glyph {
    i32 codePoint;
    u8 page;
    u8 unused;
    i16 x, y;     // position in the page, texels
    i16 advance;  // pixels before scale
    i16 width;    // texels; the height is the line height
    i16 unused2;
};
static_assert(sizeof(Glyph) == 16, "glyph entries are 16 bytes as stored");

struct Font {
    FontPage* pages;
    u8 pageCount;
    Glyph* glyphs;
    u32 glyphCount;
    i16 lineHeight;
    f32 scale;
    u8 asciiDirect;
};

enum TextAlign : i32 { ALIGN_LEFT = 1030, ALIGN_RIGHT = 1031, ALIGN_CENTER = 505 };

Font* LoadFont(const char* path);
void FreeFont(Font* font);
Font* SetFont(Font* font);
Font* GetFont();

// Decodes one code point at text; *step receives the bytes used (always at least 1).
i32 DecodeUTF8(const char* text, int* step);

i32 FindGlyph(i32 codePoint, const Font* font);
f32 GlyphAdvance(i32 codePoint, const Font* font);
f32 TextWidth(const char* text);
f32 TextWidthN(const char* text, int count);
f32 TextWidthFont(const char* text, const Font* font);
int FitLine(const char* text, f32 width, const Font* font, i32* glyphBuffer, int* count,
            f32* lineWidth);
int TextHeight(f32 wrapWidth, f32 visibleHeight, const char* text, f32 scroll, int count);
int TextHeightFont(const Font* font, f32 wrapWidth, f32 visibleHeight, const char* text,
                   f32 scroll, int count);
void TextEnd(const Font* font, f32 wrapWidth, const char* text, int count, f32* x, f32* y);
int DrawText(f32 x, f32 y, const char* text, i32 alignment);
int DrawTextN(f32 x, f32 y, const char* text, i32 alignment, int count);
int DrawTextBox(f32 x, f32 y, f32 wrapWidth, f32 visibleHeight, const char* text, f32 scroll,
                i32 alignment, int count, int skip);
void DrawMissingGlyph(f32* x, f32 y, f32 inset, f32 offset);
