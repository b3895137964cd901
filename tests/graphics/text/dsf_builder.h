// DSF font files built in memory: header, glyphs and alpha pages, every count overridable.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"
#include "tests/graphics/bytes.h"

struct TestGlyph {
    i32 codePoint;
    u8 page = 0;
    i16 x = 0, y = 0;
    i16 advance = 10;
    i16 width = 8;
};

struct TestPage {
    i16 width = 0, height = 0;
    std::vector<u8> alpha;    // width x height bytes, top row first (zeros when short)
    std::vector<u8> extraRow; // written when the height is not a power of two
};

struct TestFont {
    std::string magic = "dsf";
    f32 version = 0.5f;
    i16 lineHeight = 16;
    f32 scale = 1.0f;
    u8 asciiDirect = 0;
    std::vector<TestGlyph> glyphs;
    std::vector<TestPage> pages;
    int pageCountOverride = -1; // written instead of pages.size() when >= 0
    i64 glyphCountOverride = -1;
};

std::vector<u8> BuildDSF(const TestFont& font);

// ASCII-direct: code points 32..127 and the (sorted) extras, 8 wide (the space 0), advance 10,
// on a 128 x 16 page whose 8 x 16 block at (0, 0) is opaque.
TestFont AsciiTestFont(std::vector<i32> extraCodePoints = {});
