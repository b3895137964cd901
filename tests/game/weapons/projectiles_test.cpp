// Projectiles in the object table: flight, the five-second lifetime and the torpedo animation.
#include "game/sim/projectiles.h"
#include "tests/game/weapons/weapons_fixture.h"

TEST_F(WeaponsTest, ProjectilesFlyStraightUntilTheTableDropsThemAtFiveSeconds) {
    ShipRef().velY = -50.0f;
    ASSERT_TRUE(SpawnProjectile(MakeDisruptorBolt, 10.0, 20.0, ShipRef().velX, ShipRef().velY, 1.0f,
                                0.0f, DISRUPTOR_SPEED));
    const GameObject* bolt = world.objects[1];
    EXPECT_NEAR(bolt->heading, 90.0f, 0.01f);
    constexpr f32 DT = 0.25f;
    int steps = 0;
    while (world.objectCount == 2 && steps < 100) {
        UpdateObjects(DT);
        ++steps;
        if (steps == 4) {
            EXPECT_NEAR(bolt->x, 10.0 + DISRUPTOR_SPEED, 1e-3);
            EXPECT_NEAR(bolt->y, 20.0 - 50.0, 1e-3);
        }
    }
    EXPECT_EQ(steps, 20); // gone in the step its age reaches 5.0
    EXPECT_EQ(world.objects[0], world.playerShip);
}

TEST_F(WeaponsTest, TorpedoFramesStayInTheSheetWhateverTheStep) {
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
