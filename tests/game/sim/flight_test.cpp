// Flight with each class's figures, the throttle lever, warp and cloak with their refusals;
// power sharing, overload, and the shield facings' balance, regeneration and reinforcing.
#include <cmath>

#include "game/shell/consoles.h"
#include "game/sim/power.h"
#include "tests/game/sim/sim_fixture.h"

namespace {
f32 Speed(const Ship& s) {
    return std::hypot(s.velX, s.velY);
}

void RunPower(f32 seconds) {
    for (int i = 0; i < int(seconds / 0.05f); ++i) UpdatePower(0.05f);
}

void PointAtMeter(int system) {
    SetMousePos(systems.powerSlider[system].x + 10.0f, systems.powerSlider[system].y + 5.0f);
}

f32 FacingSum() {
    f32 sum = 0.0f;
    for (f32 f : systems.shieldFacing) sum += f;
    return sum;
}
} // namespace

TEST_F(SimTest, EachClassReachesButNeverExceedsItsSpeedLimits) {
    for (int c = 0; c < SHIP_CLASS_COUNT; ++c) {
        for (bool reverse : {false, true}) {
            SetUp();
            UseClass(c);
            const ShipClass& k = *ship().shipClass;
            ship().heading = 30.0f;
            SetImpulseSpeed(reverse ? k.maxReverse : k.maxSpeed);
            f32 limit = std::fabs(reverse ? k.maxReverse : k.maxSpeed), fastest = 0.0f;
            for (int i = 0; i < 100; ++i) {
                ShipUpdate(&ship(), 0.05f);
                fastest = std::fmax(fastest, Speed(ship()));
            }
            EXPECT_NEAR(Speed(ship()), limit, limit * 1e-5f) << "class " << c;
            EXPECT_LE(fastest, limit * (1.0f + 1e-5f)) << "class " << c;
        }
    }
}

TEST_F(SimTest, TurnRateStopsRisingAtTheImpulseAndWarpLimits) {
    struct Case {
        int shipClass;
        f32 warp, impulse, limit;
    } cases[] = {{0, 0, 0, 160}, {1, 0, 1500, 110}, {2, 0, 0, 100}, {0, 4, 0, 5}, {2, 9, 0, 3.75f}};
    for (const Case& c : cases) {
        SetUp();
        UseClass(c.shipClass);
        ship().warpFactor = ship().warpTarget = c.warp;
        ship().impulseSpeed = c.impulse;
        ship().turnInput = 1;
        f32 step = 2.0f * ship().shipClass->maxSpeed / 6.0f * 0.01f, highest = 0.0f;
        for (int i = 0; i < 400; ++i) {
            ShipUpdate(&ship(), 0.01f);
            highest = std::fmax(highest, ship().turnRate);
        }
        EXPECT_GE(highest, c.limit - step) << c.shipClass << " at warp " << c.warp;
        EXPECT_LE(highest, c.limit + step) << c.shipClass << " at warp " << c.warp;
    }
}

TEST_F(SimTest, StrafeAndZoomKeysStopAtTheirLimitsAndRestStaysExactlyStill) {
    Hold(ACTION_STRAFE_RIGHT, 'X');
    Hold(ACTION_ZOOM_OUT, 'Z');
    for (int i = 0; i < 60; ++i) {
        UpdateControls(0.05f);
        ShipUpdate(&ship(), 0.05f);
    }
    EXPECT_FLOAT_EQ(ship().strafeSpeed, 125.0f) << "an eighth of top speed";
    EXPECT_EQ(systems.zoomTarget, 3000.0f);
    EXPECT_EQ(systems.zoom, 3000.0f);
    SetUp();
    Fly(10.0f);
    EXPECT_EQ(ship().velX, 0.0f);
    EXPECT_EQ(ship().velY, 0.0f);
    EXPECT_EQ(ship().x, 100.0);
}

TEST_F(SimTest, LeverThrottleRisesAtTheClassRateAndSnapsToTheLever) {
    hud.speedLever = 1.0f;
    hud.leverTimer = 1.0f;
    ThrottleToward();
    ASSERT_EQ(ship().throttleInput, 1);
    Fly(1.0f, 0.01f);
    EXPECT_NEAR(ship().impulseSpeed, 120.0f, 1.3f);
    for (int i = 0; i < 5000 && ship().throttleInput != 0; ++i) {
        ShipUpdate(&ship(), 0.02f); // steps below the 5-unit snap window
        ThrottleCheck();
    }
    EXPECT_EQ(ship().impulseSpeed, 1000.0f);
    EXPECT_EQ(hud.leverTimer, 0.0f);
    hud.speedLever = -0.05f;
    EXPECT_EQ(LeverSpeed(), 0.0f) << "dead zone";
    hud.speedLever = -1.0f;
    EXPECT_EQ(LeverSpeed(), -200.0f);
}

TEST_F(SimTest, WarpEngagesSpinsUpAndLeavesAtTopImpulseSpeed) {
    ToggleWarp();
    EXPECT_FLOAT_EQ(systems.reserveEnergy, 0.2f);
    EXPECT_EQ(ship().warpTarget, 1.0f);
    ToggleWarp(); // spinning up: the button waits
    EXPECT_EQ(ship().warpTarget, 1.0f);
    Fly(3.1f);
    EXPECT_EQ(ship().warpFactor, 1.0f);
    EXPECT_NEAR(Speed(ship()), 2000.0f, 0.1f);
    ToggleWarp();
    EXPECT_EQ(ship().warpTarget, 0.0f);
    EXPECT_FLOAT_EQ(power.warpRefund, 0.5f);
    for (int i = 0; i < 40 && ship().warpFactor > 0.0f; ++i) {
        ShipUpdate(&ship(), 0.1f);
        EXPECT_GE(Speed(ship()), 999.9f);
    }
    EXPECT_EQ(ship().warpFactor, 0.0f);
}

TEST_F(SimTest, WarpAndCloakRefusalsNameTheirReason) {
    struct Case {
        const char* what;
        int shipClass;
        void (*prepare)(Ship&);
        void (*toggle)();
        u32 message;
    } cases[] = {
        {"warp drive damaged", 0, [](Ship&) { systems.systemHealth[3] = 0.2f; }, ToggleWarp, 37},
        {"reserve too low", 0, [](Ship&) { systems.reserveEnergy = 0.4f; }, ToggleWarp, 36},
        {"cloaking", 1, [](Ship& s) { s.cloakDir = 1; }, ToggleWarp, 38},
        {"no device", 0, [](Ship&) {}, ToggleCloak, 40},
        {"device damaged", 1, [](Ship&) { systems.systemHealth[5] = 0.1f; }, ToggleCloak, 39},
        {"reserve below minimum", 1, [](Ship&) { systems.reserveEnergy = 0.4f; }, ToggleCloak, 43},
        {"entering warp", 1,
         [](Ship& s) {
             s.warpFactor = 0.5f;
             s.warpTarget = 1.0f;
         },
         ToggleCloak, 41},
        {"cooling down", 1, [](Ship&) { systems.cloakCooldown = 3.0f; }, ToggleCloak, 42},
    };
    for (const Case& c : cases) {
        SetUp();
        UseClass(c.shipClass);
        c.prepare(ship());
        Ship before = ship();
        f32 reserve = systems.reserveEnergy;
        c.toggle();
        EXPECT_EQ(flight.lastMessage, c.message) << c.what;
        EXPECT_EQ(ship().warpTarget, before.warpTarget) << c.what;
        EXPECT_EQ(ship().cloakDir, before.cloakDir) << c.what;
        EXPECT_EQ(systems.reserveEnergy, reserve) << c.what;
    }
}

TEST_F(SimTest, CloakTakesTwoSecondsIgnoresPressesMidwayAndStartsTheCooldown) {
    UseClass(1);
    ship().warpFactor = ship().warpTarget = 5.0f; // cloaking at full warp is allowed
    ToggleCloak();
    EXPECT_EQ(ship().cloakDir, 1);
    Fly(1.0f);
    ToggleCloak();
    EXPECT_EQ(ship().cloakDir, 1) << "a running transition ignores the button";
    Fly(1.1f);
    EXPECT_EQ(ship().cloakLevel, 1.0f);
    EXPECT_EQ(ship().cloakDir, 0);
    ToggleCloak();
    EXPECT_EQ(ship().cloakDir, -1);
    EXPECT_EQ(systems.cloakCooldown, 15.0f);
    Fly(2.1f);
    EXPECT_EQ(ship().cloakLevel, 0.0f);
    EXPECT_EQ(flight.lastMessage, 0u);
}

TEST_F(SimTest, PowerSettlesOnSharedTargetsWithPrioritiesServedFirst) {
    struct Case {
        u8 shieldPriority;
        f32 expected[POWER_SYSTEMS];
    } cases[] = {{0, {0.825f, 0.825f, 0.825f, 0.825f}},
                 {1, {2.3f / 3.0f, 1.0f, 2.3f / 3.0f, 2.3f / 3.0f}}};
    for (const Case& c : cases) {
        SetUp();
        for (f32& r : systems.powerRequest) r = 1.0f;
        systems.powerPriority[1] = c.shieldPriority;
        RunPower(60.0f);
        for (int i = 0; i < POWER_SYSTEMS; ++i)
            EXPECT_NEAR(systems.powerLevel[i], c.expected[i], 1e-3f) << "system " << i;
        EXPECT_GE(systems.reserveEnergy, 0.0f);
        EXPECT_LE(systems.reserveEnergy + 4 * 0.8f, 3.3f + 1e-3f);
    }
}

TEST_F(SimTest, RisingSystemGainsOnlyTheReserveFlowAndWhatOthersRelease) {
    systems.powerLevel[3] = 0.0f;
    UpdatePower(0.5f);
    EXPECT_NEAR(systems.powerLevel[3], 0.1f * 0.5f, 1e-6f);
    EXPECT_NEAR(systems.reserveEnergy, 0.7f - 0.05f + 0.05f, 1e-6f) << "lent, then recharged";
}

TEST_F(SimTest, OverloadTakesFromTheReserveThenFromOtherSystems) {
    PointAtMeter(1);
    ToggleOverload();
    EXPECT_EQ(systems.overloadedSystem, 1);
    EXPECT_FLOAT_EQ(systems.powerLevel[1], 1.5f);
    EXPECT_FLOAT_EQ(systems.reserveEnergy, 0.0f);
    EXPECT_NEAR(systems.powerLevel[0], 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(systems.powerLevel[2], 0.6f);
    PointAtMeter(2);
    ToggleOverload();
    EXPECT_EQ(systems.overloadedSystem, 1) << "one overload at a time";
    PointAtMeter(1);
    ToggleOverload();
    EXPECT_EQ(systems.overloadedSystem, NO_SYSTEM);
    EXPECT_EQ(systems.powerLevel[1], 0.0f);

    SetUp();
    systems.reserveEnergy = 0.2f; // levels 1.8 - 0.6 + 0.2 = 1.4
    systems.powerLevel[2] = 0.0f;
    PointAtMeter(0);
    ToggleOverload();
    EXPECT_EQ(systems.overloadedSystem, NO_SYSTEM);
    EXPECT_EQ(flight.lastMessage, 44u);
}

TEST_F(SimTest, ReinforcingTakesWhatFitsFromTheOtherFacings) {
    struct Case {
        f32 facing1, gained;
    } cases[] = {{0.5f, 0.15f}, {1.9f, 0.1f}, {2.0f, 0.0f}};
    for (const Case& c : cases) {
        SetUp();
        systems.shieldFacing[1] = c.facing1;
        systems.shieldRegenTimer[1] = 0.5f;
        f32 before = FacingSum();
        cvdEnforceShield(1);
        EXPECT_NEAR(systems.shieldFacing[1], c.facing1 + c.gained, 1e-6f);
        EXPECT_NEAR(FacingSum(), before, 1e-5f) << "energy only moves between facings";
        EXPECT_NEAR(systems.shieldFacing[0], 0.5f - c.gained / 3.0f, 1e-6f);
    }
    f32 before = FacingSum();
    cvdEnforceShield(7); // no such facing: nothing moves
    EXPECT_EQ(FacingSum(), before);
}

TEST_F(SimTest, FacingsRegenerateTowardTheEvenLevelAndHideWhileCloaked) {
    systems.shieldFacing[2] = 0.1f; // total 1.6 with shield power 2.0: settled means 2.0 held
    systems.shieldEnergy = 2.0f;
    for (int i = 0; i < 600; ++i) RegenShields(0.05f); // 4 steps of 0.1, 6.7 s apart
    EXPECT_NEAR(systems.shieldFacing[2], 0.5f, 1e-6f);
    EXPECT_NEAR(ship().shieldDisplay[2], 0.5f, 1e-6f);
    ship().cloakLevel = 0.3f;
    RegenShields(0.05f);
    EXPECT_EQ(ship().shieldDisplay[0], 0.0f);
    EXPECT_FLOAT_EQ(systems.shieldFacing[0], 0.5f);
}
