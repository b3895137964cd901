// The camera's view and zoom, firing arcs while SPACE is held, shield facings, level colours.
#include <cmath>
#include <vector>

#include "engine/input.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "game/sim/ship_draw.h"
#include "tests/game/scene/scene_fixture.h"

namespace {

using SceneTest = SceneGLTest;

TEST_F(SceneTest, ViewCentresOnTheShipAndEasesTowardTheCursorArrivingAfterALongFrame) {
    CameraRectangle r = CameraRect(); // the cursor at the centre: no look-ahead
    EXPECT_NEAR(r.width, 1333.33f, 0.01f);
    EXPECT_FLOAT_EQ(r.height, 1000.0f);
    EXPECT_NEAR(r.left + r.width / 2, world.playerShip->x, 1e-3);
    EXPECT_NEAR(r.top + r.height / 2, world.playerShip->y, 1e-3);
    SetMousePos(800, 300); // 400 pixels right: 500 world units at zoom 1000
    UpdateViewOffset(0.1f);
    EXPECT_NEAR(scene.viewOffsetX, 200.0f, 0.01f); // 4 x 0.1 of the way
    for (int i = 0; i < 3; i++) UpdateViewOffset(1.0f);
    EXPECT_NEAR(scene.viewOffsetX, 500.0f, 0.01f); // a long frame lands, never swings past
    EXPECT_NEAR(scene.viewOffsetY, 0.0f, 0.01f);
    RenderScene();
    EXPECT_TRUE(LitAt(100, 300)); // the ship 500 units (300 pixels) left of the centre
    EXPECT_FALSE(LitAt(400, 300));
}

TEST_F(SceneTest, ZoomEasesAt1500PerSecondWithoutOvershoot) {
    struct Case {
        f32 from, to, dt;
        std::vector<f32> expected;
    } cases[] = {{1000, 1500, 0.1f, {1150, 1300, 1450, 1500, 1500}},
                 {2000, 500, 0.5f, {1250, 500, 500}},
                 {800, 790, 0.25f, {790, 790}}};
    for (const Case& c : cases) {
        systems.zoom = c.from;
        systems.zoomTarget = c.to;
        for (f32 want : c.expected) {
            UpdateZoom(c.dt);
            EXPECT_NEAR(systems.zoom, want, 0.01f) << c.from << " -> " << c.to;
        }
    }
}

TEST_F(SceneTest, ZoomStepsStayWithin500And3000) {
    struct Case {
        f32 start, delta;
        bool smooth;
        f32 target, zoom;
    } cases[] = {
        {1000, 250, true, 1250, 1000},  {1000, -250, false, 750, 750}, {600, -250, true, 500, 600},
        {2900, 250, false, 3000, 3000}, {1000, NAN, false, 500, 500},
    };
    for (const Case& c : cases) {
        systems.zoom = systems.zoomTarget = c.start;
        ZoomStep(c.delta, c.smooth);
        EXPECT_FLOAT_EQ(systems.zoomTarget, c.target) << c.start << " + " << c.delta;
        EXPECT_FLOAT_EQ(systems.zoom, c.zoom) << c.start << " + " << c.delta;
    }
}

// Tessaly's bow lancer strip covers ahead (green); its stern launcher covers behind (blue).
TEST_F(SceneTest, FiringArcsShowOnlyWhileSpaceIsHeld) {
    for (bool held : {false, true, false}) {
        WndProc(SysMessage{held ? u32(SYSMSG_KEYDOWN) : u32(SYSMSG_KEYUP), VK_SPACE, 0});
        RenderScene();
        RGBA ahead = GLTestPixel(300, 180), behind = GLTestPixel(400, 400);
        if (held) {
            EXPECT_GT(ahead.g, 40);
            EXPECT_GT(behind.b, 40);
            EXPECT_GT(behind.b, behind.g);
        } else {
            EXPECT_EQ(ahead, (RGBA{0, 0, 0, 255}));
            EXPECT_EQ(behind, (RGBA{0, 0, 0, 255}));
        }
    }
}

// Tessaly's shield ellipse is 70 x 80 around (0, 4), at zoom 1000 0.6 pixels a unit: the bands
// front, right, back and left of the centre.
TEST_F(SceneTest, ShieldFacingsAreDrawnOnlyWhereTheirLevelIsAboveZero) {
    const int at[4][2] = {{400, 300 - 46}, {400 + 42, 302}, {400, 300 + 50}, {400 - 42, 302}};
    const f32 cases[][4] = {{1, 0, 0, 0}, {0, 0.3f, 2, 0}, {0, 0, 0, 0.6f}};
    for (const auto& levels : cases) {
        for (int f = 0; f < 4; f++) world.playerShip->shieldDisplay[f] = levels[f];
        RenderScene();
        for (int f = 0; f < 4; f++)
            EXPECT_EQ(LitAt(at[f][0], at[f][1]), levels[f] > 0) << "facing " << f;
    }
}

TEST(LevelColourTest, FourRangesFromGreyThroughRedYellowGreenToWhite) {
    struct Case {
        f32 level, alpha;
        LevelRGBA want;
    } cases[] = {{1.5f, 0.6f, {0.5f, 1, 0.5f, 0.85f}},
                 {1.5f, 0.4f, {0.5f, 1, 0.5f, 0.4f}},
                 {1.0f, 0.8f, {0, 1, 0, 0.8f}},
                 {0.75f, 0.8f, {0.5f, 1, 0, 0.8f}},
                 {0.5f, 1.0f, {1, 1, 0, 1}},
                 {0.25f, 0.7f, {1, 0.5f, 0, 0.7f}},
                 {0.0f, 0.5f, {200 / 255.f, 200 / 255.f, 200 / 255.f, 127 / 255.f}},
                 {-1.0f, 1.0f, {200 / 255.f, 200 / 255.f, 200 / 255.f, 1}}};
    for (const Case& c : cases) {
        LevelRGBA got = LevelColour(c.level, c.alpha);
        SCOPED_TRACE(testing::Message() << "level " << c.level << " alpha " << c.alpha);
        EXPECT_NEAR(got.r, c.want.r, 1e-5f);
        EXPECT_NEAR(got.g, c.want.g, 1e-5f);
        EXPECT_NEAR(got.b, c.want.b, 1e-5f);
        EXPECT_NEAR(got.a, c.want.a, 1e-5f);
    }
}

} // namespace
