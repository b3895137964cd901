// The scene drawn and read back: the star field at rest and at warp, the cloaked sprite, the
// shield facings and the firing arcs while SPACE is held.
#include <algorithm>
#include <vector>

#include "engine/input.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "tests/game/scene/scene_fixture.h"

namespace {

using SceneTest = SceneGLTest;

struct Runs {
    int lit = 0;
    int longestAcross = 0; // longest horizontal run of lit pixels
    int longestDown = 0;
};

// Lit-pixel runs of the frame outside the ship's square at the centre.
Runs MeasureRuns(const std::vector<u8>& pixels, int w, int h) {
    auto lit = [&](int x, int y) {
        if (x > 340 && x < 460 && y > 240 && y < 360) return false;
        const u8* p = &pixels[(size_t(y) * w + x) * 4];
        return p[0] > 8 || p[1] > 8 || p[2] > 8;
    };
    Runs runs;
    std::vector<int> down(w, 0);
    for (int y = 0; y < h; y++) {
        int across = 0;
        for (int x = 0; x < w; x++) {
            bool on = lit(x, y);
            runs.lit += on;
            across = on ? across + 1 : 0;
            down[x] = on ? down[x] + 1 : 0;
            runs.longestAcross = std::max(runs.longestAcross, across);
            runs.longestDown = std::max(runs.longestDown, down[x]);
        }
    }
    return runs;
}

std::vector<u8> Frame(int* w, int* h) {
    SceneGLTest::RenderScene(true);
    return GLTestReadAll(w, h);
}

TEST_F(SceneTest, StarsAtRestArePointsAndTheSameEveryFrame) {
    world.playerShip->x = 12345.0;
    world.playerShip->y = -678.0;
    int w, h;
    std::vector<u8> first = Frame(&w, &h);
    std::vector<u8> second = Frame(&w, &h);
    EXPECT_TRUE(first == second);
    Runs runs = MeasureRuns(first, w, h);
    EXPECT_GT(runs.lit, 100);
    EXPECT_LE(runs.longestAcross, 3);
    EXPECT_LE(runs.longestDown, 3);
}

// Flying right at warp 4 draws streaks along the flight and none across it; flying down turns
// them with the velocity.
TEST_F(SceneTest, StarsStreakAlongTheVelocityAtWarp) {
    struct Case {
        f32 velX, velY;
        bool alongX;
    } cases[] = {{4000, 0, true}, {0, 4000, false}};
    for (const Case& c : cases) {
        Ship& ship = *world.playerShip;
        ship.velX = c.velX;
        ship.velY = c.velY;
        ship.warpFactor = ship.warpTarget = 4.0f;
        int w = 0, h = 0;
        std::vector<u8> pixels = Frame(&w, &h);
        Runs runs = MeasureRuns(pixels, w, h);
        int along = c.alongX ? runs.longestAcross : runs.longestDown;
        int across = c.alongX ? runs.longestDown : runs.longestAcross;
        EXPECT_GE(along, 20) << c.velX << "," << c.velY;
        EXPECT_LE(across, 4) << c.velX << "," << c.velY;
    }
}

TEST_F(SceneTest, CloakedSpriteFadesToAQuarter) {
    struct Case {
        f32 cloak;
        int grey;
    } cases[] = {{0.0f, 255}, {0.5f, 159}, {1.0f, 64}};
    for (const Case& c : cases) {
        world.playerShip->cloakLevel = c.cloak;
        RenderScene(false);
        RGBA p = GLTestPixel(400, 300);
        EXPECT_NEAR(p.r, c.grey, 2) << c.cloak;
        EXPECT_NEAR(p.g, c.grey, 2) << c.cloak;
    }
}

// Tessaly's shield ellipse is 70 x 80 around (0, 4): the front band passes 76 units above the
// centre, the rear band 84 below, the sides 70 across (at zoom 1000, 0.6 pixels a unit).
TEST_F(SceneTest, ShieldFacingsAreDrawnOnlyWhereTheirLevelIsAboveZero) {
    const int front = 300 - 46, back = 300 + 50, right = 400 + 42, left = 400 - 42;
    struct Case {
        f32 levels[4];
        bool frontLit, rightLit, backLit, leftLit;
    } cases[] = {{{1, 0, 0, 0}, true, false, false, false},
                 {{0, 0.3f, 2, 0}, false, true, true, false},
                 {{0, 0, 0, 0.6f}, false, false, false, true}};
    for (const Case& c : cases) {
        std::copy(c.levels, c.levels + 4, world.playerShip->shieldDisplay);
        RenderScene(false);
        EXPECT_EQ(LitAt(400, front), c.frontLit);
        EXPECT_EQ(LitAt(right, 302), c.rightLit);
        EXPECT_EQ(LitAt(400, back), c.backLit);
        EXPECT_EQ(LitAt(left, 302), c.leftLit);
    }
    // A full front facing is green, not the grey of an empty one.
    world.playerShip->shieldDisplay[0] = 1.0f;
    RenderScene(false);
    RGBA p = GLTestPixel(400, front);
    EXPECT_GT(p.g, 100);
    EXPECT_LT(p.r, 20);
}

// Tessaly's bow lancer strip covers ahead (green); its stern launcher covers behind (blue).
TEST_F(SceneTest, FiringArcsShowOnlyWhileSpaceIsHeld) {
    for (bool held : {false, true, false}) {
        HoldKey(VK_SPACE, held);
        RenderScene(false);
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

} // namespace
