// A fresh battle for each simulation test, run in a temporary folder with no key held.
#pragma once

#include <gtest/gtest.h>

#include "engine/input.h"
#include "engine/types.h"
#include "game/shell/bindings.h"
#include "game/sim/flight.h"
#include "game/sim/objects.h"
#include "tests/support/fake_platform.h"
#include "tests/support/test_dir.h"

class SimTest : public ::testing::Test {
  protected:
    static constexpr u8 UNUSED_KEY = 200; // no test presses it, so bindings on it are never held
    void SetUp() override {
        fake::Reset();
        ResetInputState();
        ResetSimulation();
        flight = FlightState{};
        for (KeyBinding& b : keyBindings) b = KeyBinding{{UNUSED_KEY, 0, 0}, 1};
    }
    void TearDown() override {
        FreeObjects();
        FreeShipClasses();
    }
    // Binds action to one key and presses that key.
    void Hold(u32 action, u32 key) {
        keyBindings[action] = KeyBinding{{u8(key), 0, 0}, 1};
        WndProc(fake::KeyDown(key));
    }
    Ship& ship() { return *world.playerShip; }
    void UseClass(int index) { ship().shipClass = &world.shipClasses[index]; }
    // Runs the ship's flight step for seconds in steps of dt.
    void Fly(f32 seconds, f32 dt = 0.05f) {
        for (f32 t = 0.0f; t < seconds; t += dt) ShipUpdate(world.playerShip, dt);
    }

    TempDir dir;
};
