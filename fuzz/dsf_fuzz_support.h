// Shared by the font fuzz targets: the engine switch the markup code asks for (the fuzz build
// has no engine), and the layout calls run over a font and a text, with the promises they
// make checked.
#pragma once

#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/loop.h"
#include "graphics/font.h"
#include "graphics/markup.h"

namespace dsf_fuzz {
inline bool markupOn = true;
}

// Stands in for the engine's switch table, which is not part of the fuzz build.
bool EngineIsEnabled(u32 id) {
    return id == ENGINE_TEXT_MARKUP && dsf_fuzz::markupOn;
}

namespace dsf_fuzz {

// A font built in memory: Latin-1 and Latin Extended-A, ASCII-direct, advances varying with
// the code point.
inline Font& LatinFont() {
    constexpr i32 ASCII_FIRST = 32, LATIN_END = 0x180;
    constexpr i16 LINE_HEIGHT = 16;
    static std::vector<Glyph> glyphs;
    static FontPage page{256, 256, 0};
    static Font font{};
    if (glyphs.empty()) {
        for (i32 c = ASCII_FIRST; c < LATIN_END; c++)
            if (c < 0x7F || c >= 0xA0 || c == 0x7F)
                glyphs.push_back(Glyph{c, 0, 0, i16(c % 16 * 16), 0, i16(4 + c % 9), 8, 0});
        font = Font{&page, 1, glyphs.data(), u32(glyphs.size()), LINE_HEIGHT, 1.0f, 1};
    }
    return font;
}

// Fits every line of text[0..size) into a buffer exactly as large as the contract demands.
inline void FitAllLines(const char* text, int size, const Font* font, f32 width) {
    int pos = 0;
    while (pos < size && text[pos]) {
        int remaining = size - pos;
        std::vector<i32> buffer(static_cast<size_t>(remaining));
        int count = remaining;
        f32 lineWidth;
        int consumed = FitLine(text + pos, width, font, buffer.data(), &count, &lineWidth);
        if (consumed < 1 || consumed > remaining || count > consumed) abort();
        pos += consumed;
    }
}

inline void RunLayout(const char* text, int size, const Font* font, f32 width) {
    // The counted forms over the bytes as they are, with no terminator after them.
    TextWidthNFont(text, size, font);
    FitAllLines(text, size, font, width);
    TextHeightFont(font, width, 0, text, 0, size);
    f32 x, y;
    TextEnd(font, width, text, size, &x, &y);
    for (int i = 0; i < size; i++) {
        int tag = MarkupTagLengthN(text + i, size - i);
        if (tag < 0 || tag > size - i || tag > MARKUP_MAX_TAG) abort();
        int step;
        DecodeUTF8N(text + i, size - i, &step);
        if (step < 1 || step > size - i) abort();
    }
    // The zero-terminated forms over a copy.
    std::vector<char> copy(text, text + size);
    copy.push_back(0);
    int height = TextHeightFont(font, width, 100, copy.data(), 7, -1);
    if (height < 0 || height > 100) abort();
    TextWidthFont(copy.data(), font);
    std::vector<i32> entries(copy.begin(), copy.end() - 1);
    for (size_t i = 0; i < entries.size(); i++)
        MarkupTagLength32(entries.data() + i, int(entries.size() - i));
}

} // namespace dsf_fuzz
