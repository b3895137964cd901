// The navigation console's drawing read back from pixels: corner buttons in the HUD colour
// (brighter under the pointer while the console key is held) and the speed and limit bands.
#include <cmath>

#include "engine/input.h"
#include "engine/utils.h"
#include "game/shell/bindings.h"
#include "game/shell/consoles.h"
#include "game/shell/resources.h"
#include "game/sim/objects.h"
#include "tests/game/scene/scene_fixture.h"

namespace {
constexpr int TOLERANCE = 3;

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

class HudGLTest : public SceneGLTest {
  protected:
    // Every console sheet as one uniform white picture.
    static void DrawWithSheet(u8 alpha) {
        hud.navTexture = hud.tacticalTexture = hud.powerTexture = UniformTexture(8, 255, alpha);
        GLTestClear(0, 0, 0);
        DrawNavConsole();
    }
};

TEST_F(HudGLTest, CornerButtonsTakeTheHudColourAndLightUpUnderThePointer) {
    res.hudColor = MakeRGB(200, 40, 160);
    const RGBA normal = Over(res.hudColor, 200 / 255.0f), lit = Over(res.hudColor, 1.0f);
    SetMousePos(797, 505);
    for (bool held : {false, true}) {
        if (held) keyBindings[ACTION_CONSOLE] = KeyBinding{{0, 0, 0}, 0}; // no keys: always held
        DrawWithSheet(255);
        EXPECT_TRUE(ColorNear(GLTestPixel(797, 505), held ? lit : normal, TOLERANCE))
            << held << " " << GLTestPixel(797, 505);
        EXPECT_TRUE(ColorNear(GLTestPixel(670, 592), normal, TOLERANCE)) << held;
    }
}

// See-through console art: only the bands show.
TEST_F(HudGLTest, SpeedBandFollowsTheSpeedAndTheLimitBandTheEngines) {
    Ship& ship = *world.playerShip;
    const RGBA blue = Over(MakeRGB(50, 93, 171), 215 / 255.0f);
    const RGBA red = Over(MakeRGB(240, 0, 0), 215 / 255.0f);
    const RGBA black{0, 0, 0, 255};
    struct Case {
        f32 degrees, radius;
        RGBA want;
    };
    auto expect = [](const char* what, std::initializer_list<Case> cases) {
        for (const Case& c : cases)
            EXPECT_TRUE(ColorNear(DialPixel(c.degrees, c.radius), c.want, TOLERANCE))
                << what << " at " << c.degrees << ": " << DialPixel(c.degrees, c.radius);
    };
    ship.impulseSpeed = ship.shipClass->maxSpeed * 0.5f; // the band reaches 74.4 degrees
    DrawWithSheet(0);
    expect("ahead", {{40, 70.5f, blue}, {90, 70.5f, black}, {-15, 70.5f, black}, {120, 72, black}});
    ship.impulseSpeed = ship.shipClass->maxReverse * 0.5f; // reverse: down to -26.9 degrees
    ship.engineFactor = 0.5f;                              // ahead beyond 75 is out of reach
    DrawWithSheet(0);
    expect("reverse", {{-15, 70.5f, blue}, {40, 70.5f, black}, {120, 72, red}, {60, 72, black}});
    ship.warpFactor = 1.0f;
    DrawWithSheet(0);
    expect("at warp no bands", {{120, 72, black}});
}
} // namespace
