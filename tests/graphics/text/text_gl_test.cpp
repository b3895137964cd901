// Text drawn into the real GL window and read back: colours and tags, pixel snapping,
// alignment, the missing-glyph cross, wrapped boxes with scrolling, clipping and box mode,
// and font pages that survive the loss of the GL context.
#include <GL/gl.h>
#include <cstring>

#include "engine/utils.h"
#include "engine/window.h"
#include "graphics/color.h"
#include "graphics/dsf.h"
#include "graphics/texture.h"
#include "tests/graphics/text/font_fixture.h"
#include "tests/support/gl_context.h"

namespace {

constexpr RGBA BLACK{0, 0, 0, 255}, RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255},
    BLUE{0, 0, 255, 255}, WHITE{255, 255, 255, 255};
constexpr int TOLERANCE = 2;
// The half glyph 'H' is transparent in its top 8 rows and opaque in the bottom 8.
constexpr int HALF_BLOCK_X = 16;

TestFont GLTestFont() {
    TestFont font = AsciiTestFont(TestFontExtras());
    TestGlyph& half = font.glyphs['H' - 32];
    half.x = HALF_BLOCK_X;
    TestPage& page = font.pages[0];
    for (int y = 8; y < 16; y++) memset(&page.alpha[size_t(y) * page.width + HALF_BLOCK_X], 255, 8);
    return font;
}

class TextGL : public FontFixture {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        FontFixture::SetUp();
        SetFont(nullptr);
        for (Font* f : loaded) FreeFont(f);
        loaded.clear();
        font = Load(GLTestFont());
        ASSERT_NE(font, nullptr);
        SetFont(font);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_LINE_SMOOTH);
        GLTestClear(0, 0, 0);
        glColor4f(1, 1, 1, 1);
    }
    static bool Is(int x, int y, RGBA expected) {
        return ColorNear(GLTestPixel(x, y), expected, TOLERANCE);
    }
    static bool Lit(int x, int y) {
        RGBA p = GLTestPixel(x, y);
        return p.r > 100 || p.g > 100 || p.b > 100;
    }
    // Lit columns of a row between x0 and x1 (exclusive), as a string of '#' and '.'.
    static std::string Row(int y, int x0, int x1) {
        std::string s;
        for (int x = x0; x < x1; x++) s += Lit(x, y) ? '#' : '.';
        return s;
    }
};

} // namespace

TEST_F(TextGL, GlyphsAppearInTheCurrentColourAndTheColourIsKept) {
    glColor4f(1, 0, 0, 1);
    EXPECT_EQ(DrawText(100, 50, "AB", ALIGN_LEFT), 20);
    EXPECT_EQ(Row(50, 98, 122), "..########..########....");
    EXPECT_TRUE(Is(100, 50, RED));
    EXPECT_TRUE(Is(107, 65, RED));
    EXPECT_TRUE(Is(107, 66, BLACK));
    EXPECT_TRUE(Is(100, 49, BLACK));
    f32 color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_FLOAT_EQ(color[0], 1);
    EXPECT_FLOAT_EQ(color[1], 0);
    EXPECT_FALSE(Is2DMode());
}

TEST_F(TextGL, ColourTagsChangeTheColourMidLine) {
    glColor4f(0, 1, 0, 1);
    DrawText(100, 50, "<c red>x</c>y", ALIGN_LEFT);
    EXPECT_TRUE(Is(103, 58, RED));
    EXPECT_TRUE(Is(113, 58, GREEN));
    DrawText(100, 100, "<c red><c blue>x</c>y", ALIGN_LEFT);
    EXPECT_TRUE(Is(103, 108, BLUE));
    EXPECT_TRUE(Is(113, 108, GREEN)); // the default colour, not red
    DrawText(100, 150, "<color 255,255,255>a<c FF0000FF>b", ALIGN_LEFT);
    EXPECT_TRUE(Is(103, 158, WHITE));
    EXPECT_TRUE(Is(113, 158, RED));
    f32 color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_FLOAT_EQ(color[0], 0); // the caller's colour comes back
    EXPECT_FLOAT_EQ(color[1], 1);
}

TEST_F(TextGL, WithMarkupOffTagsAreDrawnAsCharacters) {
    EngineDisable(ENGINE_TEXT_MARKUP);
    EXPECT_EQ(DrawText(100, 50, "<c red>", ALIGN_LEFT), 70);
    EXPECT_TRUE(Is(163, 58, WHITE));
}

TEST_F(TextGL, PositionsSnapToDisplayPixels) {
    DrawText(10.7f, 20.6f, "A", ALIGN_LEFT);
    EXPECT_TRUE(Lit(10, 20));
    EXPECT_TRUE(Lit(17, 35));
    EXPECT_FALSE(Lit(18, 20));
    EXPECT_FALSE(Lit(10, 36));
    EXPECT_FALSE(Lit(9, 25));
}

TEST_F(TextGL, RightAndCentredLinesEndAtOrAroundX) {
    DrawText(300, 50, "AB", ALIGN_RIGHT);
    EXPECT_EQ(Row(55, 278, 302), "..########..########....");
    DrawText(300, 100, "AB", ALIGN_CENTER);
    EXPECT_EQ(Row(105, 288, 312), "..########..########....");
    DrawText(300, 150, "A\nABC", ALIGN_RIGHT); // every line is aligned on its own
    EXPECT_EQ(Row(155, 268, 302), "......................########....");
    EXPECT_EQ(Row(171, 268, 302), "..########..########..########....");
    DrawText(300, 200, "AB", 12345); // unknown codes draw left-aligned
    EXPECT_TRUE(Lit(300, 205));
}

TEST_F(TextGL, MissingGlyphIsALineHighCross) {
    EXPECT_EQ(DrawText(100, 100, "\xE2\x82\xAC", ALIGN_LEFT), 16);
    auto litNear = [](int x, int y) {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if (Lit(x + dx, y + dy)) return true;
        return false;
    };
    EXPECT_TRUE(litNear(104, 104));
    EXPECT_TRUE(litNear(112, 112));
    EXPECT_TRUE(litNear(112, 104)); // the other diagonal
    EXPECT_TRUE(litNear(104, 112));
    EXPECT_FALSE(Lit(108, 102)); // between the arms
    EXPECT_FALSE(Lit(102, 108));
    EXPECT_FALSE(litNear(120, 108));
    // A code point above the table, then a glyph after the cross.
    DrawText(100, 200,
             "\xC5\xA1"
             "A",
             ALIGN_LEFT);
    EXPECT_TRUE(litNear(108, 208));
    EXPECT_TRUE(Is(118, 208, WHITE));
}

TEST_F(TextGL, NoFontDrawsNothing) {
    SetFont(nullptr);
    EXPECT_EQ(DrawText(100, 100, "AB", ALIGN_LEFT), 0);
    EXPECT_EQ(DrawTextBox(100, 100, 200, 0, "AB", 0, ALIGN_LEFT, -1, 0), 0);
    EXPECT_FALSE(Lit(103, 108));
}

TEST_F(TextGL, BoxWrapsScrollsAndClipsCutLines) {
    // Lines at 192, 208, 224; the band is 200..220.
    EXPECT_EQ(DrawTextBox(100, 200, 1000, 20, "A\nB\nC", 8, ALIGN_LEFT, -1, 0), 20);
    EXPECT_FALSE(Lit(103, 199));
    EXPECT_TRUE(Lit(103, 200));
    EXPECT_TRUE(Lit(103, 219));
    EXPECT_FALSE(Lit(103, 220));
    EXPECT_FALSE(Lit(103, 230));

    // Wrapping at the break: "AB " on the first line, "CD" on the second.
    EXPECT_EQ(DrawTextBox(300, 300, 35, 0, "AB CD", 0, ALIGN_LEFT, -1, 0), 32);
    EXPECT_EQ(Row(305, 298, 332), "..########..########..............");
    EXPECT_EQ(Row(321, 298, 322), "..########..########....");
}

TEST_F(TextGL, CutLinesShowTheMatchingPartOfTheGlyph) {
    // 'H' is opaque only in its lower half; with 4 rows scrolled away its opaque part must
    // still start 8 rows below the line's top.
    DrawTextBox(100, 100, 1000, 0, "H", 4, ALIGN_LEFT, -1, 0);
    EXPECT_FALSE(Lit(103, 100));
    EXPECT_FALSE(Lit(103, 103));
    EXPECT_TRUE(Lit(103, 104));
    EXPECT_TRUE(Lit(103, 111));
    EXPECT_FALSE(Lit(103, 112));
}

TEST_F(TextGL, TagsOnLinesScrolledAwayStillApply) {
    DrawTextBox(100, 100, 1000, 0, "<c red>A\nB", 16, ALIGN_LEFT, -1, 0);
    EXPECT_TRUE(Is(103, 108, RED));
    EXPECT_FALSE(Lit(103, 120));
}

TEST_F(TextGL, BoxLinesAlign) {
    DrawTextBox(300, 100, 1000, 0, "AB\nA", 0, ALIGN_RIGHT, -1, 0);
    EXPECT_EQ(Row(105, 278, 302), "..########..########....");
    EXPECT_EQ(Row(121, 278, 302), "............########....");
    DrawTextBox(300, 200, 1000, 0, "AB", 0, ALIGN_CENTER, -1, 0);
    EXPECT_TRUE(Lit(290, 205));
    EXPECT_FALSE(Lit(289, 205));
}

TEST_F(TextGL, SkippedGlyphsAdvanceButAreNotDrawn) {
    DrawTextBox(100, 100, 1000, 0, "ABCD", 0, ALIGN_LEFT, -1, 2);
    EXPECT_EQ(Row(105, 98, 142), "......................########..########....");
    // A skip count reaches across a scrolled-away line, its newline included.
    DrawTextBox(100, 200, 1000, 0, "AB\nCD", 16, ALIGN_LEFT, -1, 4);
    EXPECT_EQ(Row(205, 98, 122), "............########....");
}

TEST_F(TextGL, BoxModePaintsGlyphCellsAndNewlines) {
    glColor4f(0, 0, 1, 1);
    glEnable(GL_TEXTURE_2D);
    // Cells of C and D only: A and B are skipped.
    DrawTextBox(100, 100, 1000, 0, "ABCD", 0, ALIGN_LEFT, ~4, 2);
    EXPECT_FALSE(Lit(110, 108));
    EXPECT_TRUE(Is(125, 108, BLUE));
    EXPECT_TRUE(Is(129, 108, BLUE)); // cells are whole advances, no gaps
    EXPECT_TRUE(Is(135, 115, BLUE));
    EXPECT_FALSE(Lit(143, 108));
    EXPECT_FALSE(Lit(125, 118));
    // A newline is a box half a line wide after the line's last cell.
    DrawTextBox(100, 200, 1000, 0, "A\nB", 0, ALIGN_LEFT, ~3, 0);
    EXPECT_TRUE(Is(114, 208, BLUE));
    EXPECT_FALSE(Lit(121, 208));
    EXPECT_TRUE(Is(105, 224, BLUE));
    // Box mode leaves texturing as the caller had it.
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextGL, PagesAreLuminanceAlphaAndRegistered) {
    u32 before = RegisteredTextureCount();
    Font* second = Load(GLTestFont());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(RegisteredTextureCount(), before + 1);
    ASSERT_NE(second->pages[0].name, 0u);
    std::vector<u8> texels(128 * 16 * 2);
    glBindTexture(GL_TEXTURE_2D, second->pages[0].name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels[0], 255);
    EXPECT_EQ(texels[1], 255);       // the opaque block
    EXPECT_EQ(texels[8 * 2 + 1], 0); // just right of it
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
    loaded.pop_back();
    FreeFont(second);
    EXPECT_EQ(RegisteredTextureCount(), before);
}

TEST_F(TextGL, PagesSurviveALostContext) {
    auto readPage = [&] {
        std::vector<u8> texels(128 * 16 * 2);
        glBindTexture(GL_TEXTURE_2D, font->pages[0].name);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, texels.data());
        return texels;
    };
    std::vector<u8> original = readPage();
    glDownload();
    DestroyGL();
    InitGL(0);
    glUpload();
    EXPECT_EQ(readPage(), original);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    GLTestClear(0, 0, 0);
    glColor4f(1, 1, 1, 1);
    DrawText(100, 50, "AH", ALIGN_LEFT);
    EXPECT_TRUE(Is(103, 55, WHITE));
    EXPECT_FALSE(Lit(113, 55));
    EXPECT_TRUE(Is(113, 60, WHITE));
}

TEST(ColorStack, PushPopRestoresAndAnEmptyPopIsHarmless) {
    GLTestEnsureContext();
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    PushColor();
    SetColor(MakeRGBA(255, 0, 0, 128));
    f32 c[4];
    glGetFloatv(GL_CURRENT_COLOR, c);
    EXPECT_FLOAT_EQ(c[0], 1);
    EXPECT_NEAR(c[3], 128 / 255.0f, 1e-6);
    PopColor();
    glGetFloatv(GL_CURRENT_COLOR, c);
    EXPECT_FLOAT_EQ(c[1], 0.5f);
    PopColor(); // empty: nothing changes
    glGetFloatv(GL_CURRENT_COLOR, c);
    EXPECT_FLOAT_EQ(c[2], 0.75f);

    // Pushes past the stack's depth stay paired with their pops.
    for (int i = 0; i < COLOR_STACK_DEPTH + 5; i++) PushColor();
    glColor4f(0, 0, 0, 1);
    for (int i = 0; i < COLOR_STACK_DEPTH + 5; i++) PopColor();
    glGetFloatv(GL_CURRENT_COLOR, c);
    EXPECT_FLOAT_EQ(c[0], 0.25f);
}
