// libFuzzer target: UTF-8 decoding, colour tags, measuring and line fitting over arbitrary
// text with no terminator, on a font built in memory. The first byte picks the markup switch
// and the wrap width.
#include <cstdint>
#include <vector>

#include "fuzz/dsf_fuzz_support.h"

namespace {
constexpr i32 ASCII_FIRST = 32, LATIN_END = 0x180;
constexpr i16 LINE_HEIGHT = 16;
constexpr f32 WRAP_STEP = 4.0f;

// Latin-1 and Latin Extended-A, ASCII-direct, advances varying with the code point.
Font& TestFont() {
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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    dsf_fuzz::markupOn = data[0] & 1;
    f32 width = f32(data[0] >> 1) * WRAP_STEP - WRAP_STEP; // includes a negative width
    // An exact-size heap copy, so any read past the counted bytes is caught.
    std::vector<char> text(data + 1, data + size);
    dsf_fuzz::RunLayout(text.data(), int(text.size()), &TestFont(), width);
    return 0;
}
