// Panel drawing state by pixels: clip planes, outlined polygons, a repeated texture, the
// saved-state scope.
#include <array>

#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "tests/graphics/gl_fixture.h"

namespace {
using DrawStateTest = GraphicsGLTest;
const RGBA RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255};
} // namespace

TEST_F(DrawStateTest, EachClipPlaneKeepsOneSideOfItsEdge) {
    struct Case {
        int plane;
        f64 a, b, d;
        Point kept, cut;
    };
    // A 100 x 100 square at (100, 100) cut at x = 150 or y = 150.
    const Case cases[] = {
        {0, 1, 0, -150, {175, 150}, {125, 150}}, {1, -1, 0, 150, {125, 150}, {175, 150}},
        {2, 0, 1, -150, {150, 175}, {150, 125}}, {5, 0, -1, 150, {150, 125}, {150, 175}},
        {6, 1, 0, -150, {175, 150}, {175, 150}}, // no such plane: nothing is cut
    };
    for (const Case& c : cases) {
        GLTestClear(0, 0, 0);
        SetColorF(1, 1, 1, 1);
        glSetClipPlane(c.plane, c.a, c.b, c.d);
        glFillRect(100, 100, 100, 100);
        glDisableClipPlane(c.plane);
        SCOPED_TRACE(c.plane);
        ExpectLit({c.kept});
        if (c.plane < CLIP_PLANE_COUNT) ExpectLit({}, {c.cut});
        glFillRect(100, 100, 100, 100); // the plane no longer cuts
        ExpectLit({c.cut});
    }
}

TEST_F(DrawStateTest, OutlinedPolygonsAndARepeatedTexture) {
    glSetOutlinePolygons(true);
    glFillRect(100.5f, 300.5f, 60, 60);
    glSetOutlinePolygons(false);
    ExpectLit({{100, 330}, {130, 300}}, {{130, 330}});
    glFillRect(300, 300, 60, 60);
    ExpectLit({{330, 330}});
    TestImage halves = SolidImage(2, 2, {255, 0, 0, 255});
    halves.pixels[1] = halves.pixels[3] = TestPixel{0, 255, 0, 255};
    Texture* texture = LoadTexture("halves.tga", halves, GL_NEAREST);
    ASSERT_NE(texture, nullptr);
    glDrawTextureRepeated(100, 100, 80, 40, texture, 2, 1);
    ExpectColour(RED, {{110, 120}, {150, 120}});
    ExpectColour(GREEN, {{130, 120}, {170, 120}});
    glDrawTextureRepeated(300, 100, 80, 40, nullptr, 2, 1);
    ExpectLit({}, {{310, 120}});
}

TEST_F(DrawStateTest, SavedStateComesBackAndTheDefaultIsWhiteTexturedThinLines) {
    auto state = [] {
        GLfloat width = 0, colour[4];
        glGetFloatv(GL_LINE_WIDTH, &width);
        glGetFloatv(GL_CURRENT_COLOR, colour);
        return std::array<f32, 4>{width, colour[1], f32(glIsEnabled(GL_TEXTURE_2D)),
                                  f32(glIsEnabled(GL_LINE_SMOOTH))};
    };
    glSetLineWidth(1.0f);
    glSetLineSmoothing(true);
    {
        SavedDrawState saved;
        glSetTexturing(false);
        glSetLineSmoothing(false);
        glSetLineWidth(4.0f);
    }
    EXPECT_EQ(state(), (std::array<f32, 4>{1, 1, 1, 1}));
    glSetTexturing(false);
    glSetLineSmoothing(false);
    glSetLineWidth(3.0f);
    SetColor(0xFF0000FFu);
    glDefaultDrawState();
    EXPECT_EQ(state(), (std::array<f32, 4>{1, 1, 1, 1}));
}
