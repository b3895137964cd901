// The weapon cursor read back from the screen: crosshair tint and glow for the mounts in arc.
#include <GL/gl.h>

#include "game/shell/resources.h"
#include "graphics/texture.h"
#include "tests/game/weapons/weapons_fixture.h"
#include "tests/support/gl_context.h"

namespace {
constexpr u16 WHITE_SIZE = 4;
} // namespace

class WeaponsGLTest : public WeaponsTest {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        WeaponsTest::SetUp();
        std::vector<u8> pixels(WHITE_SIZE * WHITE_SIZE * 4, 255);
        glGenTextures(1, &texture_.name);
        glBindTexture(GL_TEXTURE_2D, texture_.name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, WHITE_SIZE, WHITE_SIZE, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, pixels.data());
        texture_.width = texture_.height = WHITE_SIZE;
        res.gameCursorTexture = res.disruptorTexture = &texture_;
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        GLTestClear(0, 0, 0);
    }
    void TearDown() override {
        res.gameCursorTexture = res.disruptorTexture = nullptr;
        glDeleteTextures(1, &texture_.name);
        WeaponsTest::TearDown();
    }
    Texture texture_{};
};

TEST_F(WeaponsGLTest, CrosshairTintAndGlowFollowTheMountsInArc) {
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
