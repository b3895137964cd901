// Drawing UTF-8 text as textured glyph quads in the current colour: single strings with
// alignment, wrapped and scrolled boxes (also as selection boxes) and the missing-glyph cross.
#include <GL/gl.h>
#include <climits>
#include <cmath>

#include "engine/input.h"
#include "engine/window.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/font.h"
#include "graphics/markup.h"

namespace {

constexpr f32 CROSS_INSET = 0; // the cross fills the whole line-high square
constexpr f32 CROSS_OFFSET = 0;
constexpr f32 BOX_NEWLINE_WIDTH = 0.5f; // of a line height

// A horizontal band outside which quads are cut away.
struct Band {
    f32 top, bottom;
};
constexpr Band UNBOUNDED = {-1e30f, 1e30f};

int ByteLimit(int count) {
    return count < 0 ? INT_MAX : count;
}

int TruncateToInt(f32 value) {
    if (!(value == value)) return 0;
    if (value >= f32(INT_MAX)) return INT_MAX;
    if (value <= f32(INT_MIN)) return INT_MIN;
    return int(value);
}

// Positions land on whole display pixels, so glyph texels map one to one.
f32 SnapToDisplay(f32 value, i16 virtualSize, i16 displaySize) {
    if (displaySize <= 0) return value;
    return truncf(value * displaySize / virtualSize) * virtualSize / displaySize;
}

// The state every drawing call sets up and restores: 2D mode, texturing, the colour.
struct TextFrame {
    bool entered2D;
    bool textureWasOn;
    f32 defaultColor[4];
};

TextFrame BeginText(bool textured) {
    TextFrame frame{};
    frame.entered2D = !Is2DMode();
    if (frame.entered2D) glEnter2D();
    frame.textureWasOn = glIsEnabled(GL_TEXTURE_2D);
    if (textured)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    glGetFloatv(GL_CURRENT_COLOR, frame.defaultColor);
    PushColor();
    return frame;
}

void EndText(const TextFrame& frame) {
    PopColor();
    if (frame.entered2D) glLeave2D();
    if (frame.textureWasOn)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}

// Glyph quads between one glBegin/glEnd while they share a page; a page texture is bound only
// when the next glyph lies on another page.
struct QuadBatch {
    const Font* font;
    int boundPage = -1;
    bool open = false;

    void Close() {
        if (open) glEnd();
        open = false;
    }

    void Draw(const Glyph& g, f32 x, f32 y, Band band) {
        f32 height = font->lineHeight * font->scale;
        f32 top = fmaxf(y, band.top), bottom = fminf(y + height, band.bottom);
        if (bottom <= top || g.page >= font->pageCount) return;
        const FontPage& page = font->pages[g.page];
        if (g.page != boundPage || !open) {
            Close();
            if (g.page != boundPage) glBindTexture(GL_TEXTURE_2D, page.name);
            boundPage = g.page;
            glBegin(GL_QUADS);
            open = true;
        }
        // Texture rows follow the trimmed edges so cut lines show the matching part.
        f32 texelsPerUnit = font->lineHeight / height;
        f32 s0 = f32(g.x) / page.width, s1 = f32(g.x + g.width) / page.width;
        f32 t0 = (g.y + (top - y) * texelsPerUnit) / page.height;
        f32 t1 = (g.y + (bottom - y) * texelsPerUnit) / page.height;
        f32 right = x + g.width * font->scale;
        glTexCoord2f(s0, t0);
        glVertex2f(x, top);
        glTexCoord2f(s1, t0);
        glVertex2f(right, top);
        glTexCoord2f(s1, t1);
        glVertex2f(right, bottom);
        glTexCoord2f(s0, t1);
        glVertex2f(x, bottom);
    }
};

// One diagonal from (x0, y0) down to (x1, y1), cut to the band.
void DrawClippedDiagonal(f32 x0, f32 y0, f32 x1, f32 y1, Band band) {
    if (y1 <= y0 || y1 <= band.top || y0 >= band.bottom) return;
    f32 from = fmaxf(0, (band.top - y0) / (y1 - y0));
    f32 to = fminf(1, (band.bottom - y0) / (y1 - y0));
    glDrawLine(x0 + (x1 - x0) * from, y0 + (y1 - y0) * from, x0 + (x1 - x0) * to,
               y0 + (y1 - y0) * to);
}

void DrawCross(f32 x, f32 y, f32 size, f32 inset, f32 offset, Band band) {
    f32 left = x + inset, top = y + inset, right = x + size + offset, bottom = y + size + offset;
    DrawClippedDiagonal(left, top, right, bottom, band);
    DrawClippedDiagonal(right, top, left, bottom, band);
}

f32 AlignedX(f32 x, f32 lineWidth, i32 alignment) {
    if (alignment == ALIGN_RIGHT) return x - lineWidth;
    if (alignment == ALIGN_CENTER) return x - lineWidth / 2;
    return x;
}

// Start of the line at text for DrawTextN: its width runs up to the next newline.
f32 LineStartX(f32 x, const char* text, int available, i32 alignment, const Font* font) {
    if (alignment != ALIGN_RIGHT && alignment != ALIGN_CENTER) return x;
    int length = 0;
    while (length < available && text[length] && text[length] != '\n') length++;
    return AlignedX(x, TextWidthNFont(text, length, font), alignment);
}

// Walks one fitted line of a box. Glyphs before the skip count only advance; in box mode
// every cell becomes a filled, outlined rectangle.
struct BoxLine {
    const Font* font;
    const f32* defaultColor;
    bool boxMode;
    Band band;
    int* skip;

    void Cell(f32 x, f32 y, f32 width) const {
        f32 top = fmaxf(y, band.top);
        f32 bottom = fminf(y + font->lineHeight * font->scale, band.bottom);
        if (bottom <= top) return;
        glFillRect(x, top, width, bottom - top);
        glDrawRect(x, top, width, bottom - top);
    }

    // Counts entries off the skip count; true while they are still to be skipped.
    bool Skip(int entries) const {
        bool skipped = *skip > 0;
        *skip = *skip > entries ? *skip - entries : 0;
        return skipped;
    }

    void Draw(const char* text, int length, f32 x, f32 y, bool visible) const;
};

void BoxLine::Draw(const char* text, int length, f32 x, f32 y, bool visible) const {
    QuadBatch batch{font};
    f32 lineHeight = font->lineHeight * font->scale;
    int pos = 0;
    while (pos < length) {
        if (text[pos] == '\n') {
            if (!Skip(1) && visible && boxMode) Cell(x, y, lineHeight * BOX_NEWLINE_WIDTH);
            pos++;
            continue;
        }
        if (text[pos] == '<') {
            int tag = MarkupTagLengthN(text + pos, length - pos);
            if (tag) {
                // Tags apply even on lines scrolled away, so the colour carries on.
                if (!boxMode) ApplyMarkupTagN(text + pos, tag, defaultColor);
                Skip(tag);
                pos += tag;
                continue;
            }
        }
        int step;
        i32 index = FindGlyph(DecodeUTF8N(text + pos, length - pos, &step), font);
        f32 advance = (index >= 0 ? font->glyphs[index].advance : font->lineHeight) * font->scale;
        bool drawn = !Skip(1) && visible;
        if (drawn && boxMode)
            Cell(x, y, advance);
        else if (drawn && index >= 0)
            batch.Draw(font->glyphs[index], x, y, band);
        else if (drawn) {
            batch.Close();
            DrawCross(x, y, lineHeight, CROSS_INSET, CROSS_OFFSET, band);
        }
        x += advance;
        pos += step;
    }
    batch.Close();
}

} // namespace

void DrawMissingGlyph(f32* x, f32 y, f32 inset, f32 offset) {
    const Font* font = GetFont();
    if (!font || !x) return;
    f32 size = font->lineHeight * font->scale;
    DrawCross(*x, y, size, inset, offset, UNBOUNDED);
    *x += size;
}

int DrawText(f32 x, f32 y, const char* text, i32 alignment) {
    return DrawTextN(x, y, text, alignment, -1);
}

int DrawTextN(f32 x, f32 y, const char* text, i32 alignment, int count) {
    const Font* font = GetFont();
    if (!font || !text) return 0;
    x = SnapToDisplay(x, VIRTUAL_WIDTH, GetClientWidth());
    y = SnapToDisplay(y, VIRTUAL_HEIGHT, GetClientHeight());
    TextFrame frame = BeginText(true);
    int limit = ByteLimit(count), pos = 0;
    f32 penX = LineStartX(x, text, limit, alignment, font);
    QuadBatch batch{font};
    while (pos < limit && text[pos]) {
        if (text[pos] == '\n') {
            pos++;
            penX = LineStartX(x, text + pos, limit - pos, alignment, font);
            y += font->lineHeight * font->scale;
            continue;
        }
        if (text[pos] == '<') {
            int tag = ApplyMarkupTagN(text + pos, limit - pos, frame.defaultColor);
            pos += tag;
            if (tag) continue;
        }
        int step;
        i32 index = FindGlyph(DecodeUTF8N(text + pos, limit - pos, &step), font);
        pos += step;
        if (index < 0) {
            batch.Close();
            DrawMissingGlyph(&penX, y, CROSS_INSET, CROSS_OFFSET);
            continue;
        }
        batch.Draw(font->glyphs[index], penX, y, UNBOUNDED);
        penX += font->glyphs[index].advance * font->scale;
    }
    batch.Close();
    EndText(frame);
    return TruncateToInt(penX - x);
}

int DrawTextBox(f32 x, f32 y, f32 wrapWidth, f32 visibleHeight, const char* text, f32 scroll,
                i32 alignment, int count, int skip) {
    const Font* font = GetFont();
    if (!font || !text) return 0;
    x = SnapToDisplay(x, VIRTUAL_WIDTH, GetClientWidth());
    y = SnapToDisplay(y, VIRTUAL_HEIGHT, GetClientHeight());
    f32 visible = visibleHeight == 0 ? TEXT_UNLIMITED_HEIGHT : visibleHeight;
    bool boxMode = count < -1;
    if (boxMode) count = ~count;
    if (scroll < 0) scroll = 0;
    TextFrame frame = BeginText(!boxMode);
    BoxLine line{font, frame.defaultColor, boxMode, {y, y + visible}, &skip};
    f32 lineHeight = font->lineHeight * font->scale, stacked = 0;
    int limit = ByteLimit(count), pos = 0;
    while (pos < limit && text[pos]) {
        int entries = limit - pos;
        f32 width;
        int length = FitLine(text + pos, wrapWidth, font, nullptr, &entries, &width);
        f32 top = y + stacked - scroll;
        line.Draw(text + pos, length, AlignedX(x, width, alignment), top, top + lineHeight > y);
        pos += length;
        stacked += lineHeight;
        if (stacked - scroll >= visible) break;
    }
    EndText(frame);
    return TruncateToInt(fminf(fmaxf(stacked - scroll, 0), visible));
}
