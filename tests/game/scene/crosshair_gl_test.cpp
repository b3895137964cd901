// The weapon cursor read back from the screen: crosshair tint and glow for the mounts in arc.
#include <GL/gl.h>

#include "game/shell/resources.h"
#include "tests/game/scene/scene_fixture.h"
#include "tests/game/weapons/weapons_fixture.h"
#include "tests/support/gl_context.h"

class CrosshairGLTest : public WeaponsTest {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        WeaponsTest::SetUp();
        res.gameCursorTexture = res.disruptorTexture = UniformTexture(4, 255, 255);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    void TearDown() override {
        res.gameCursorTexture = res.disruptorTexture = nullptr;
        WeaponsTest::TearDown();
    }
};

TEST_F(CrosshairGLTest, CrosshairTintAndGlowFollowTheMountsInArc) {
    struct Case {
        int shipClass;
        f32 dx, dy;
        RGBA centre;
        int glowGreen; // beam glow: 0.5 green for one mount, 0.1 for several; -1 no glow
    } cases[] = {
        {1, 70, -100, {255, 128, 0, 255}, 128}, // one disruptor only
        {1, 0, -400, {192, 0, 255, 255}, 26},   // two disruptors and the launcher
        {0, 0, 400, {0, 128, 255, 255}, -1},    // the aft launcher only
        {1, 400, 0, {255, 255, 255, 255}, -1},
    };
    for (const Case& c : cases) {
        GLTestClear(0, 0, 0);
        UseClass(c.shipClass);
        Aim(c.dx, c.dy);
        f32 x, y;
        GetMousePos(&x, &y);
        DrawWeaponCursor(x, y);
        EXPECT_TRUE(ColorNear(GLTestPixel(int(x), int(y)), c.centre, 2))
            << c.dx << "," << c.dy << " " << GLTestPixel(int(x), int(y));
        if (c.glowGreen >= 0) {
            RGBA glow = GLTestPixel(int(x - 9.5f), int(y - 9.5f));
            EXPECT_GT(glow.r, 200);
            EXPECT_NEAR(glow.g, c.glowGreen, 35);
        }
    }
}
