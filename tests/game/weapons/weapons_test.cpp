// Aiming, firing and salvos stepped as the game's frame steps them; lancer beams, the cursor
// exactly on a mount, and the torpedo animation.
#include <cmath>
#include <vector>

#include "engine/window.h"
#include "game/sim/callbacks.h"
#include "game/sim/projectiles.h"
#include "game/sim/weapons.h"
#include "tests/game/sim/sim_fixture.h"

// A fresh battle with the cursor aimed relative to the ship.
class WeaponsTest : public SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp();
        SetClientSize(800, 600);
    }
    void UseClass(int index) {
        SimTest::UseClass(index);
        BuildArcTable();
    }
    // The cursor over the world point (dx, dy) from the ship at the view's centre.
    void Aim(f32 dx, f32 dy) {
        f32 perUnit = 600.0f / systems.zoom;
        SetMousePos(400.0f + dx * perUnit, 300.0f + dy * perUnit);
    }
    void Button(u32 type) {
        f32 x, y;
        GetMousePos(&x, &y);
        WndProc(fake::Button(type, int(x), int(y)));
        SetMousePos(x, y); // the message carries whole pixels only
    }
    static std::vector<u8> Listed() {
        u8 list[MAX_MOUNTS];
        return std::vector<u8>(list, list + MountsInArc(list));
    }
    u32 Projectiles() const { return world.objectCount - 1; }
};

namespace {
constexpr f32 FAR = 400.0f;
constexpr u8 STRIP = 2; // the Tessaly's forward lancer strip

bool Finite(const GameObject& o) {
    return std::isfinite(o.x) && std::isfinite(o.y) && std::isfinite(o.heading) &&
           std::isfinite(o.velX) && std::isfinite(o.velY);
}
} // namespace

TEST_F(WeaponsTest, MountsAnswerTheCursorDirectionTheirArcsCover) {
    struct Case {
        int shipClass;
        f32 heading, dx, dy;
        std::vector<u8> mounts;
    } cases[] = {
        {0, 0, 0, -FAR, {2, 3, 4}}, {0, 0, 0, FAR, {7}},        {0, 0, -200, 346, {0, 7}},
        {0, 0, FAR, 0, {2, 6}},     {0, 90, FAR, 0, {2, 3, 4}}, {1, 0, 0, -FAR, {0, 1, 2}},
        {1, 0, FAR, 0, {}},         {2, 0, 0, -FAR, {0, 1}},    {2, 0, 0, FAR, {2}},
        {2, 0, FAR, 0, {0}},        {2, 180, 0, -FAR, {2}},
    };
    for (const Case& c : cases) {
        UseClass(c.shipClass);
        ship().heading = c.heading;
        Aim(c.dx, c.dy);
        EXPECT_EQ(Listed(), c.mounts)
            << "class " << c.shipClass << " heading " << c.heading << " at " << c.dx << "," << c.dy;
    }
}

TEST_F(WeaponsTest, HeldDisruptorsBurstThenFireAboutOncePerSecond) {
    UseClass(1);
    systems.weaponCharge[0] = systems.weaponCharge[1] = 1.0f;
    Aim(0, -FAR);
    Button(SYSMSG_LBUTTONDOWN);
    FireWeapons(true, true); // the press itself
    constexpr f32 DT = 0.05f;
    u32 afterBurst = 0;
    for (int step = 1; step <= 300; ++step) { // 15 s held
        RechargeWeapons(DT);
        frame.disruptorRepeat += DT;
        if (frame.disruptorRepeat > 0.35f) {
            frame.disruptorRepeat = 0.0f;
            FireWeapons(true, false);
        }
        if (step == 40) afterBurst = Projectiles();
    }
    // Both cannons are in arc and always fire together.
    EXPECT_EQ(Projectiles() % 2, 0u);
    u32 burstShots = afterBurst / 2, laterShots = (Projectiles() - afterBurst) / 2;
    EXPECT_GE(burstShots, 5u);
    EXPECT_LE(burstShots, 7u);
    EXPECT_GE(laterShots, 12u); // 13 s at 0.2 charge per second and 0.2 per shot
    EXPECT_LE(laterShots, 14u);
}

TEST_F(WeaponsTest, FiringNeedsChargeAndVisibility) {
    struct Case {
        f32 charge, cloak;
        bool consoleHeld;
        u32 bolts;
    } cases[] = {{0.19f, 0, false, 0},
                 {0.2f, 0, false, 2},
                 {1, 1.0f, false, 0},
                 {1, 0.99f, false, 2},
                 {1, 0, true, 0}};
    UseClass(1);
    Aim(0, -FAR);
    Button(SYSMSG_LBUTTONDOWN);
    for (const Case& c : cases) {
        FreeObjects();
        ResetSimulation();
        UseClass(1);
        keyBindings[ACTION_CONSOLE] = KeyBinding{{u8(c.consoleHeld ? KEY_LBUTTON : UNUSED_KEY)}, 1};
        systems.weaponCharge[0] = systems.weaponCharge[1] = c.charge;
        ship().cloakLevel = c.cloak;
        FireWeapons(true, true);
        EXPECT_EQ(Projectiles(), c.bolts) << c.charge << " charge, cloak " << c.cloak;
    }
}

TEST_F(WeaponsTest, SingleTorpedoOrFannedSalvo) {
    struct Case {
        bool spread;
        std::vector<f32> headings;
        f32 chargeLeft;
    } cases[] = {{false, {0.0f}, 1.7f}, {true, {346.5f, 13.5f}, 0.7f}};
    for (const Case& c : cases) {
        FreeObjects();
        ResetSimulation();
        UseClass(1);
        ship().velX = 100.0f;
        systems.torpedoSpread = c.spread;
        systems.weaponCharge[2] = 2.7f;
        Aim(0, -FAR);
        Button(SYSMSG_RBUTTONDOWN);
        FireWeapons(true, true);
        ASSERT_EQ(Projectiles(), c.headings.size());
        for (size_t i = 0; i < c.headings.size(); ++i) {
            const GameObject& t = *world.objects[i + 1];
            EXPECT_NEAR(t.heading, c.headings[i], 0.05f);
            f32 h = t.heading * DEG_TO_RAD;
            EXPECT_NEAR(t.velX, std::sin(h) * TORPEDO_SPEED + 100.0f, 0.5f);
            EXPECT_NEAR(t.velY, -std::cos(h) * TORPEDO_SPEED, 0.5f);
        }
        EXPECT_NEAR(systems.weaponCharge[2], c.chargeLeft, 1e-5f);
        Button(SYSMSG_RBUTTONUP);
    }
}

TEST_F(WeaponsTest, AFullObjectTableTakesNothingAndSpendsNothing) {
    UseClass(1);
    systems.weaponCharge[0] = systems.weaponCharge[1] = systems.weaponCharge[2] = 1.0f;
    Aim(0, -FAR);
    Button(SYSMSG_MBUTTONDOWN);
    world.objectCount = MAX_OBJECTS;
    FireWeapons(true, true);
    EXPECT_EQ(world.objectCount, MAX_OBJECTS);
    world.objectCount = 1; // only the ship was ever stored
    EXPECT_EQ(systems.weaponCharge[0], 1.0f);
    EXPECT_EQ(systems.weaponCharge[2], 1.0f);
}

TEST_F(WeaponsTest, TorpedoAnimationRunsNineFramesACycleWhateverTheStep) {
    PulseTorpedo torpedo;
    EXPECT_EQ(torpedo.Frame(), 0u);
    torpedo.Update(0.1f); // half a cycle
    EXPECT_EQ(torpedo.Frame(), 4u);
    for (f32 dt : {0.0f, 0.001f, 0.0199f, 0.02f, 0.0333f, 0.2f, 0.5f, 1.0f, 3.7f}) {
        for (int i = 0; i < 200; ++i) {
            torpedo.Update(dt);
            ASSERT_GE(torpedo.phase, 0.0f) << dt;
            ASSERT_LT(torpedo.phase, 1.0f) << dt;
            ASSERT_LE(torpedo.Frame(), 8u) << dt;
        }
    }
}

TEST_F(WeaponsTest, BeamReachesOutDrainsAndIdlesAtOnceOnRelease) {
    systems.weaponCharge[STRIP] = 1.0f;
    Aim(50, -300);
    Button(SYSMSG_LBUTTONDOWN);
    for (int i = 0; i < 20; ++i) UpdateBeams(&ship(), 0.05f); // one second held
    const BeamState& beam = ship().beams[STRIP];
    EXPECT_GT(beam.progress, 1.0f);
    EXPECT_NEAR(std::hypot(beam.dirX, beam.dirY), 1.0f, 1e-4f);
    EXPECT_LT(systems.weaponCharge[STRIP], 1.0f);
    EXPECT_GT(systems.weaponCharge[STRIP], 0.0f);

    Aim(0, 300); // behind: only a torpedo launcher covers it
    UpdateBeams(&ship(), 0.05f);
    EXPECT_EQ(beam.progress, -1.0f);

    Aim(50, -300);
    UpdateBeams(&ship(), 0.05f);
    EXPECT_GE(beam.progress, 0.0f);
    Button(SYSMSG_LBUTTONUP);
    UpdateBeams(&ship(), 0.05f);
    for (const BeamState& b : ship().beams) EXPECT_EQ(b.progress, -1.0f);
}

TEST_F(WeaponsTest, CursorOnAMountOrTheShipCentreLeavesEverythingFinite) {
    for (int shipClass : {0, 1}) {
        FreeObjects();
        ResetSimulation();
        ship().x = ship().y = 0.0;
        WeaponMount& onCentre = world.shipClasses[shipClass].mounts[STRIP];
        onCentre.x = onCentre.y = 0;
        UseClass(shipClass);
        for (f32& c : systems.weaponCharge) c = 3.0f;
        Aim(0, 0);
        Button(SYSMSG_LBUTTONDOWN);
        Button(SYSMSG_MBUTTONDOWN);
        for (int spread = 0; spread < 2; ++spread) {
            systems.torpedoSpread = u8(spread);
            for (int i = 0; i < 10; ++i) {
                FireWeapons(true, true);
                UpdateBeams(&ship(), 0.05f);
                RechargeWeapons(0.05f);
            }
        }
        for (u8 m : Listed()) EXPECT_NE(m, STRIP);
        if (shipClass == 0) { // the launchers around the centre still fire
            EXPECT_GT(Projectiles(), 0u);
        }
        for (u32 i = 0; i < world.objectCount; ++i) EXPECT_TRUE(Finite(*world.objects[i]));
        for (f32 c : systems.weaponCharge) EXPECT_TRUE(std::isfinite(c));
        for (const BeamState& b : ship().beams)
            EXPECT_TRUE(std::isfinite(b.dirX) && std::isfinite(b.dirY) && std::isfinite(b.sweep));
        Button(SYSMSG_LBUTTONUP);
        Button(SYSMSG_MBUTTONUP);
    }
}
