// The navigation console read back: the speed band and the engines' limit band.
#include <cmath>

#include "engine/utils.h"
#include "game/shell/consoles.h"
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

// The navigation console over black with see-through art: only the bands show.
void DrawBands() {
    hud.navTexture = hud.tacticalTexture = hud.powerTexture = UniformTexture(8, 255, 0);
    GLTestClear(0, 0, 0);
    DrawNavConsole();
}

using HudGLTest = SceneGLTest;

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
    DrawBands();
    expect("ahead", {{40, 70.5f, blue}, {90, 70.5f, black}, {-15, 70.5f, black}, {120, 72, black}});
    ship.impulseSpeed = ship.shipClass->maxReverse * 0.5f; // reverse: down to -26.9 degrees
    ship.engineFactor = 0.5f;                              // ahead beyond 75 is out of reach
    DrawBands();
    expect("reverse", {{-15, 70.5f, blue}, {40, 70.5f, black}, {120, 72, red}, {60, 72, black}});
    ship.warpFactor = 1.0f;
    DrawBands();
    expect("at warp no bands", {{120, 72, black}});
}
} // namespace
