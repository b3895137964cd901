// glLoadSurface and glDrawSurface: tile layout, tile borders, pixel-exact drawing across seams,
// source rectangles, flips and clipping at the virtual screen's edges.
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

#include "graphics/draw2d.h"
#include "tests/graphics/gl_fixture.h"

namespace {

constexpr int TILE = SURFACE_TILE_PIXELS;

// A 600 x 300 pattern: three columns and two rows of tiles.
class SurfaceTest : public GraphicsGLTest {
  protected:
    void SetUp() override {
        GraphicsGLTest::SetUp();
        image = PatternImage(600, 300);
        surface = LoadSurface("pattern.tga", image, GL_LINEAR);
        ASSERT_NE(surface, nullptr);
    }
    // Draws with the modelview moved by shift, so what the screen's edges cut off shows.
    void DrawShifted(f32 shiftX, f32 shiftY, f32 x, f32 y, f32 w, f32 h, const TempRectF* source,
                     u16 flip) {
        glEnter2D();
        glTranslatef(shiftX, shiftY, 0);
        glDrawSurface(x, y, w, h, surface, source, flip);
        glLeave2D();
    }
    // Pixels of the w x h area at (x, y) unlike the image's from (sx, sy) on, 1:1 (mirrored:
    // leftwards), within 1; the first few are reported.
    int CompareWithPart(int x, int y, int w, int h, int sx, int sy, bool mirrored = false) {
        int screenW = 0, screenH = 0, differing = 0;
        std::vector<u8> screen = GLTestReadAll(&screenW, &screenH);
        for (int j = 0; j < h; j++) {
            for (int i = 0; i < w; i++) {
                const u8* p = &screen[(size_t(y + j) * screenW + x + i) * 4];
                RGBA got{p[0], p[1], p[2], 255};
                RGBA want = ToRGBA(image.At(mirrored ? sx - i : sx + i, sy + j));
                if (!ColorNear(got, want, 1) && differing++ < 5)
                    ADD_FAILURE() << "(" << i << "," << j << ") is " << got << ", not " << want;
            }
        }
        return differing;
    }
    TestImage image;
    Surface* surface = nullptr;
};

// Size; tiles across and down; the last column's pixels and texture width; the last row's
// pixels and texture height. A mipmap filter keeps its base: tiles have no mipmaps.
TEST_F(SurfaceTest, TileLayoutAndTextureSizes) {
    const std::array<int, 8> cases[] = {{254, 254, 1, 1, 254, 256, 254, 256},
                                        {255, 10, 2, 1, 1, 4, 10, 16},
                                        {600, 300, 3, 2, 92, 128, 46, 64}};
    for (auto [w, h, columns, rows, columnPixels, columnWidth, rowPixels, rowHeight] : cases) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Surface* s = LoadSurface("layout.tga", PatternImage(w, h), GL_LINEAR_MIPMAP_LINEAR);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(
            (std::array<int, 6>{s->columns, s->rows, s->lastColumnPixels, s->lastColumnWidth,
                                s->lastRowPixels, s->lastRowHeight}),
            (std::array<int, 6>{columns, rows, columnPixels, columnWidth, rowPixels, rowHeight}));
        const u32 last = s->names[columns * rows - 1]; // the tile cut in both directions
        EXPECT_EQ(std::tuple(TextureParameter(last, GL_TEXTURE_WIDTH, 0),
                             TextureParameter(last, GL_TEXTURE_HEIGHT, 0),
                             TextureParameter(last, GL_TEXTURE_MIN_FILTER)),
                  std::tuple(columnWidth, rowHeight, GL_LINEAR));
    }
}

// Every tile holds its pixels from texel (1, 1) and a border of the neighbouring pixels, or
// of the image's own edge pixels where the tile meets the image edge.
TEST_F(SurfaceTest, TileBordersRepeatNeighboursAndImageEdges) {
    for (int row = 0; row < surface->rows; row++) {
        for (int column = 0; column < surface->columns; column++) {
            u32 name = surface->names[row * surface->columns + column];
            int texW = TextureParameter(name, GL_TEXTURE_WIDTH, 0), wrong = 0;
            std::vector<u8> texels = ReadTexture(name, GL_RGB);
            int pw = column + 1 == surface->columns ? surface->lastColumnPixels : TILE;
            int ph = row + 1 == surface->rows ? surface->lastRowPixels : TILE;
            for (int ty = 0; ty < ph + 2; ty++) {
                for (int tx = 0; tx < pw + 2; tx++) {
                    TestPixel want = image.At(std::clamp(column * TILE + tx - 1, 0, 599),
                                              std::clamp(row * TILE + ty - 1, 0, 299));
                    const u8* t = &texels[(size_t(ty) * texW + tx) * 3];
                    wrong += t[0] != want.r || t[1] != want.g || t[2] != want.b;
                }
            }
            EXPECT_EQ(wrong, 0) << "tile " << column << "," << row;
        }
    }
}

TEST_F(SurfaceTest, DrawnPixelExactAndSourceKeptInsideTheSurface) {
    glDrawSurface(0, 0, 600, 300, surface, nullptr, FLIP_NONE);
    EXPECT_EQ(CompareWithPart(0, 0, 600, 300, 0, 0), 0);
    GLTestClear(0, 0, 0);
    // Passing the right edge moves the source back: columns 500..599 are drawn.
    glDrawSurfaceRect(0, 0, 100, 10, surface, glTempRect(550, 0, 100, 10));
    EXPECT_EQ(CompareWithPart(0, 0, 100, 10, 500, 0), 0);
    // A negative corner starts at the surface's own corner.
    glDrawSurfaceRect(0, 20, 100, 10, surface, glTempRect(-40, -5, 100, 10));
    EXPECT_EQ(CompareWithPart(0, 20, 100, 10, 0, 0), 0);
}

TEST_F(SurfaceTest, ScreenEdgesCutDestinationAndSourceInProportion) {
    // 20 units kept at x 780..800, now at 80..100, showing source columns 0..19.
    DrawShifted(-700, 0, 780, 0, 100, 50, glTempRectF(0, 0, 100, 50), FLIP_NONE);
    EXPECT_EQ(CompareWithPart(80, 0, 20, 50, 0, 0), 0);
    ExpectLit({}, {{100, 25}, {150, 25}});
    // Mirrored, the visible 20 units show the source's last columns 99..80.
    DrawShifted(-700, 0, 780, 100, 100, 50, glTempRectF(0, 0, 100, 50), FLIP_HORIZONTAL);
    EXPECT_EQ(CompareWithPart(80, 125, 20, 1, 99, 25, true), 0);
    // At the bottom edge: 10 units kept at y 590..600, now at 90..100, showing rows 0..9.
    DrawShifted(0, -500, 0, 590, 50, 100, glTempRectF(0, 0, 50, 100), FLIP_NONE);
    EXPECT_EQ(CompareWithPart(0, 90, 50, 10, 0, 0), 0);
    ExpectLit({}, {{20, 101}});
}

TEST_F(SurfaceTest, OffScreenNonFiniteOrMissingDrawsNothing) {
    DrawShifted(100, 0, -50, 0, 40, 40, nullptr, FLIP_NONE);  // x + w < 0
    DrawShifted(-790, 0, 800, 0, 40, 40, nullptr, FLIP_NONE); // x at the right edge
    DrawShifted(0, 100, 0, -45, 40, 40, nullptr, FLIP_NONE);  // y + h < 0
    const f32 nan = std::nanf("");
    glDrawSurface(0, 0, 100, 100, surface, glTempRectF(nan, 0, 50, 50), FLIP_NONE);
    glDrawSurface(0, 0, 100, 100, surface, glTempRectF(0, 0, 50, nan), FLIP_BOTH);
    glDrawSurface(0, 0, 100, 100, nullptr, nullptr, FLIP_NONE);
    glDrawSurfaceRect(0, 0, 100, 100, nullptr, nullptr);
    EXPECT_EQ(LitPixelCount(), 0);
    DrawShifted(100, 0, -30, 0, 40, 40, nullptr, FLIP_NONE); // a little further in does draw
    EXPECT_TRUE(Lit(75, 20));
}

} // namespace
