// The 2D primitives under a real GL context: the projection mode, state left as found, and
// the geometry of rectangles, rounded rectangles, circles, ellipses and the glow by pixels.
#include <array>
#include <functional>
#include <string>

#include "engine/window.h"
#include "graphics/draw2d.h"
#include "tests/graphics/gl_fixture.h"

namespace {

using Draw2DTest = GraphicsGLTest;

const RGBA BLACK{0, 0, 0, 255};
const RGBA WHITE{255, 255, 255, 255};

using Matrix = std::array<GLfloat, 16>;

struct MatrixState {
    Matrix projection, modelview;
    GLint projectionDepth, modelviewDepth, mode, binding;
    bool texturing, depthTest;
    bool operator==(const MatrixState& o) const {
        return projection == o.projection && modelview == o.modelview &&
               projectionDepth == o.projectionDepth && modelviewDepth == o.modelviewDepth &&
               mode == o.mode && binding == o.binding && texturing == o.texturing &&
               depthTest == o.depthTest;
    }
};

MatrixState CurrentState() {
    MatrixState s{};
    glGetFloatv(GL_PROJECTION_MATRIX, s.projection.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview.data());
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &s.projectionDepth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &s.modelviewDepth);
    glGetIntegerv(GL_MATRIX_MODE, &s.mode);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.binding);
    s.texturing = glIsEnabled(GL_TEXTURE_2D);
    s.depthTest = glIsEnabled(GL_DEPTH_TEST);
    return s;
}

bool Lit(int x, int y) {
    return GLTestPixel(x, y) != BLACK;
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
        {"texture rect", [=] { glDrawTextureRect(0, 0, 64, 64, texture, nullptr); }},
        {"surface", [=] { glDrawSurface(0, 0, 300, 300, surface, nullptr, FLIP_NONE); }},
        {"surface rect", [=] { glDrawSurfaceRect(0, 0, 300, 300, surface, nullptr); }},
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
            MatrixState before = CurrentState();
            draw();
            EXPECT_TRUE(CurrentState() == before) << name << " texturing " << texturing;
            EXPECT_FALSE(Is2DMode()) << name;
            // Drawn in the 2D projection despite the caller's matrices.
            int w = 0, h = 0;
            std::vector<u8> screen = GLTestReadAll(&w, &h);
            int lit = 0;
            for (size_t i = 0; i < screen.size(); i += 4) lit += screen[i] | screen[i + 1];
            EXPECT_GT(lit, 0) << name;
        }
    }
    glEnable(GL_TEXTURE_2D);
}

TEST_F(Draw2DStateTest, PrimitivesInside2DModeStayInIt) {
    glEnter2D();
    glTranslatef(5, 5, 0);
    for (auto& [name, draw] : Primitives(texture, surface)) {
        MatrixState before = CurrentState();
        draw();
        EXPECT_TRUE(CurrentState() == before) << name;
        EXPECT_TRUE(Is2DMode()) << name;
    }
    glLeave2D();
}

TEST_F(Draw2DTest, Enter2DSetsTheScreenProjectionOnce) {
    MatrixState outside = CurrentState();
    glEnable(GL_DEPTH_TEST);
    glEnter2D();
    EXPECT_TRUE(Is2DMode());
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    Matrix projection;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    // Maps (0, 0) to the top-left and (800, 600) to the bottom-right corner.
    EXPECT_FLOAT_EQ(projection[0], 2.0f / 800);
    EXPECT_FLOAT_EQ(projection[5], -2.0f / 600);
    EXPECT_FLOAT_EQ(projection[12], -1.0f);
    EXPECT_FLOAT_EQ(projection[13], 1.0f);
    MatrixState inside = CurrentState();
    glEnter2D(); // already in: nothing is pushed again
    EXPECT_TRUE(CurrentState() == inside);
    glLeave2D();
    EXPECT_FALSE(Is2DMode());
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    glDisable(GL_DEPTH_TEST);
    EXPECT_TRUE(CurrentState() == outside);
    glLeave2D(); // not in: nothing is popped
    EXPECT_TRUE(CurrentState() == outside);
}

TEST_F(Draw2DTest, TempRectPoolsRotateThroughNineSlots) {
    TempRect* first = glTempRect(1, 2, 3, 4);
    TempRectF* firstF = glTempRectF(1.5f, 2.5f, 3.5f, 4.5f);
    for (int i = 0; i < 8; i++) {
        EXPECT_NE(glTempRect(i, i, i, i), first);
        EXPECT_NE(glTempRectF(f32(i), 0, 0, 0), firstF);
    }
    EXPECT_EQ(first->x, 1);
    EXPECT_EQ(first->h, 4);
    EXPECT_EQ(firstF->y, 2.5f);
    EXPECT_EQ(firstF->w, 3.5f);
    EXPECT_EQ(glTempRect(9, 9, 9, 9), first);
    EXPECT_EQ(glTempRectF(9, 9, 9, 9), firstF);
}

TEST_F(Draw2DTest, RectanglesCoverTheirCorners) {
    glFillRect(10, 20, 30, 40);
    EXPECT_EQ(GLTestPixel(10, 20), WHITE);
    EXPECT_EQ(GLTestPixel(39, 59), WHITE);
    EXPECT_EQ(GLTestPixel(40, 59), BLACK);
    EXPECT_EQ(GLTestPixel(39, 60), BLACK);
    EXPECT_EQ(GLTestPixel(9, 20), BLACK);

    GLTestClear(0, 0, 0);
    glDrawRect(100.5f, 100.5f, 50, 50);
    EXPECT_TRUE(Lit(100, 125));
    EXPECT_TRUE(Lit(150, 125));
    EXPECT_TRUE(Lit(125, 100));
    EXPECT_TRUE(Lit(125, 150));
    EXPECT_FALSE(Lit(125, 125));

    GLTestClear(0, 0, 0);
    glDrawLine(200, 300.5f, 400, 300.5f);
    glDrawPoint(500.5f, 500.5f);
    EXPECT_TRUE(Lit(300, 300));
    EXPECT_FALSE(Lit(300, 310));
    EXPECT_TRUE(Lit(500, 500));
    EXPECT_FALSE(Lit(505, 500));
}

TEST_F(Draw2DTest, RoundRectCornerRadiusFollowsTheShorterSide) {
    // 100 x 20 with roundness 1: w * 0.5 = 50 is more than half the height, so r = 10.
    glFillRoundRect(100, 100, 100, 20, 1.0f);
    EXPECT_TRUE(Lit(150, 110));
    EXPECT_FALSE(Lit(100, 100)); // corner cut away
    EXPECT_FALSE(Lit(199, 119));
    EXPECT_TRUE(Lit(112, 101)); // straight top edge starts 10 units in
    EXPECT_TRUE(Lit(187, 118));
    EXPECT_TRUE(Lit(100, 110)); // the side band at mid-height

    // A tall box takes r from its width: 40 x 200 with roundness 0.5 gives r = 10.
    GLTestClear(0, 0, 0);
    glFillRoundRect(300, 100, 40, 200, 0.5f);
    EXPECT_FALSE(Lit(301, 101));
    EXPECT_TRUE(Lit(312, 101));
    EXPECT_TRUE(Lit(300, 112));
    EXPECT_FALSE(Lit(300, 104));
}

TEST_F(Draw2DTest, RoundnessIsClampedToZeroAndOne) {
    glFillRoundRect(100, 100, 100, 20, -1.0f);
    EXPECT_TRUE(Lit(100, 100)); // sharp corners
    EXPECT_TRUE(Lit(199, 119));

    int w = 0, h = 0;
    GLTestClear(0, 0, 0);
    glFillRoundRect(100, 100, 100, 60, 1.0f);
    std::vector<u8> one = GLTestReadAll(&w, &h);
    GLTestClear(0, 0, 0);
    glFillRoundRect(100, 100, 100, 60, 3.0f);
    EXPECT_EQ(GLTestReadAll(&w, &h), one);
}

TEST_F(Draw2DTest, RoundRectOutlineFollowsTheFill) {
    glDrawRoundRect(100.5f, 100.5f, 100, 40, 1.0f);
    EXPECT_TRUE(Lit(150, 100));  // top edge
    EXPECT_TRUE(Lit(100, 120));  // left edge
    EXPECT_FALSE(Lit(150, 120)); // hollow
    EXPECT_FALSE(Lit(101, 101)); // the corner is an arc, r = 20
    // On the top-left arc, 45 degrees from its centre (120.5, 120.5).
    EXPECT_TRUE(Lit(106, 106));
}

// Five segments for radius 10 (0 asks for radius / 2): a pentagon with a corner at the top,
// so its bottom edge lies above where a round disc would end.
TEST_F(Draw2DTest, CircleSegmentsFollowTheRadiusWhenNotGiven) {
    glFillCircle(400, 300, 10, 0);
    EXPECT_TRUE(Lit(399, 290));  // below the top corner
    EXPECT_FALSE(Lit(399, 309)); // a disc would reach here, the pentagon does not
    EXPECT_TRUE(Lit(399, 306));

    // Six given segments: a hexagon, corners at the top and bottom, flat sides left and right.
    GLTestClear(0, 0, 0);
    glFillCircle(400, 300, 100, 6);
    EXPECT_TRUE(Lit(399, 202));
    EXPECT_TRUE(Lit(399, 397));
    EXPECT_FALSE(Lit(492, 300)); // the side is at 86.6
    EXPECT_TRUE(Lit(484, 300));

    // Tiny circles still have three corners rather than none.
    GLTestClear(0, 0, 0);
    glFillCircle(400, 300, 4, 0);
    EXPECT_TRUE(Lit(399, 300));
}

TEST_F(Draw2DTest, CircleOutlineIsARing) {
    glDrawCircle(400.5f, 300.5f, 50, 64);
    EXPECT_TRUE(Lit(400, 250));
    EXPECT_TRUE(Lit(450, 300));
    EXPECT_TRUE(Lit(400, 350));
    EXPECT_FALSE(Lit(400, 300));
    EXPECT_FALSE(Lit(400, 240));
}

TEST_F(Draw2DTest, EllipsesHaveAtLeast32Segments) {
    // Asked for 8: a point 96 units out between two octagon corners would be outside.
    glFillEllipse(400, 300, 100, 100, 8);
    EXPECT_TRUE(Lit(436, 211));

    GLTestClear(0, 0, 0);
    glFillEllipse(400, 300, 150, 50, 40);
    EXPECT_TRUE(Lit(540, 300));
    EXPECT_FALSE(Lit(555, 300));
    EXPECT_TRUE(Lit(400, 255));
    EXPECT_FALSE(Lit(400, 245));

    GLTestClear(0, 0, 0);
    glDrawEllipse(400.5f, 300.5f, 150, 50, 0);
    EXPECT_TRUE(Lit(550, 300));
    EXPECT_TRUE(Lit(400, 250));
    EXPECT_FALSE(Lit(400, 300));
}

TEST_F(Draw2DTest, GlowFadesToTheRimAndKeepsTheColour) {
    glColor4f(0, 1, 0, 1);
    glFillGlow(400, 300, 100, 1, 0, 0, 1, 32);
    RGBA centre = GLTestPixel(400, 300), mid = GLTestPixel(450, 300), rim = GLTestPixel(495, 300);
    EXPECT_GT(centre.r, 245);
    EXPECT_EQ(centre.g, 0);
    EXPECT_NEAR(mid.r, 128, 12);
    EXPECT_LT(rim.r, 20);
    EXPECT_EQ(GLTestPixel(400, 150), BLACK);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0], 0.0f);
    EXPECT_EQ(colour[1], 1.0f);
    EXPECT_EQ(colour[3], 1.0f);
}

TEST_F(Draw2DTest, PrimitivesDrawInTheCurrentColour) {
    glColor4f(0, 0, 1, 1);
    glFillRect(0, 0, 10, 10);
    glFillCircle(100, 100, 20, 0);
    EXPECT_EQ(GLTestPixel(5, 5), (RGBA{0, 0, 255, 255}));
    EXPECT_EQ(GLTestPixel(100, 100), (RGBA{0, 0, 255, 255}));
}

} // namespace
