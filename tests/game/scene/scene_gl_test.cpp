// The scene read back: warp streaks, shield facings, firing arcs while SPACE is held.
#include <algorithm>
#include <vector>

#include "engine/input.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "tests/game/scene/scene_fixture.h"

namespace {

using SceneTest = SceneGLTest;

// The longest horizontal and vertical runs of lit pixels outside the ship's square.
void LongestRuns(int* across, int* down) {
    SceneGLTest::RenderScene(true);
    int w = 0, h = 0;
    std::vector<u8> pixels = GLTestReadAll(&w, &h);
    std::vector<int> column(size_t(w), 0);
    *across = *down = 0;
    for (int y = 0, run = 0; y < h; y++, run = 0) {
        for (int x = 0; x < w; x++) {
            const u8* p = &pixels[(size_t(y) * w + x) * 4];
            bool ship = x > 340 && x < 460 && y > 240 && y < 360;
            bool on = !ship && (p[0] > 8 || p[1] > 8 || p[2] > 8);
            run = on ? run + 1 : 0;
            column[size_t(x)] = on ? column[size_t(x)] + 1 : 0;
            *across = std::max(*across, run);
            *down = std::max(*down, column[size_t(x)]);
        }
    }
}

TEST_F(SceneTest, StarsStreakAlongTheVelocityAtWarp) {
    for (bool alongX : {true, false}) {
        Ship& ship = *world.playerShip;
        ship.velX = alongX ? 4000.0f : 0.0f;
        ship.velY = alongX ? 0.0f : 4000.0f;
        ship.warpFactor = ship.warpTarget = 4.0f;
        int across = 0, down = 0;
        LongestRuns(&across, &down);
        EXPECT_GE(alongX ? across : down, 20) << "along x " << alongX;
        EXPECT_LE(alongX ? down : across, 4) << "along x " << alongX;
    }
}

// Tessaly's shield ellipse is 70 x 80 around (0, 4), at zoom 1000 0.6 pixels a unit: the bands
// front, right, back and left of the centre.
TEST_F(SceneTest, ShieldFacingsAreDrawnOnlyWhereTheirLevelIsAboveZero) {
    const int at[4][2] = {{400, 300 - 46}, {400 + 42, 302}, {400, 300 + 50}, {400 - 42, 302}};
    const f32 cases[][4] = {{1, 0, 0, 0}, {0, 0.3f, 2, 0}, {0, 0, 0, 0.6f}};
    for (const auto& levels : cases) {
        std::copy(levels, levels + 4, world.playerShip->shieldDisplay);
        RenderScene(false);
        for (int f = 0; f < 4; f++)
            EXPECT_EQ(LitAt(at[f][0], at[f][1]), levels[f] > 0) << "facing " << f;
    }
}

// Tessaly's bow lancer strip covers ahead (green); its stern launcher covers behind (blue).
TEST_F(SceneTest, FiringArcsShowOnlyWhileSpaceIsHeld) {
    for (bool held : {false, true, false}) {
        WndProc(SysMessage{held ? u32(SYSMSG_KEYDOWN) : u32(SYSMSG_KEYUP), VK_SPACE, 0});
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
