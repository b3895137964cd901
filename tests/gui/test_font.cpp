// The in-memory test font of test_font.h.
#include "tests/gui/test_font.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "graphics/font.h"

namespace {
constexpr int ASCII_FIRST = 32, ASCII_COUNT = 96, EXTRA_CODE_POINT = 0xE9;
constexpr int PAGE_SIZE = 128, CELL_W = 8, CELL_H = 16, BLOCK_W = 6, PER_ROW = PAGE_SIZE / CELL_W;

// A luminance-alpha page with a solid block in every glyph's cell but the space's.
GLuint MakePage(const Font* font) {
    std::vector<unsigned char> texels(size_t(PAGE_SIZE) * PAGE_SIZE * 2, 0);
    for (unsigned i = 0; i < font->glyphCount; i++) {
        const Glyph& g = font->glyphs[i];
        if (g.codePoint == ' ') continue;
        for (int y = g.y; y < g.y + CELL_H; y++)
            std::fill_n(&texels[(size_t(y) * PAGE_SIZE + size_t(g.x)) * 2], BLOCK_W * 2, 255);
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, PAGE_SIZE, PAGE_SIZE, 0, GL_LUMINANCE_ALPHA,
                 GL_UNSIGNED_BYTE, texels.data());
    return name;
}
} // namespace

Font* MakeTestFont(bool withTexture) {
    auto* font = new Font{};
    font->glyphCount = ASCII_COUNT + 1;
    font->glyphs = new Glyph[font->glyphCount]{};
    for (unsigned i = 0; i < font->glyphCount; i++) {
        Glyph& g = font->glyphs[i];
        g.codePoint = i < ASCII_COUNT ? ASCII_FIRST + int(i) : EXTRA_CODE_POINT;
        g.x = short((i % PER_ROW) * CELL_W);
        g.y = short((i / PER_ROW) * CELL_H);
        g.advance = short(TEST_GLYPH_ADVANCE);
        g.width = BLOCK_W;
    }
    font->lineHeight = short(TEST_LINE_HEIGHT);
    font->scale = 1.0f;
    font->asciiDirect = 1;
    font->pageCount = 1;
    font->pages = new FontPage[1]{};
    font->pages[0].width = PAGE_SIZE;
    font->pages[0].height = PAGE_SIZE;
    if (withTexture) font->pages[0].name = MakePage(font);
    return font;
}

void FreeTestFont(Font* font) {
    if (!font) return;
    if (GetFont() == font) SetFont(nullptr);
    if (font->pages[0].name) {
        GLuint name = font->pages[0].name;
        glDeleteTextures(1, &name);
    }
    delete[] font->pages;
    delete[] font->glyphs;
    delete font;
}
