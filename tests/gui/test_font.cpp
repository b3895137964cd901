// The in-memory test font of test_font.h.
#include "tests/gui/test_font.h"

#include <GL/gl.h>
#include <vector>

#include "graphics/font.h"

namespace {
constexpr int ASCII_FIRST = 32, ASCII_COUNT = 96;
constexpr int EXTRA_CODE_POINT = 0xE9;
constexpr int PAGE_SIZE = 128;
constexpr int CELL_W = 8, CELL_H = 16, BLOCK_W = 6;
constexpr int PER_ROW = PAGE_SIZE / CELL_W;

void FillPage(const Font* font, std::vector<unsigned char>* texels) {
    texels->assign(size_t(PAGE_SIZE) * PAGE_SIZE * 2, 0);
    for (unsigned i = 0; i < font->glyphCount; i++) {
        const Glyph& g = font->glyphs[i];
        if (g.codePoint == ' ') continue;
        for (int y = g.y; y < g.y + CELL_H; y++)
            for (int x = g.x; x < g.x + BLOCK_W; x++) {
                size_t at = (size_t(y) * PAGE_SIZE + size_t(x)) * 2;
                (*texels)[at] = 255;     // luminance
                (*texels)[at + 1] = 255; // alpha
            }
    }
}
} // namespace

Font* MakeTestFont(bool withTexture) {
    auto* font = new Font{};
    font->glyphCount = ASCII_COUNT + 1;
    font->glyphs = new Glyph[font->glyphCount]{};
    for (unsigned i = 0; i < font->glyphCount; i++) {
        Glyph& g = font->glyphs[i];
        g.codePoint = i < ASCII_COUNT ? ASCII_FIRST + int(i) : EXTRA_CODE_POINT;
        g.page = 0;
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
    if (withTexture) {
        std::vector<unsigned char> texels;
        FillPage(font, &texels);
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, PAGE_SIZE, PAGE_SIZE, 0,
                     GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, texels.data());
        font->pages[0].name = name;
    }
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
