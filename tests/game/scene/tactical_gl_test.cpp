// The tactical weapon display read back: coverage bands at the bow and rack pips.
#include <cmath>

#include "game/sim/objects.h"
#include "game/sim/tactical.h"
#include "game/sim/weapons.h"
#include "tests/game/scene/scene_fixture.h"

namespace {

using TacticalTest = SceneGLTest;

const RGBA LOADED{38, 75, 134, 255};
const RGBA EMPTY{168, 44, 31, 255};

// Three lancers whose coverage all includes the bow: entry 0 splits into three 4-pixel bands,
// outermost first, each in its mount's charge colour (drawn at alpha 0.8 over black).
TEST_F(TacticalTest, ThreeOverlappingArcsShowThreeBandsAtTheBow) {
    ShipClass& c = world.shipClasses[0];
    c.mountCount = 3;
    for (int i = 0; i < 3; i++)
        c.mounts[i] = WeaponMount{i16(10 * i - 10), -30, 20, 0, -1, MOUNT_LANCER_POINT, 0, 0, 1};
    for (ArcEntry& e : weapons.arcTable) e.count = 0;
    // The same three from 2 degrees left of the bow to 4 right, then mount 2 alone to 12.
    for (int k : {179, 0, 1}) weapons.arcTable[k] = ArcEntry{{2, 0, 1}, 3};
    for (int k = 2; k < 6; k++) weapons.arcTable[k] = ArcEntry{{2}, 1};
    systems.weaponCharge[2] = 1.0f;  // green
    systems.weaponCharge[0] = 0.25f; // orange
    systems.weaponCharge[1] = 0.0f;  // grey
    DrawWeaponRing();
    // Entry 0 runs from straight up at x 101 to 2 degrees clockwise; its radii 74 to 62, read
    // at the middle of each band (the borders carry outlines).
    EXPECT_TRUE(ColorNear(GLTestPixel(102, 426), RGBA{0, 204, 0, 255}, 3));
    EXPECT_TRUE(ColorNear(GLTestPixel(102, 430), RGBA{204, 102, 0, 255}, 3));
    EXPECT_TRUE(ColorNear(GLTestPixel(102, 434), RGBA{160, 160, 160, 255}, 3));
    // Alone, mount 2 spans the whole depth (read 9 degrees clockwise, radius 68).
    EXPECT_TRUE(ColorNear(GLTestPixel(111, 431), RGBA{0, 204, 0, 255}, 3));
    // An empty entry is a dark band, and nothing is drawn outside the ring.
    EXPECT_TRUE(ColorNear(GLTestPixel(101, 498 + 68), RGBA{0, 0, 0, 255}, 1));
    EXPECT_FALSE(LitAt(101, 498 - 80));
}

// A rack of four: a pip counts as loaded from 0.05 below its whole number.
TEST_F(TacticalTest, RackPipsShowLoadedTorpedoesBlueAndEmptyOnesRed) {
    ShipClass& c = world.shipClasses[0];
    c.rackCount = 1;
    c.racks[0] = TorpedoRack{0.0f, 57.5f, 3, 4};
    struct Case {
        f32 charge;
        int loaded;
    } cases[] = {{2.97f, 3}, {2.94f, 2}, {4.0f, 4}, {0.0f, 0}};
    for (const Case& k : cases) {
        GLTestClear(0, 0, 0);
        systems.weaponCharge[3] = k.charge;
        DrawRackPips();
        for (int j = 0; j < 4; j++) {
            // Pip j turned 13 j degrees clockwise; its centre 54.65 from the console centre.
            f32 a = f32(13 * j) * 3.1415f / 180.0f;
            f32 x = -1.15f, y = -54.65f;
            int px = int(std::lround(101 + x * std::cos(a) - y * std::sin(a) - 0.5f));
            int py = int(std::lround(498 + x * std::sin(a) + y * std::cos(a) - 0.5f));
            EXPECT_TRUE(ColorNear(GLTestPixel(px, py), j < k.loaded ? LOADED : EMPTY, 3))
                << "charge " << k.charge << " pip " << j << " " << GLTestPixel(px, py);
        }
    }
}

} // namespace
