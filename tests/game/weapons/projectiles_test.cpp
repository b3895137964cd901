// The torpedo animation: nine frames a cycle, whatever the frame step.
#include "game/sim/projectiles.h"
#include "tests/game/weapons/weapons_fixture.h"

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
