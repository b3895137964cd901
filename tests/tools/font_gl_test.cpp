// DSF fonts written by the asset tool load with the engine's LoadFont, measure as FreeType laid
// them out, and draw visible glyphs.
#include <GL/gl.h>
#include <cstdio>
#include <gtest/gtest.h>

#include "graphics/font.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_dir.h"
#include "tools/assettool/atomic_file.h"
#include "tools/assettool/dsf_writer.h"
#include "tools/assettool/font_render.h"

namespace {

const char DEJAVU[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr u32 SIZE = 24;

class FontGl : public testing::Test {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        std::vector<u8> ttf, dsf;
        std::string error;
        ASSERT_TRUE(ReadFileBytes(DEJAVU, &ttf, &error)) << error;
        ASSERT_TRUE(RenderFont(ttf, SIZE, FontCharacterSet(), &rendered, &error)) << error;
        ASSERT_TRUE(WriteDSF(rendered, &dsf, &error)) << error;
        std::string path = dir.File("test.dsf");
        ASSERT_TRUE(WriteFileAtomic(path, dsf, &error)) << error;
        font = LoadFont(path.c_str());
        ASSERT_NE(font, nullptr);
        previous = SetFont(font);
    }
    void TearDown() override {
        SetFont(previous);
        FreeFont(font);
    }
    f32 Advances(const std::vector<i32>& codePoints) {
        f32 sum = 0;
        for (i32 cp : codePoints)
            for (const RenderedGlyph& g : rendered.glyphs)
                if (g.codePoint == cp) sum += g.advance;
        return sum;
    }

    TempDir dir;
    RenderedFont rendered;
    Font* font = nullptr;
    Font* previous = nullptr;
};

} // namespace

TEST_F(FontGl, MeasuresAsFreeTypeLaidItOut) {
    EXPECT_EQ(font->lineHeight, i16(SIZE));
    EXPECT_EQ(font->asciiDirect, 1);
    EXPECT_EQ(FindGlyph('A', font), 'A' - 32);
    EXPECT_FLOAT_EQ(TextWidthFont("Hello, pilot", font),
                    Advances({'H', 'e', 'l', 'l', 'o', ',', ' ', 'p', 'i', 'l', 'o', 't'}));
    // "Čeština – Größe": Latin Extended-A, Latin-1 and an en dash, all with glyphs.
    EXPECT_FLOAT_EQ(TextWidthFont("\xC4\x8C"
                                  "e\xC5\xA1tina \xE2\x80\x93 Gr\xC3\xB6\xC3\x9F"
                                  "e",
                                  font),
                    Advances({0x10C, 'e', 0x161, 't', 'i', 'n', 'a', ' ', 0x2013, ' ', 'G', 'r',
                              0xF6, 0xDF, 'e'}));
    EXPECT_FLOAT_EQ(GlyphAdvance(0x142, font), Advances({0x142}));
}

TEST_F(FontGl, DrawsGlyphsWhereTheTextIs) {
    GLTestClear(0, 0, 0);
    glColor4f(1, 1, 1, 1);
    DrawText(100, 100, "MMMM", ALIGN_LEFT);
    int lit = 0;
    for (int y = 100; y < 100 + int(SIZE); ++y)
        for (int x = 100; x < 100 + int(Advances({'M', 'M', 'M', 'M'})); ++x)
            if (GLTestPixel(x, y).r > 128) ++lit;
    EXPECT_GT(lit, 100);
    // Nothing above the line and nothing left of the start.
    for (int x = 90; x < 200; ++x) EXPECT_LT(GLTestPixel(x, 95).r, 16) << x;
    for (int y = 100; y < 124; ++y) EXPECT_LT(GLTestPixel(95, y).r, 16) << y;
}
