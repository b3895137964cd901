// Power sharing, overload, and the shield facings' balance, regeneration and reinforcing.
#include <cmath>

#include "game/sim/power.h"
#include "tests/game/sim/sim_fixture.h"

namespace {
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
