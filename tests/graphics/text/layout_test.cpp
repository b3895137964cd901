// Glyph lookup, UTF-8, widths, line fitting and wrapped heights; glyphs advance 10, lines 16.
#include <cstring>
#include <memory>
#include <tuple>

#include "graphics/font.h"
#include "tests/graphics/text/font_fixture.h"

namespace {
constexpr f32 ADVANCE = 10, LINE = 16;

struct Fitted {
    int consumed, entries;
    f32 width;
    std::vector<i32> buffer;
};

Fitted Fit(const char* text, f32 width, const Font* font, int count = -1) {
    Fitted f{};
    f.buffer.assign(strlen(text) + 1, 0x7777);
    f.entries = count;
    f.consumed = FitLine(text, width, font, f.buffer.data(), &f.entries, &f.width);
    f.buffer.resize(size_t(f.entries));
    return f;
}
} // namespace

using TextLayout = FontFixture;

// Entries 0..95 are ASCII, then U+00E9, U+00F6, U+0160; a stray byte 0xC3 arrives as -61.
TEST_F(TextLayout, AsciiIsDirectAndTheRestIsSearched) {
    const std::pair<i32, int> cases[] = {{'A', 33},   {' ', 0},    {127, 95},  {0xE9, 96},
                                         {0x160, 98}, {0x161, -1}, {0xE0, -1}, {'\t', -1},
                                         {-1, -1},    {-61, -1}};
    for (auto [codePoint, index] : cases) EXPECT_EQ(FindGlyph(codePoint, font), index) << codePoint;
    EXPECT_EQ(FindGlyph('A', nullptr), -1);
}

TEST_F(TextLayout, AdvanceUsesTheScaleAndTheLineHeightForMissingGlyphs) {
    TestFont halfSize = AsciiTestFont();
    halfSize.scale = 0.5f;
    halfSize.glyphs['W' - 32].advance = 14;
    Font* half = Load(halfSize);
    ASSERT_NE(half, nullptr);
    EXPECT_FLOAT_EQ(GlyphAdvance('W', half), 7);
    EXPECT_FLOAT_EQ(GlyphAdvance(0x20AC, half), 8);
    EXPECT_FLOAT_EQ(TextWidthFont("WW\xE2\x82\xAC", half), 22);
    EXPECT_FLOAT_EQ(GlyphAdvance('A', nullptr), 0);
}

// Invalid sequences step over what the lead byte announced (a stray continuation byte comes back
// sign-extended), truncated ones to the terminator or the count (-1: DecodeUTF8).
TEST(Utf8, DecodesAndStepsOverWhatTheLeadByteAnnounced) {
    // Text, available bytes, code point, step.
    const std::tuple<const char*, int, i32, int> cases[] = {
        {"A", -1, 'A', 1},       {"\xC3\xA9", -1, 0xE9, 2},  {"\xF0\x9F\x98\x80", -1, 0x1F600, 4},
        {"\xC3\x28", -1, -1, 2}, {"\x80", -1, -128, 1},      {"\xFF", -1, -1, 1},
        {"\xE2\x82", -1, -1, 2}, {"\xE2\x82\xAC", 2, -1, 2}, {"abc", 0, 0, 0}};
    for (auto [text, available, codePoint, step] : cases) {
        SCOPED_TRACE(testing::PrintToString(text) + " in " + std::to_string(available));
        int stepped = -7;
        EXPECT_EQ(available < 0 ? DecodeUTF8(text, &stepped)
                                : DecodeUTF8N(text, available, &stepped),
                  codePoint);
        EXPECT_EQ(stepped, step);
    }
    // A lead byte at the very end of a buffer with no terminator after it.
    std::unique_ptr<char[]> exact(new char[2]{'a', '\xF0'});
    int step = 0;
    EXPECT_EQ(DecodeUTF8N(exact.get() + 1, 1, &step), -1);
    EXPECT_EQ(step, 1);
}

// A missing glyph advances a line height; cut sequences or tags and "<color 1000>" (no tag) are
// measured as characters; the terminator ends the text. A count of -1 also uses TextWidth.
TEST_F(TextLayout, WidestLineCountsAndTagsTakeNoRoom) {
    const std::tuple<const char*, int, f32> cases[] = {
        {"ab\nabcd", -1, 40},          {"abcd\nab", -1, 40},      {"", -1, 0},
        {"\xC3\xA9t\xC3\xA9", -1, 30}, {"a\xE2\x82\xAC", -1, 26}, {"abcdef", 3, 30},
        {"a\xC3\xA9", 2, 26},          {"ab\0cd", 5, 20},         {"<c red>ab</c>", -1, 20},
        {"<color 1000>", -1, 120},     {"<c red>ab", 5, 50}};
    for (auto [text, count, width] : cases) {
        EXPECT_FLOAT_EQ(TextWidthN(text, count), width) << text << " " << count;
        if (count < 0) {
            EXPECT_FLOAT_EQ(TextWidth(text), width) << text;
        }
    }
    EXPECT_FLOAT_EQ(TextWidth("<color 255,255,0>F2<color default>"), 20);
    EXPECT_FLOAT_EQ(TextWidthFont("abc", font), 30);
    EXPECT_FLOAT_EQ(TextWidthFont("abc", nullptr), 0);
    EngineDisable(ENGINE_TEXT_MARKUP);
    EXPECT_FLOAT_EQ(TextWidth("<c red>"), 7 * ADVANCE);
    SetFont(nullptr);
    EXPECT_FLOAT_EQ(TextWidth("abc"), 0);
}

// A line breaks after its last break character ('/' is none), else where it is full (exactly
// full fits); a newline ends it and is consumed; a line always takes one character; a count of
// -1 allows the whole text, a cut sequence ends it.
TEST_F(TextLayout, BreaksCutsNewlinesByteLimitsAndBufferEntries) {
    const std::tuple<const char*, f32, int, int, int, f32> cases[] = {
        {"abc def", 45, -1, 4, 4, 40},  {"ab/cdef", 45, -1, 4, 4, 40},
        {"abcdefgh", 35, -1, 3, 3, 30}, {"abc", 30, -1, 3, 3, 30},
        {"ab\ncd", 1000, -1, 3, 2, 20}, {"\n", 1000, -1, 1, 0, 0},
        {"abcdef", 1000, 2, 2, 2, 20},  {"abcdef", 1000, 0, 0, 0, 0},
        {"abc", 5, -1, 1, 1, 10},       {"\xC3\xA9\xC3\xA9", 1000, 3, 3, 2, 26}};
    for (auto [text, width, count, consumed, entries, lineWidth] : cases) {
        SCOPED_TRACE(testing::PrintToString(text) + " in " + std::to_string(width));
        Fitted f = Fit(text, width, font, count);
        EXPECT_EQ(f.consumed, consumed);
        EXPECT_EQ(f.entries, entries);
        EXPECT_FLOAT_EQ(f.width, lineWidth);
    }
    // The space stays on the first line; entries are glyph indexes.
    EXPECT_EQ(Fit("abc def", 45, font).buffer, (std::vector<i32>{'a' - 32, 'b' - 32, 'c' - 32, 0}));
    for (char breaker : std::string(" ,.?!;:()&%-+")) {
        std::string text = std::string("ab") + breaker + "cdef";
        EXPECT_EQ(Fit(text.c_str(), 45, font).consumed, 3) << breaker;
    }
    int count = -1;
    f32 width = -1;
    EXPECT_EQ(FitLine("abc", 100, nullptr, nullptr, &count, &width), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(width, 0);
    // Tags are carried through the buffer, missing glyphs are -1.
    Fitted f = Fit("<c red>a\xE2\x82\xAC cd", 40, font);
    EXPECT_EQ(f.consumed, 7 + 1 + 3 + 1);
    EXPECT_EQ(f.buffer, (std::vector<i32>{'<', 'c', ' ', 'r', 'e', 'd', '>', 'a' - 32, -1, 0}));
    EXPECT_FLOAT_EQ(f.width, ADVANCE + LINE + ADVANCE);
}

TEST_F(TextLayout, NeverWritesMoreEntriesThanTheBytesItMayConsume) {
    const char* texts[] = {"<c red><c blue></c>", "\xE2\x82\xAC\xC3\x28\n\xF0", "a b c d e f g",
                           "<color 1,2,3>xy\xC3", "<<<<c red>>>"};
    constexpr i32 GUARD = 0x5EA1;
    for (const char* text : texts) {
        for (int limit = 0; limit <= int(strlen(text)); limit++) {
            std::vector<i32> buffer(size_t(limit) + 4, GUARD);
            int count = limit;
            f32 width;
            int consumed = FitLine(text, 25, font, buffer.data(), &count, &width);
            EXPECT_LE(consumed, limit) << text;
            EXPECT_LE(count, consumed) << text;
            for (size_t i = size_t(limit); i < buffer.size(); i++)
                EXPECT_EQ(buffer[i], GUARD) << text << " limit " << limit;
        }
    }
}

// "a\nb\nc\nd" is 64 high; a negative scroll counts as 0, a visible height of 0 is unlimited;
// a count cutting after a newline leaves the empty line after it.
TEST_F(TextLayout, HeightCountsLinesLimitedByScrollAndVisibleHeight) {
    const std::tuple<f32, f32, const char*, f32, int, int> cases[] = {
        {45, 0, "abc def", 0, -1, 32},       {1000, 0, "ab\n", 0, -1, 32},
        {1000, 0, "\n", 0, -1, 32},          {1000, 0, "", 0, -1, 0},
        {1000, 0, "ab\ncd\nef", 0, 3, 32},   {1000, 20, "a\nb\nc\nd", 0, -1, 20},
        {1000, 0, "a\nb\nc\nd", 10, -1, 54}, {1000, 0, "a\nb\nc\nd", -10, -1, 64},
        {1000, 0, "a\nb\nc\nd", 100, -1, 0}, {1000, 40, "a\nb\nc\nd", 30, -1, 34}};
    for (auto [wrap, visible, text, scroll, count, height] : cases)
        EXPECT_EQ(TextHeight(wrap, visible, text, scroll, count), height)
            << text << " scroll " << scroll << " visible " << visible;
    EXPECT_EQ(TextHeightFont(font, 5, 0, "abcd", 0, -1), 64); // one character per line
    SetFont(nullptr);
    EXPECT_EQ(TextHeight(45, 0, "abc def", 0, -1), 0);
}
