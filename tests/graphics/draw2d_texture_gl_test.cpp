// Textured quads: the four flip codes, source rectangles and their limits, and the texture
// binding and texturing switch left as the caller had them.
#include <array>

#include "graphics/draw2d.h"
#include "tests/graphics/gl_fixture.h"

namespace {

constexpr TestPixel RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255},
    YELLOW{255, 255, 0, 255};

class TextureDrawTest : public GraphicsGLTest {
  protected:
    void SetUp() override {
        GraphicsGLTest::SetUp();
        TestImage quarters = SolidImage(2, 2, RED);
        quarters.At(1, 0) = GREEN;
        quarters.At(0, 1) = BLUE;
        quarters.At(1, 1) = YELLOW;
        texture = LoadTexture("quarters.tga", quarters, GL_NEAREST);
        pattern = PatternImage(8, 8);
        patterned = LoadTexture("pattern8.tga", pattern, GL_NEAREST);
        ASSERT_TRUE(texture && patterned);
    }
    // The colours in the top-left, top-right, bottom-left and bottom-right quarters of a
    // 100 x 100 quad drawn at (100, 100).
    std::array<RGBA, 4> Quarters(u16 flip) {
        GLTestClear(0, 0, 0);
        glDrawTexture(100, 100, 100, 100, texture, nullptr, flip);
        return {GLTestPixel(125, 125), GLTestPixel(175, 125), GLTestPixel(125, 175),
                GLTestPixel(175, 175)};
    }
    // Each screen pixel (x, y) shows the pattern's texel (tx, ty).
    void ExpectTexels(std::initializer_list<std::array<int, 4>> cases) {
        for (auto [x, y, tx, ty] : cases)
            EXPECT_EQ(GLTestPixel(x, y), ToRGBA(pattern.At(tx, ty))) << "at " << x << "," << y;
    }
    Texture* texture = nullptr;
    Texture* patterned = nullptr;
    TestImage pattern;
};

TEST_F(TextureDrawTest, FlipCodesMirrorTheQuad) {
    const RGBA r = ToRGBA(RED), g = ToRGBA(GREEN), b = ToRGBA(BLUE), y = ToRGBA(YELLOW);
    EXPECT_EQ(Quarters(FLIP_NONE), (std::array<RGBA, 4>{r, g, b, y}));
    EXPECT_EQ(Quarters(FLIP_HORIZONTAL), (std::array<RGBA, 4>{g, r, y, b}));
    EXPECT_EQ(Quarters(FLIP_VERTICAL), (std::array<RGBA, 4>{b, y, r, g}));
    EXPECT_EQ(Quarters(FLIP_BOTH), (std::array<RGBA, 4>{y, b, g, r}));
    EXPECT_EQ(Quarters(0x10), (std::array<RGBA, 4>{r, g, b, y})); // unknown codes: unmirrored
}

TEST_F(TextureDrawTest, SourceRectangleSelectsTexels) {
    glDrawTexture(0, 0, 20, 20, patterned, glTempRectF(1, 2, 2, 2), FLIP_NONE);
    // Integer rectangles work the same; none means the whole texture.
    glDrawTextureRect(200, 0, 20, 20, patterned, glTempRect(6, 6, 2, 2));
    glDrawTextureRect(100, 0, 80, 80, patterned, nullptr);
    ExpectTexels({{5, 5, 1, 2},
                  {15, 5, 2, 2},
                  {15, 15, 2, 3},
                  {215, 15, 7, 7},
                  {175, 75, 7, 7},
                  {105, 5, 0, 0}});
}

TEST_F(TextureDrawTest, DegenerateSourceRectanglesAreWidened) {
    // Width 0 becomes one texel: filtered linearly, the middle of the quad shows texel 3
    // itself, not the blend of texels 2 and 3 at their shared edge.
    Texture* smooth = LoadTexture("pattern8lin.tga", pattern, GL_LINEAR);
    ASSERT_NE(smooth, nullptr);
    glDrawTexture(0, 0, 40, 40, smooth, glTempRectF(3, 0, 0, 8), FLIP_NONE);
    EXPECT_TRUE(ColorNear(GLTestPixel(20, 2), ToRGBA(pattern.At(3, 0)), 4));
    // A negative corner starts at texel 0.
    glDrawTexture(100, 0, 40, 40, patterned, glTempRectF(-4, -4, 4, 4), FLIP_NONE);
    ExpectTexels({{105, 5, 0, 0}, {135, 35, 3, 3}});
}

TEST_F(TextureDrawTest, MissingTextureDrawsNothing) {
    glDrawTexture(0, 0, 50, 50, nullptr, nullptr, FLIP_NONE);
    glDrawTextureRect(0, 0, 50, 50, nullptr, nullptr);
    EXPECT_FALSE(Lit(25, 25));
}

TEST_F(TextureDrawTest, TexturedCallsRestoreTheBindingAndSwitch) {
    GLuint mine = 0;
    glGenTextures(1, &mine);
    for (bool enabled : {false, true}) {
        glBindTexture(GL_TEXTURE_2D, mine);
        enabled ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
        glDrawTexture(0, 0, 10, 10, texture, nullptr, FLIP_NONE);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(GLuint(bound), mine);
        EXPECT_EQ(bool(glIsEnabled(GL_TEXTURE_2D)), enabled);
        // Untextured primitives draw flat even with texturing on.
        glColor4f(1, 1, 1, 1);
        glFillRect(300, 300, 10, 10);
        ExpectColour(RGBA{255, 255, 255, 255}, {{305, 305}});
        EXPECT_EQ(bool(glIsEnabled(GL_TEXTURE_2D)), enabled);
    }
    glDeleteTextures(1, &mine);
    glEnable(GL_TEXTURE_2D);
}

} // namespace
