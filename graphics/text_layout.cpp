// Measuring and word-wrapping UTF-8 text with colour tags: widths, line fitting, wrapped
// heights and the caret position at the end of wrapped text.
#include <climits>
#include <cmath>

#include "graphics/font.h"
#include "graphics/markup.h"

namespace {

constexpr u8 ASCII_END = 0x80;
constexpr char BREAK_CHARACTERS[] = " ,.?!;:()&%-+";

int ByteLimit(int count) {
    return count < 0 ? INT_MAX : count;
}

// Break characters as a table over ASCII, since every character of every line asks.
struct BreakTable {
    bool isBreak[ASCII_END] = {};
    constexpr BreakTable() {
        for (const char* b = BREAK_CHARACTERS; *b; b++) isBreak[u8(*b)] = true;
    }
};
constexpr BreakTable BREAKS;

bool IsBreakCharacter(i32 codePoint) {
    return codePoint >= 0 && codePoint < ASCII_END && BREAKS.isBreak[codePoint];
}

// One character within the bytes left; plain ASCII skips the decoder.
i32 NextCodePoint(const char* text, int available, int* step) {
    u8 c = u8(*text);
    if (c < ASCII_END) {
        *step = 1;
        return c;
    }
    return DecodeUTF8N(text, available, step);
}

f32 LineHeightOf(const Font* font) {
    return font->lineHeight * font->scale;
}

// Float results become ints by truncation; out-of-range values are held at the int range.
int TruncateToInt(f32 value) {
    if (!(value == value)) return 0;
    if (value >= f32(INT_MAX)) return INT_MAX;
    if (value <= f32(INT_MIN)) return INT_MIN;
    return int(value);
}

struct LineBreak {
    int pos = 0, entries = 0;
    f32 width = 0;
    bool valid = false;
};

} // namespace

f32 TextWidthNFont(const char* text, int count, const Font* font) {
    if (!text || !font) return 0;
    int limit = ByteLimit(count);
    f32 widest = 0, line = 0;
    int pos = 0;
    while (pos < limit && text[pos]) {
        if (text[pos] == '\n') {
            widest = fmaxf(widest, line);
            line = 0;
            pos++;
            continue;
        }
        if (text[pos] == '<') {
            int tag = MarkupTagLengthN(text + pos, limit - pos);
            pos += tag;
            if (tag) continue;
        }
        int step;
        line += GlyphAdvance(NextCodePoint(text + pos, limit - pos, &step), font);
        pos += step;
    }
    return fmaxf(widest, line);
}

f32 TextWidthFont(const char* text, const Font* font) {
    return TextWidthNFont(text, -1, font);
}
f32 TextWidthN(const char* text, int count) {
    return TextWidthNFont(text, count, GetFont());
}
f32 TextWidth(const char* text) {
    return TextWidthNFont(text, -1, GetFont());
}

int FitLine(const char* text, f32 width, const Font* font, i32* glyphBuffer, int* count,
            f32* lineWidth) {
    int limit = count ? ByteLimit(*count) : 0;
    int pos = 0, entries = 0, characters = 0;
    f32 remaining = width, used = 0;
    bool full = false;
    LineBreak lastBreak;
    while (text && font && pos < limit && text[pos]) {
        if (text[pos] == '\n') {
            pos++;
            break;
        }
        if (text[pos] == '<') {
            int tag = MarkupTagLengthN(text + pos, limit - pos);
            for (int i = 0; i < tag; i++, entries++)
                if (glyphBuffer) glyphBuffer[entries] = u8(text[pos + i]);
            pos += tag;
            if (tag) continue;
        }
        int step;
        i32 codePoint = NextCodePoint(text + pos, limit - pos, &step);
        i32 index = FindGlyph(codePoint, font);
        f32 advance = (index >= 0 ? font->glyphs[index].advance : font->lineHeight) * font->scale;
        remaining -= advance;
        // The first character always stays, so a line narrower than a glyph still advances.
        if (remaining < 0 && characters > 0) {
            full = true;
            break;
        }
        if (glyphBuffer) glyphBuffer[entries] = index;
        entries++;
        characters++;
        used += advance;
        pos += step;
        if (IsBreakCharacter(codePoint)) lastBreak = {pos, entries, used, true};
    }
    if (full && lastBreak.valid) {
        pos = lastBreak.pos;
        entries = lastBreak.entries;
        used = lastBreak.width;
    }
    if (count) *count = entries;
    if (lineWidth) *lineWidth = used;
    return pos;
}

int TextHeightFont(const Font* font, f32 wrapWidth, f32 visibleHeight, const char* text, f32 scroll,
                   int count) {
    if (!font || !text) return 0;
    f32 visible = visibleHeight == 0 ? TEXT_UNLIMITED_HEIGHT : visibleHeight;
    if (scroll < 0) scroll = 0;
    int limit = ByteLimit(count);
    f32 lineHeight = LineHeightOf(font), stacked = 0;
    int pos = 0;
    bool endsInNewline = false;
    while (pos < limit && text[pos]) {
        int entries = limit - pos;
        f32 width;
        pos += FitLine(text + pos, wrapWidth, font, nullptr, &entries, &width);
        endsInNewline = text[pos - 1] == '\n';
        stacked += lineHeight;
        if (stacked - scroll >= visible) {
            endsInNewline = false;
            break;
        }
    }
    if (endsInNewline) stacked += lineHeight;
    return TruncateToInt(fminf(fmaxf(stacked - scroll, 0), visible));
}

int TextHeight(f32 wrapWidth, f32 visibleHeight, const char* text, f32 scroll, int count) {
    return TextHeightFont(GetFont(), wrapWidth, visibleHeight, text, scroll, count);
}

void TextEnd(const Font* font, f32 wrapWidth, const char* text, int count, f32* x, f32* y) {
    f32 endX = 0, endY = 0;
    if (font && text) {
        int limit = ByteLimit(count);
        f32 lineHeight = LineHeightOf(font);
        int pos = 0, lines = 0;
        bool endsInNewline = false;
        while (pos < limit && text[pos]) {
            int entries = limit - pos;
            if (lines++ > 0) endY += lineHeight;
            pos += FitLine(text + pos, wrapWidth, font, nullptr, &entries, &endX);
            endsInNewline = text[pos - 1] == '\n';
        }
        if (endsInNewline) {
            endX = 0;
            endY += lineHeight;
        }
    }
    if (x) *x = endX;
    if (y) *y = endY;
}
