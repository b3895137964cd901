// Bitmap fonts from DSF files: loading, the current font, measuring, word wrap and drawing of
// UTF-8 text with colour tags.
#pragma once

#include "engine/types.h"

struct FontPage {
    u16 width; // texture size
    u16 height;
    u32 name; // GL texture name; rewritten by glUpload
};

struct Glyph {
    i32 codePoint;
    u8 page;
    u8 unused;
    i16 x, y;    // position in the page, texels
    i16 advance; // pixels before scale
    i16 width;   // texels; the height is the line height
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

// A visible height of 0 in the box and height calls stands for this many units.
constexpr f32 TEXT_UNLIMITED_HEIGHT = 32000.0f;

// Loads a DSF file; nullptr for a missing, refused or damaged file (nothing is then left
// allocated). Without a GL context the font measures text but its pages get no textures.
Font* LoadFont(const char* path);
void FreeFont(Font* font); // also clears the current font when it is this one
Font* SetFont(Font* font);
Font* GetFont();

// Decodes one code point at text; *step receives the bytes used (at least 1 for any text).
// Never steps over the terminating zero.
i32 DecodeUTF8(const char* text, int* step);
// The same within the first `available` bytes (at least 1): a sequence cut short by the end
// of those bytes or by a zero byte decodes as -1 and steps only over the bytes that are there.
i32 DecodeUTF8N(const char* text, int available, int* step);

i32 FindGlyph(i32 codePoint, const Font* font);
f32 GlyphAdvance(i32 codePoint, const Font* font);

// Byte counts: a negative count means the whole zero-terminated string; a count never makes
// a function read past the terminator.
f32 TextWidth(const char* text);
f32 TextWidthN(const char* text, int count);
f32 TextWidthFont(const char* text, const Font* font);
f32 TextWidthNFont(const char* text, int count, const Font* font);

// Fits one line of word-wrapped text into `width`. On entry *count is the number of bytes
// that may be consumed (negative: up to the terminator); on return it is the number of
// entries written to glyphBuffer: a glyph index (-1 without glyph) per character and the
// bytes of each colour tag, one per entry. Every entry stands for at least one consumed
// byte, so a buffer with room for as many entries as bytes may be consumed is never
// overrun. A line always takes its first character, however narrow the width, so callers
// looping over lines always advance. Returns the bytes consumed, the newline included.
int FitLine(const char* text, f32 width, const Font* font, i32* glyphBuffer, int* count,
            f32* lineWidth);
int TextHeight(f32 wrapWidth, f32 visibleHeight, const char* text, f32 scroll, int count);
int TextHeightFont(const Font* font, f32 wrapWidth, f32 visibleHeight, const char* text, f32 scroll,
                   int count);
void TextEnd(const Font* font, f32 wrapWidth, const char* text, int count, f32* x, f32* y);

int DrawText(f32 x, f32 y, const char* text, i32 alignment);
int DrawTextN(f32 x, f32 y, const char* text, i32 alignment, int count);
// count -1: the whole string; below -1: box mode over ~count bytes (selection highlights).
int DrawTextBox(f32 x, f32 y, f32 wrapWidth, f32 visibleHeight, const char* text, f32 scroll,
                i32 alignment, int count, int skip);
void DrawMissingGlyph(f32* x, f32 y, f32 inset, f32 offset);
