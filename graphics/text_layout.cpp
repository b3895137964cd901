// Measuring and word-wrapping UTF-8 text with colour tags: widths, line fitting, wrapped
// heights and the caret position at the end of wrapped text.
#include <climits>
#include <cmath>

#include "graphics/font.h"
#include "graphics/glyph_lookup.h"
#include "graphics/markup.h"

namespace {

constexpr u8 ASCII_END = 0x80;
constexpr u8 TWO_BYTE_MASK = 0xE0, TWO_BYTE_LEAD = 0xC0, TWO_BYTE_PAYLOAD = 0x1F;
constexpr u8 CONTINUATION_MASK = 0xC0, CONTINUATION_LEAD = 0x80;
constexpr int CONTINUATION_SHIFT = 6;
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

// One character within the bytes left; plain ASCII and two-byte sequences skip the decoder.
i32 NextCodePoint(const char* text, int available, int* step) {
    u8 c = u8(*text);
    if (c < ASCII_END) {
        *step = 1;
        return c;
    }
    // Latin-1 and Latin Extended-A are two-byte sequences; anything else goes to the decoder.
    if ((c & TWO_BYTE_MASK) == TWO_BYTE_LEAD && available >= 2 &&
        (u8(text[1]) & CONTINUATION_MASK) == CONTINUATION_LEAD) {
        *step = 2;
        return i32(c & TWO_BYTE_PAYLOAD) << CONTINUATION_SHIFT | (u8(text[1]) & ~CONTINUATION_MASK);
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

// Everything FitLine carries from character to character.
struct LineFit {
    int pos = 0, entries = 0, characters = 0;
    f32 remaining = 0, used = 0;
    bool full = false;
    LineBreak lastBreak;
};

// Places one character of `step` bytes on the line, or marks the line full.
inline bool Place(LineFit& fit, i32 codePoint, i32 index, int step, const Font* font,
                  i32* glyphBuffer) {
    f32 advance = ScaledAdvance(index, font);
    fit.remaining -= advance;
    // The first character always stays, so a line narrower than a glyph still advances.
    if (fit.remaining < 0 && fit.characters > 0) {
        fit.full = true;
        return false;
    }
    if (glyphBuffer) glyphBuffer[fit.entries] = index;
    fit.entries++;
    fit.characters++;
    fit.used += advance;
    fit.pos += step;
    if (IsBreakCharacter(codePoint)) fit.lastBreak = {fit.pos, fit.entries, fit.used, true};
    return true;
}

// Places the run of printable ASCII from fit.pos in a direct font. A copy of the state and no
// calls inside keep the running sums in registers.
inline void PlaceDirectRun(const char* text, int limit, const Font* font, i32* glyphBuffer,
                           LineFit& fit) {
    LineFit run = fit;
    while (run.pos < limit) {
        u8 c = u8(text[run.pos]);
        if (!IsDirectByte(c) || c == '<') break;
        if (!Place(run, c, c - GLYPH_DIRECT_FIRST, 1, font, glyphBuffer)) break;
    }
    fit = run;
}

// The summed advances of the run of printable ASCII from *pos in a direct font.
inline f32 DirectRunWidth(const char* text, int limit, const Font* font, int* pos, f32 line) {
    int p = *pos;
    while (p < limit) {
        u8 c = u8(text[p]);
        if (!IsDirectByte(c) || c == '<') break;
        line += ScaledAdvance(c - GLYPH_DIRECT_FIRST, font);
        p++;
    }
    *pos = p;
    return line;
}

} // namespace

f32 TextWidthNFont(const char* text, int count, const Font* font) {
    if (!text || !font) return 0;
    int limit = ByteLimit(count);
    const bool direct = HasDirectGlyphs(font);
    f32 widest = 0, line = 0;
    int pos = 0;
    while (pos < limit) {
        u8 c = u8(text[pos]);
        // Printable ASCII other than a tag's start: the glyphs sit at fixed indexes.
        if (direct && IsDirectByte(c) && c != '<') {
            line = DirectRunWidth(text, limit, font, &pos, line);
            continue;
        }
        if (c == 0) break;
        if (c == '\n') {
            widest = fmaxf(widest, line);
            line = 0;
            pos++;
            continue;
        }
        if (c == '<') {
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
    int limit = count && text && font ? ByteLimit(*count) : 0;
    const bool direct = HasDirectGlyphs(font);
    LineFit fit;
    fit.remaining = width;
    while (fit.pos < limit && !fit.full) {
        u8 c = u8(text[fit.pos]);
        if (direct && IsDirectByte(c) && c != '<') {
            PlaceDirectRun(text, limit, font, glyphBuffer, fit);
            continue;
        }
        if (c == 0) break;
        if (c == '\n') {
            fit.pos++;
            break;
        }
        if (c == '<') {
            int tag = MarkupTagLengthN(text + fit.pos, limit - fit.pos);
            for (int i = 0; i < tag; i++, fit.entries++)
                if (glyphBuffer) glyphBuffer[fit.entries] = u8(text[fit.pos + i]);
            fit.pos += tag;
            if (tag) continue;
        }
        int step;
        i32 codePoint = NextCodePoint(text + fit.pos, limit - fit.pos, &step);
        Place(fit, codePoint, FindGlyph(codePoint, font), step, font, glyphBuffer);
    }
    if (fit.full && fit.lastBreak.valid) {
        fit.pos = fit.lastBreak.pos;
        fit.entries = fit.lastBreak.entries;
        fit.used = fit.lastBreak.width;
    }
    if (count) *count = fit.entries;
    if (lineWidth) *lineWidth = fit.used;
    return fit.pos;
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
