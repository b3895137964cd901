// The navigation console's drawing read back from pixels: corner buttons in the HUD colour
// (brighter under the pointer while the console key is held) and the speed and limit bands.
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "engine/utils.h"
#include "engine/input.h"
#include "graphics/texture.h"
#include "game/shell/bindings.h"
#include "game/shell/consoles.h"
#include "game/shell/resources.h"
#include "game/sim/objects.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_dir.h"

namespace {
constexpr int SHEET_SIDE = 8;
constexpr u32 FILTER_NEAREST = 0x2600;
constexpr int TOLERANCE = 3;

// A uniform 32-bit TGA, rows top first.
void WriteUniformTGA(const std::string& path, u8 grey, u8 alpha) {
    u8 header[18] = {0, 0, 2};
    header[12] = SHEET_SIDE;
    header[14] = SHEET_SIDE;
    header[16] = 32;
    header[17] = 0x28;
    std::vector<u8> pixels(SHEET_SIDE * SHEET_SIDE * 4);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = pixels[i + 1] = pixels[i + 2] = grey;
        pixels[i + 3] = alpha;
    }
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(header, 1, sizeof header, f);
    fwrite(pixels.data(), 1, pixels.size(), f);
    fclose(f);
}

// The colour a packed colour leaves over the black background at the given alpha.
RGBA Over(u32 packed, f32 alpha) {
    return RGBA{u8(std::lround(ColorR(packed) * alpha)), u8(std::lround(ColorG(packed) * alpha)),
                u8(std::lround(ColorB(packed) * alpha)), 255};
}

RGBA DialPixel(f32 degrees, f32 radius) {
    f64 a = degrees * 3.14159265358979323846 / 180.0;
    return GLTestPixel(int(std::lround(698.72 - std::cos(a) * radius)),
                       int(std::lround(498.72 - std::sin(a) * radius)));
}

class HudGLTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        ResetSimulation();
        for (KeyBinding& b : keyBindings) b = KeyBinding{{200, 0, 0}, 1};
        res = GameResources{};
        SetMousePos(400, 300);
        GLTestClear(0, 0, 0);
    }
    // Every console sheet as one uniform picture.
    void UseSheet(u8 grey, u8 alpha) {
        std::string path = dir.File(std::to_string(grey) + "_" + std::to_string(alpha) + ".tga");
        WriteUniformTGA(path, grey, alpha);
        Texture* sheet = glLoadTexture(path.c_str(), FILTER_NEAREST);
        ASSERT_NE(sheet, nullptr);
        hud.navTexture = hud.tacticalTexture = hud.powerTexture = sheet;
    }
    TempDir dir;
};

TEST_F(HudGLTest, CornerButtonsTakeTheHudColourAndLightUpUnderThePointer) {
    UseSheet(255, 255);
    res.hudColor = MakeRGB(200, 40, 160);
    DrawNavConsole();
    EXPECT_TRUE(ColorNear(GLTestPixel(797, 505), Over(res.hudColor, 200 / 255.0f), TOLERANCE))
        << GLTestPixel(797, 505);
    EXPECT_TRUE(ColorNear(GLTestPixel(670, 592), Over(res.hudColor, 200 / 255.0f), TOLERANCE));

    keyBindings[ACTION_CONSOLE] = KeyBinding{{0, 0, 0}, 0}; // no keys: always held
    SetMousePos(797, 505);
    GLTestClear(0, 0, 0);
    DrawNavConsole();
    EXPECT_TRUE(ColorNear(GLTestPixel(797, 505), Over(res.hudColor, 1.0f), TOLERANCE))
        << GLTestPixel(797, 505);
    EXPECT_TRUE(ColorNear(GLTestPixel(670, 592), Over(res.hudColor, 200 / 255.0f), TOLERANCE));
}

TEST_F(HudGLTest, SpeedBandFollowsTheSpeedAndTheLimitBandTheEngines) {
    UseSheet(255, 0); // see-through art: only the bands show
    Ship& ship = *world.playerShip;
    const RGBA blue = Over(MakeRGB(50, 93, 171), 215 / 255.0f);
    const RGBA red = Over(MakeRGB(240, 0, 0), 215 / 255.0f);
    const RGBA black{0, 0, 0, 255};
    ship.impulseSpeed = ship.shipClass->maxSpeed * 0.5f; // the band reaches 74.4 degrees
    DrawNavConsole();
    EXPECT_TRUE(ColorNear(DialPixel(40, 70.5f), blue, TOLERANCE)) << DialPixel(40, 70.5f);
    EXPECT_TRUE(ColorNear(DialPixel(90, 70.5f), black, TOLERANCE)) << DialPixel(90, 70.5f);
    EXPECT_TRUE(ColorNear(DialPixel(-15, 70.5f), black, TOLERANCE));
    EXPECT_TRUE(ColorNear(DialPixel(120, 72), black, TOLERANCE));

    ship.impulseSpeed = ship.shipClass->maxReverse * 0.5f; // reverse: down to -26.9 degrees
    ship.engineFactor = 0.5f;                              // ahead beyond 75 is out of reach
    GLTestClear(0, 0, 0);
    DrawNavConsole();
    EXPECT_TRUE(ColorNear(DialPixel(-15, 70.5f), blue, TOLERANCE)) << DialPixel(-15, 70.5f);
    EXPECT_TRUE(ColorNear(DialPixel(40, 70.5f), black, TOLERANCE));
    EXPECT_TRUE(ColorNear(DialPixel(120, 72), red, TOLERANCE)) << DialPixel(120, 72);
    EXPECT_TRUE(ColorNear(DialPixel(60, 72), black, TOLERANCE)) << DialPixel(60, 72);

    ship.warpFactor = 1.0f; // at warp the dial shows no bands
    GLTestClear(0, 0, 0);
    DrawNavConsole();
    EXPECT_TRUE(ColorNear(DialPixel(120, 72), black, TOLERANCE));
}
} // namespace
