// A fresh battle for each simulation test, run in a temporary folder with no key held.
#pragma once

#include <gtest/gtest.h>

#include "engine/types.h"
#include "game/sim/objects.h"
#include "tests/support/test_dir.h"

class SimTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Binds action to one key and presses that key.
    void Hold(u32 action, u32 key);
    void Press(u32 key);
    void Release(u32 key);
    Ship& ship() { return *world.playerShip; }
    void UseClass(int index) { ship().shipClass = &world.shipClasses[index]; }
    // Runs the ship's flight step for seconds in steps of dt.
    void Fly(f32 seconds, f32 dt = 0.05f);

    TempDir dir;
};
