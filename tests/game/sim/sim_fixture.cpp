// A fresh battle for each simulation test.
#include "tests/game/sim/sim_fixture.h"

#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/sim/flight.h"
#include "tests/support/fake_platform.h"

namespace {
constexpr u8 UNUSED_KEY = 200; // no test presses it, so bindings on it are never held
}

void SimTest::SetUp() {
    fake::Reset();
    ResetInputState();
    ResetSimulation();
    flight = FlightState{};
    for (KeyBinding& b : keyBindings) b = KeyBinding{{UNUSED_KEY, 0, 0}, 1};
}

void SimTest::TearDown() {
    FreeObjects();
    FreeShipClasses();
}

void SimTest::Hold(u32 action, u32 key) {
    keyBindings[action] = KeyBinding{{u8(key), 0, 0}, 1};
    Press(key);
}

void SimTest::Press(u32 key) {
    WndProc(fake::KeyDown(key));
}

void SimTest::Release(u32 key) {
    WndProc(fake::KeyUp(key));
}

void SimTest::Fly(f32 seconds, f32 dt) {
    for (f32 t = 0.0f; t < seconds; t += dt) ShipUpdate(world.playerShip, dt);
}
