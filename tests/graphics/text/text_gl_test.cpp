// Text drawn into the real GL window and read back: colours and tags, alignment, the missing
// glyph cross, wrapped boxes with scrolling and clipping, and the colour stack.
#include <gmock/gmock.h>

#include <array>

#include "engine/utils.h"
#include "graphics/color.h"
#include "tests/graphics/gl_fixture.h"
#include "tests/graphics/text/font_fixture.h"

namespace {

constexpr RGBA RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255},
    WHITE{255, 255, 255, 255};
constexpr int TOLERANCE = 2, GLYPH_LIT = 100;

// The current GL colour is this one (within float rounding).
void ExpectCurrentColour(std::array<f32, 4> colour) {
    std::array<f32, 4> current;
    glGetFloatv(GL_CURRENT_COLOR, current.data());
    EXPECT_THAT(current, testing::Pointwise(testing::FloatEq(), colour));
}

class TextGL : public FontFixture {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        FontFixture::SetUp();
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_LINE_SMOOTH);
        GLTestClear(0, 0, 0);
        glColor4f(1, 1, 1, 1);
    }
    static bool Lit(int x, int y) { return ::Lit(x, y, GLYPH_LIT); }
    // Lit columns of a row between x0 and x1 (exclusive), as a string of '#' and '.'.
    static std::string Row(int y, int x0, int x1) {
        std::string s;
        for (int x = x0; x < x1; x++) s += Lit(x, y) ? '#' : '.';
        return s;
    }
};

} // namespace

TEST_F(TextGL, ColourTagsChangeTheColourMidLineUnlessMarkupIsOff) {
    glColor4f(0, 1, 0, 1);
    DrawText(100, 50, "<c red>x</c>y", ALIGN_LEFT);
    DrawText(100, 100, "<c red><c blue>x</c>y", ALIGN_LEFT);
    DrawText(100, 150, "<color 255,255,255>a<c FF0000FF>b", ALIGN_LEFT);
    ExpectColour(RED, {{103, 58}, {113, 158}}, TOLERANCE);
    ExpectColour(GREEN, {{113, 58}, {113, 108}}, TOLERANCE); // a close gives the default, not red
    ExpectColour(BLUE, {{103, 108}}, TOLERANCE);
    ExpectColour(WHITE, {{103, 158}}, TOLERANCE);
    ExpectCurrentColour({0, 1, 0, 1}); // the caller's colour is back
    EngineDisable(ENGINE_TEXT_MARKUP);
    EXPECT_EQ(DrawText(100, 200, "<c red>", ALIGN_LEFT), 70);
    ExpectColour(GREEN, {{163, 208}}, TOLERANCE);
}

TEST_F(TextGL, RightAndCentredLinesEndAtOrAroundX) {
    DrawText(300, 50, "AB", ALIGN_RIGHT);
    EXPECT_EQ(Row(55, 278, 302), "..########..########....");
    DrawText(300, 100, "AB", ALIGN_CENTER);
    EXPECT_EQ(Row(105, 288, 312), "..########..########....");
    DrawText(300, 150, "A\nABC", ALIGN_RIGHT); // every line is aligned on its own
    EXPECT_EQ(Row(155, 268, 302), "......................########....");
    DrawText(300, 200, "AB", 12345); // unknown codes draw left-aligned
    EXPECT_TRUE(Lit(300, 205));
}

TEST_F(TextGL, MissingGlyphIsALineHighCross) {
    EXPECT_EQ(DrawText(100, 100, "\xE2\x82\xAC", ALIGN_LEFT), 16);
    auto litNear = [](Point p) {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if (Lit(p.x + dx, p.y + dy)) return true;
        return false;
    };
    // Both diagonals, not between the arms nor past the cell.
    for (Point p : {Point{104, 104}, {112, 112}, {112, 104}, {104, 112}})
        EXPECT_TRUE(litNear(p)) << p.x << "," << p.y;
    EXPECT_FALSE(litNear({120, 108}));
    ExpectLit({}, {{108, 102}, {102, 108}}, GLYPH_LIT);
}

TEST_F(TextGL, BoxScrollsAndClipsCutLinesAndNoFontDrawsNothing) {
    // Lines at 192, 208, 224; the band is 200..220.
    EXPECT_EQ(DrawTextBox(100, 200, 1000, 20, "A\nB\nC", 8, ALIGN_LEFT, -1, 0), 20);
    ExpectLit({{103, 200}, {103, 219}}, {{103, 199}, {103, 220}, {103, 230}}, GLYPH_LIT);
    GLTestClear(0, 0, 0);
    SetFont(nullptr);
    EXPECT_EQ(DrawText(100, 100, "AB", ALIGN_LEFT), 0);
    EXPECT_EQ(DrawTextBox(100, 100, 200, 0, "AB", 0, ALIGN_LEFT, -1, 0), 0);
    EXPECT_EQ(LitPixelCount(), 0);
}

TEST(ColorStack, PushPopRestoresAndAnEmptyPopIsHarmless) {
    GLTestEnsureContext();
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    PushColor();
    SetColor(MakeRGBA(255, 0, 0, 128));
    ExpectCurrentColour({1, 0, 0, 128 / 255.0f});
    PopColor();
    ExpectCurrentColour({0.25f, 0.5f, 0.75f, 1});
    PopColor(); // empty: nothing changes
    ExpectCurrentColour({0.25f, 0.5f, 0.75f, 1});
    // Pushes past the stack's depth stay paired with their pops.
    for (int i = 0; i < COLOR_STACK_DEPTH + 5; i++) PushColor();
    glColor4f(0, 0, 0, 1);
    for (int i = 0; i < COLOR_STACK_DEPTH + 5; i++) PopColor();
    ExpectCurrentColour({0.25f, 0.5f, 0.75f, 1});
}
