// The 2D primitives under a real GL context: projection mode, state left as found, shapes by
// pixels, textured quads, outlines and repeated textures.
#include <array>
#include <functional>
#include <string>

#include "engine/window.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "tests/graphics/gl_fixture.h"

namespace {

using Draw2DTest = GraphicsGLTest;

// The two matrices, then stack depths, matrix mode, texture binding, texturing and depth test.
using GLState = std::vector<GLfloat>;
GLState CurrentState() {
    GLState state(32);
    glGetFloatv(GL_PROJECTION_MATRIX, &state[0]);
    glGetFloatv(GL_MODELVIEW_MATRIX, &state[16]);
    for (GLenum e : {GL_PROJECTION_STACK_DEPTH, GL_MODELVIEW_STACK_DEPTH, GL_MATRIX_MODE,
                     GL_TEXTURE_BINDING_2D, GL_TEXTURE_2D, GL_DEPTH_TEST}) {
        state.push_back(0);
        glGetFloatv(e, &state.back());
    }
    return state;
}

// Every primitive, with arguments that draw something on screen.
std::vector<std::pair<std::string, std::function<void()>>> Primitives(const Texture* texture,
                                                                      const Surface* surface) {
    return {
        {"line", [] { glDrawLine(10, 10, 100, 50); }},
        {"rect", [] { glDrawRect(10, 10, 50, 50); }},
        {"fill rect", [] { glFillRect(10, 10, 50, 50); }},
        {"round rect", [] { glDrawRoundRect(10, 10, 80, 40, 0.5f); }},
        {"fill round rect", [] { glFillRoundRect(10, 10, 80, 40, 0.5f); }},
        {"circle", [] { glDrawCircle(100, 100, 40, 0); }},
        {"fill circle", [] { glFillCircle(100, 100, 40, 12); }},
        {"glow", [] { glFillGlow(100, 100, 40, 1, 0.5f, 0, 1, 0); }},
        {"ellipse", [] { glDrawEllipse(100, 100, 40, 20, 0); }},
        {"fill ellipse", [] { glFillEllipse(100, 100, 40, 20, 0); }},
        {"point", [] { glDrawPoint(50, 50); }},
        {"texture", [=] { glDrawTexture(0, 0, 64, 64, texture, nullptr, FLIP_BOTH); }},
        {"surface", [=] { glDrawSurface(0, 0, 300, 300, surface, nullptr, FLIP_NONE); }},
    };
}

class Draw2DStateTest : public Draw2DTest {
  protected:
    void SetUp() override {
        Draw2DTest::SetUp();
        texture = LoadTexture("state.tga", PatternImage(32, 32), GL_NEAREST);
        surface = LoadSurface("state_surface.tga", PatternImage(300, 300), GL_LINEAR);
        ASSERT_TRUE(texture && surface);
        glGenTextures(1, &other);
    }
    void TearDown() override { glDeleteTextures(1, &other); }
    Texture* texture = nullptr;
    Surface* surface = nullptr;
    GLuint other = 0;
};

TEST_F(Draw2DStateTest, PrimitivesOutside2DModeLeaveMatricesAndTexturingAsFound) {
    ASSERT_FALSE(Is2DMode());
    for (bool texturing : {true, false}) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-1, 1, -1, 1, 1, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(1, 2, -3);
        glBindTexture(GL_TEXTURE_2D, other);
        texturing ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
        for (auto& [name, draw] : Primitives(texture, surface)) {
            GLTestClear(0, 0, 0);
            GLState before = CurrentState();
            draw();
            EXPECT_EQ(CurrentState(), before) << name << " texturing " << texturing;
            EXPECT_FALSE(Is2DMode()) << name;
            EXPECT_GT(LitPixelCount(), 0) << name; // in the 2D projection despite the matrices
        }
    }
    glEnable(GL_TEXTURE_2D);
}

TEST_F(Draw2DTest, Enter2DSetsTheScreenProjectionOnce) {
    GLState outside = CurrentState();
    glEnable(GL_DEPTH_TEST);
    glEnter2D();
    EXPECT_TRUE(Is2DMode());
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLState inside = CurrentState();
    glEnter2D(); // already in: nothing is pushed again
    EXPECT_EQ(CurrentState(), inside);
    glLeave2D();
    EXPECT_FALSE(Is2DMode());
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    glDisable(GL_DEPTH_TEST);
    EXPECT_EQ(CurrentState(), outside);
    glLeave2D(); // not in: nothing is popped
    EXPECT_EQ(CurrentState(), outside);
}

TEST_F(Draw2DTest, RectanglesLinesAndPointsInTheCurrentColour) {
    glFillRect(10, 20, 30, 40);
    ExpectColour({255, 255, 255, 255}, {{10, 20}, {39, 59}});
    ExpectColour({0, 0, 0, 255}, {{40, 59}, {39, 60}, {9, 20}});
    glDrawRect(100.5f, 100.5f, 50, 50);
    ExpectLit({{100, 125}, {150, 125}, {125, 100}, {125, 150}}, {{125, 125}});
    glDrawLine(200, 300.5f, 400, 300.5f);
    glDrawPoint(500.5f, 500.5f);
    ExpectLit({{300, 300}, {500, 500}}, {{300, 310}, {505, 500}});
}

// The corner radius is roundness (clamped to 0..1) times the shorter side's half.
TEST_F(Draw2DTest, RoundRectCornersFollowTheShorterSide) {
    // 100 x 20, roundness 1: r = 10; the top edge starts 10 in, the side is lit at mid-height.
    glFillRoundRect(100, 100, 100, 20, 1.0f);
    ExpectLit({{150, 110}, {112, 101}, {187, 118}, {100, 110}}, {{100, 100}, {199, 119}});
    // A tall box takes r from its width: 40 x 200 with roundness 0.5 gives r = 10.
    glFillRoundRect(300, 100, 40, 200, 0.5f);
    ExpectLit({{312, 101}, {300, 112}}, {{301, 101}, {300, 104}});
    // Below 0: sharp corners; above 1: as 1.
    glFillRoundRect(500, 100, 100, 20, -1.0f);
    glFillRoundRect(100, 200, 100, 20, 3.0f);
    ExpectLit({{500, 100}, {599, 119}, {150, 210}, {112, 201}, {100, 210}}, {{100, 200}});
    // The outline is hollow, its top-left corner an arc of r = 20 round (120.5, 120.5).
    GLTestClear(0, 0, 0);
    glDrawRoundRect(100.5f, 100.5f, 100, 40, 1.0f);
    ExpectLit({{150, 100}, {100, 120}, {106, 106}}, {{150, 120}, {101, 101}});
}

TEST_F(Draw2DTest, CircleSegmentsFollowTheRadiusWhenNotGiven) {
    // Radius 10 with 0 segments gives radius / 2: a pentagon, its bottom edge above a disc's.
    glFillCircle(400, 300, 10, 0);
    ExpectLit({{399, 290}, {399, 306}}, {{399, 309}});
    // Six given segments: a hexagon, corners at the top and bottom, flat sides at 86.6.
    glFillCircle(200, 300, 100, 6);
    ExpectLit({{199, 202}, {199, 397}, {284, 300}}, {{292, 300}});
    // Tiny circles still have three corners rather than none.
    glFillCircle(600, 100, 4, 0);
    ExpectLit({{599, 100}});
    // The outline is a ring.
    glDrawCircle(600.5f, 400.5f, 50, 64);
    ExpectLit({{600, 350}, {650, 400}, {600, 450}}, {{600, 400}, {600, 340}});
}

constexpr TestPixel RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255},
    YELLOW{255, 255, 0, 255};

class TextureDrawTest : public GraphicsGLTest {
  protected:
    void SetUp() override {
        GraphicsGLTest::SetUp();
        texture =
            LoadTexture("quarters.tga", {2, 2, false, {RED, GREEN, BLUE, YELLOW}}, GL_NEAREST);
        pattern = PatternImage(8, 8);
        patterned = LoadTexture("pattern8.tga", pattern, GL_NEAREST);
        ASSERT_TRUE(texture && patterned);
    }
    // The colours of the four quarters, top row first, of a 100 x 100 quad at (100, 100).
    std::array<RGBA, 4> Quarters(u16 flip) {
        GLTestClear(0, 0, 0);
        glDrawTexture(100, 100, 100, 100, texture, nullptr, flip);
        return {GLTestPixel(125, 125), GLTestPixel(175, 125), GLTestPixel(125, 175),
                GLTestPixel(175, 175)};
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
    // Screen pixel (x, y) shows texel (tx, ty).
    const std::array<int, 4> texels[] = {{5, 5, 1, 2},    {15, 5, 2, 2},   {15, 15, 2, 3},
                                         {215, 15, 7, 7}, {175, 75, 7, 7}, {105, 5, 0, 0}};
    for (auto [x, y, tx, ty] : texels)
        EXPECT_EQ(GLTestPixel(x, y), ToRGBA(pattern.At(tx, ty))) << "at " << x << "," << y;
    glDrawTexture(300, 300, 50, 50, nullptr, nullptr, FLIP_NONE); // no texture: nothing
    glDrawTextureRect(300, 300, 50, 50, nullptr, nullptr);
    EXPECT_FALSE(Lit(325, 325));
}

TEST_F(Draw2DTest, OutlinedPolygonsAndARepeatedTexture) {
    glSetOutlinePolygons(true);
    glFillRect(100.5f, 300.5f, 60, 60);
    glSetOutlinePolygons(false);
    ExpectLit({{100, 330}, {130, 300}}, {{130, 330}});
    glFillRect(300, 300, 60, 60);
    ExpectLit({{330, 330}});
    Texture* texture =
        LoadTexture("halves.tga", {2, 2, false, {RED, GREEN, RED, GREEN}}, GL_NEAREST);
    ASSERT_NE(texture, nullptr);
    glDrawTextureRepeated(100, 100, 80, 40, texture, 2, 1);
    ExpectColour(ToRGBA(RED), {{110, 120}, {150, 120}});
    ExpectColour(ToRGBA(GREEN), {{130, 120}, {170, 120}});
    glDrawTextureRepeated(300, 100, 80, 40, nullptr, 2, 1);
    ExpectLit({}, {{310, 120}});
}

} // namespace
