// Glyph lookup, UTF-8 decoding, widths, line fitting, wrapped heights and end positions, on a
// font whose glyphs all advance 10 units and whose lines are 16 units high.
#include <cstring>
#include <memory>

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

using GlyphLookup = FontFixture;

TEST_F(GlyphLookup, AsciiIsDirectAndTheRestIsSearched) {
    EXPECT_EQ(FindGlyph('A', font), 33);
    EXPECT_EQ(FindGlyph(' ', font), 0);
    EXPECT_EQ(FindGlyph(127, font), 95);
    EXPECT_EQ(FindGlyph(0xE9, font), 96);
    EXPECT_EQ(FindGlyph(0x160, font), 98);
    EXPECT_EQ(FindGlyph(0x161, font), -1); // above the largest in the table
    EXPECT_EQ(FindGlyph(0xE0, font), -1);  // between entries
    EXPECT_EQ(FindGlyph('\t', font), -1);
    EXPECT_EQ(FindGlyph(-1, font), -1);
    EXPECT_EQ(FindGlyph(-61, font), -1); // a stray byte 0xC3
    EXPECT_EQ(FindGlyph('A', nullptr), -1);
}

TEST_F(GlyphLookup, SearchOfAnAsciiDirectFontStartsAtEntry96) {
    // A table that breaks the flag's promise shows where the search begins.
    std::vector<Glyph> table(98);
    for (int i = 0; i < 96; i++) table[size_t(i)].codePoint = 32 + i;
    table[5].codePoint = 0xE9; // never looked at
    table[96].codePoint = 0xF6;
    table[97].codePoint = 0x100;
    Font handMade{nullptr, 0, table.data(), u32(table.size()), 16, 1.0f, 1};
    EXPECT_EQ(FindGlyph(0xE9, &handMade), -1);
    EXPECT_EQ(FindGlyph(0x100, &handMade), 97);
    EXPECT_EQ(FindGlyph(37, &handMade), 5); // direct, not searched
    Font empty{nullptr, 0, nullptr, 0, 16, 1.0f, 1};
    EXPECT_EQ(FindGlyph('A', &empty), -1);
}

TEST_F(GlyphLookup, AdvanceUsesTheScaleAndTheLineHeightForMissingGlyphs) {
    EXPECT_FLOAT_EQ(GlyphAdvance('A', font), ADVANCE);
    EXPECT_FLOAT_EQ(GlyphAdvance(0x20AC, font), LINE);
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

TEST(Utf8, WellFormedSequences) {
    int step = 0;
    EXPECT_EQ(DecodeUTF8("A", &step), 'A');
    EXPECT_EQ(step, 1);
    EXPECT_EQ(DecodeUTF8("\xC3\xA9", &step), 0xE9);
    EXPECT_EQ(step, 2);
    EXPECT_EQ(DecodeUTF8("\xE2\x82\xAC", &step), 0x20AC);
    EXPECT_EQ(step, 3);
    EXPECT_EQ(DecodeUTF8("\xF0\x9F\x98\x80", &step), 0x1F600);
    EXPECT_EQ(step, 4);
}

TEST(Utf8, InvalidSequencesConsumeWhatTheLeadByteAnnounced) {
    int step = 0;
    EXPECT_EQ(DecodeUTF8("\xC3\x28", &step), -1);
    EXPECT_EQ(step, 2);
    EXPECT_EQ(DecodeUTF8("\xE2\x28\xA1", &step), -1);
    EXPECT_EQ(step, 3);
    EXPECT_EQ(DecodeUTF8("\x80", &step), -128); // stray continuation, sign-extended
    EXPECT_EQ(step, 1);
    EXPECT_EQ(DecodeUTF8("\xFF", &step), -1);
    EXPECT_EQ(step, 1);
}

TEST(Utf8, TruncatedSequencesStopAtTheTerminatorAndTheByteCount) {
    int step = 0;
    EXPECT_EQ(DecodeUTF8("\xE2\x82", &step), -1);
    EXPECT_EQ(step, 2); // not over the terminator
    EXPECT_EQ(DecodeUTF8("\xF0", &step), -1);
    EXPECT_EQ(step, 1);
    EXPECT_EQ(DecodeUTF8N("\xE2\x82\xAC", 2, &step), -1);
    EXPECT_EQ(step, 2);
    // A lead byte at the very end of a buffer with no terminator after it.
    std::unique_ptr<char[]> exact(new char[2]{'a', '\xF0'});
    EXPECT_EQ(DecodeUTF8N(exact.get() + 1, 1, &step), -1);
    EXPECT_EQ(step, 1);
    EXPECT_EQ(DecodeUTF8N("abc", 0, &step), 0);
    EXPECT_EQ(step, 0);
}

using TextWidths = FontFixture;

TEST_F(TextWidths, WidestLineCounts) {
    EXPECT_FLOAT_EQ(TextWidth("ab\nabcd"), 40);
    EXPECT_FLOAT_EQ(TextWidth("abcd\nab"), 40);
    EXPECT_FLOAT_EQ(TextWidth(""), 0);
    EXPECT_FLOAT_EQ(TextWidth("\xC3\xA9t\xC3\xA9"), 30);
    EXPECT_FLOAT_EQ(TextWidth("a\xE2\x82\xAC"), ADVANCE + LINE);
    EXPECT_FLOAT_EQ(TextWidthN("abcdef", 3), 30);
    EXPECT_FLOAT_EQ(TextWidthN("abc", -1), 30);
    EXPECT_FLOAT_EQ(TextWidthN("a\xC3\xA9", 2), ADVANCE + LINE); // sequence cut by the count
    EXPECT_FLOAT_EQ(TextWidthN("ab\0cd", 5), 20);                // ends at the terminator
    EXPECT_FLOAT_EQ(TextWidthFont("abc", font), 30);
    EXPECT_FLOAT_EQ(TextWidthFont("abc", nullptr), 0);
    SetFont(nullptr);
    EXPECT_FLOAT_EQ(TextWidth("abc"), 0);
}

TEST_F(TextWidths, TagsTakeNoRoomUnlessMarkupIsOff) {
    EXPECT_FLOAT_EQ(TextWidth("<c red>ab</c>"), 20);
    EXPECT_FLOAT_EQ(TextWidth("<color 255,255,0>F2<color default>"), 20);
    EXPECT_FLOAT_EQ(TextWidth("<color 1000>"), 12 * ADVANCE); // not a tag
    EXPECT_FLOAT_EQ(TextWidthN("<c red>ab", 5), 5 * ADVANCE); // tag cut by the count
    EngineDisable(ENGINE_TEXT_MARKUP);
    EXPECT_FLOAT_EQ(TextWidth("<c red>"), 7 * ADVANCE);
}

using LineFitting = FontFixture;

TEST_F(LineFitting, BreaksAfterTheLastBreakCharacter) {
    Fitted f = Fit("abc def", 45, font);
    EXPECT_EQ(f.consumed, 4); // the space stays on the first line
    EXPECT_EQ(f.entries, 4);
    EXPECT_FLOAT_EQ(f.width, 40);
    EXPECT_EQ(f.buffer, (std::vector<i32>{'a' - 32, 'b' - 32, 'c' - 32, 0}));

    for (char breaker : std::string(" ,.?!;:()&%-+")) {
        std::string text = std::string("ab") + breaker + "cdef";
        EXPECT_EQ(Fit(text.c_str(), 45, font).consumed, 3) << breaker;
    }
    EXPECT_EQ(Fit("ab/cdef", 45, font).consumed, 4); // '/' is no break: cut where it is full
}

TEST_F(LineFitting, AWordWiderThanTheLineIsCutAtTheCharacterThatDoesNotFit) {
    Fitted f = Fit("abcdefgh", 35, font);
    EXPECT_EQ(f.consumed, 3);
    EXPECT_EQ(f.entries, 3);
    EXPECT_FLOAT_EQ(f.width, 30);
    EXPECT_EQ(Fit("abc", 30, font).consumed, 3); // exactly full still fits
}

TEST_F(LineFitting, NewlinesEndTheLineAndAreConsumed) {
    Fitted f = Fit("ab\ncd", 1000, font);
    EXPECT_EQ(f.consumed, 3);
    EXPECT_EQ(f.entries, 2);
    EXPECT_FLOAT_EQ(f.width, 20);
    EXPECT_EQ(Fit("\n", 1000, font).consumed, 1);
}

TEST_F(LineFitting, TagsAreCarriedThroughTheBufferAndMissingGlyphsAreMinusOne) {
    Fitted f = Fit("<c red>a\xE2\x82\xAC cd", 40, font);
    std::vector<i32> expected = {'<', 'c', ' ', 'r', 'e', 'd', '>', 'a' - 32, -1, 0};
    EXPECT_EQ(f.consumed, 7 + 1 + 3 + 1);
    EXPECT_EQ(f.buffer, expected);
    EXPECT_FLOAT_EQ(f.width, ADVANCE + LINE + ADVANCE);
}

TEST_F(LineFitting, ByteLimitAndNarrowLines) {
    EXPECT_EQ(Fit("abcdef", 1000, font, 2).consumed, 2);
    EXPECT_EQ(Fit("abcdef", 1000, font, 0).consumed, 0);
    EXPECT_EQ(Fit("\xC3\xA9\xC3\xA9", 1000, font, 3).consumed, 3); // ends on a cut sequence
    // However narrow, a line takes one character, so wrapping always moves on.
    Fitted narrow = Fit("abc", 5, font);
    EXPECT_EQ(narrow.consumed, 1);
    EXPECT_FLOAT_EQ(narrow.width, ADVANCE);
    EXPECT_EQ(Fit("abc", -3, font).consumed, 1);
    int count = -1;
    f32 width = -1;
    EXPECT_EQ(FitLine("abc", 100, nullptr, nullptr, &count, &width), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(width, 0);
}

TEST_F(LineFitting, NeverWritesMoreEntriesThanTheBytesItMayConsume) {
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

using WrappedText = FontFixture;

TEST_F(WrappedText, HeightCountsLinesAndATrailingNewline) {
    EXPECT_EQ(TextHeight(45, 0, "abc def", 0, -1), 32);
    EXPECT_EQ(TextHeight(1000, 0, "ab\n", 0, -1), 32);
    EXPECT_EQ(TextHeight(1000, 0, "\n", 0, -1), 32);
    EXPECT_EQ(TextHeight(1000, 0, "", 0, -1), 0);
    EXPECT_EQ(TextHeight(1000, 0, "ab\ncd\nef", 0, 3), 32);   // "ab\n" and the line after it
    EXPECT_EQ(TextHeightFont(font, 5, 0, "abcd", 0, -1), 64); // one character per line
    SetFont(nullptr);
    EXPECT_EQ(TextHeight(45, 0, "abc def", 0, -1), 0);
}

TEST_F(WrappedText, HeightIsLimitedByScrollAndVisibleHeight) {
    const char* text = "a\nb\nc\nd"; // 64 high
    EXPECT_EQ(TextHeight(1000, 20, text, 0, -1), 20);
    EXPECT_EQ(TextHeight(1000, 0, text, 10, -1), 54);
    EXPECT_EQ(TextHeight(1000, 0, text, -10, -1), 64); // negative scroll counts as 0
    EXPECT_EQ(TextHeight(1000, 0, text, 100, -1), 0);
    EXPECT_EQ(TextHeight(1000, 40, text, 30, -1), 34);
}

TEST_F(WrappedText, EndPositionIsAfterTheLastCharacter) {
    f32 x = -1, y = -1;
    TextEnd(font, 45, "abc def", -1, &x, &y);
    EXPECT_FLOAT_EQ(x, 30);
    EXPECT_FLOAT_EQ(y, 16);
    TextEnd(font, 1000, "ab", -1, &x, &y);
    EXPECT_FLOAT_EQ(x, 20);
    EXPECT_FLOAT_EQ(y, 0);
    TextEnd(font, 1000, "ab\n", -1, &x, &y);
    EXPECT_FLOAT_EQ(x, 0);
    EXPECT_FLOAT_EQ(y, 16);
    TextEnd(font, 1000, "ab\ncd", 4, &x, &y);
    EXPECT_FLOAT_EQ(x, 10);
    EXPECT_FLOAT_EQ(y, 16);
    TextEnd(font, 1000, "<c red>ab", -1, &x, &y);
    EXPECT_FLOAT_EQ(x, 20);
    TextEnd(font, 1000, "", -1, &x, &y);
    EXPECT_FLOAT_EQ(x, 0);
    EXPECT_FLOAT_EQ(y, 0);
    TextEnd(nullptr, 1000, "abc", -1, &x, &y);
    EXPECT_FLOAT_EQ(x, 0);
}
