// The battle scene drawn with white sprites and sheets, so drawn colours are the tints: the
// camera's view and zoom, firing arcs while SPACE is held, shield facings, level colours, and the
// tactical weapon display's coverage bands and rack pips.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <cmath>
#include <map>
#include <vector>

#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/shell/consoles.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "game/sim/ship_draw.h"
#include "game/sim/tactical.h"
#include "game/sim/weapons.h"
#include "graphics/draw2d_game.h"
#include "graphics/texture.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_dir.h"

namespace {
constexpr u16 SPRITE_PIXELS = 64;
constexpr u16 SHEET_PIXELS = 512;

// A white square texture, made once per size: the context outlives every test.
Texture* WhiteTexture(u16 size) {
    static std::map<u16, Texture> made;
    Texture& texture = made[size];
    if (texture.name) return &texture;
    std::vector<u8> pixels(size_t(size) * size * 4, 255);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size, size, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    texture = Texture{size, size, name};
    return &texture;
}

// Lit: some colour channel above the threshold.
bool LitAt(int x, int y, int threshold = 8) {
    RGBA p = GLTestPixel(x, y);
    return p.r > threshold || p.g > threshold || p.b > threshold;
}

// A fresh battle for each scene test, drawn with plain white textures.
class SceneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        ResetSimulation();
        ResetInputState();
        keyBindings[ACTION_CONSOLE] = KeyBinding{{'C'}, 1}; // without keys it would always be held
        SetMousePos(400, 300);
        for (int i = 0; i < SHIP_CLASS_COUNT; i++)
            world.shipClasses[i].sprite = WhiteTexture(SPRITE_PIXELS);
        hud.tacticalTexture = WhiteTexture(SHEET_PIXELS);
        GLTestClear(0, 0, 0);
    }
    void TearDown() override {
        ResetInputState();
        hud.tacticalTexture = nullptr;
    }
    // Clears to black and draws the objects in the camera transform.
    static void RenderScene() {
        GLTestClear(0, 0, 0);
        Transform2D frame;
        ApplyCamera();
        DrawObjects();
    }

    TempDir dir;
};

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
        f32 off = std::fabs(got.r - c.want.r) + std::fabs(got.g - c.want.g) +
                  std::fabs(got.b - c.want.b) + std::fabs(got.a - c.want.a);
        EXPECT_LT(off, 4e-5f) << "level " << c.level << " alpha " << c.alpha;
    }
}

const RGBA LOADED{38, 75, 134, 255};
const RGBA EMPTY{168, 44, 31, 255};

// Three lancers whose coverage all includes the bow: entry 0 splits into three 4-pixel bands,
// outermost first, each in its mount's charge colour (drawn at alpha 0.8 over black).
TEST_F(SceneTest, ThreeOverlappingArcsShowThreeBandsAtTheBow) {
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
TEST_F(SceneTest, RackPipsShowLoadedTorpedoesBlueAndEmptyOnesRed) {
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
