// Lancer beams, the arc coverage table, and aiming with the cursor exactly on a mount.
#include <cmath>
#include <set>

#include "game/sim/projectiles.h"
#include "tests/game/weapons/weapons_fixture.h"

namespace {
bool Finite(const GameObject& o) {
    return std::isfinite(o.x) && std::isfinite(o.y) && std::isfinite(o.heading) &&
           std::isfinite(o.velX) && std::isfinite(o.velY);
}
constexpr u8 STRIP = 2; // the Tessaly's forward lancer strip
} // namespace

TEST_F(WeaponsTest, BeamReachesOutDrainsAndIdlesAtOnceOnRelease) {
    systems.weaponCharge[STRIP] = 1.0f;
    Aim(50, -300);
    Button(SYSMSG_LBUTTONDOWN);
    for (int i = 0; i < 20; ++i) UpdateBeams(&ShipRef(), 0.05f); // one second held
    const BeamState& beam = ShipRef().beams[STRIP];
    EXPECT_GT(beam.progress, 1.0f);
    EXPECT_NEAR(std::hypot(beam.dirX, beam.dirY), 1.0f, 1e-4f);
    EXPECT_LT(systems.weaponCharge[STRIP], 1.0f);
    EXPECT_GT(systems.weaponCharge[STRIP], 0.0f);

    Aim(0, 300); // behind: only a torpedo launcher covers it
    UpdateBeams(&ShipRef(), 0.05f);
    EXPECT_EQ(beam.progress, -1.0f);

    Aim(50, -300);
    UpdateBeams(&ShipRef(), 0.05f);
    EXPECT_GE(beam.progress, 0.0f);
    Button(SYSMSG_LBUTTONUP);
    UpdateBeams(&ShipRef(), 0.05f);
    for (const BeamState& b : ShipRef().beams) EXPECT_EQ(b.progress, -1.0f);
}

TEST_F(WeaponsTest, CursorOnAMountOrTheShipCentreLeavesEverythingFinite) {
    for (int shipClass : {0, 1}) {
        FreeObjects();
        ResetSimulation();
        ShipRef().x = ShipRef().y = 0.0;
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
                UpdateBeams(&ShipRef(), 0.05f);
                RechargeWeapons(0.05f);
            }
        }
        for (u8 m : Listed()) EXPECT_NE(m, STRIP);
        if (shipClass == 0) { // the launchers around the centre still fire
            EXPECT_GT(Projectiles(), 0u);
        }
        for (u32 i = 0; i < world.objectCount; ++i) EXPECT_TRUE(Finite(*world.objects[i]));
        for (f32 c : systems.weaponCharge) EXPECT_TRUE(std::isfinite(c));
        for (const BeamState& b : ShipRef().beams)
            EXPECT_TRUE(std::isfinite(b.dirX) && std::isfinite(b.dirY) && std::isfinite(b.sweep));
        Button(SYSMSG_LBUTTONUP);
        Button(SYSMSG_MBUTTONUP);
    }
}
