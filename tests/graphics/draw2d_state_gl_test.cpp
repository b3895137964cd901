// Panel drawing state by pixels: clip planes on each side, outlined polygons, current-colour
// point lists, a repeated texture and the saved-state scope.
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "tests/graphics/gl_fixture.h"

namespace {
using DrawStateTest = GraphicsGLTest;
const RGBA RED{255, 0, 0, 255};
const RGBA GREEN{0, 255, 0, 255};
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

TEST_F(DrawStateTest, OutlinedPolygonsShowOnlyTheirEdges) {
    glSetOutlinePolygons(true);
    glFillRect(100.5f, 100.5f, 60, 60);
    glSetOutlinePolygons(false);
    ExpectLit({{100, 130}, {130, 100}}, {{130, 130}});
    glFillRect(300, 100, 60, 60);
    ExpectLit({{330, 130}});
}

TEST_F(DrawStateTest, ARepeatedTextureTilesAcrossTheRectangle) {
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
    glSetLineWidth(1.0f);
    {
        SavedDrawState saved;
        glSetTexturing(false);
        glSetLineSmoothing(false);
        glSetLineWidth(4.0f);
    }
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FLOAT_EQ(width, 1.0f);
    glSetTexturing(false);
    glSetLineWidth(3.0f);
    SetColor(0xFF0000FFu);
    glDefaultDrawState();
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FLOAT_EQ(width, 1.0f);
    EXPECT_EQ(colour[1], 1.0f);
}
