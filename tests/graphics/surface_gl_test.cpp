// glLoadSurface and glDrawSurface under a real GL context: tile sizes, the one-texel borders
// taken from neighbouring tiles, pixel-exact drawing across seams, source rectangles, flips
// and clipping at the virtual screen's edges.
#include <cmath>
#include <cstdlib>

#include "graphics/draw2d.h"
#include "tests/graphics/gl_fixture.h"

namespace {

using SurfaceTest = GraphicsGLTest;

constexpr int TILE = SURFACE_TILE_PIXELS;

int Clamp(int v, int low, int high) {
    return v < low ? low : v > high ? high : v;
}

RGBA ScreenAt(const std::vector<u8>& screen, int width, int x, int y) {
    const u8* p = &screen[(size_t(y) * width + x) * 4];
    return RGBA{p[0], p[1], p[2], 255};
}

RGBA Opaque(const TestPixel& p) {
    return RGBA{p.r, p.g, p.b, 255};
}

TEST_F(SurfaceTest, TileTexturesHaveTheLayoutSizes) {
    Surface* one = LoadSurface("one.tga", PatternImage(254, 254), GL_LINEAR);
    ASSERT_NE(one, nullptr);
    ASSERT_EQ(one->columns * one->rows, 1);
    EXPECT_EQ(TextureLevelParameter(one->names[0], 0, GL_TEXTURE_WIDTH), 256);
    EXPECT_EQ(TextureLevelParameter(one->names[0], 0, GL_TEXTURE_HEIGHT), 256);

    Surface* thin = LoadSurface("thin.tga", PatternImage(255, 10), GL_LINEAR);
    ASSERT_NE(thin, nullptr);
    ASSERT_EQ(thin->columns, 2);
    EXPECT_EQ(TextureLevelParameter(thin->names[0], 0, GL_TEXTURE_WIDTH), 256);
    EXPECT_EQ(TextureLevelParameter(thin->names[0], 0, GL_TEXTURE_HEIGHT), 16);
    EXPECT_EQ(TextureLevelParameter(thin->names[1], 0, GL_TEXTURE_WIDTH), 4);
    EXPECT_EQ(TextureLevelParameter(thin->names[1], 0, GL_TEXTURE_HEIGHT), 16);
    for (int i = 0; i < 2; i++) {
        RegisteredTextureInfo info{};
        ASSERT_TRUE(GetRegisteredTexture(RegisteredTextureCount() - 2 + i, &info));
        EXPECT_EQ(info.owner, &thin->names[i]);
        EXPECT_FALSE(info.mipmapped);
    }
}

// Every tile holds its pixels from texel (1, 1) and a border of the neighbouring pixels, or
// of the image's own edge pixels where the tile meets the image edge.
TEST_F(SurfaceTest, TileBordersRepeatNeighboursAndImageEdges) {
    TestImage image = PatternImage(600, 300);
    Surface* surface = LoadSurface("borders.tga", image, GL_LINEAR);
    ASSERT_NE(surface, nullptr);
    int wrong = 0;
    for (int row = 0; row < surface->rows; row++) {
        for (int column = 0; column < surface->columns; column++) {
            u32 name = surface->names[row * surface->columns + column];
            int texW = TextureLevelParameter(name, 0, GL_TEXTURE_WIDTH);
            std::vector<u8> texels = ReadTexture(name, GL_RGB);
            int pw = column + 1 == surface->columns ? surface->lastColumnPixels : TILE;
            int ph = row + 1 == surface->rows ? surface->lastRowPixels : TILE;
            for (int ty = 0; ty < ph + 2; ty++) {
                for (int tx = 0; tx < pw + 2; tx++) {
                    int ix = Clamp(column * TILE + tx - 1, 0, image.width - 1);
                    int iy = Clamp(row * TILE + ty - 1, 0, image.height - 1);
                    const u8* t = &texels[(size_t(ty) * texW + tx) * 3];
                    TestPixel want = image.At(ix, iy);
                    if (t[0] == want.r && t[1] == want.g && t[2] == want.b) continue;
                    if (wrong++ < 5)
                        ADD_FAILURE() << "tile " << column << "," << row << " texel " << tx << ","
                                      << ty << " should be image pixel " << ix << "," << iy;
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(SurfaceTest, DrawnPixelExactAcrossTileSeams) {
    TestImage image = PatternImage(600, 300);
    Surface* surface = LoadSurface("seams.tga", image, GL_LINEAR);
    ASSERT_NE(surface, nullptr);
    glDrawSurface(0, 0, 600, 300, surface, nullptr, FLIP_NONE);
    EXPECT_EQ(CompareWithImage(0, 0, image, 1), 0);

    GLTestClear(0, 0, 0);
    glDrawSurfaceRect(100, 200, 600, 300, surface, nullptr);
    EXPECT_EQ(CompareWithImage(100, 200, image, 1), 0);
}

// Scaled up with linear filtering, a smooth gradient stays smooth where tiles meet: a
// missing or wrong border texel would show as a step at the seam.
TEST_F(SurfaceTest, ScaledDrawShowsNoSeam) {
    TestImage image = GradientImage(600, 300);
    Surface* surface = LoadSurface("gradient.tga", image, GL_LINEAR);
    ASSERT_NE(surface, nullptr);
    glDrawSurface(0, 0, 750, 375, surface, nullptr, FLIP_NONE);
    int w = 0, h = 0;
    std::vector<u8> screen = GLTestReadAll(&w, &h);
    int worstX = 0, worstY = 0;
    for (int x = 1; x < 750; x++) {
        int step = ScreenAt(screen, w, x, 200).r - ScreenAt(screen, w, x - 1, 200).r;
        worstX = std::max(worstX, std::abs(step));
    }
    for (int y = 1; y < 375; y++) {
        int step = ScreenAt(screen, w, 400, y).g - ScreenAt(screen, w, 400, y - 1).g;
        worstY = std::max(worstY, std::abs(step));
    }
    EXPECT_LE(worstX, 2);
    EXPECT_LE(worstY, 2);
}

TEST_F(SurfaceTest, SourceRectanglesAndFlipsAcrossSeams) {
    TestImage image = PatternImage(600, 300);
    Surface* surface = LoadSurface("parts.tga", image, GL_LINEAR);
    ASSERT_NE(surface, nullptr);
    const TempRectF* source = glTempRectF(200, 230, 100, 50); // crosses both seams
    struct Case {
        u16 flip;
        bool mirrorX, mirrorY;
    } cases[] = {{FLIP_NONE, false, false},
                 {FLIP_HORIZONTAL, true, false},
                 {FLIP_VERTICAL, false, true},
                 {FLIP_BOTH, true, true},
                 {3, false, false}};
    for (const Case& c : cases) {
        GLTestClear(0, 0, 0);
        glDrawSurface(10, 10, 100, 50, surface, source, c.flip);
        int w = 0, h = 0;
        std::vector<u8> screen = GLTestReadAll(&w, &h);
        int wrong = 0;
        for (int j = 0; j < 50; j++)
            for (int i = 0; i < 100; i++) {
                int sx = 200 + (c.mirrorX ? 99 - i : i), sy = 230 + (c.mirrorY ? 49 - j : j);
                if (!ColorNear(ScreenAt(screen, w, 10 + i, 10 + j), Opaque(image.At(sx, sy)), 1))
                    wrong++;
            }
        EXPECT_EQ(wrong, 0) << "flip " << c.flip;
    }
}

TEST_F(SurfaceTest, SourceIsKeptInsideTheSurface) {
    TestImage image = PatternImage(300, 100);
    Surface* surface = LoadSurface("inside.tga", image, GL_LINEAR);
    ASSERT_NE(surface, nullptr);
    // Passing the right edge moves the source back: columns 200..299 are drawn.
    glDrawSurfaceRect(0, 0, 100, 10, surface, glTempRect(250, 0, 100, 10));
    for (int i : {0, 50, 99})
        EXPECT_TRUE(ColorNear(GLTestPixel(i, 5), Opaque(image.At(200 + i, 5)), 1));
    // A negative corner starts at the surface's own corner.
    glDrawSurfaceRect(0, 20, 100, 10, surface, glTempRect(-40, -5, 100, 10));
    for (int i : {0, 50, 99}) EXPECT_TRUE(ColorNear(GLTestPixel(i, 25), Opaque(image.At(i, 5)), 1));
}

// The cuts are only visible when the modelview moves the screen-space rectangle back into
// view: what was cut off there is missing.
class SurfaceClipTest : public SurfaceTest {
  protected:
    void DrawShifted(f32 shift, f32 x, f32 y, f32 w, f32 h, const TempRectF* source, u16 flip) {
        glEnter2D();
        glTranslatef(shift, 0, 0);
        glDrawSurface(x, y, w, h, surface, source, flip);
        glLeave2D();
    }
    void SetUp() override {
        SurfaceTest::SetUp();
        image = PatternImage(600, 300);
        surface = LoadSurface("clip.tga", image, GL_LINEAR);
        ASSERT_NE(surface, nullptr);
    }
    TestImage image;
    Surface* surface = nullptr;
};

TEST_F(SurfaceClipTest, RightEdgeCutsDestinationAndSourceInProportion) {
    DrawShifted(-700, 780, 0, 100, 50, glTempRectF(0, 0, 100, 50), FLIP_NONE);
    // 20 units kept at x 780..800, now at 80..100, showing source columns 0..19.
    for (int i = 0; i < 20; i++)
        EXPECT_TRUE(ColorNear(GLTestPixel(80 + i, 25), Opaque(image.At(i, 25)), 1)) << i;
    EXPECT_EQ(GLTestPixel(100, 25), (RGBA{0, 0, 0, 255}));
    EXPECT_EQ(GLTestPixel(150, 25), (RGBA{0, 0, 0, 255}));

    // Drawn twice as large, the cut still ends at the screen edge.
    GLTestClear(0, 0, 0);
    DrawShifted(-700, 780, 0, 200, 100, glTempRectF(0, 0, 100, 50), FLIP_NONE);
    EXPECT_NE(GLTestPixel(99, 50), (RGBA{0, 0, 0, 255}));
    EXPECT_EQ(GLTestPixel(101, 50), (RGBA{0, 0, 0, 255}));
}

TEST_F(SurfaceClipTest, MirroredSurfaceKeepsTheRightPartAtTheEdge) {
    DrawShifted(-700, 780, 0, 100, 50, glTempRectF(0, 0, 100, 50), FLIP_HORIZONTAL);
    // Mirrored, the visible 20 units show the source's last columns 99..80.
    for (int i = 0; i < 20; i++)
        EXPECT_TRUE(ColorNear(GLTestPixel(80 + i, 25), Opaque(image.At(99 - i, 25)), 1)) << i;
}

TEST_F(SurfaceClipTest, BottomEdgeCutsToo) {
    glEnter2D();
    glTranslatef(0, -500, 0);
    glDrawSurface(0, 590, 50, 100, surface, glTempRectF(0, 0, 50, 100), FLIP_NONE);
    glLeave2D();
    for (int j = 0; j < 10; j++)
        EXPECT_TRUE(ColorNear(GLTestPixel(20, 90 + j), Opaque(image.At(20, j)), 1)) << j;
    EXPECT_EQ(GLTestPixel(20, 101), (RGBA{0, 0, 0, 255}));
}

TEST_F(SurfaceClipTest, WhollyOffScreenDrawsNothing) {
    DrawShifted(100, -50, 0, 40, 40, nullptr, FLIP_NONE);  // x + w < 0
    DrawShifted(-790, 800, 0, 40, 40, nullptr, FLIP_NONE); // x at the right edge
    glEnter2D();
    glTranslatef(0, 100, 0);
    glDrawSurface(0, -45, 40, 40, surface, nullptr, FLIP_NONE);
    glLeave2D();
    int w = 0, h = 0;
    std::vector<u8> screen = GLTestReadAll(&w, &h);
    int lit = 0;
    for (size_t i = 0; i < screen.size(); i += 4) lit += screen[i] | screen[i + 1] | screen[i + 2];
    EXPECT_EQ(lit, 0);
    // The same rectangle a little further in does draw.
    DrawShifted(100, -30, 0, 40, 40, nullptr, FLIP_NONE);
    EXPECT_NE(GLTestPixel(75, 20), (RGBA{0, 0, 0, 255}));
}

TEST_F(SurfaceClipTest, NonFiniteSourceDrawsNothing) {
    const f32 nan = std::nanf("");
    glDrawSurface(0, 0, 100, 100, surface, glTempRectF(nan, 0, 50, 50), FLIP_NONE);
    glDrawSurface(0, 0, 100, 100, surface, glTempRectF(0, 0, 50, nan), FLIP_BOTH);
    EXPECT_EQ(GLTestPixel(50, 50), (RGBA{0, 0, 0, 255}));
}

TEST_F(SurfaceClipTest, MissingSurfaceDrawsNothing) {
    glDrawSurface(0, 0, 100, 100, nullptr, nullptr, FLIP_NONE);
    glDrawSurfaceRect(0, 0, 100, 100, nullptr, nullptr);
    EXPECT_EQ(GLTestPixel(50, 50), (RGBA{0, 0, 0, 255}));
}

} // namespace
